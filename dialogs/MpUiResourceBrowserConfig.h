// The resource browser's configuration file: where it lies below the folder that the environment
// variable "KVX_MP_HOME" names, and how its lines are read. Plain C++ without Windows headers, so
// that the reader can also be built natively (fuzzing).
#pragma once
#include <istream>
#include <map>
#include <string>

namespace MpResourceBrowser {

// Appended directly to the folder; it begins with a backslash.
extern std::string configFileSuffix;

// The longest line the reader takes; a longer line is ignored.
constexpr size_t kConfigLineLimit = 1023;

// One line: cut at its first "#"; ignored without "="; the key is the text before the first "="
// as it stands, the value the text after it up to the last ";" (empty without ";", everything
// after the "=" when the last ";" stands before it). Returns false for an ignored line.
bool parseConfigLine(const std::string& line, std::string& key, std::string& value);

// Reads every line of the stream into the map, but for lines longer than kConfigLineLimit, which
// are ignored; a later equal key replaces the earlier value. No more of a line than the limit is
// ever held.
void readConfigStream(std::istream& in, std::map<std::string, std::string>& config);

// The folder, with its closing separator, of a module whose path the system wrote into a buffer
// of `capacity` characters (`reported`: the characters written). False when the path filled the
// buffer (it was cut) or names no folder.
bool folderOfModule(const std::string& reported, size_t capacity, std::string& folder);

}  // namespace MpResourceBrowser
