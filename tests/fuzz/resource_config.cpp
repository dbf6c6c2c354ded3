// Fuzz target: the resource browser's configuration file, read line by line.
#include <cstdint>
#include <cstdlib>
#include <sstream>

#include "MpUiResourceBrowserConfig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::map<std::string, std::string> config;
  MpResourceBrowser::readConfigStream(in, config);
  for (const auto& kv : config) {
    // A key never holds the "=" that ends it, and neither holds a comment or a line break.
    if (kv.first.find('=') != std::string::npos || kv.first.find('#') != std::string::npos ||
        kv.second.find('#') != std::string::npos || kv.second.find('\n') != std::string::npos)
      std::abort();
  }
  return 0;
}
