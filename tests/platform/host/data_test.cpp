// The planning data store: nodes with keys and reference counts, the lookup by key, class objects
// over the customization, and the sample data set with its rule constants.
#include "MpClassFactory.h"
#include "MpHostData.h"
#include "MpHostOptions.h"
#include "MpHostSample.h"
#include "MpSmartList.h"
#include "MpSmartPointers.h"
#include "host_fixture.h"

namespace {

class DataTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    data = MpHostCreateSampleData();
  }
  void TearDown() override {
    if (data) data->Release();
    HostTest::TearDown();
  }
  ZulObjectKey key(const char* name) const { return data->find("", name); }

  MpHostData* data = nullptr;
};

std::string nameOf(IUnknown* p) {
  IMpZulClassPtr cls(p, true);
  std::string name;
  if (cls.isValid()) cls->getName(name);
  return name;
}

TEST_F(DataTest, TheFactoryFindsStoredObjectsByKey) {
  const ZulObjectKey hole = key("Hole 1");
  ASSERT_FALSE(hole.isNone());
  MpHostNode* node = data->node(hole);
  ASSERT_NE(nullptr, node);
  EXPECT_EQ(1, MpHostRefCount(static_cast<IMpZulNode*>(node))) << "the store's own reference";

  IMpZulClassFactory* factory = theMpZulClassFactory();
  void* out = nullptr;
  ASSERT_EQ(S_OK, factory->getObject(data, hole, 0, IID_IMpPmFeature, &out));
  ASSERT_NE(nullptr, out);
  EXPECT_EQ(2, MpHostRefCount(static_cast<IMpPmFeature*>(out)));
  EXPECT_EQ(node, MpHostNodeOf(static_cast<IMpPmFeature*>(out)));
  static_cast<IMpPmFeature*>(out)->Release();

  out = reinterpret_cast<void*>(1);
  EXPECT_EQ(E_NOINTERFACE, factory->getObject(data, hole, 0, IID_IMpPmProduct, &out)) << "a hole is no product";
  EXPECT_EQ(nullptr, out);
  out = reinterpret_cast<void*>(1);
  EXPECT_EQ(E_FAIL, factory->getObject(data, ZulObjectKey(999999), 0, IID_IMpZulNode, &out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(1, MpHostRefCount(static_cast<IMpZulNode*>(node)));

  // Through the smart pointer, as the library asks.
  {
    IMpPmProductPtr product(data, key("Bracket"), 0);
    ASSERT_TRUE(product.isValid());
    EXPECT_EQ(static_cast<int32_t>(key("Bracket").objectId), product.getStateWord());
    IMpZulNodePtr same(data, key("Bracket"), 0);
    EXPECT_TRUE(product.isSameObject(same.get()));
    IMpPmModelPtr notAModel(data, key("Bracket"), 0);
    EXPECT_TRUE(notAModel.isNull());
  }

  MpHostUninstall();
  out = reinterpret_cast<void*>(1);
  factory->getObject(data, hole, 0, IID_IMpZulNode, &out);
  EXPECT_EQ(nullptr, out) << "no resolver without the host";
  MpHostInstall();
}

TEST_F(DataTest, NodesAnswerTheInterfacesOfTheirClass) {
  struct {
    const char* name;
    const GUID* answers;
    const GUID* refuses;
  } const cases[] = {
      {"Bracket", &IID_IMpPmProduct, &IID_IMpZulProject},
      {"Hole 1", &IID_IMpZulInstance, &IID_IMpZulPrototype},
      {"Drill hole 1", &IID_IMpZulInstance, &IID_IMpPmFeature},
      {"Standard bracket", &IID_IMpZulVariantSet, &IID_IMpZulAttachment},
      {"Standard hole", &IID_IMpPmFeaturePrototype, &IID_IMpPmFeature},
      {"SafetyGap", &IID_IMpZulNode, &IID_IMpPmRule},
  };
  for (const auto& c : cases) {
    MpHostNode* node = data->node(key(c.name));
    ASSERT_NE(nullptr, node) << c.name;
    IUnknown* asNode = static_cast<IMpZulNode*>(node);
    void* p = nullptr;
    ASSERT_EQ(S_OK, asNode->QueryInterface(*c.answers, &p)) << c.name;
    IUnknown* viaKind = static_cast<IUnknown*>(p);
    // Every interface leads back to the one identity.
    IMpZulNode* back = nullptr;
    viaKind->QueryInterface(IID_IMpZulNode, reinterpret_cast<void**>(&back));
    EXPECT_EQ(static_cast<IMpZulNode*>(node), back) << c.name;
    EXPECT_EQ(3, MpHostRefCount(asNode)) << c.name;
    back->Release();
    viaKind->Release();
    p = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, asNode->QueryInterface(*c.refuses, &p)) << c.name;
    EXPECT_EQ(nullptr, p);
    EXPECT_EQ(1, MpHostRefCount(asNode)) << c.name;
  }
}

TEST_F(DataTest, NodesGiveTheirDataClassAndFields) {
  IMpZulNodePtr hole(data, key("Hole 1"), 0);
  ASSERT_TRUE(hole.isValid());
  const long dataRefs = MpHostRefCount(data);
  std::string name;
  ASSERT_TRUE(hole->getName(name));
  EXPECT_EQ("Hole 1", name);
  EXPECT_EQ("Hole 1", hole->getStringField("Name"));
  EXPECT_EQ("8.5", hole->getStringField("Diameter"));
  EXPECT_EQ("", hole->getStringField("Width")) << "a field the class lacks";

  IMpData* owner = hole->getData();
  EXPECT_EQ(static_cast<IMpData*>(data), owner);
  EXPECT_EQ(dataRefs + 1, MpHostRefCount(data)) << "getData hands a reference to the caller";
  owner->Release();

  IMpZulClassPtr cls;
  cls.attach(hole->getClass());
  ASSERT_TRUE(cls.isValid());
  EXPECT_EQ(1, MpHostRefCount(cls.get()));
  ASSERT_TRUE(cls->getNiceName(name));
  EXPECT_EQ("Drilled hole", name);

  const ZulObjectKey before = hole->getObjectKey();
  MpHostNode* node = MpHostNodeOf(hole.get());
  ASSERT_TRUE(node->setField("Depth", "25.5"));
  EXPECT_EQ("25.5", hole->getStringField("Depth"));
  EXPECT_EQ(before.revision + 1, hole->getObjectKey().revision) << "a change counts as a revision";
  EXPECT_EQ(before, hole->getObjectKey()) << "and keeps the identity";
  EXPECT_FALSE(node->setField("Depth", "deep")) << "not a number";
  EXPECT_FALSE(node->setField("Width", "1")) << "not a field of the class";
  EXPECT_EQ("25.5", hole->getStringField("Depth"));

  // Lists of the store's objects, found by a field as the library looks them up.
  MpZulSmartList features(data);
  data->objectsOfClass("Feature", true, features);
  EXPECT_EQ(5u, features.size());
  IMpZulNodePtr slot;
  slot.attach(features.getNodeByField("Name", "Slot 1"));
  ASSERT_TRUE(slot.isValid());
  EXPECT_EQ("10", slot->getStringField("Width"));
  EXPECT_EQ(3, MpHostRefCount(slot.get())) << "the store's, the list's and this one";
  EXPECT_TRUE(data->objectsOfClass("Feature", false).empty()) << "no object is of the abstract class itself";
}

TEST_F(DataTest, ReleasingTheDataObjectLetsItsNodesGo) {
  const long live = MpHostLiveObjects();
  const size_t objects = data->size();
  EXPECT_GT(live, static_cast<long>(objects));
  IMpZulNode* held = nullptr;
  {
    IMpPmFeaturePtr feature(data, key("Pocket 1"), 0);
    held = IMpZulNodePtr(feature.get(), true).addRefGet();
  }
  data->Release();
  data = nullptr;
  EXPECT_EQ(1, MpHostRefCount(held)) << "the store let go of its reference";
  EXPECT_EQ(nullptr, held->getData());
  EXPECT_EQ("40", held->getStringField("Length"));
  std::string name;
  IMpZulClassPtr cls;
  cls.attach(held->getClass());
  ASSERT_TRUE(cls.isValid()) << "the node keeps its class";
  ASSERT_TRUE(cls->getNiceName(name));
  EXPECT_EQ("Rectangular pocket", name);
  cls = nullptr;
  IMpPmFeaturePtr again(held, true);
  EXPECT_TRUE(again.isValid()) << "an object answers the same interfaces all its life";
  again = nullptr;
  EXPECT_EQ(live - static_cast<long>(objects), MpHostLiveObjects())
      << "every other node and the store are gone; the customization stays with the node";
  held->Release();
  EXPECT_EQ(live - static_cast<long>(objects) - 2, MpHostLiveObjects());
}

TEST_F(DataTest, ClassObjectsLoadByNameAndListTheirSubClasses) {
  IMpZulClassPtr cls(CLSID_MpZulClass, nullptr);
  ASSERT_TRUE(cls.isValid());
  std::string name;
  EXPECT_FALSE(cls->getName(name)) << "empty until loaded";
  MpSmartList list;
  EXPECT_FALSE(cls->getSubClasses(list, true));
  EXPECT_FALSE(cls->loadByName(data, "NoSuchClass"));
  ASSERT_TRUE(cls->loadByName(data, "Feature"));
  ASSERT_TRUE(cls->getName(name));
  EXPECT_EQ("Feature", name);

  const long live = MpHostLiveObjects();
  ASSERT_TRUE(cls->getSubClasses(list, true));
  ASSERT_EQ(14u, list.size()) << "ten kinds left out by recognition and four machining features";
  EXPECT_EQ(live + 14, MpHostLiveObjects());
  EXPECT_EQ("CompoundFeature", nameOf(list.front()));
  for (IUnknown* p : list) EXPECT_EQ(1, MpHostRefCount(p)) << "the list holds the only reference";

  MpSmartList concrete = MpZulFilterClassesOnAttribute(list, "Abstract", "TRUE", true);
  ASSERT_EQ(4u, concrete.size());
  std::vector<std::string> names;
  for (IUnknown* p : concrete) names.push_back(nameOf(p));
  EXPECT_EQ((std::vector<std::string>{"Hole", "Pocket", "Slot", "PlanarFace"}), names);
  list.clear();
  concrete.clear();
  EXPECT_EQ(live, MpHostLiveObjects());

  // Direct sub-classes only; and a failed load leaves the class as it was.
  ASSERT_TRUE(cls->loadByNameFromCustomization(data->customization(), "Prototype"));
  ASSERT_TRUE(cls->getSubClasses(list, false));
  EXPECT_EQ(3u, list.size());
  EXPECT_FALSE(cls->loadByNameFromCustomization(data->customization(), "Nothing"));
  ASSERT_TRUE(cls->getName(name));
  EXPECT_EQ("Prototype", name);
}

TEST_F(DataTest, TheSampleIsAMachiningProjectWithRuleConstants) {
  EXPECT_EQ((std::vector<std::string>{"SafetyGap", "MaxSpindleSpeed", "'Chip Load'", "CoolantMode"}),
            MpHostRuleConstantNames(data));
  EXPECT_EQ((std::vector<std::string>{"integer", "double", "string"}), MpHostRuleConstantTypes(data));

  IMpOptionsPtr preset(CLSID_MpOptions, nullptr);
  ASSERT_TRUE(preset.isValid());
  preset->setString("Name", "MaxDepth");
  ASSERT_TRUE(MpHostFillRuleConstantChoices(data, preset.get()));
  EXPECT_EQ(MpHostRuleConstantNames(data), preset->getStringList("Name"));
  EXPECT_EQ(MpHostRuleConstantTypes(data), preset->getStringList("Type"));
  EXPECT_EQ("MaxDepth", preset->getString("Name")) << "the current name stays";
  EXPECT_FALSE(MpHostFillRuleConstantChoices(nullptr, preset.get()));

  // The sample is a small machining project.
  const std::vector<ZulObjectKey> top = data->topLevel();
  ASSERT_EQ(1u, top.size());
  EXPECT_EQ("Project", data->node(top[0])->className());
  EXPECT_EQ(2u, data->objectsOfClass("Model", false).size()) << "a part and a blank";
  EXPECT_EQ(5u, data->objectsOfClass("Operation", true).size());
  // Every operation names a feature and a tool of the set.
  for (const ZulObjectKey& op : data->objectsOfClass("Operation", true)) {
    MpHostNode* n = data->node(op);
    EXPECT_FALSE(data->find("Feature", n->getStringField("Feature")).isNone()) << n->name();
    EXPECT_FALSE(data->find("ToolAssembly", n->getStringField("Tool")).isNone()) << n->name();
  }
  const std::string text = data->text();
  EXPECT_NE(std::string::npos, text.find("Hole \"Hole 1\"  Prototype=Standard hole  Diameter=8.5 mm")) << text;
}

}  // namespace
