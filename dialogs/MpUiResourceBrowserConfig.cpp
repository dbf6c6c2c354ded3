// The resource browser's configuration-file location and line reader.
#include "MpUiResourceBrowserConfig.h"

namespace MpResourceBrowser {

std::string configFileSuffix = "\\bin\\RB\\resource_browser.conf";

bool parseConfigLine(const std::string& line, std::string& key, std::string& value) {
  const std::string cut = line.substr(0, line.find('#'));
  const size_t equals = cut.find('=');
  if (equals == std::string::npos) return false;
  key = cut.substr(0, equals);
  const size_t semicolon = cut.rfind(';');
  if (semicolon == std::string::npos)
    value.clear();
  else if (semicolon < equals)
    value = cut.substr(equals + 1);
  else
    value = cut.substr(equals + 1, semicolon - equals - 1);
  return true;
}

namespace {

// One line into `line`, without its line feed, reading at most kConfigLineLimit characters;
// false at the end of the stream or for a longer line.
bool readLimitedLine(std::istream& in, std::string& line) {
  line.clear();
  std::istream::int_type c = in.get();
  if (c == std::istream::traits_type::eof()) return false;
  while (c != std::istream::traits_type::eof() && c != '\n') {
    if (line.size() == kConfigLineLimit) return false;
    line += std::istream::traits_type::to_char_type(c);
    c = in.get();
  }
  return true;
}

}  // namespace

void readConfigStream(std::istream& in, std::map<std::string, std::string>& config) {
  std::string line, key, value;
  while (readLimitedLine(in, line))
    if (parseConfigLine(line, key, value)) config[key] = value;
}

bool folderOfModule(const std::string& reported, size_t capacity, std::string& folder) {
  folder.clear();
  if (reported.empty() || reported.size() >= capacity) return false;
  const size_t slash = reported.find_last_of("\\/");
  if (slash == std::string::npos) return false;
  folder = reported.substr(0, slash + 1);
  return true;
}

}  // namespace MpResourceBrowser
