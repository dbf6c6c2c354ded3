// The in-memory host's operating-system services, as the demo host loads the resource module
// through them, and its parameter sets, which the chooser and the editors read names and values
// from. (The settings service and the bag are seen through the library's own tests.)
#include <afxdllx.h>
#include "MpHostData.h"
#include "MpHostSample.h"
#include "MpSmartList.h"
#include "MpSmartPointers.h"
#include "hosted.h"

namespace {

using HostTest = HostedTest;

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
}

// Text comes back byte for byte, as text or as a string variant; a double or a variant set later
// replaces it, and what was never set reads as empty.
TEST_F(HostTest, AParameterSetHandsOutWhatWasSetAsTextOrVariant) {
  IMpDataParameterSetPtr set(CLSID_MpDataParameterSet, nullptr);
  ASSERT_TRUE(set.isValid());
  std::string text = "-";
  bool found = true;
  VARIANT v;
  EXPECT_TRUE(set->addParameter("Name"));
  EXPECT_TRUE(set->getValueText("Name", text));
  EXPECT_EQ("", text);
  EXPECT_TRUE(set->getValue("Name", v, found));
  EXPECT_FALSE(found);
  EXPECT_FALSE(set->getValueText("Other", text)) << "never asked for";

  const std::string name = "Part \xE9\xFC 7";
  ASSERT_TRUE(set->setValue("Name", name));
  EXPECT_TRUE(set->getValueText("Name", text));
  EXPECT_EQ(name, text);
  ASSERT_TRUE(set->getValue("Name", v, found));
  ASSERT_TRUE(found);
  ASSERT_EQ(VT_BSTR, v.vt);
  wchar_t wide[32] = {};
  ::MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wide, 32);
  EXPECT_EQ(std::wstring(wide), std::wstring(v.bstrVal, ::SysStringLen(v.bstrVal)));
  ::VariantClear(&v);
  int type = 0;
  EXPECT_TRUE(set->getEntry("Name", text, type));
  EXPECT_EQ(name, text);
  EXPECT_EQ(MpHostFieldString, type);

  ASSERT_TRUE(set->setDouble("Name", 2.5));
  EXPECT_TRUE(set->getValueText("Name", text));
  EXPECT_EQ("2.5", text);
  ASSERT_TRUE(set->getValue("Name", v, found));
  EXPECT_EQ(VT_R8, v.vt);
  EXPECT_TRUE(set->getEntry("Name", text, type));
  EXPECT_EQ(MpHostFieldDouble, type);
  ASSERT_TRUE(set->setStringList("Name", {"a", "b"}));
  EXPECT_TRUE(set->getValueText("Name", text));
  EXPECT_EQ("a,b", text);
  EXPECT_FALSE(set->setValue("", "x"));
}

// A file name splits at its last dot: the extension follows it and nothing comes after.
TEST_F(HostTest, AFileNameSplitsAtItsLastDot) {
  IMpUtOsFilePtr files(CLSID_MpUtOs, nullptr);
  ASSERT_TRUE(files.isValid());
  struct Case {
    const char* path;
    const char* folder;
    const char* name;
    const char* extension;
  } cases[] = {{"C:\\pics\\photo.v2.jpg", "C:\\pics\\", "photo.v2", "jpg"},
               {"rev/part.stp", "rev/", "part", "stp"},
               {"README", "", "README", ""},
               {"C:archive.tar.gz", "C:", "archive.tar", "gz"}};
  for (const Case& c : cases) {
    std::string folder, name, extension, extra = "?";
    ASSERT_TRUE(files->splitPath(c.path, folder, name, extension, extra)) << c.path;
    EXPECT_EQ(c.folder, folder) << c.path;
    EXPECT_EQ(c.name, name) << c.path;
    EXPECT_EQ(c.extension, extension) << c.path;
    EXPECT_EQ("", extra) << c.path;
  }
}

// The sample's process is related to a tool set, a drawing and its material, in that order; a
// node nothing was related to has the store's materials. A model works with the set-up related
// to it, or else with its product's first set-up.
TEST_F(HostTest, RelatedObjectsAndTheSetUpOfAModel) {
  MpHostData* data = MpHostCreateSampleData();
  IMpPmUtRelationPtr relation(CLSID_MpPmUtRelation, nullptr);
  ASSERT_TRUE(relation.isValid());
  auto names = [&](const char* cls, const char* name) {
    MpZulSmartList related;
    EXPECT_TRUE(relation->getRelatedObjects(related, data->node(data->find(cls, name))));
    std::vector<std::string> result;
    for (IUnknown* object : related) result.push_back(MpHostNodeOf(object)->name());
    return result;
  };
  EXPECT_EQ((std::vector<std::string>{"Shop tools", "Drawing", "AlMg3"}), names("MachiningProcess", "Bracket process"));
  EXPECT_EQ((std::vector<std::string>{"AlMg3"}), names("Product", "Bracket"));
  auto setupOf = [&](const char* model) {
    IMpPmOperationSetupPtr setup;
    setup.attach(data->node(data->find("Model", model))->getOperationSetup());
    return setup.isNull() ? std::string("none") : MpHostNodeOf(setup.get())->name();
  };
  EXPECT_EQ("Setup 1", setupOf("Bracket part"));
  EXPECT_EQ("", setupOf("Bracket blank"));
  EXPECT_FALSE(data->relate(data->find("Model", "Bracket part"), ZulObjectKey()));
  data->Release();
}

// The texts of a whole key list come back at the keys' places, each the first named field that
// has one, exactly as the parameter sets of queryKeys give them (numbers formatted). The store
// offers them through an interface of their own, beside its data interface.
TEST_F(HostTest, TextsOfAKeyListAreThoseOfItsParameterSets) {
  MpHostData* data = MpHostData::create();
  MpHostFieldDef label;
  label.name = "Label";
  ASSERT_TRUE(data->customization()->addField("Node", label));
  const ZulObjectKey tool = data->addNode("ToolAssembly", "Mill 6", ZulObjectKey(), {{"Diameter", "6.50"}});
  const ZulObjectKey bare = data->addNode("ToolAssembly", "Drill");
  const ZulObjectKey labelled = data->addNode("Product", "P-1", ZulObjectKey(), {{"Label", "Gr\xfc\xdf \xe9t\xe9"}});
  const std::vector<ZulObjectKey> keys = {labelled, tool, ZulObjectKey(), bare, tool};
  IMpDataPtr store(static_cast<IMpData*>(data), true);
  MpSmartPointer<IMpDataTexts, &IID_IMpDataTexts> quick(store.get(), true);
  ASSERT_TRUE(quick.isValid());
  IMpDataPtr back(quick.get(), true);
  EXPECT_EQ(store.get(), back.get()) << "one object";
  auto viaSets = [&](const std::vector<std::string>& names) {
    std::map<int, IMpDataParameterSetPtr> sets;
    EXPECT_TRUE(store->queryKeys(keys, names, sets));
    std::vector<std::string> texts;
    for (const ZulObjectKey& key : keys) {
      std::string text;
      const auto set = sets.find(key.id());
      for (size_t i = 0; set != sets.end() && i < names.size() && text.empty(); ++i) set->second->getValueText(names[i], text);
      texts.push_back(text);
    }
    return texts;
  };
  for (const std::vector<std::string>& names :
       {std::vector<std::string>{"Diameter", "Label", "Name"}, {"Label"}, {"Name", "Diameter"}, {"NoSuchField"}}) {
    std::vector<std::string> texts = {"stale"};
    EXPECT_TRUE(quick->queryTexts(keys, names, texts));
    EXPECT_EQ(viaSets(names), texts) << names[0];
  }
  std::vector<std::string> texts;
  EXPECT_TRUE(quick->queryTexts(keys, {"Diameter", "Label", "Name"}, texts));
  EXPECT_EQ((std::vector<std::string>{"Gr\xfc\xdf \xe9t\xe9", "6.5", "", "Drill", "6.5"}), texts);
  EXPECT_FALSE(quick->queryTexts(keys, {"Name", ""}, texts));
  std::map<int, IMpDataParameterSetPtr> sets;
  EXPECT_FALSE(store->queryKeys(keys, {"Name", ""}, sets));
  data->Release();
}

}  // namespace
