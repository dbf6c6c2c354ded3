// The process-wide object factories and their registries.
#pragma once
#include "MpMakerApi.h"
#include <functional>
#include <unknwn.h>
#include "MpFactories.h"

// The factory of service objects. Host and tests register a creator per class identifier.
MPMAKER_API IMpClassFactory* theMpClassFactory();

// The factory of host objects by key. It asks the resolver that the host installed.
MPMAKER_API IMpZulClassFactory* theMpZulClassFactory();

// Makes a new object of a class and gives interface iid on it in *out (null on failure). The
// outer object is always null (aggregation is refused before a creator is called).
typedef std::function<HRESULT(REFIID iid, void** out)> MpClassCreator;

// Registers the creator of a class, replacing an earlier one; false for an empty creator. A
// library that registers creators or a resolver removes them before it is unloaded.
MPMAKER_API bool MpRegisterClass(const GUID& classId, MpClassCreator creator);
// Removes a class; false when it was not registered.
MPMAKER_API bool MpUnregisterClass(const GUID& classId);
MPMAKER_API bool MpIsClassRegistered(const GUID& classId);

// Finds an object of a data object by key and gives interface iid on it in *out (null when none).
typedef std::function<HRESULT(IMpData* data, const ZulObjectKey& key, int flags, REFIID iid, void** out)>
    MpZulObjectResolver;

// Installs the resolver of the host object factory and returns the one it replaces. Without a
// resolver every key finds nothing.
MPMAKER_API MpZulObjectResolver MpSetZulObjectResolver(MpZulObjectResolver resolver);
