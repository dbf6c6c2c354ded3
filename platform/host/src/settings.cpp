// The settings store and the settings service.
#include "MpHostSettings.h"
#include <memory>
#include <mutex>
#include "MpHostData.h"
#include "host_internal.h"
#include "host_registry.h"

struct MpHostSettingsStore {
  std::mutex lock;
  MpHostOptions* live[MpHostSettingsGroupCount] = {};  // one reference each
  std::unique_ptr<MpHostOptionValues> committed[MpHostSettingsGroupCount];
  int commits[MpHostSettingsGroupCount] = {};
  IMpDataCustomization2* customization = nullptr;  // one reference

  ~MpHostSettingsStore() {
    for (MpHostOptions*& group : live) {
      if (group) group->Release();
      group = nullptr;
    }
    if (customization) customization->Release();
  }
};

namespace {

std::mutex g_storeLock;
std::shared_ptr<MpHostSettingsStore> g_store;
volatile LONG g_failCommits = 0;

std::shared_ptr<MpHostSettingsStore> currentStore() {
  std::lock_guard<std::mutex> guard(g_storeLock);
  return g_store;
}

// The nice names of the classes below "Feature" of a customization of the host's.
std::vector<std::string> featureClassKeys(IMpDataCustomization2* customization) {
  std::vector<std::string> keys;
  const MpHostCustomization* c = MpHostCustomizationOf(customization);
  if (!c) return keys;
  for (const std::string& name : c->subClasses("Feature", true)) {
    const MpHostClassDef* def = c->findClass(name);
    if (def && !def->niceName.empty()) keys.push_back(def->niceName);
  }
  return keys;
}

// Every flag position set: the class takes part in recognition.
const char* const FeatureClassDefault = "11";

void writeDefaults(MpHostSettingsGroup group, IMpOptions* bag, IMpDataCustomization2* customization) {
  if (MpHostOptions* own = MpHostOptionsOf(bag)) own->clear();
  for (const auto& entry : MpHostSettingsDefaults(group)) bag->setString(entry.first, entry.second);
  if (group == MpHostSettingsGroup::Feature)
    for (const std::string& key : featureClassKeys(customization)) bag->setString(key, FeatureClassDefault);
}

void addMissingFeatureClasses(MpHostOptions* group, IMpDataCustomization2* customization) {
  for (const std::string& key : featureClassKeys(customization))
    if (!group->hasString(key)) group->setString(key, FeatureClassDefault);
}

// The live group, made when first asked for. The caller holds the store's lock.
MpHostOptions* liveGroup(const std::shared_ptr<MpHostSettingsStore>& store, MpHostSettingsGroup group) {
  const int index = static_cast<int>(group);
  MpHostOptions*& live = store->live[index];
  if (!live) {
    live = MpHostOptions::create();
    live->bindToGroup(index, store);
    if (store->committed[index])
      live->setValues(*store->committed[index]);
    else
      writeDefaults(group, live, store->customization);
  }
  return live;
}

class SettingsService final : public mphost::SingleInterfaceObject<IMpPmUtSettingsBase, IID_IMpPmUtSettingsBase> {
 public:
  explicit SettingsService(std::shared_ptr<MpHostSettingsStore> store) : m_store(std::move(store)) {}


  bool setCustomization(IMpDataCustomization2* customization) override {
    std::lock_guard<std::mutex> guard(m_store->lock);
    if (customization) customization->AddRef();
    if (m_store->customization) m_store->customization->Release();
    m_store->customization = customization;
    return true;
  }

  IMpOptions* getFeatureSettings() override {
    std::lock_guard<std::mutex> guard(m_store->lock);
    MpHostOptions* group = liveGroup(m_store, MpHostSettingsGroup::Feature);
    addMissingFeatureClasses(group, m_store->customization);
    return group;
  }
  IMpOptions* getSequenceSettings() override { return get(MpHostSettingsGroup::Sequence); }
  void reserved1() override {}
  IMpOptions* getOutputSettings() override { return get(MpHostSettingsGroup::Output); }
  void reserved2() override {}
  IMpOptions* getOperationSettings() override { return get(MpHostSettingsGroup::Operation); }
  IMpOptions* getStepSettings() override { return get(MpHostSettingsGroup::Step); }
  IMpOptions* getCustomerSettings() override { return get(MpHostSettingsGroup::Customer); }
  IMpOptions* getCatiaQySettings() override { return get(MpHostSettingsGroup::CatiaQy); }
  IMpOptions* getQySettings() override { return get(MpHostSettingsGroup::Qy); }
  IMpOptions* getCorvaneSettings() override { return get(MpHostSettingsGroup::Corvane); }
  IMpOptions* getHondaSettings() override { return get(MpHostSettingsGroup::Honda); }
  IMpOptions* getExportSettings() override { return get(MpHostSettingsGroup::Export); }
  IMpOptions* getUnitsSettings() override { return get(MpHostSettingsGroup::Units); }
  IMpOptions* getExchangeAdapterSettings() override { return get(MpHostSettingsGroup::ExchangeAdapter); }
  void reserved3() override {}

  bool resetFeatureSettings(IMpOptions* group) override { return reset(MpHostSettingsGroup::Feature, group); }
  bool resetSequenceSettings(IMpOptions* group) override { return reset(MpHostSettingsGroup::Sequence, group); }
  bool resetOutputSettings(IMpOptions* group) override { return reset(MpHostSettingsGroup::Output, group); }
  bool resetOperationSettings(IMpOptions* group) override { return reset(MpHostSettingsGroup::Operation, group); }
  bool resetStepSettings(IMpOptions* group) override { return reset(MpHostSettingsGroup::Step, group); }
  bool resetCustomerSettings(IMpOptions* group) override { return reset(MpHostSettingsGroup::Customer, group); }
  bool resetCatiaQySettings(IMpOptions* group) override { return reset(MpHostSettingsGroup::CatiaQy, group); }
  bool resetQySettings(IMpOptions* group) override { return reset(MpHostSettingsGroup::Qy, group); }
  bool resetHondaSettings(IMpOptions* group) override { return reset(MpHostSettingsGroup::Honda, group); }
  bool resetExportSettings(IMpOptions* group) override { return reset(MpHostSettingsGroup::Export, group); }
  bool resetUnitsSettings(IMpOptions* group) override { return reset(MpHostSettingsGroup::Units, group); }
  bool resetCorvaneSettings(IMpOptions* group) override { return reset(MpHostSettingsGroup::Corvane, group); }
  bool resetExchangeAdapterSettings(IMpOptions* group) override {
    return reset(MpHostSettingsGroup::ExchangeAdapter, group);
  }

 private:
  ~SettingsService() override = default;

  IMpOptions* get(MpHostSettingsGroup group) {
    std::lock_guard<std::mutex> guard(m_store->lock);
    return liveGroup(m_store, group);
  }

  bool reset(MpHostSettingsGroup group, IMpOptions* bag) {
    if (!bag) return false;
    std::lock_guard<std::mutex> guard(m_store->lock);
    writeDefaults(group, bag, m_store->customization);
    return true;
  }

  std::shared_ptr<MpHostSettingsStore> m_store;
};

}  // namespace

void MpHostOptions::bindToGroup(int group, const std::shared_ptr<MpHostSettingsStore>& store) {
  m_group = group;
  m_store = store;
}

bool MpHostOptions::commit() {
  if (m_group < 0 || g_failCommits) return false;
  std::shared_ptr<MpHostSettingsStore> store = m_store.lock();
  if (!store) return false;
  std::lock_guard<std::mutex> guard(store->lock);
  store->committed[m_group].reset(new MpHostOptionValues(m_values));
  ++store->commits[m_group];
  return true;
}

const char* MpHostSettingsGroupName(MpHostSettingsGroup group) {
  static const char* const names[MpHostSettingsGroupCount] = {
      "Feature", "Sequence", "Output", "Operation", "Step", "Customer", "CatiaQy",
      "Qy", "Corvane", "Honda", "Export", "Units", "ExchangeAdapter"};
  const int index = static_cast<int>(group);
  return index >= 0 && index < MpHostSettingsGroupCount ? names[index] : "";
}

IMpOptions* MpHostSettings(MpHostSettingsGroup group) {
  std::shared_ptr<MpHostSettingsStore> store = currentStore();
  if (!store) return nullptr;
  std::lock_guard<std::mutex> guard(store->lock);
  MpHostOptions* live = liveGroup(store, group);
  if (group == MpHostSettingsGroup::Feature) addMissingFeatureClasses(live, store->customization);
  return live;
}

IMpOptions* MpHostCommittedSettings(MpHostSettingsGroup group) {
  std::shared_ptr<MpHostSettingsStore> store = currentStore();
  if (!store) return nullptr;
  std::lock_guard<std::mutex> guard(store->lock);
  const auto& committed = store->committed[static_cast<int>(group)];
  if (!committed) return nullptr;
  MpHostOptions* copy = MpHostOptions::create();
  copy->setValues(*committed);
  return copy;
}

int MpHostCommitCount(MpHostSettingsGroup group) {
  std::shared_ptr<MpHostSettingsStore> store = currentStore();
  if (!store) return 0;
  std::lock_guard<std::mutex> guard(store->lock);
  return store->commits[static_cast<int>(group)];
}

void MpHostSetCommitFailure(bool fail) { ::InterlockedExchange(&g_failCommits, fail ? 1 : 0); }

void MpHostRevertSettings() {
  std::shared_ptr<MpHostSettingsStore> store = currentStore();
  if (!store) return;
  std::lock_guard<std::mutex> guard(store->lock);
  for (int i = 0; i < MpHostSettingsGroupCount; ++i) {
    MpHostOptions* live = store->live[i];
    if (!live) continue;
    if (store->committed[i])
      live->setValues(*store->committed[i]);
    else
      writeDefaults(static_cast<MpHostSettingsGroup>(i), live, store->customization);
  }
}

namespace mphost {

void openSettingsStore() {
  std::lock_guard<std::mutex> guard(g_storeLock);
  if (!g_store) g_store = std::make_shared<MpHostSettingsStore>();
}

void closeSettingsStore() {
  std::shared_ptr<MpHostSettingsStore> closing;
  {
    std::lock_guard<std::mutex> guard(g_storeLock);
    closing.swap(g_store);
  }
  // The groups are released here, outside the lock; service objects still alive keep the store.
}

HRESULT createSettingsService(REFIID iid, void** out) {
  std::shared_ptr<MpHostSettingsStore> store = currentStore();
  if (!store) return E_FAIL;
  return handOut(new SettingsService(store), iid, out);
}

}  // namespace mphost
