// The two object factories: service objects by class identifier, host objects by key.
#pragma once
#include <unknwn.h>
#include "MpGuid.h"
#include "MpKeys.h"

struct IMpData;

MP_IDENTIFIER(IID_IMpClassFactory, "{D451087D-91AA-49AA-8A86-D2467A5EA6C3}");
MP_IDENTIFIER(IID_IMpZulClassFactory, "{2643DFE6-0884-48BC-8E63-EFEA369EF2C6}");

// Creates the host's service objects. *out is null unless the result is S_OK; an outer object
// (aggregation) is refused with CLASS_E_NOAGGREGATION.
struct IMpClassFactory : public IUnknown {
  virtual HRESULT createInstance(REFCLSID classId, IUnknown* outer, REFIID iid, void** out) = 0;
};

// Gives an interface on an existing object of an open data object, found by its key. *out is null
// when the key finds nothing or the object lacks the interface.
struct IMpZulClassFactory : public IUnknown {
  virtual HRESULT getObject(IMpData* data, const ZulObjectKey& key, int flags, REFIID iid, void** out) = 0;
};
