// Strings of the resource modules.
#pragma once
#include "MpMakerApi.h"
#include <string>
#include <windows.h>

// Adds a loaded module to the modules whose string tables MpGetResourceString reads; a module
// registered later is searched first. Registering a module twice changes nothing. The host's
// operating-system service registers the resource module when it loads it.
MPMAKER_API bool MpRegisterResourceModule(HINSTANCE module);
// Removes a module again; false when it was not registered.
MPMAKER_API bool MpUnregisterResourceModule(HINSTANCE module);

// String resource id of the first registered module that has it (LoadStringA), with the inserts
// in place of "%1" to "%6". Nothing else in the text is special: other '%' characters stay as
// they are, and inserted text is not searched again. A missing id, or no module, gives "".
MPMAKER_API std::string MpGetResourceString(unsigned int id, const std::string& insert1 = "",
                                            const std::string& insert2 = "", const std::string& insert3 = "",
                                            const std::string& insert4 = "", const std::string& insert5 = "",
                                            const std::string& insert6 = "");

// Puts the inserts into a text as MpGetResourceString does.
MPMAKER_API std::string MpInsertStrings(const std::string& text, const std::string* inserts, int count);
