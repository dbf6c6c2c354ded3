// MenuBench: what removing an own pop-up of many owner-drawn items costs, beside building it, and
// what a host emptying such a pop-up item by item costs, beside a bare Windows menu.
//   build   the pop-up's items appended one at a time with AppendODMenuW (the baseline)
//   remove  the pop-up taken out of its menu with RemoveMenu, by position: its items, records and
//           sub-menu object go
//   remove one by one  every item of the pop-up removed with RemoveMenu by position from the end,
//           as a host clears a list pop-up before it fills it again; each item's record goes
//   bare    the same on a pop-up of plain items made and emptied with Windows' own calls
// Pop-ups of 1,000 and 5,000 items; each figure is the median of several runs, the steps taking
// turns on the same menus. One line per size and step, in the benchmark's form, then the goals: the
// removal costs no more than the build at each size and grows linearly (5,000 items at most 7 times
// 1,000); emptying item by item grows no worse than quadratically (5,000 items at most 30 times
// 1,000).
#include <afxwin.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "MpAppUiMenu.h"

namespace {

using Clock = std::chrono::steady_clock;
double since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}
double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

struct Times {
  double build = 0, remove = 0, oneByOne = 0, bare = 0;
};

void fail(const char* what, int count) {
  std::fprintf(stderr, "MenuBench: %s of %d items failed\n", what, count);
  std::exit(1);
}

// A pop-up of `count` items, each with a caption and an accelerator, in a menu beside another item.
Times once(int count) {
  MpAppUiMenu menu;
  menu.CreatePopupMenu();
  menu.AppendODMenuW(L"&First", 0, 100, -1);
  MpAppUiMenu* list = menu.AppendODPopupMenuW(L"&Recent");
  std::vector<std::wstring> captions;
  for (int i = 0; i < count; ++i) captions.push_back(L"&" + std::to_wstring(i + 1) + L" part" + std::to_wstring(i) + L".cam\tCtrl+F" + std::to_wstring(i % 12 + 1));
  Times t;
  auto fill = [&] {
    for (int i = 0; i < count; ++i) list->AppendODMenuW(captions[i].c_str(), 0, 1000 + i, -1);
  };
  Clock::time_point start = Clock::now();
  fill();
  t.build = since(start);

  start = Clock::now();
  for (int i = count - 1; i >= 0; --i) list->RemoveMenu((UINT)i, MF_BYPOSITION);
  t.oneByOne = since(start);
  if (list->GetMenuItemCount() != 0 || list->m_itemRecords.GetSize() != 0) fail("emptying the own pop-up", count);
  HMENU bare = ::CreatePopupMenu();
  for (int i = 0; i < count; ++i) ::AppendMenuW(bare, MF_STRING, 1000 + i, captions[i].c_str());
  start = Clock::now();
  for (int i = count - 1; i >= 0; --i) ::RemoveMenu(bare, (UINT)i, MF_BYPOSITION);
  t.bare = since(start);
  if (::GetMenuItemCount(bare) != 0) fail("emptying the bare pop-up", count);
  ::DestroyMenu(bare);

  fill();
  start = Clock::now();
  const BOOL removed = menu.RemoveMenu(1, MF_BYPOSITION);
  t.remove = since(start);
  if (!removed || menu.GetMenuItemCount() != 1) fail("removing the pop-up", count);
  return t;
}

}  // namespace

int main() {
  const int sizes[2] = {1000, 5000}, runs[2] = {9, 5};
  once(100);  // the first menus of the process pay for the heap and the font
  double removeMedian[2] = {}, oneByOneMedian[2] = {};
  bool met = true;
  for (int s = 0; s < 2; ++s) {
    std::vector<double> build, remove, oneByOne, bare;
    for (int run = 0; run < runs[s]; ++run) {
      const Times t = once(sizes[s]);
      build.push_back(t.build);
      remove.push_back(t.remove);
      oneByOne.push_back(t.oneByOne);
      bare.push_back(t.bare);
    }
    removeMedian[s] = median(remove);
    oneByOneMedian[s] = median(oneByOne);
    const double buildMedian = median(build);
    met = met && removeMedian[s] <= buildMedian;
    std::printf("menu windows %d items: remove %.2f ms  build %.2f ms (medians of %d runs)\n", sizes[s],
                removeMedian[s], buildMedian, runs[s]);
    std::printf("menu windows %d items: remove one by one %.2f ms  bare %.2f ms (medians of %d runs)\n", sizes[s],
                oneByOneMedian[s], median(bare), runs[s]);
    std::fflush(stdout);
  }
  const double growth = removeMedian[0] > 0 ? removeMedian[1] / removeMedian[0] : 0.0;
  met = met && growth <= 7.0;
  std::printf("menu goal: remove at most build at each size, 5000 items at most 7 x 1000 (%.2f x): %s\n", growth,
              met ? "met" : "not met");
  const double oneByOneGrowth = oneByOneMedian[0] > 0 ? oneByOneMedian[1] / oneByOneMedian[0] : 0.0;
  std::printf("menu goal: remove one by one, 5000 items at most 30 x 1000 (%.2f x): %s\n", oneByOneGrowth,
              oneByOneGrowth <= 30.0 ? "met" : "not met");
  return 0;
}
