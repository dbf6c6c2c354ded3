// Installing the host into the class factory, and the live-object count.
#include "MpHost.h"
#include <cstring>
#include <mutex>
#include "MpClassFactory.h"
#include "MpHostCommands.h"
#include "MpHostOptions.h"
#include "host_internal.h"
#include "host_registry.h"

namespace {

volatile LONG g_liveObjects = 0;

struct HostClass {
  const GUID* classId;
  HRESULT (*create)(REFIID iid, void** out);
};

const HostClass g_classes[] = {
    {&CLSID_MpOptions, &mphost::createOptions},
    {&CLSID_MpPmUtSettings, &mphost::createSettingsService},
    {&CLSID_MpUtOs, &mphost::createOsServices},
    {&CLSID_MpRegistry, &mphost::createRegistry},
    {&CLSID_MpSystemInfo, &mphost::createSystemInfo},
    {&CLSID_MpZulClass, &mphost::createClassObject},
    {&CLSID_MpHostMoveCommand, &mphost::createMoveCommand},
    {&CLSID_MpPmUtils, &mphost::createPmUtils},
    {&CLSID_MpDataParameterSet, &mphost::createParameterSet},
    {&CLSID_MpPmUtRelation, &mphost::createPmRelation},
};

const HostClass* findClass(const GUID& classId) {
  for (const HostClass& c : g_classes)
    if (IsEqualGUID(*c.classId, classId)) return &c;
  return nullptr;
}

std::mutex g_installLock;
bool g_installed = false;
MpZulObjectResolver g_previousResolver;

}  // namespace

namespace mphost {

void objectMade() { ::InterlockedIncrement(&g_liveObjects); }
void objectGone() { ::InterlockedDecrement(&g_liveObjects); }

HRESULT createOptions(REFIID iid, void** out) {
  return handOut(MpHostOptions::create(), iid, out);
}

}  // namespace mphost

const char* const MpHostProductWords[3] = {"Halcyon", "V7", "Planning"};

bool MpHostInstall() {
  std::lock_guard<std::mutex> guard(g_installLock);
  for (const HostClass& c : g_classes) MpRegisterClass(*c.classId, c.create);
  if (!g_installed) {
    g_previousResolver = MpSetZulObjectResolver(&mphost::resolveObject);
    mphost::openSettingsStore();
    g_installed = true;
  }
  return true;
}

void MpHostUninstall() {
  std::lock_guard<std::mutex> guard(g_installLock);
  if (!g_installed) return;
  for (const HostClass& c : g_classes) MpUnregisterClass(*c.classId);
  MpSetZulObjectResolver(g_previousResolver);
  g_previousResolver = MpZulObjectResolver();
  mphost::closeSettingsStore();
  g_installed = false;
}

bool MpHostIsInstalled() {
  std::lock_guard<std::mutex> guard(g_installLock);
  return g_installed;
}

std::vector<GUID> MpHostClassIds() {
  std::vector<GUID> ids;
  for (const HostClass& c : g_classes) ids.push_back(*c.classId);
  return ids;
}

bool MpHostUnregisterClass(const GUID& classId) {
  return findClass(classId) != nullptr && MpUnregisterClass(classId);
}

bool MpHostRegisterClass(const GUID& classId) {
  const HostClass* c = findClass(classId);
  return c != nullptr && MpRegisterClass(classId, c->create);
}

long MpHostLiveObjects() { return ::InterlockedCompareExchange(&g_liveObjects, 0, 0); }

long MpHostRefCount(IUnknown* object) {
  if (!object) return -1;
  const ULONG afterAddRef = object->AddRef();
  object->Release();
  return static_cast<long>(afterAddRef) - 1;
}
