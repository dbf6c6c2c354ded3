// The data library's session functions.
#pragma once
#include "MpMakerApi.h"
#include <functional>
#include <string>
#include "MpKeys.h"

// The current session's context, never null. Host and tests change it through the pointer.
MPMAKER_API ZulContextData* MpContextData();

// Logs the user in to the data store: the installed login hook decides; without one every login
// is refused.
MPMAKER_API bool MpDataLogin(std::string user, std::string password);

typedef std::function<bool(const std::string& user, const std::string& password)> MpDataLoginHook;
// Installs the login hook (an empty one refuses every login) and returns the one it replaces.
MPMAKER_API MpDataLoginHook MpSetDataLoginHook(MpDataLoginHook hook);

// The folder of the traversal files, without a separator at its end: the folder set with
// MpSetTraversalXmlDir, else "Traversal" in the folder of the user's temporary files. With create
// true the folder is made when it does not exist.
MPMAKER_API std::string MpContextGetTraversalXmlDir(bool create);
// Sets the folder; an empty text goes back to the default.
MPMAKER_API void MpSetTraversalXmlDir(const std::string& folder);
