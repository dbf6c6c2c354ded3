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
class MpSmartList;

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
  // A number field's value; 0 when the node has no such field or it is not set.
  virtual double getDoubleField(const std::string& fieldName) = 0;
  // The values of a list field; empty when the node has no such field or it is not set.
  virtual std::vector<double> getDoubleVectorField(const std::string& fieldName) = 0;
  virtual std::vector<std::string> getStringVectorField(const std::string& fieldName) = 0;
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
  // A field of the class or of a class above it (the caller's reference); null when none.
  virtual IMpZulField* getField(const std::string& fieldName) = 0;
};

// A field of a class: its dimension (1 a single value, 3 a list) and type (5 a number, 7 a
// text); false when not known.
struct IMpZulField : public IUnknown {
  virtual bool getDimension(int& dimension) = 0;
  virtual bool getType(int& type) = 0;
};
struct IMpZulInstance : public IUnknown {};
struct IMpZulAttachment : public IUnknown {};
struct IMpZulVariantSet : public IUnknown {};
struct IMpZulLocation : public IUnknown {};
struct IMpZulProject : public IUnknown {};
struct IMpZulPrototype : public IUnknown {};
