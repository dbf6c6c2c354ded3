// EditBench: how fast the code editor colours, completes, loads keywords and takes a keystroke.
//   colouring   MiB/s of one-pass colouring of a 3 MiB and a 12 MiB source with 200 keywords,
//               beside a bare pass that only finds the words (no lookup, no runs)
//   completion  one lookup in dictionaries of 1k, 10k and 100k words, beside a bare binary
//               search over the same sorted words
//   loading     40,000 completion words added one at a time and read back sorted, beside one
//               std::sort of the same words
//   keystroke   one typed character (insert, recolour, repaint) in documents of 1k, 10k and
//               100k lines, beside a bare keystroke: a plain window over the same document that
//               inserts the character, invalidates the one line and updates (Windows build only)
// The same source also builds natively (native/CMakeLists.txt), without the keystroke part.
// Every line starts with its figure's name, then the build, so that tools/bench can gather them.
#include <afxwin.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "MpAppUiCompletion.h"
#include "MpAppUiEdit.h"
#ifdef _WIN32
#include "MpAppUiEditCntrl.h"
#endif
// Names the build on every line (set by the native build for its optimised and unoptimised runs).
#ifndef EDITBENCH_LABEL
#define EDITBENCH_LABEL "windows"
#endif
const char kBuild[] = EDITBENCH_LABEL;

namespace {

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

std::vector<std::string> Keywords() {
  std::vector<std::string> k;
  for (int i = 0; i < 200; ++i) k.push_back("KW" + std::to_string(i * 7919 % 1000));
  return k;
}

// A rule-like source: keywords, identifiers, numbers, operators and comments.
std::string Source(size_t bytes, const std::vector<std::string>& keywords) {
  std::mt19937 rng(42);
  std::string s;
  s.reserve(bytes + 200);
  while (s.size() < bytes) {
    switch (rng() % 8) {
      case 0: s += "// a comment about " + keywords[rng() % keywords.size()] + "\n"; break;
      case 1: s += "/* block\n comment */ "; break;
      default: {
        // One draw after the other: the order in which operands are evaluated differs between
        // compilers, and both builds must colour the same text.
        const std::string& keyword = keywords[rng() % keywords.size()];
        const unsigned value = rng() % 100, depth = rng() % 50;
        s += keyword + " value" + std::to_string(value) + " = depth * " + std::to_string(depth) + " + offset;\n";
      }
    }
  }
  return s;
}

void Colouring() {
  std::vector<std::string> keywords = Keywords();
  MpAppUiEdit doc;
  doc.addKeyWords(keywords, 0xAA0000);
  doc.initKeyWordMap();
  for (size_t mib : {3, 12}) {
    std::string text = Source(mib << 20, keywords);
    std::vector<OEColorRun> runs;
    double best = 1e9, bare = 1e9;
    size_t words = 0;
    for (int rep = 0; rep < 3; ++rep) {
      auto t0 = Clock::now();
      doc.ColorText(text.data(), text.size(), runs);
      auto t1 = Clock::now();
      best = std::min(best, Seconds(t0, t1));
      std::string copy = text;
      auto t2 = Clock::now();
      words = 0;
      int len = 0;
      for (char* p = &copy[0]; (p = SECEdit::GetNextWord(p, &len)) != nullptr; p += len) ++words;
      auto t3 = Clock::now();
      bare = std::min(bare, Seconds(t2, t3));
    }
    double size = (double)text.size() / (1 << 20);
    std::printf("colouring   %-9s %2zu MiB: %7.1f MiB/s (%zu runs)   bare word scan: %7.1f MiB/s (%zu words)\n", kBuild, mib,
                size / best, runs.size(), size / bare, words);
  }
}

std::vector<std::string> RandomWords(std::mt19937& rng, int count) {
  std::vector<std::string> words;
  for (int i = 0; i < count; ++i) {
    std::string w;
    for (int c = 0, n = 5 + (int)(rng() % 8); c < n; ++c) w += (char)('a' + rng() % 26);
    words.push_back(w);
  }
  return words;
}

void Completion() {
  std::mt19937 rng(7);
  for (int count : {1000, 10000, 100000}) {
    // The editor keeps its dictionary sorted under the active comparison, as here.
    std::vector<std::string> sorted = RandomWords(rng, count);
    std::sort(sorted.begin(), sorted.end());
    std::vector<std::string> probes;
    for (int i = 0; i < 1000; ++i) probes.push_back(sorted[rng() % sorted.size()].substr(0, 4));
    const int rounds = 20;
    auto t0 = Clock::now();
    size_t found = 0;
    for (int r = 0; r < rounds; ++r)
      for (const std::string& p : probes) found += MpAppUiCompleteWord(sorted, true, p.c_str(), "").count();
    auto t1 = Clock::now();
    size_t hits = 0;
    for (int r = 0; r < rounds; ++r)
      for (const std::string& key : probes) {
        auto it = std::lower_bound(sorted.begin(), sorted.end(), key);
        hits += it != sorted.end() && it->compare(0, key.size(), key) == 0;
      }
    auto t2 = Clock::now();
    const double n = (double)rounds * probes.size();
    std::printf("completion %-9s %6d words: %7.3f us/lookup   bare binary search: %7.3f us (%zu/%zu)\n", kBuild,
                count, Seconds(t0, t1) / n * 1e6, Seconds(t1, t2) / n * 1e6, found > 0 ? hits : 0, (size_t)n);
  }
}

void Loading() {
  std::mt19937 rng(11);
  const std::vector<std::string> words = RandomWords(rng, 40000);
  auto t0 = Clock::now();
  // As the editor control's AddKeyword and its next lookup take them.
  MpAppUiWordList list(std::strcmp);
  for (const std::string& w : words) list.add(w);
  const size_t loaded = list.words().size();
  auto t1 = Clock::now();
  std::vector<std::string> sorted = words;
  std::sort(sorted.begin(), sorted.end());
  auto t2 = Clock::now();
  std::printf("loading    %-9s %6zu words: %7.2f ms   bare sort: %7.2f ms (%zu loaded)\n", kBuild, words.size(),
              Seconds(t0, t1) * 1e3, Seconds(t1, t2) * 1e3, loaded);
}

#ifdef _WIN32
// The bare keystroke's window: the same document, the character inserted at the caret, the one
// line invalidated and drawn plainly.
struct BareEditor {
  MpAppUiEdit doc;
  OEPos caret;
  int lineHeight = 16;
};

LRESULT CALLBACK BareProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* bare = reinterpret_cast<BareEditor*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_CHAR: {
      const char text[2] = {(char)wp, 0};
      bare->doc.Insert(bare->caret, text, &bare->caret);
      RECT line{0, bare->caret.nLine * bare->lineHeight, 10000, (bare->caret.nLine + 1) * bare->lineHeight};
      ::InvalidateRect(hwnd, &line, FALSE);
      return 0;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(hwnd, &ps);
      for (int l = ps.rcPaint.top / bare->lineHeight; l < bare->doc.GetLineCount() && l * bare->lineHeight < ps.rcPaint.bottom; ++l) {
        const std::string& text = bare->doc.GetLine(l);
        ::TextOutA(dc, 0, l * bare->lineHeight, text.data(), (int)text.size());
      }
      ::EndPaint(hwnd, &ps);
      return 0;
    }
  }
  return ::DefWindowProcA(hwnd, msg, wp, lp);
}

// Seconds for `keys` characters sent to the window, each followed by an update.
double TypeKeys(HWND hwnd, int keys) {
  auto t0 = Clock::now();
  for (int k = 0; k < keys; ++k) {
    ::SendMessageA(hwnd, WM_CHAR, 'x', 1);
    ::UpdateWindow(hwnd);
  }
  return Seconds(t0, Clock::now());
}

void Keystroke() {
  HWND frame = ::CreateWindowExA(0, "STATIC", "EditBench", WS_OVERLAPPEDWINDOW, 0, 0, 700, 500, nullptr, nullptr,
                                 ::GetModuleHandleA(nullptr), nullptr);
  ::ShowWindow(frame, SW_SHOW);
  WNDCLASSA wc{};
  wc.lpfnWndProc = BareProc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "EditBenchBare";
  ::RegisterClassA(&wc);
  for (int lines : {1000, 10000, 100000}) {
    MpAppUiEditCntrl ed;
    ed.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 680, 460), CWnd::FromHandle(frame), 1);
    std::vector<std::string> keywords = Keywords();
    ed.addKeyWords(keywords, 0xAA0000);
    ed.initKeyWordMap();
    std::string text;
    for (int i = 0; i < lines; ++i) text += "KW7 value" + std::to_string(i) + " = depth * 3 + offset; // step\r\n";
    ed.SetWindowTextA(text.c_str());
    ed.SetCaret(OEPos(lines / 2, 10));
    ed.UpdateEditor();
    ed.UpdateWindow();

    // The bare window shows the caret's line at its top, as the editor does after scrolling.
    BareEditor bare;
    bare.doc.SetText(text.data(), text.size());
    HWND plain = ::CreateWindowExA(0, "EditBenchBare", "", WS_CHILD | WS_VISIBLE, 0, 0, 680, 460, frame, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    ::SetWindowLongPtrA(plain, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&bare));
    bare.caret = OEPos(0, 10);
    ::UpdateWindow(plain);

    // Ten stretches of 30 keys, each on its own visible line, so that neither window scrolls
    // sideways; the two windows take turns, so that both meet the same load of the machine.
    const int stretches = 10, perLine = 30, keys = stretches * perLine;
    long long before = ed.GetEdit()->m_nLinesColoured;
    double edSeconds = 0, bareSeconds = 0;
    for (int s = 0; s < stretches; ++s) {
      ed.SetCaret(OEPos(lines / 2 - s, 10));
      ed.UpdateEditor();
      ed.UpdateWindow();
      bare.caret = OEPos(s, 10);
      edSeconds += TypeKeys(ed.m_hWnd, perLine);
      bareSeconds += TypeKeys(plain, perLine);
    }
    const double recoloured = (double)(ed.GetEdit()->m_nLinesColoured - before) / keys;
    const double us = edSeconds / keys * 1e6, bareUs = bareSeconds / keys * 1e6;
    std::printf("keystroke %-9s %6d lines: %7.1f us/key   bare keystroke: %7.1f us/key (%.2f lines recoloured/key)\n",
                kBuild, lines, us, bareUs, recoloured);
    ::DestroyWindow(plain);
    ed.DestroyWindow();
  }
  ::DestroyWindow(frame);
}
#endif

}  // namespace

int main() {
  Colouring();
  Completion();
  Loading();
#ifdef _WIN32
  Keystroke();
#endif
  return 0;
}
