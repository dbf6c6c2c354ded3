// What the library relies on from the in-memory host: the settings service's groups (no
// reference for the caller, reset in place, commits kept or refused), the bag's strings and lists,
// objects of a data store found by key with counted references, and the resource module joined once.
#include <afxdllx.h>
#include "MpClassFactory.h"
#include "MpHostData.h"
#include "MpHostSample.h"
#include "MpSmartPointers.h"
#include "hosted.h"

namespace {

using HostTest = HostedTest;

TEST_F(HostTest, SettingsGroupsAreTheStoresOwnAndResetInPlace) {
  IMpOptions* step = nullptr;
  {
    IMpPmUtSettingsBasePtr service(CLSID_MpPmUtSettings, nullptr);
    ASSERT_TRUE(service.isValid());
    step = service->getStepSettings();
    ASSERT_NE(nullptr, step);
    EXPECT_EQ(1, MpHostRefCount(step)) << "no reference for the caller";
    EXPECT_EQ(step, service->getStepSettings());
    EXPECT_NE(step, service->getQySettings()) << "each group is a bag of its own";
    step->AddRef();  // the caller's own reference, as a page takes it
    step->setString("debug", "on");
    step->setString("not_a_setting", "x");
  }
  IMpPmUtSettingsBasePtr later(CLSID_MpPmUtSettings, nullptr);
  EXPECT_EQ(step, later->getStepSettings()) << "a later service object gives the very same group";
  EXPECT_EQ("on", step->getString("debug")) << "uncommitted values are seen while the store lives";

  ASSERT_TRUE(later->resetStepSettings(step));
  EXPECT_EQ(step, later->getStepSettings()) << "the store keeps the same object";
  EXPECT_EQ(2, MpHostRefCount(step)) << "a reset changes no reference";
  for (const auto& entry : MpHostSettingsDefaults(MpHostSettingsGroup::Step))
    EXPECT_EQ(entry.second, step->getString(entry.first)) << entry.first;
  EXPECT_EQ("", step->getString("not_a_setting")) << "a reset leaves only the defaults";
  EXPECT_FALSE(later->resetStepSettings(nullptr));
  step->Release();
}

TEST_F(HostTest, ACommitIsKeptCanFailAndEndsWithTheStore) {
  IMpOptionsPtr honda(MpHostSettings(MpHostSettingsGroup::Honda), true);
  honda->setString("honda_max_minutes", "25");
  ASSERT_TRUE(honda->commit());
  honda->setString("honda_max_minutes", "99");  // not committed
  IMpOptionsPtr committed;
  committed.attach(MpHostCommittedSettings(MpHostSettingsGroup::Honda));
  ASSERT_TRUE(committed.isValid());
  EXPECT_EQ("25", committed->getString("honda_max_minutes"));

  MpHostSetCommitFailure(true);
  EXPECT_FALSE(honda->commit());
  MpHostSetCommitFailure(false);
  committed.attach(MpHostCommittedSettings(MpHostSettingsGroup::Honda));
  EXPECT_EQ("25", committed->getString("honda_max_minutes")) << "a failed commit stores nothing";
  EXPECT_EQ(1, MpHostCommitCount(MpHostSettingsGroup::Honda));
  committed = nullptr;

  MpHostUninstall();
  EXPECT_EQ(1, MpHostRefCount(honda.get())) << "the closed store let the group go";
  EXPECT_FALSE(honda->commit()) << "a group that outlives its store cannot commit";
  ASSERT_TRUE(MpHostInstall());
  EXPECT_NE(honda.get(), MpHostSettings(MpHostSettingsGroup::Honda)) << "a new store makes new groups";
  IMpOptionsPtr bag(CLSID_MpOptions, nullptr);
  EXPECT_FALSE(bag->commit()) << "a fresh bag is no settings group";
}

TEST_F(HostTest, ABagKeyHoldsAStringAndAListSideBySide) {
  IMpOptionsPtr bag(CLSID_MpOptions, nullptr);
  ASSERT_TRUE(bag.isValid());
  EXPECT_NE(bag.get(), IMpOptionsPtr(CLSID_MpOptions, nullptr).get()) << "every creation makes a new bag";
  ASSERT_TRUE(bag->setString("Name", "'Max Depth'"));
  EXPECT_TRUE(bag->getStringList("Name").empty()) << "a key holding only a string has no list";
  ASSERT_TRUE(bag->setStringList("Name", {"SafetyGap", "'Max Depth'", ""}));
  ASSERT_TRUE(bag->setStringList("Type", {"integer"}));
  EXPECT_FALSE(bag->setString("", "x"));
  EXPECT_EQ("'Max Depth'", bag->getString("Name")) << "the list leaves the string alone";
  EXPECT_EQ("", bag->getString("Type"));
  EXPECT_EQ("Name = \"'Max Depth'\"\nName[] = \"SafetyGap\", \"'Max Depth'\", \"\"\nType[] = \"integer\"\n",
            MpHostOptionsText(bag.get()));
}

TEST_F(HostTest, StoredObjectsAreFoundByKeyWithCountedReferences) {
  MpHostData* data = MpHostCreateSampleData();
  const ZulObjectKey hole = data->find("", "Hole 1");
  IUnknown* node = static_cast<IMpZulNode*>(data->node(hole));
  ASSERT_NE(nullptr, node);
  EXPECT_EQ(1, MpHostRefCount(node)) << "the store's own reference";
  {
    IMpPmFeaturePtr feature(data, hole, 0);
    ASSERT_TRUE(feature.isValid());
    EXPECT_EQ(2, MpHostRefCount(node));
    EXPECT_EQ(static_cast<int32_t>(hole.objectId), feature.getStateWord());
    EXPECT_TRUE(feature.isSameObject(IMpZulNodePtr(data, hole, 0).get()));
    EXPECT_TRUE(IMpPmProductPtr(data, hole, 0).isNull()) << "a hole is no product";
    EXPECT_TRUE(IMpZulNodePtr(data, ZulObjectKey(999999), 0).isNull());
    IMpZulNodePtr asNode(feature.get(), true);
    EXPECT_EQ("8.5", asNode->getStringField("Diameter"));
  }
  EXPECT_EQ(1, MpHostRefCount(node));
  MpHostUninstall();
  EXPECT_TRUE(IMpZulNodePtr(data, hole, 0).isNull()) << "no resolver without the host";
  ASSERT_TRUE(MpHostInstall());
  data->Release();
}

TEST_F(HostTest, TheResourceModuleJoinsTheChainOnceOrTheFailureIsTold) {
  IMpUtOsDllPtr os(CLSID_MpUtOs, nullptr);
  ASSERT_TRUE(os.isValid());
  std::string text;
  EXPECT_FALSE(os->getLastErrorText(text)) << "nothing failed yet";
  EXPECT_FALSE(os->loadResourceModule("NoSuchResources.dll"));
  EXPECT_TRUE(os->getLastErrorText(text));
  EXPECT_FALSE(text.empty());
  HMODULE module = wdtest::ResourceModule();
  auto entries = [module] {
    int n = 0;
    for (CDynLinkLibrary* p = AfxGetFirstDynLinkLibrary(); p; p = p->m_pNextDLL) n += p->m_hResource == module;
    return n;
  };
  const int before = entries();
  ASSERT_TRUE(os->loadResourceModule("WidgetDeckRes.dll"));
  ASSERT_TRUE(os->loadResourceModule("WidgetDeckRes.dll"));
  EXPECT_EQ(before + 1, entries()) << "joined once";
  EXPECT_EQ("Messages of a", MpGetResourceString(2316, "a"));
}

}  // namespace
