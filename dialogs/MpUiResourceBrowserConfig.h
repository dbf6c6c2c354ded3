// Where the resource browser's configuration file lies below the folder that the environment
// variable "KVX_MP_HOME" names.
#pragma once
#include <string>

namespace MpResourceBrowser {

// Appended directly to the folder; it begins with a backslash.
extern std::string configFileSuffix;

}  // namespace MpResourceBrowser
