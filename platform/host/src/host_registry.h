// The creators and hooks that MpHostInstall registers, one per source file.
#pragma once
#include <unknwn.h>
#include "MpKeys.h"

struct IMpData;

namespace mphost {

HRESULT createOptions(REFIID iid, void** out);
HRESULT createSettingsService(REFIID iid, void** out);
HRESULT createOsServices(REFIID iid, void** out);
HRESULT createRegistry(REFIID iid, void** out);
HRESULT createSystemInfo(REFIID iid, void** out);
HRESULT createClassObject(REFIID iid, void** out);
HRESULT createMoveCommand(REFIID iid, void** out);
HRESULT createPmUtils(REFIID iid, void** out);
HRESULT createPmRelation(REFIID iid, void** out);
HRESULT createParameterSet(REFIID iid, void** out);
std::string parameterText(IMpDataParameterSet* set, const std::string& name);

// The resolver of theMpZulClassFactory().
HRESULT resolveObject(IMpData* data, const ZulObjectKey& key, int flags, REFIID iid, void** out);

void openSettingsStore();
void closeSettingsStore();

}  // namespace mphost
