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

  // Only a key's object identifier counts.
  ZulObjectKey other = hole;
  other.classId = 999;
  other.revision = 5;
  out = nullptr;
  EXPECT_EQ(S_OK, factory->getObject(data, other, 0, IID_IMpZulNode, &out));
  ASSERT_NE(nullptr, out);
  static_cast<IMpZulNode*>(out)->Release();

  out = reinterpret_cast<void*>(1);
  EXPECT_EQ(E_NOINTERFACE, factory->getObject(data, hole, 0, IID_IMpPmProduct, &out)) << "a hole is no product";
  EXPECT_EQ(nullptr, out);
  out = reinterpret_cast<void*>(1);
  EXPECT_EQ(E_FAIL, factory->getObject(data, ZulObjectKey(999999), 0, IID_IMpZulNode, &out));
  EXPECT_EQ(nullptr, out);
  out = reinterpret_cast<void*>(1);
  EXPECT_EQ(E_INVALIDARG, factory->getObject(nullptr, hole, 0, IID_IMpZulNode, &out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(1, MpHostRefCount(static_cast<IMpZulNode*>(node)));

  // A key of another store finds nothing here: object identifiers are unique in the process.
  MpHostData* second = MpHostCreateSampleData();
  const ZulObjectKey otherHole = second->find("Hole", "Hole 1");
  EXPECT_NE(hole.objectId, otherHole.objectId);
  EXPECT_NE(data->storeNumber(), second->storeNumber());
  out = reinterpret_cast<void*>(1);
  EXPECT_EQ(E_FAIL, factory->getObject(data, otherHole, 0, IID_IMpZulNode, &out));
  second->Release();

  // Through the smart pointer, as the library asks.
  {
    IMpPmProductPtr product(data, key("Bracket"), 0);
    ASSERT_TRUE(product.isValid());
    EXPECT_EQ(static_cast<int32_t>(key("Bracket").objectId), product.getStateWord());
    IMpZulNodePtr same(data, key("Bracket"), 0);
    EXPECT_TRUE(product.isSameObject(same.get()));
    IMpZulNodePtr holeNode(data, hole, 0);
    EXPECT_FALSE(product.isSameObject(holeNode.get()));
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
      {"Bracket machining", &IID_IMpZulProject, &IID_IMpPmProduct},
      {"Bracket", &IID_IMpPmProduct, &IID_IMpZulProject},
      {"Bracket part", &IID_IMpPmModel, &IID_IMpPmModelInstance},
      {"bracket_part", &IID_IMpPmModelInstance, &IID_IMpPmModel},
      {"Hole 1", &IID_IMpZulInstance, &IID_IMpZulPrototype},
      {"Drill hole 1", &IID_IMpZulInstance, &IID_IMpPmFeature},
      {"Bracket process", &IID_IMpPmMachiningProcess, &IID_IMpPmOperationSetup},
      {"Setup 1", &IID_IMpPmOperationSetup, &IID_IMpPmResourceSetup},
      {"Setup 1 resources", &IID_IMpPmResourceSetup, &IID_IMpPmOperationSetup},
      {"Standard bracket", &IID_IMpZulVariantSet, &IID_IMpZulAttachment},
      {"Drawing", &IID_IMpZulAttachment, &IID_IMpZulVariantSet},
      {"AlMg3", &IID_IMpPmMaterial, &IID_IMpPmToolSet},
      {"Shop tools", &IID_IMpPmToolSet, &IID_IMpPmToolAssembly},
      {"Drill 8.5", &IID_IMpPmToolAssembly, &IID_IMpPmToolSet},
      {"Standard hole", &IID_IMpPmFeaturePrototype, &IID_IMpPmFeature},
      {"Standard hole", &IID_IMpZulPrototype, &IID_IMpZulInstance},
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
    IUnknown* identity1 = nullptr;
    IUnknown* identity2 = nullptr;
    viaKind->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity1));
    asNode->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity2));
    EXPECT_EQ(identity1, identity2) << c.name;
    IMpZulNode* back = nullptr;
    viaKind->QueryInterface(IID_IMpZulNode, reinterpret_cast<void**>(&back));
    EXPECT_EQ(static_cast<IMpZulNode*>(node), back) << c.name;
    EXPECT_EQ(5, MpHostRefCount(asNode)) << c.name;
    back->Release();
    identity1->Release();
    identity2->Release();
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
  EXPECT_EQ("yes", hole->getStringField("Through"));
  EXPECT_EQ("", hole->getStringField("Width")) << "a field the class lacks";
  EXPECT_EQ("", hole->getStringField("CornerRadius"));

  IMpData* owner = hole->getData();
  EXPECT_EQ(static_cast<IMpData*>(data), owner);
  EXPECT_EQ(dataRefs + 1, MpHostRefCount(data)) << "getData hands a reference to the caller";
  owner->Release();

  IMpZulClassPtr cls;
  cls.attach(hole->getClass());
  ASSERT_TRUE(cls.isValid());
  EXPECT_EQ(1, MpHostRefCount(cls.get()));
  ASSERT_TRUE(cls->getName(name));
  EXPECT_EQ("Hole", name);
  ASSERT_TRUE(cls->getNiceName(name));
  EXPECT_EQ("Drilled hole", name);

  const ZulObjectKey before = hole->getObjectKey();
  MpHostNode* node = MpHostNodeOf(hole.get());
  ASSERT_TRUE(node->setField("Depth", "25.5"));
  EXPECT_EQ("25.5", hole->getStringField("Depth"));
  EXPECT_EQ(before.revision + 1, hole->getObjectKey().revision) << "a change counts as a revision";
  EXPECT_EQ(before, hole->getObjectKey()) << "and keeps the identity";
  EXPECT_FALSE(node->setField("Depth", "deep")) << "not a number";
  EXPECT_FALSE(node->setField("Through", "maybe")) << "not one of the values";
  EXPECT_FALSE(node->setField("Width", "1")) << "not a field of the class";
  EXPECT_EQ("25.5", hole->getStringField("Depth"));
  ASSERT_TRUE(node->setField("Name", "Hole A"));
  EXPECT_EQ("Hole A", hole->getStringField("Name"));

  // Lists of the store's objects, found by a field as the library looks them up.
  MpZulSmartList features(data);
  data->objectsOfClass("Feature", true, features);
  EXPECT_EQ(5u, features.size());
  IMpZulNodePtr slot;
  slot.attach(features.getNodeByField("Name", "Slot 1"));
  ASSERT_TRUE(slot.isValid());
  EXPECT_EQ("10", slot->getStringField("Width"));
  EXPECT_EQ(3, MpHostRefCount(slot.get())) << "the store's, the list's and this one";
  EXPECT_EQ(3u, data->objectsOfClass("ToolAssembly", false).size());
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
  std::string name;
  EXPECT_TRUE(held->getName(name));
  EXPECT_EQ("Pocket 1", name);
  EXPECT_EQ("40", held->getStringField("Length"));
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

TEST_F(DataTest, AddingObjectsChecksClassParentAndFields) {
  const size_t objects = data->size();
  const ZulObjectKey part = key("Bracket part");
  EXPECT_TRUE(data->addNode("NoSuchClass", "x", part).isNone());
  EXPECT_TRUE(data->addNode("Feature", "x", part).isNone()) << "abstract";
  EXPECT_TRUE(data->addNode("Hole", "x", ZulObjectKey(999999)).isNone()) << "unknown parent";
  EXPECT_TRUE(data->addNode("Hole", "x", part, {{"Diameter", "8.5mm"}}).isNone()) << "not a number";
  EXPECT_TRUE(data->addNode("Hole", "x", part, {{"Colour", "red"}}).isNone()) << "not a field";
  EXPECT_TRUE(data->addNode("Drilling", "x", part, {{"SpindleSpeed", "2400.5"}}).isNone()) << "not an integer";
  EXPECT_EQ(objects, data->size());

  const long live = MpHostLiveObjects();
  const ZulObjectKey added = data->addNode("Hole", "Hole 3", part, {{"Diameter", "6"}});
  ASSERT_FALSE(added.isNone());
  EXPECT_EQ(objects + 1, data->size());
  EXPECT_EQ(live + 1, MpHostLiveObjects());
  EXPECT_EQ(part, data->node(added)->parent());
  EXPECT_EQ(added, data->node(part)->children().back());
  EXPECT_EQ(data->storeNumber(), added.storeId);
  EXPECT_EQ(data->customization()->classNumber("Hole"), added.classId);
  EXPECT_EQ(added, data->find("Feature", "Hole 3"));
  EXPECT_TRUE(data->find("Operation", "Hole 3").isNone());
}

TEST_F(DataTest, ClassObjectsLoadByNameAndListTheirSubClasses) {
  IMpZulClassPtr cls(CLSID_MpZulClass, nullptr);
  ASSERT_TRUE(cls.isValid());
  std::string name = "unchanged";
  EXPECT_FALSE(cls->getName(name)) << "empty until loaded";
  EXPECT_EQ("unchanged", name);
  MpSmartList list;
  EXPECT_FALSE(cls->getSubClasses(list, true));
  EXPECT_FALSE(cls->loadByName(nullptr, "Feature"));
  EXPECT_FALSE(cls->loadByName(data, "NoSuchClass"));
  ASSERT_TRUE(cls->loadByName(data, "Feature"));
  ASSERT_TRUE(cls->getName(name));
  EXPECT_EQ("Feature", name);
  std::string value;
  ASSERT_TRUE(cls->getProperty("Abstract", value));
  EXPECT_EQ("TRUE", value);
  EXPECT_FALSE(cls->getProperty("Colour", value));

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
  EXPECT_FALSE(cls->loadByNameFromCustomization(nullptr, "Hole"));
  EXPECT_FALSE(cls->loadByNameFromCustomization(data->customization(), "Nothing"));
  ASSERT_TRUE(cls->getName(name));
  EXPECT_EQ("Prototype", name);
  ASSERT_TRUE(cls->getNiceName(name));
  EXPECT_EQ("Prototype", name);
}

TEST_F(DataTest, ACustomizationKeepsItsTreeConsistent) {
  MpHostCustomization* c = MpHostCustomization::create(false);
  EXPECT_TRUE(c->classNames().empty());
  MpHostClassDef root;
  root.name = "Thing";
  root.niceName = "Thing";
  root.fields.push_back(MpHostFieldDef{"Name", "", MpHostFieldString, 1, {}, "", {}});
  ASSERT_TRUE(c->addClass(root));
  EXPECT_FALSE(c->addClass(root)) << "taken name";
  MpHostClassDef child;
  child.name = "Part";
  child.parent = "Nothing";
  EXPECT_FALSE(c->addClass(child)) << "unknown parent";
  child.parent = "Thing";
  child.fields.push_back(MpHostFieldDef{"Name", "", MpHostFieldString, 1, {}, "", {}});
  EXPECT_FALSE(c->addClass(child)) << "a field of the parent again";
  child.fields[0].name = "Weight";
  child.fields[0].type = MpHostFieldDouble;
  ASSERT_TRUE(c->addClass(child));
  EXPECT_FALSE(c->addField("Thing", MpHostFieldDef{"Weight", "", MpHostFieldString, 1, {}, "", {}}))
      << "it would hide the child's field";
  EXPECT_TRUE(c->addField("Thing", MpHostFieldDef{"Colour", "", MpHostFieldString, 1, {}, "", {}}));

  EXPECT_TRUE(c->isKindOf("Part", "Thing"));
  EXPECT_FALSE(c->isKindOf("Thing", "Part"));
  const std::vector<MpHostFieldDef> fields = c->fields("Part");
  ASSERT_EQ(3u, fields.size());
  EXPECT_EQ("Name", fields[0].name);
  EXPECT_EQ("Colour", fields[1].name);
  EXPECT_EQ("Weight", fields[2].name);
  EXPECT_EQ(2u, c->classNumber("Part"));
  EXPECT_EQ(0u, c->classNumber("Nothing"));
  EXPECT_EQ("Thing: Name string, Colour string\n  Part: Weight double\n", c->text());

  MpHostData* store = MpHostData::create(c);
  EXPECT_EQ(2, MpHostRefCount(c));
  const ZulObjectKey part = store->addNode("Part", "Gear", ZulObjectKey(), {{"Weight", "1.25"}, {"Colour", "red"}});
  ASSERT_FALSE(part.isNone());
  EXPECT_EQ("#" + std::to_string(part.objectId) + " Part \"Gear\"  Colour=red  Weight=1.25\n", store->text());
  store->Release();
  EXPECT_EQ(1, MpHostRefCount(c));
  c->Release();
}

TEST_F(DataTest, TheSampleOffersItsRuleConstantsToTheRuleConstantTask) {
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
  EXPECT_FALSE(MpHostFillRuleConstantChoices(data, nullptr));

  // A store without rule constants offers the types all the same.
  MpHostData* empty = MpHostData::create();
  EXPECT_TRUE(MpHostRuleConstantNames(empty).empty());
  EXPECT_EQ(3u, MpHostRuleConstantTypes(empty).size());
  empty->Release();
}

TEST_F(DataTest, TheSampleIsASmallMachiningProject) {
  const std::vector<ZulObjectKey> top = data->topLevel();
  ASSERT_EQ(1u, top.size());
  EXPECT_EQ("Project", data->node(top[0])->className());
  EXPECT_EQ(1u, data->objectsOfClass("Product", false).size());
  const std::vector<ZulObjectKey> models = data->objectsOfClass("Model", false);
  ASSERT_EQ(2u, models.size());
  EXPECT_EQ("part", data->node(models[0])->getStringField("Role"));
  EXPECT_EQ("blank", data->node(models[1])->getStringField("Role"));
  EXPECT_EQ(5u, data->node(models[0])->children().size() - 1) << "five features beside the model instance";
  EXPECT_EQ(5u, data->objectsOfClass("Operation", true).size());
  EXPECT_EQ(2u, data->objectsOfClass("VariantSet", false).size());
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
