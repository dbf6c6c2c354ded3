// The resource browser's configuration-file location, set when the library is loaded.
#include "MpUiResourceBrowserConfig.h"

namespace MpResourceBrowser {

std::string configFileSuffix = "\\bin\\RB\\resource_browser.conf";

}  // namespace MpResourceBrowser
