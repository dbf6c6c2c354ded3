// The option string of the output page: entries "-WORD VALUE" separated by blanks, as the APT
// transformation reads them ("-APT_SCOPE_MODAL_OPNAME 1 -PP_MERGE_CYCLE 1 "). A word is found
// only whole: its dash stands at the start or after a blank, and a blank or the end follows the
// word, so that "-PP_MERGE_CYCLE" is never found inside "-PP_MERGE_CYCLE_CHECK_TRANS_NOT".
// Plain C++: no Windows header.
#pragma once
#include <string>

// Whether the string holds the entry of word.
bool MpAppUiHasOption(const std::string& options, const std::string& word);
// Appends "-WORD 1 " unless the entry is there; whether the string changed.
bool MpAppUiAddOption(std::string& options, const std::string& word);
// Removes the first entry of word: its dash and word, its value (a token not starting with a
// dash) and one blank after it; whether the string changed.
bool MpAppUiRemoveOption(std::string& options, const std::string& word);

// The same for a fixed run of entries (the loop prefix), found whole wherever it stands.
bool MpAppUiHasPrefix(const std::string& options, const std::string& prefix);
// Appends the run and one blank unless it is there.
bool MpAppUiAddPrefix(std::string& options, const std::string& prefix);
// Removes the first whole run and one blank after it.
bool MpAppUiRemovePrefix(std::string& options, const std::string& prefix);
