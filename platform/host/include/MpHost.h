// The in-memory host: its service objects, registered with the class factory, and what tests and
// the demo host observe of them.
//
// Classes the host registers (MpHostInstall):
//   CLSID_MpOptions       a fresh, empty named-value bag (IMpOptions)           MpHostOptions.h
//   CLSID_MpPmUtSettings  the settings service (IMpPmUtSettingsBase)            MpHostSettings.h
//   CLSID_MpUtOs          the OS services object (IMpUtOsDll and IMpUtOsFile)
//   CLSID_MpRegistry      the registry service over HKEY_CURRENT_USER (IMpRegistry)
//   CLSID_MpSystemInfo    the system information (IMpSystemInfo)
//   CLSID_MpZulClass      an empty class object, loaded by name (IMpZulClass)   MpHostData.h
//   CLSID_MpHostMoveCommand  the move command (IMpAppCommand)                   MpHostCommands.h
//   CLSID_MpPmUtils       the process-model utilities (IMpPmUtils): the customer commands below
//   CLSID_MpDataParameterSet  a parameter set (IMpDataParameterSet), filled by a node's
//                         getParameters: a double as VT_R8, a vector as an array of VT_R8, an
//                         integer as VT_I4, a string as VT_BSTR; a field without a value is not found
// and the resolver of theMpZulClassFactory(), which finds the objects of the host's data stores by
// key (MpHostData.h).
//
// The OS services object:
//  - loadResourceModule loads the module with LoadLibraryA from the name as given (a bare file name
//    is searched for as LoadLibraryA searches: the executable's folder first) and joins it, once per
//    module and for the rest of the process, to the MFC resource chain (a CDynLinkLibrary over it)
//    and to MpGetResourceString (MpRegisterResourceModule); false when the module cannot be loaded.
//  - loadDll loads a library that stays loaded; getProcAddress looks in the library this object
//    loaded last; getLastErrorText gives the system's text of this object's last failed call.
//  - splitPath cuts the path after its last '\', '/' or ':' (the folder keeps that separator),
//    then the file name at its first two dots: "C:\m\part.asm.1" gives "C:\m\", "part", "asm"
//    and "1". fileExists is true for a file, not for a folder. getTempFileName reserves a new name
//    in the temporary folder by making an empty file there.
// The registry service reads and writes values of HKEY_CURRENT_USER under a key path: getValue reads
// strings and 32-bit numbers (as decimal text), getString strings only, both give the fallback for
// a missing key or value; both setters write a string value and make the key when it is missing.
// The system information gives MpHostProductWords and the process's environment variables.
//
// Every object the host makes is reference counted in the COM manner: made with one reference,
// deleted when the last is released. MpHostLiveObjects counts the objects alive, so a test sees a
// leak or an early free.
#pragma once
#include "MpHostApi.h"
#include <string>
#include <vector>
#include <unknwn.h>
#include "MpInterfaces.h"

// Registers the host's classes and its object resolver, and opens the settings store when none is
// open. Calling it again registers again any class that was removed and keeps the store. The host
// relies on no DllMain order: tests and the demo host call this pair themselves.
MPHOST_API bool MpHostInstall();
// Removes the host's classes and resolver (the resolver that was installed before comes back)
// and closes the settings store. Objects still held stay usable; a settings group that outlives
// its store can no longer be committed.
MPHOST_API void MpHostUninstall();
MPHOST_API bool MpHostIsInstalled();

// The class identifiers listed above.
MPHOST_API std::vector<GUID> MpHostClassIds();
// Removes one of the host's classes from the class factory, as a host without that service would
// be; false when the identifier is not one of the host's or is not registered.
MPHOST_API bool MpHostUnregisterClass(const GUID& classId);
// Registers one of the host's classes again; false when the identifier is not one of the host's.
MPHOST_API bool MpHostRegisterClass(const GUID& classId);

// Host objects alive in the process.
MPHOST_API long MpHostLiveObjects();
// The references held on an object (counted by one AddRef and its Release); -1 for null.
MPHOST_API long MpHostRefCount(IUnknown* object);

// The three product words of IMpSystemInfo::getProductInfo: the product, its version, and the
// product family. The first two, joined by one blank, name the product in registry keys.
extern MPHOST_API const char* const MpHostProductWords[3];

// The customer commands that IMpPmUtils::getCustomerCommands offers, in order (three sample
// commands until set). Process-wide; a test that sets them puts them back.
MPHOST_API void MpHostSetCustomerCommands(const std::vector<std::string>& names);
MPHOST_API std::vector<std::string> MpHostCustomerCommands();
