// The code editor's completion lookup.
#include "MpAppUiCompletion.h"

#include <algorithm>
#include <cstring>
#include <iterator>

std::string MpAppUiCompleteWord(const std::vector<std::string>& dict, const MpAppUiCompareFunctions& cmp,
                                const char* word, const char* selection, std::vector<std::string>& matches) {
  const size_t n = std::strlen(word);
  // The dictionary is sorted under the active comparison, so the words that begin with `word`
  // are one stretch of it: found by two binary searches instead of a scan of every word.
  auto headLess = [&](const std::string& entry, const char* w) { return cmp.compareN(entry.c_str(), w, n) < 0; };
  auto first = std::lower_bound(dict.begin(), dict.end(), word, headLess);
  auto last = first;
  while (last != dict.end() && cmp.compareN(last->c_str(), word, n) == 0) ++last;
  if (first == last) return std::string();
  const size_t before = matches.size();
  const std::string* firstLess = nullptr;
  const std::string* proposal = nullptr;
  for (auto it = first; it != last; ++it) {
    matches.push_back(*it);
    if (proposal) continue;
    const int c = cmp.compare(it->c_str() + n, selection);
    if (c > 0)
      proposal = &*it;
    else if (c < 0 && !firstLess)
      firstLess = &*it;
  }
  if (proposal) return proposal->substr(n);
  if (firstLess) return firstLess->substr(n);
  if (matches.size() - before >= 2) return matches[before].substr(n);
  return std::string();
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
