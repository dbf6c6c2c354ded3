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

void readConfigStream(std::istream& in, std::map<std::string, std::string>& config) {
  std::string line, key, value;
  while (std::getline(in, line)) {
    if (line.size() > kConfigLineLimit) break;
    if (parseConfigLine(line, key, value)) config[key] = value;
  }
}

}  // namespace MpResourceBrowser
