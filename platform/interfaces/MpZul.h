// The host's object model: nodes, classes, fields and the kinds of node.
#pragma once
#include <string>
#include <vector>
#include <unknwn.h>
#include "MpGuid.h"
#include "MpKeys.h"

struct IMpData;
struct IMpDataCustomization2;
struct IMpZulClass;
struct IMpZulField;
struct IMpDataParameterSet;
struct IMpZulVariantSet;
class MpSmartList;
class MpZulSmartList;

MP_IDENTIFIER(IID_IMpZulNode, "{45D731E0-10D4-11D6-A3BE-000102749AF9}");
MP_IDENTIFIER(IID_IMpZulClass, "{D9FC53A7-1E66-4219-AD4B-33448C6692CE}");
// A class object, empty until loaded by name.
MP_IDENTIFIER(CLSID_MpZulClass, "{D9FC53A8-1E66-4219-AD4B-33448C6692CE}");
MP_IDENTIFIER(IID_IMpZulField, "{850B8301-3B1B-11D6-A3C0-000102749AF9}");
MP_IDENTIFIER(IID_IMpZulInstance, "{A18B2864-924F-46EC-9975-365F38421238}");
MP_IDENTIFIER(IID_IMpZulAttachment, "{C75A7824-F22E-4FBF-8E5F-0B5C9B789E95}");
MP_IDENTIFIER(IID_IMpZulVariantSet, "{F4BD50D6-AEA4-4E4C-94A5-6758881235B7}");
MP_IDENTIFIER(IID_IMpZulLocation, "{5F2833E1-4ABE-11D6-A3C6-000102749AF9}");
MP_IDENTIFIER(IID_IMpZulProject, "{833ED021-26A5-11D6-B6FB-000102A4077B}");
MP_IDENTIFIER(IID_IMpZulPrototype, "{A3D9BB0D-AE6C-48E6-8415-CFB57A1E2BA0}");

// Every object of the model is a node. A getter that returns an interface pointer hands its
// reference to the caller.
struct IMpZulNode : public IUnknown {
  // The object's key; its first word identifies the object.
  virtual ZulObjectKey getObjectKey() = 0;
  virtual bool getName(std::string& name) = 0;
  // The data object that holds the node.
  virtual IMpData* getData() = 0;
  virtual IMpZulClass* getClass() = 0;
  // The text of a field of the node, empty when the node has no such field or it is not set.
  virtual std::string getStringField(const std::string& fieldName) = 0;
  // Appends the node's children, each with a reference held by the list.
  virtual bool getChildren(MpSmartList& children) = 0;
  // The node's placement object (ask it for IMpZulLocation); null when the node has none.
  virtual IUnknown* getLocation() = 0;
  // Appends the nodes below this one, each with a reference held by the list.
  virtual bool getNodeList(MpZulSmartList& nodes) = 0;
  // Fills the parameters added to the set with the node's values of those fields.
  virtual bool getParameters(IMpDataParameterSet* parameters) = 0;
  // The product-variant set the node belongs to; null when it belongs to none.
  virtual IMpZulVariantSet* getVariantSet() = 0;
  // A number field's value; 0 when the node has no such field or it is not set.
  virtual double getDoubleField(const std::string& fieldName) = 0;
  // The values of a list field; empty when the node has no such field or it is not set.
  virtual std::vector<double> getDoubleVectorField(const std::string& fieldName) = 0;
  virtual std::vector<std::string> getStringVectorField(const std::string& fieldName) = 0;
  // Appends the classes whose objects the node may have as children: those its class permits,
  // or every class that could be a child.
  virtual bool getPermittedChildClasses(MpSmartList& classes) = 0;
  virtual bool getPossibleChildClasses(MpSmartList& classes) = 0;
  // A short description of the node, shown beside its name.
  virtual std::string getInfoText() = 0;
  // Check-out: 0 not checked out, 1 checked out by the current user, 2 by another user; the name
  // of the user who holds the node (empty when nobody does).
  virtual int getCheckOutState() = 0;
  virtual bool getCheckOutUser(std::string& user) = 0;
};

// A host class. A class object made by the class factory is empty until loaded.
struct IMpZulClass : public IUnknown {
  // The class name, which task pages store and loadByName takes.
  virtual bool getName(std::string& name) = 0;
  // The display name that choosers show and sort by.
  virtual bool getNiceName(std::string& name) = 0;
  virtual bool loadByName(IMpData* data, const std::string& name) = 0;
  virtual bool loadByNameFromCustomization(IMpDataCustomization2* customization, const std::string& name) = 0;
  // Appends the classes below this one (all levels when recursive), each with a reference held
  // by the list.
  virtual bool getSubClasses(MpSmartList& classes, bool recursive) = 0;
  // A class attribute such as "Abstract"; false when the class has no such attribute.
  virtual bool getProperty(const std::string& key, std::string& value) = 0;
  // The class's number in its customization; false for a class object not loaded.
  virtual bool getClassId(int& classId) = 0;
  // Loads the class of that number; a failed load leaves the object as it was.
  virtual bool loadById(IMpData* data, int classId) = 0;
  // Appends the class's fields (with inherited: also those of the classes above it, first),
  // each with a reference held by the list. The last flag is reserved (false).
  virtual bool getFields(MpSmartList& fields, bool inherited, bool reserved) = 0;
  // The field of that name (inherited ones included), or null. The field stays the class
  // object's: no reference is added for the caller.
  virtual IMpZulField* getField(const std::string& name) = 0;
  // Appends the kinds of this class's objects: the classes below it that can have objects.
  virtual bool getObjects(MpSmartList& objects) = 0;
  // The customization the class belongs to; null for an empty class object. No reference is
  // added for the caller.
  virtual IMpDataCustomization2* getCustomization() = 0;
  // The icon of the class's own objects; an identifier without an image when the class has none
  // of its own (its objects then look like its parent's).
  virtual bool getIconId(int& iconId) = 0;
  // The class above; null at the root.
  virtual IMpZulClass* getParentClass() = 0;
  // Whether the class is the named class or lies below it.
  virtual bool isKindOf(const std::string& className) = 0;
};

// The value types of fields (IMpZulField::getType), as the host numbers them.
namespace MpZulFieldType {
constexpr int Integer = 2;
constexpr int Double = 5;
constexpr int String = 7;
}  // namespace MpZulFieldType

// The dimensions of fields (IMpZulField::getDimension).
namespace MpZulFieldDimension {
constexpr int Single = 1;
constexpr int Vector = 3;
}  // namespace MpZulFieldDimension

// A field of a class.
struct IMpZulField : public IUnknown {
  virtual bool getName(std::string& name) = 0;
  // The name shown to the user.
  virtual bool getDisplayName(std::string& name) = 0;
  // For a field that refers to objects: their class; null for a value field.
  virtual IMpZulClass* getClass() = 0;
  // Whether the field holds one value of a type allowed by the flags (integer, double, string).
  virtual bool matchesValueTypes(bool allowInteger, bool allowDouble, bool allowString) = 0;
  // MpZulFieldDimension: a single value or a vector.
  virtual bool getDimension(int& dimension) = 0;
  // MpZulFieldType: integer, double or string.
  virtual bool getType(int& type) = 0;
  // The values the field may take; false when it may take any. The flag is reserved (false).
  virtual bool getEnumValues(std::vector<std::string>& values, bool reserved) = 0;
  // A field attribute such as "SubType"; false when the field has no such attribute.
  virtual bool getProperty(const std::string& key, std::string& value) = 0;
  // The unit's name, empty for none.
  virtual bool getUnit(std::string& unit) = 0;
};

// An object made after a prototype (a feature, an operation, a model instance).
struct IMpZulInstance : public IUnknown {
  // The prototype node, or null.
  virtual IUnknown* getPrototype() = 0;
};
// A file attached to the model.
struct IMpZulAttachment : public IUnknown {
  virtual bool getFile(std::string& file) = 0;
};
struct IMpZulVariantSet : public IUnknown {};
// Where an object lies: a position and three rotation angles in degrees. The frame selects the
// coordinate system the host reports them in.
struct IMpZulLocation : public IUnknown {
  virtual bool getPlacement(double position[3], double rotation[3], int frame) = 0;
};
struct IMpZulProject : public IUnknown {};
struct IMpZulPrototype : public IUnknown {};
