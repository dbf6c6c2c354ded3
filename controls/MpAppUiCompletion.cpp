// The code editor's completion lookup.
#include "MpAppUiCompletion.h"

#include <algorithm>
#include <cstring>

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
