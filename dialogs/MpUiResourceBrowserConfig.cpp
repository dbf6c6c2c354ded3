// The resource browser's configuration-file location and line reader.
#include "MpUiResourceBrowserConfig.h"
#include <limits>

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

enum class LineRead { Line, TooLong, End };

// One line into `line`, without its line feed, holding at most kConfigLineLimit characters; the
// rest of a longer line is read past, never held.
LineRead readLimitedLine(std::istream& in, std::string& line) {
  typedef std::istream::traits_type Traits;
  line.clear();
  Traits::int_type c = in.get();
  if (c == Traits::eof()) return LineRead::End;
  while (c != Traits::eof() && c != '\n') {
    if (line.size() == kConfigLineLimit) {
      in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
      return LineRead::TooLong;
    }
    line += Traits::to_char_type(c);
    c = in.get();
  }
  return LineRead::Line;
}

}  // namespace

void readConfigStream(std::istream& in, std::map<std::string, std::string>& config) {
  std::string line, key, value;
  LineRead read;
  while ((read = readLimitedLine(in, line)) != LineRead::End)
    if (read == LineRead::Line && parseConfigLine(line, key, value)) config[key] = value;
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
