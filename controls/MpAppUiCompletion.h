// The code editor's completion lookup over a sorted dictionary. Plain C++: no Windows header,
// so that it also builds natively (benchmarks).
#pragma once
#include <cstddef>
#include <string>
#include <vector>

struct MpAppUiCompareFunctions {
  int (*compare)(const char*, const char*);
  int (*compareN)(const char*, const char*, size_t);
};

// The words of dictionary (sorted under compare) that begin with word are appended to matches;
// returns what the proposal adds after word: the first match whose rest sorts after selection,
// else the first whose rest sorts before it, else with two or more matches the first one's rest,
// else "".
std::string MpAppUiCompleteWord(const std::vector<std::string>& dictionary, const MpAppUiCompareFunctions& cmp,
                                const char* word, const char* selection, std::vector<std::string>& matches);
