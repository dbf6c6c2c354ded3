// MenuBench: what removing an own pop-up of many owner-drawn items costs, beside building it.
//   build   the pop-up's items appended one at a time with AppendODMenuW (the baseline)
//   remove  the pop-up taken out of its menu with RemoveMenu, by position: its items, records and
//           sub-menu object go
// Pop-ups of 1,000 and 5,000 items; each figure is the median of several runs, the two steps taking
// turns on the same menus. One line per size, in the benchmark's form, then the goal: the removal
// costs no more than the build at each size and grows linearly (5,000 items at most 7 times 1,000).
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
  double build = 0, remove = 0;
};

// A pop-up of `count` items, each with a caption and an accelerator, in a menu beside another item.
Times once(int count) {
  MpAppUiMenu menu;
  menu.CreatePopupMenu();
  menu.AppendODMenuW(L"&First", 0, 100, -1);
  MpAppUiMenu* list = menu.AppendODPopupMenuW(L"&Recent");
  std::vector<std::wstring> captions;
  for (int i = 0; i < count; ++i) captions.push_back(L"&" + std::to_wstring(i + 1) + L" part" + std::to_wstring(i) + L".cam\tCtrl+F" + std::to_wstring(i % 12 + 1));
  Times t;
  Clock::time_point start = Clock::now();
  for (int i = 0; i < count; ++i) list->AppendODMenuW(captions[i].c_str(), 0, 1000 + i, -1);
  t.build = since(start);
  start = Clock::now();
  const BOOL removed = menu.RemoveMenu(1, MF_BYPOSITION);
  t.remove = since(start);
  if (!removed || menu.GetMenuItemCount() != 1) {
    std::fprintf(stderr, "MenuBench: the pop-up of %d items was not removed\n", count);
    std::exit(1);
  }
  return t;
}

}  // namespace

int main() {
  const int sizes[2] = {1000, 5000}, runs[2] = {9, 5};
  once(100);  // the first menus of the process pay for the heap and the font
  double removeMedian[2] = {};
  bool met = true;
  for (int s = 0; s < 2; ++s) {
    std::vector<double> build, remove;
    for (int run = 0; run < runs[s]; ++run) {
      const Times t = once(sizes[s]);
      build.push_back(t.build);
      remove.push_back(t.remove);
    }
    removeMedian[s] = median(remove);
    const double buildMedian = median(build);
    met = met && removeMedian[s] <= buildMedian;
    std::printf("menu windows %d items: remove %.2f ms  build %.2f ms (medians of %d runs)\n", sizes[s],
                removeMedian[s], buildMedian, runs[s]);
    std::fflush(stdout);
  }
  const double growth = removeMedian[0] > 0 ? removeMedian[1] / removeMedian[0] : 0.0;
  met = met && growth <= 7.0;
  std::printf("menu goal: remove at most build at each size, 5000 items at most 7 x 1000 (%.2f x): %s\n", growth,
              met ? "met" : "not met");
  return 0;
}
