// The code editor's completion lookup over a sorted dictionary. Plain C++: no Windows header,
// so that it also builds natively (benchmarks).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Where the completions of a typed word stand in a sorted dictionary: indexes, nothing copied.
struct MpAppUiMatches {
  static constexpr size_t npos = static_cast<size_t>(-1);
  size_t first = 0, last = 0;  // the words that begin with the typed word: [first, last)
  size_t proposal = npos;      // the word whose rest after the typed word is proposed
  size_t count() const { return last - first; }
};

// The case-insensitive order of the completion's dictionaries, with the form that compares at
// most n bytes: ASCII letters folded to lower case, then bytes compared unsigned, as strcmp
// compares them. Every list that a case-insensitive lookup searches is sorted with it: a
// runtime's own _stricmp may order bytes of 0x80 and more otherwise (signed), and a list sorted
// in another order than its search's hides words from the search.
int MpAppUiCompareNoCase(const char* a, const char* b);
int MpAppUiCompareNoCaseN(const char* a, const char* b, size_t n);

// Finds the words of dictionary (sorted with strcmp when caseSensitive, else with
// MpAppUiCompareNoCase) that begin with word. The proposal is the first
// match whose rest sorts after selection, else the first whose rest sorts before it, else with
// two or more matches the first one, else none.
MpAppUiMatches MpAppUiCompleteWord(const std::vector<std::string>& dictionary, bool caseSensitive, const char* word,
                                   const char* selection);

// A word list kept sorted under a comparison that may change. Words added one at a time are
// held apart and merged in one pass when the list is next read, so that adding n words costs
// about one sort of them; duplicates are exact (byte for byte), whatever the comparison.
class MpAppUiWordList {
 public:
  explicit MpAppUiWordList(int (*compare)(const char*, const char*)) : m_compare(compare) {}
  // False for an empty word or one the list holds already.
  bool add(const std::string& word);
  bool contains(const std::string& word) const;
  void assign(const std::vector<std::string>& words);
  void setCompare(int (*compare)(const char*, const char*));
  // The words, sorted under the comparison (equal ones in the order they came).
  std::vector<std::string>& words();

 private:
  bool less(const std::string& a, const std::string& b) const;
  bool inSorted(const std::string& word) const;
  // The slot of m_addedIndex that holds word, or the empty one where it would go.
  size_t addedSlot(const std::string& word) const;
  // Sorts the words from middle on and merges them with those before, which are sorted.
  void sortFrom(size_t middle);
  int (*m_compare)(const char*, const char*);
  std::vector<std::string> m_sorted;
  std::vector<std::string> m_added;  // in the order added
  // The added words by hash, open-addressed and at most half full (0: an empty slot, else the
  // word's index in m_added plus one): a word is checked and entered without an allocation.
  std::vector<std::uint32_t> m_addedIndex;
};
