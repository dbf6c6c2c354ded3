// The host's planning data store: a customization (the class tree with fields), data objects
// (IMpData) holding the objects of the model as nodes, and class objects (IMpZulClass).
//
// Customization. Classes form a tree; a class inherits the fields, attributes and offered
// interfaces of the classes above it. The standard customization holds the host's own classes:
//
//   Node                      every object; field "Name"
//     Project                 IMpZulProject
//     Location                IMpZulLocation; fields "X", "Y", "Z", "RotX", "RotY", "RotZ" (a
//                             node's placement is its first child of this class)
//     Attachment              IMpZulAttachment; fields "File", "AttachmentType"
//     VariantSet              IMpZulVariantSet
//     Prototype (abstract)    IMpZulPrototype
//       FeaturePrototype      IMpPmFeaturePrototype
//       OperationPrototype
//       ResourcePrototype
//         ToolPrototype
//     Product                 IMpPmProduct; field "VariantSet": the name of the set it belongs to
//     Model                   IMpPmModel; field "Role": "part" or "blank"
//     ModelInstance           IMpPmModelInstance; field "File"
//     MachiningProcess        IMpPmMachiningProcess
//     OperationSetup          IMpPmOperationSetup
//     ResourceSetup           IMpPmResourceSetup
//     Operation (abstract)    IMpZulInstance; fields "Feature", "Tool"
//     Feature (abstract)      IMpPmFeature, IMpZulInstance; field "Prototype"
//       CompoundFeature, PatternFeature, ManualFeature, UserFeature, FreeFormFeature,
//       ToolPathFeature, GroupFeature, ImportedFeature, DerivedFeature, AbstractFeature
//                             (all abstract: the kinds that feature recognition leaves out)
//     Material                IMpPmMaterial
//     ToolSet                 IMpPmToolSet
//     ToolAssembly            IMpPmToolAssembly; field "Diameter"
//     Environment             IMpPmEnvironment
//     EnvironmentResource     IMpPmEnvironmentResource
//     Rule                    IMpPmRule
//     RuleConstant            fields "Type" (enumerated: "integer", "double", "string"),
//                             "Default", "Factor", "Explanation"
//
// A field's properties may carry "SubType", "SubTypeAnchor", "VectorSize", "EnumType" and
// "DefaultValue". The customization also names enumeration types (IMpDataXmlCustomization).
//
// Every class has a nice name (its display name). A class with the attribute "Abstract" = "TRUE"
// has no objects of its own.
//
// Objects. Each object of a data store is a node (IMpZulNode) with a key whose first word, the
// object identifier, is unique in the process; the other words are its class's number in the
// customization, the store's number and a revision that grows with each change of the node. A
// node answers IMpZulNode and the interfaces its class offers. The store holds one reference to
// each of its nodes; releasing the last reference to the data object releases them, and a node
// still held elsewhere then reports no data object (it keeps its class, fields and interfaces). Every getter that returns an interface
// pointer adds a reference for the caller.
//
// Lookup by key: theMpZulClassFactory()->getObject(data, key, 0, iid, &p) gives the interface iid
// on the node of that object identifier in that data object: S_OK; E_NOINTERFACE when the node
// lacks the interface; E_FAIL when the key finds no node of the store; E_INVALIDARG when the data
// object is null or not the host's.
#pragma once
#include "MpHostApi.h"
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>
#include "MpInterfaces.h"
#include "MpUnknown.h"

class MpSmartList;

// Value types of fields, as the host numbers them.
enum MpHostFieldType {
  MpHostFieldInteger = MpZulFieldType::Integer,
  MpHostFieldDouble = MpZulFieldType::Double,
  MpHostFieldString = MpZulFieldType::String,
};

struct MpHostFieldDef {
  std::string name;
  std::string displayName;  // the name shown to the user; the name when empty
  int type = MpHostFieldString;
  int dimension = MpZulFieldDimension::Single;  // or MpZulFieldDimension::Vector
  bool valueArray = false;              // a double field whose value is a list of numbers, handed
                                        // out as an array (as a vector is)
  std::vector<std::string> enumValues;  // the values a string field may take; any when empty
  std::string unit;                     // "mm", "rpm", ...
  std::string objectClass;              // for a field that refers to objects: their class
  std::map<std::string, std::string> properties;
};

struct MpHostClassDef {
  std::string name;
  std::string niceName;
  std::string parent;  // empty for the root of a tree
  std::map<std::string, std::string> properties;  // class attributes, such as "Abstract" = "TRUE"
  std::vector<MpHostFieldDef> fields;             // the class's own fields
  std::vector<GUID> interfaces;  // interfaces its objects answer besides IMpZulNode (own ones)
};

// A customization: the classes a data store is set up with.
class MPHOST_API MpHostCustomization final : public MpUnknown<IMpDataCustomization2, IMpDataXmlCustomization> {
 public:
  // A new customization with one reference, owned by the caller; with the standard classes above
  // or empty.
  static MpHostCustomization* create(bool standardClasses = true);

  // Adds a class below an existing parent (or a root when the parent is empty). False, and
  // nothing added, for an empty or taken name, an unknown parent, or a field name that the class
  // or a class above it has already.
  bool addClass(const MpHostClassDef& definition);
  // Adds a field to an existing class; false as addClass for the field name.
  bool addField(const std::string& className, const MpHostFieldDef& field);
  // Sets a class attribute; false for an unknown class. The standard classes carry "Icon" (the
  // icon identifier of the class's objects, 1 to 6; a class without one shows its parent's) and
  // "Children" (the comma-separated classes its objects permit as children, inherited).
  bool setClassProperty(const std::string& className, const std::string& key, const std::string& value);

  const MpHostClassDef* findClass(const std::string& name) const;
  // The class's number (1 for the first class added), 0 for an unknown name.
  uint32_t classNumber(const std::string& name) const;
  // Whether the class is the ancestor itself or lies below it.
  bool isKindOf(const std::string& className, const std::string& ancestor) const;
  bool isAbstract(const std::string& className) const;
  // The classes directly below, or all below (depth first), in the order they were added.
  std::vector<std::string> subClasses(const std::string& name, bool recursive) const;
  // The class's fields: those of the classes above it first, then its own.
  std::vector<MpHostFieldDef> fields(const std::string& className) const;
  const MpHostFieldDef* findField(const std::string& className, const std::string& fieldName) const;
  // Interfaces its objects answer, besides IMpZulNode: its own and those of the classes above.
  std::vector<GUID> interfaces(const std::string& className) const;
  // Every class name in the order the classes were added.
  std::vector<std::string> classNames() const;
  // The class tree, one class a line, indented by depth, with nice names and own fields.
  std::string text() const;
  // Enumeration types, by name, in the order added; readCustomization appends them.
  void addEnumType(const std::string& name) { m_enumTypes.push_back(name); }
  bool readCustomization(std::vector<std::string>& enumTypes) override;

 private:
  MpHostCustomization();
  ~MpHostCustomization() override;
  void* findInterface(REFIID iid) override;
  bool fieldNameTaken(const std::string& className, const std::string& fieldName) const;

  std::vector<std::unique_ptr<MpHostClassDef>> m_classes;
  std::map<std::string, size_t> m_index;
  std::vector<std::string> m_enumTypes;
};

class MpHostData;

// An object of a data store. Made by MpHostData::addNode only.
class MPHOST_API MpHostNode final : public MpUnknown<IMpZulNode,
                                                     IMpZulInstance,
                                                     IMpZulAttachment,
                                                     IMpZulVariantSet,
                                                     IMpZulLocation,
                                                     IMpZulProject,
                                                     IMpZulPrototype,
                                                     IMpPmEnvironment,
                                                     IMpPmEnvironmentResource,
                                                     IMpPmFeature,
                                                     IMpPmFeaturePrototype,
                                                     IMpPmMachiningProcess,
                                                     IMpPmMaterial,
                                                     IMpPmModel,
                                                     IMpPmModelInstance,
                                                     IMpPmOperationSetup,
                                                     IMpPmProduct,
                                                     IMpPmResourceSetup,
                                                     IMpPmRule,
                                                     IMpPmToolAssembly,
                                                     IMpPmToolSet> {
 public:
  ZulObjectKey getObjectKey() override;
  bool getName(std::string& name) override;
  IMpData* getData() override;
  IMpZulClass* getClass() override;
  // The field's text; "Name" gives the node's name.
  std::string getStringField(const std::string& fieldName) override;
  bool getChildren(MpSmartList& children) override;
  // The first child of class Location; null when none or once the store has let the node go.
  IUnknown* getLocation() override;
  // A Location's six fields (an unset field is 0), in frame 1 only.
  bool getPlacement(double position[3], double rotation[3], int frame) override;
  // The children.
  bool getNodeList(MpZulSmartList& nodes) override;
  bool getParameters(IMpDataParameterSet* parameters) override;
  // The text a parameter set filled by getParameters gives for the field (getValueText): "" for
  // a field the node has no value of.
  std::string parameterText(const std::string& fieldName);
  // The node named by the field "Prototype" (a Prototype of the store).
  IUnknown* getPrototype() override;
  // The field "File".
  bool getFile(std::string& file) override;
  // Of a feature: the model above it.
  IMpPmModel* getModel() override;
  // Of a model: "Role" is "blank"; its first model instance; the first operation set-up of its
  // product; the product above it.
  bool isBlank() override;
  IMpPmModelInstance* getModelInstance() override;
  IMpPmOperationSetup* getOperationSetup() override;
  IMpPmProduct* getProduct() override;
  // Of an operation set-up: its first resource set-up.
  IMpPmResourceSetup* getResourceSetup() override;
  // Of a product: the first part model and the first blank model below it; every operation
  // set-up below it, in the order added.
  IMpPmModel* getModelA() override;
  IMpPmModel* getModelB() override;
  bool getOperationSetups(MpSmartList& setups) override;
  // Of a resource set-up: its children.
  bool getResources(MpSmartList& resources) override;
  // Of a rule: the fields of its class.
  bool getFields(MpSmartList& fields) override;
  // Of a tool set: its tool assemblies (recursive: also those of the sets below it).
  bool getToolAssemblies(MpSmartList& assemblies, bool recursive) override;
  // The set named by the node's field "VariantSet", in the same store.
  IMpZulVariantSet* getVariantSet() override;
  // Numbers as the bag reads them; list fields hold their values joined with ",".
  double getDoubleField(const std::string& fieldName) override;
  std::vector<double> getDoubleVectorField(const std::string& fieldName) override;
  std::vector<std::string> getStringVectorField(const std::string& fieldName) override;
  // The concrete classes named by the class attribute "Children" of the node's class or the
  // nearest class above it that has one (below them included); every concrete class.
  bool getPermittedChildClasses(MpSmartList& classes) override;
  bool getPossibleChildClasses(MpSmartList& classes) override;
  // Of an environment: the first environment resource below it.
  IMpPmEnvironmentResource* getEnvironmentResource() override;
  // From the store's holder of the node.
  int getCheckOutState() override;
  bool getCheckOutUser(std::string& user) override;
  // The class's nice name.
  std::string getInfoText() override;

  const ZulObjectKey& key() const { return m_key; }
  const std::string& name() const { return m_name; }
  const std::string& className() const { return m_className; }
  // The parent's key; none for an object at the top of its store.
  const ZulObjectKey& parent() const { return m_parent; }
  // The children's keys, in the order they were added.
  const std::vector<ZulObjectKey>& children() const { return m_children; }
  // The field values that were set, by field name ("Name" is not among them).
  const std::map<std::string, std::string>& fieldValues() const { return m_fields; }
  // Sets a field of the node's class; "Name" renames the node. False for a field the class lacks,
  // a value that is not an integer or number for such a field, or a value outside a field's
  // enumerated values.
  bool setField(const std::string& fieldName, const std::string& value);
  // The data object (no reference added); null once the store has let the node go. A node can be
  // changed also then.
  MpHostData* data() const { return m_data; }

 private:
  friend class MpHostData;
  MpHostNode(MpHostData* data, const ZulObjectKey& key, const std::string& className, const std::string& name,
             const ZulObjectKey& parent);
  ~MpHostNode() override;
  void* findInterface(REFIID iid) override;
  // The nearest node above of the class (or below it), or null; the first node below (depth
  // first) of the class, or null; every node below of the class. No references added.
  MpHostNode* ancestor(const std::string& className) const;
  MpHostNode* firstBelow(const std::string& className, const std::string& role = std::string()) const;
  std::vector<MpHostNode*> allBelow(const std::string& className, bool deep) const;
  // A node with one reference for the caller, as the interface asked for.
  template <class I>
  static I* handOut(MpHostNode* node, REFIID iid);

  MpHostData* m_data;  // not counted: the store holds its nodes, not the reverse
  MpHostCustomization* m_customization;  // one reference
  std::vector<GUID> m_interfaces;        // fixed for the node's life, as COM wants it
  ZulObjectKey m_key;
  std::string m_className;
  std::string m_name;
  ZulObjectKey m_parent;
  std::vector<ZulObjectKey> m_children;
  std::map<std::string, std::string> m_fields;
};

// A data object: one store of nodes over a customization; it also reads the texts of many nodes at
// once (IMpDataTexts).
class MPHOST_API MpHostData final : public MpUnknown<IMpData, IMpDataTexts> {
 public:
  // A new, empty store with one reference, owned by the caller, over the customization (the store
  // takes its own reference), or over a new standard customization when it is null.
  static MpHostData* create(MpHostCustomization* customization = nullptr);

  // Every node with a product-variant set among its children, in the order added.
  bool getProductVariantSets(std::vector<ZulObjectKey>& keys) override;
  // Adds one 16x16 image per host icon identifier (1 to 6) and maps the identifiers to them.
  bool fillClassIcons(HIMAGELIST images, std::map<int, int>& classImages, std::map<int, int>& iconImages) override;
  // Sets of the named fields of the keys' nodes ("Name" gives the name); keys of no node are left
  // out. False when a name is empty.
  bool queryKeys(const std::vector<ZulObjectKey>& keys, const std::vector<std::string>& names,
                 std::map<int, MpSmartPointer<IMpDataParameterSet, &IID_IMpDataParameterSet>>& sets) override;
  // IMpDataTexts: the first of the named fields that has a text (as queryKeys's sets give it), for
  // each key in order; "" for a key of no node. False when a name is empty.
  bool queryTexts(const std::vector<ZulObjectKey>& keys, const std::vector<std::string>& names,
                  std::vector<std::string>& texts) override;
  // The same nodes as getProductVariantSets.
  bool getVariantFilters(std::list<ZulObjectKey>& keys) override;
  // Sets the variant filter of the session's context (MpContextData).
  bool setVariantFilter(const ZulObjectKey& key) override;
  // The nodes of class Project (or below) by object identifier, with their names; comments are
  // the host's own, set with setProjectComment (an empty one removes it).
  bool getProjects(std::map<long, std::string>& projects) override;
  bool getProjectComment(long projectId, std::string& comment) override;
  void setProjectComment(const ZulObjectKey& project, const std::string& comment);

  // "user <id>", or the name given by setUserName.
  bool getUserName(long userId, std::string& name) override;
  void setUserName(long userId, const std::string& name);
  // Check-out: each call records itself as "<call> <id> <id>..." (checkCalls) and, unless made
  // to fail, sets the holder of its nodes: checkOut to the current user, checkIn and
  // cancelCheckOut to nobody.
  bool checkOut(const std::vector<ZulObjectKey>& keys, void*, void*, const std::string& comment) override;
  bool checkIn(const std::vector<ZulObjectKey>& keys, void*, void*, const std::string& comment, bool keepCheckedOut,
               int mode) override;
  bool cancelCheckOut(const std::vector<ZulObjectKey>& keys, void*, void*, const std::string& comment,
                      int mode) override;
  // The user holding the node (0: nobody); setting it needs no call.
  long holder(const ZulObjectKey& key) const;
  void setHolder(const ZulObjectKey& key, long userId);
  const std::vector<std::string>& checkCalls() const { return m_checkCalls; }
  void setCheckFailure(bool fail) { m_checkFails = fail; }

  MpHostCustomization* customization() const { return m_customization; }
  uint32_t storeNumber() const { return m_storeNumber; }

  // Identity: by default user 1, the pair (store number, 1) and the store number. A user 0 is
  // nobody logged in, and getCurrentUserId is then false.
  bool getCurrentUserId(long& userId) override;
  bool getIdentityNumber(long& number) override;
  bool getIdentityPair(long& first, long& second) override;
  void setIdentity(long userId, long first, long second, long number);

  // Adds an object of the class, named name, below parent (none: at the top), with field values
  // (MpHostNode::setField). Returns its key; a key of no object, and nothing added, when the class
  // is unknown or abstract, the parent is not in this store, or a field value is refused.
  ZulObjectKey addNode(const std::string& className, const std::string& name,
                       const ZulObjectKey& parent = ZulObjectKey(),
                       const std::map<std::string, std::string>& fields = {});
  // The node of the key's object identifier (no reference added); null when none.
  MpHostNode* node(const ZulObjectKey& key) const;
  // The first node (in the order added) of the class or a class below it with that name; none
  // when there is none. An empty class name matches every class.
  ZulObjectKey find(const std::string& className, const std::string& name) const;
  // The objects at the top, in the order added.
  std::vector<ZulObjectKey> topLevel() const;
  // The objects of the class (and, with subClasses, of the classes below it), in the order added.
  std::vector<ZulObjectKey> objectsOfClass(const std::string& className, bool subClasses) const;
  // Appends those objects to a list, each with a reference held by the list.
  void objectsOfClass(const std::string& className, bool subClasses, MpSmartList& list) const;
  // Relates an object to another one of the store, after those related before. The relation
  // service gives a node's related objects in that order, or the store's materials when nothing
  // was related to it; a model's operation set-up is the first set-up related to it, or else the
  // first set-up of its product.
  bool relate(const ZulObjectKey& from, const ZulObjectKey& to);
  std::vector<ZulObjectKey> related(const ZulObjectKey& from) const;
  size_t size() const { return m_order.size(); }
  // The objects as a tree, one a line: `#id Class "name"` and its field values.
  std::string text() const;

 private:
  MpHostData(MpHostCustomization* customization);
  ~MpHostData() override;
  void* findInterface(REFIID iid) override;

  MpHostCustomization* m_customization;  // one reference
  uint32_t m_storeNumber;
  long m_userId = 1;
  long m_identity[3] = {0, 1, 0};  // the pair, then the number
  std::map<uint32_t, MpHostNode*> m_nodes;  // one reference each
  std::map<uint32_t, long> m_holders;
  std::map<long, std::string> m_userNames;
  std::vector<std::string> m_checkCalls;
  bool m_checkFails = false;
  bool recordCheck(const char* call, const std::vector<ZulObjectKey>& keys, long newHolder);
  std::vector<uint32_t> m_order;
  std::map<uint32_t, std::string> m_projectComments;
  std::map<uint32_t, std::vector<ZulObjectKey>> m_relations;
};

// The host's implementations behind interface pointers (no reference added); null for an object
// of another implementation or null.
MPHOST_API MpHostCustomization* MpHostCustomizationOf(IUnknown* customization);
MPHOST_API MpHostData* MpHostDataOf(IUnknown* data);
MPHOST_API MpHostNode* MpHostNodeOf(IUnknown* node);

// A class object loaded with the class of the customization (one reference for the caller); null
// for an unknown class.
MPHOST_API IMpZulClass* MpHostCreateClass(MpHostCustomization* customization, const std::string& className);
// The text a parameter set made by the host holds under a name (numbers as MpHostFormatDouble
// writes them, lists joined with ","); "" when none.
MPHOST_API std::string MpHostParameterValue(IMpDataParameterSet* set, const std::string& name);

// Rule constants of a store: the names taken (every RuleConstant's name as stored, in the order
// added) and the value types offered (the enumerated values of the field "Type" of RuleConstant).
MPHOST_API std::vector<std::string> MpHostRuleConstantNames(IMpData* data);
MPHOST_API std::vector<std::string> MpHostRuleConstantTypes(IMpData* data);
// Puts both into a bag as the rule-constant task reads them: the string lists "Name" and "Type".
// False when the data object or the bag is null or not usable.
MPHOST_API bool MpHostFillRuleConstantChoices(IMpData* data, IMpOptions* bag);
