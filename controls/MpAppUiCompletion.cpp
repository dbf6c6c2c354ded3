// The code editor's completion lookup.
#include "MpAppUiCompletion.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <iterator>
#include <string_view>

namespace {

// The completion's two orders, made inline: a call per comparison (under Windows into the
// runtime's DLL) costs more than the few bytes a lookup compares. Bytes compare unsigned, as
// strcmp's do; the case-insensitive order also folds ASCII letters to lower case, and only them.
struct Folding {
  unsigned char lower[256];
  Folding() {
    for (int c = 0; c < 256; ++c) lower[c] = (unsigned char)(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  }
};
const Folding g_fold;

template <bool Fold>
inline int Byte(const char* p) {
  const unsigned char c = (unsigned char)*p;
  return Fold ? g_fold.lower[c] : c;
}

// Whether entry sorts before, with or after word over n bytes, the length of word (as strncmp).
// The entry's NUL ends it before word, which holds no NUL.
template <bool Fold>
inline int ComparePrefix(const std::string& entry, const char* word, size_t n) {
  const char* a = entry.c_str();
  for (size_t i = 0; i < n; ++i)
    if (const int d = Byte<Fold>(a + i) - Byte<Fold>(word + i)) return d;
  return 0;
}

// As strcmp (or strncmp) of two NUL-ended texts, over n bytes at most.
template <bool Fold>
inline int CompareText(const char* a, const char* b, size_t n = static_cast<size_t>(-1)) {
  for (; n; --n, ++a, ++b) {
    const int ca = Byte<Fold>(a), cb = Byte<Fold>(b);
    if (ca != cb || !ca) return ca - cb;
  }
  return 0;
}

template <bool Fold>
MpAppUiMatches CompleteWord(const std::vector<std::string>& dict, const char* word, const char* selection) {
  const size_t n = std::strlen(word);
  auto before = [&](const std::string& e) { return ComparePrefix<Fold>(e, word, n) < 0; };
  auto matches = [&](const std::string& e) { return ComparePrefix<Fold>(e, word, n) == 0; };
  // The words that begin with `word` are one stretch of the sorted dictionary.
  const auto first = std::partition_point(dict.begin(), dict.end(), before);
  const auto last = std::partition_point(first, dict.end(), matches);
  MpAppUiMatches m;
  m.first = (size_t)(first - dict.begin());
  m.last = (size_t)(last - dict.begin());
  size_t firstLess = MpAppUiMatches::npos;
  for (auto it = first; it != last; ++it) {
    const int c = CompareText<Fold>(it->c_str() + n, selection);
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

}  // namespace

int MpAppUiCompareNoCase(const char* a, const char* b) { return CompareText<true>(a, b); }

int MpAppUiCompareNoCaseN(const char* a, const char* b, size_t n) { return CompareText<true>(a, b, n); }

MpAppUiMatches MpAppUiCompleteWord(const std::vector<std::string>& dict, bool caseSensitive, const char* word,
                                   const char* selection) {
  return caseSensitive ? CompleteWord<false>(dict, word, selection) : CompleteWord<true>(dict, word, selection);
}

bool MpAppUiWordList::less(const std::string& a, const std::string& b) const {
  // The runtime's strcmp, the usual comparison, is made inline.
  if (m_compare == std::strcmp) return CompareText<false>(a.c_str(), b.c_str()) < 0;
  return m_compare(a.c_str(), b.c_str()) < 0;
}

size_t MpAppUiWordList::addedSlot(const std::string& word) const {
  const size_t mask = m_addedIndex.size() - 1;
  for (size_t i = std::hash<std::string_view>()(word) & mask;; i = (i + 1) & mask) {
    const std::uint32_t k = m_addedIndex[i];
    if (!k || m_added[k - 1] == word) return i;
  }
}

bool MpAppUiWordList::inSorted(const std::string& word) const {
  const auto range =
      std::equal_range(m_sorted.begin(), m_sorted.end(), word, [this](const std::string& a, const std::string& b) {
        return less(a, b);
      });
  return std::find(range.first, range.second, word) != range.second;
}

bool MpAppUiWordList::contains(const std::string& word) const {
  return (!m_addedIndex.empty() && m_addedIndex[addedSlot(word)]) || inSorted(word);
}

bool MpAppUiWordList::add(const std::string& word) {
  if (word.empty() || inSorted(word)) return false;
  if ((m_added.size() + 1) * 2 > m_addedIndex.size()) {
    m_addedIndex.assign(std::max<size_t>(64, m_addedIndex.size() * 2), 0);
    for (size_t i = 0; i < m_added.size(); ++i) m_addedIndex[addedSlot(m_added[i])] = (std::uint32_t)(i + 1);
  }
  const size_t slot = addedSlot(word);
  if (m_addedIndex[slot]) return false;
  m_added.push_back(word);
  m_addedIndex[slot] = (std::uint32_t)m_added.size();
  return true;
}

void MpAppUiWordList::assign(const std::vector<std::string>& words) {
  m_added.clear();
  m_addedIndex.clear();
  m_sorted = words;
  sortFrom(0);
}

void MpAppUiWordList::setCompare(int (*compare)(const char*, const char*)) {
  words();
  m_compare = compare;
  sortFrom(0);
}

void MpAppUiWordList::sortFrom(size_t middle) {
  auto lessFn = [this](const std::string& a, const std::string& b) { return less(a, b); };
  const auto mid = m_sorted.begin() + static_cast<std::ptrdiff_t>(middle);
  std::stable_sort(mid, m_sorted.end(), lessFn);
  std::inplace_merge(m_sorted.begin(), mid, m_sorted.end(), lessFn);
}

std::vector<std::string>& MpAppUiWordList::words() {
  if (m_added.empty()) return m_sorted;
  const size_t middle = m_sorted.size();
  m_sorted.insert(m_sorted.end(), std::make_move_iterator(m_added.begin()), std::make_move_iterator(m_added.end()));
  m_added.clear();
  m_addedIndex.clear();
  sortFrom(middle);
  return m_sorted;
}
