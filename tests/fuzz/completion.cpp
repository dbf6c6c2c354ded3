// Fuzz target: the code editor's completion lookup, checked against a plain binary search over
// the same sorted words, and the word list that keeps the dictionary, checked against a plain
// sort of the words without duplicates; each under the comparison the editor sorts with in the
// case mode, bytes of 0x80 and more included. Input: a first byte of settings (bit 0:
// case-sensitive), then the dictionary (words separated by line feeds), a NUL, the typed word,
// a NUL and the selection.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "MpAppUiCompletion.h"

namespace {

std::vector<std::string> Split(const std::string& text, char at) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == at)
      parts.emplace_back();
    else
      parts.back() += c;
  }
  return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const bool caseSensitive = data[0] & 1;
  std::vector<std::string> parts = Split(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), '\0');
  parts.resize(std::max<size_t>(parts.size(), 3));
  const std::string& word = parts[1];
  const std::string& selection = parts[2];
  auto compare = caseSensitive ? std::strcmp : MpAppUiCompareNoCase;
  auto compareN = caseSensitive ? std::strncmp : MpAppUiCompareNoCaseN;
  auto less = [&](const std::string& a, const std::string& b) { return compare(a.c_str(), b.c_str()) < 0; };

  // The words added one at a time, read back once halfway: each is taken unless empty or held
  // already, and the list reads back as the taken words stably sorted.
  MpAppUiWordList list(compare);
  std::vector<std::string> words;
  const std::vector<std::string> added = Split(parts[0], '\n');
  for (size_t i = 0; i < added.size(); ++i) {
    const std::string& w = added[i];
    const bool fresh = !w.empty() && std::find(words.begin(), words.end(), w) == words.end();
    if (list.add(w) != fresh || (!w.empty() && !list.contains(w))) std::abort();
    if (fresh) words.push_back(w);
    if (i == added.size() / 2) list.words();
  }
  // The dictionary as the editor keeps it: sorted under the active comparison.
  std::stable_sort(words.begin(), words.end(), less);
  if (list.words() != words) std::abort();
  const MpAppUiMatches got = MpAppUiCompleteWord(words, caseSensitive, word.c_str(), selection.c_str());

  // The plain way: a binary search for the first word not before the typed one, a walk to the
  // end of those it begins, and the proposal, each by the sort's own comparisons.
  const size_t n = word.size();
  const auto first = std::lower_bound(words.begin(), words.end(), word, [&](const std::string& e, const std::string& w) {
    return compareN(e.c_str(), w.c_str(), n) < 0;
  });
  auto last = first;
  while (last != words.end() && compareN(last->c_str(), word.c_str(), n) == 0) ++last;
  size_t proposal = MpAppUiMatches::npos, firstLess = MpAppUiMatches::npos;
  for (auto it = first; it != last && proposal == MpAppUiMatches::npos; ++it) {
    const int c = compare(it->c_str() + n, selection.c_str());
    if (c > 0) proposal = (size_t)(it - words.begin());
    if (c < 0 && firstLess == MpAppUiMatches::npos) firstLess = (size_t)(it - words.begin());
  }
  if (proposal == MpAppUiMatches::npos) proposal = firstLess;
  if (proposal == MpAppUiMatches::npos && last - first >= 2) proposal = (size_t)(first - words.begin());

  if (got.first != (size_t)(first - words.begin()) || got.last != (size_t)(last - words.begin()) ||
      got.proposal != proposal)
    std::abort();
  return 0;
}
