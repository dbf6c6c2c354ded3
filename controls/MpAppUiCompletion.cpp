// The code editor's completion lookup.
#include "MpAppUiCompletion.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

// The comparisons as the C runtime makes them (strcmp, _stricmp in the "C" locale), inline:
// a case-insensitive one compares ASCII letters folded to lower case.
struct Folding {
  unsigned char same[256], lower[256];
  Folding() {
    for (int c = 0; c < 256; ++c) {
      same[c] = (unsigned char)c;
      lower[c] = (unsigned char)(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
  }
};
const Folding g_fold;

// As strncmp of entry and word over n, the length of word.
int ComparePrefix(const std::string& entry, const char* word, size_t n, const unsigned char* fold) {
  const size_t m = std::min(entry.size(), n);
  if (fold == g_fold.same) {
    if (int c = std::memcmp(entry.data(), word, m)) return c;
  } else {
    const auto* a = reinterpret_cast<const unsigned char*>(entry.data());
    const auto* b = reinterpret_cast<const unsigned char*>(word);
    for (size_t i = 0; i < m; ++i)
      if (fold[a[i]] != fold[b[i]]) return (int)fold[a[i]] - (int)fold[b[i]];
  }
  return entry.size() < n ? -1 : 0;
}

// As strcmp of two NUL-ended texts.
int CompareText(const char* a, const char* b, const unsigned char* fold) {
  for (;; ++a, ++b) {
    const int ca = fold[(unsigned char)*a], cb = fold[(unsigned char)*b];
    if (ca != cb || !ca) return ca - cb;
  }
}

}  // namespace

MpAppUiMatches MpAppUiCompleteWord(const std::vector<std::string>& dict, bool caseSensitive, const char* word,
                                   const char* selection) {
  const unsigned char* fold = caseSensitive ? g_fold.same : g_fold.lower;
  const size_t n = std::strlen(word);
  // The words that begin with `word` are one stretch of the sorted dictionary: its two ends
  // are found by binary search, the end after steps doubling from the start, as the stretch
  // is mostly short.
  const auto first = std::partition_point(dict.begin(), dict.end(),
                                          [&](const std::string& e) { return ComparePrefix(e, word, n, fold) < 0; });
  auto matches = [&](const std::string& e) { return ComparePrefix(e, word, n, fold) == 0; };
  auto from = first, to = first;
  for (std::ptrdiff_t step = 1; to != dict.end() && matches(*to); step *= 2) {
    from = to;
    to = dict.end() - to > step ? to + step : dict.end();
  }
  const auto last = std::partition_point(from, to, matches);
  MpAppUiMatches m;
  m.first = (size_t)(first - dict.begin());
  m.last = (size_t)(last - dict.begin());
  size_t firstLess = MpAppUiMatches::npos;
  for (auto it = first; it != last; ++it) {
    const int c = CompareText(it->c_str() + n, selection, fold);
    if (c > 0) {
      m.proposal = (size_t)(it - dict.begin());
      return m;
    }
    if (c < 0 && firstLess == MpAppUiMatches::npos) firstLess = (size_t)(it - dict.begin());
  }
  if (firstLess != MpAppUiMatches::npos)
    m.proposal = firstLess;
  else if (m.count() >= 2)
    m.proposal = m.first;
  return m;
}

bool MpAppUiWordList::contains(const std::string& word) const {
  if (m_addedSet.count(word)) return true;
  const auto range = std::equal_range(m_sorted.begin(), m_sorted.end(), word, lessFn());
  return std::find(range.first, range.second, word) != range.second;
}

bool MpAppUiWordList::add(const std::string& word) {
  if (word.empty() || contains(word)) return false;
  m_added.push_back(word);
  m_addedSet.insert(word);
  return true;
}

void MpAppUiWordList::assign(const std::vector<std::string>& words) {
  m_added.clear();
  m_addedSet.clear();
  m_sorted = words;
  std::stable_sort(m_sorted.begin(), m_sorted.end(), lessFn());
}

void MpAppUiWordList::setCompare(int (*compare)(const char*, const char*)) {
  words();
  m_compare = compare;
  std::stable_sort(m_sorted.begin(), m_sorted.end(), lessFn());
}

std::vector<std::string>& MpAppUiWordList::words() {
  if (m_added.empty()) return m_sorted;
  std::stable_sort(m_added.begin(), m_added.end(), lessFn());
  const auto middle = static_cast<std::ptrdiff_t>(m_sorted.size());
  m_sorted.insert(m_sorted.end(), std::make_move_iterator(m_added.begin()), std::make_move_iterator(m_added.end()));
  std::inplace_merge(m_sorted.begin(), m_sorted.begin() + middle, m_sorted.end(), lessFn());
  m_added.clear();
  m_addedSet.clear();
  return m_sorted;
}
