// The open data object and its companions. Members are declared as the library comes to call
// them; an interface without members is so far only held, passed on or asked for.
#pragma once
#include <map>
#include <string>
#include <windows.h>
#include <commctrl.h>
#include <oaidl.h>
#include <unknwn.h>
#include <list>
#include <map>
#include <vector>
#include <commctrl.h>
#include "MpGuid.h"
#include "MpKeys.h"
#include "MpSmartPointer.h"

MP_IDENTIFIER(IID_IMpData, "{EE4173DA-618A-4307-A8F8-03778B3197E1}");
MP_IDENTIFIER(IID_IMpDataTexts, "{DEF676DF-9B39-4124-9801-66A7610C0744}");
MP_IDENTIFIER(IID_IMpDataCacheXml, "{AC0D284C-8E1E-44E0-9FFC-127E237A294B}");
MP_IDENTIFIER(IID_IMpDataParameterSet, "{BFDE43F4-792A-11D6-A3D2-000102749AF9}");
MP_IDENTIFIER(CLSID_MpDataParameterSet, "{BFDE43F5-792A-11D6-A3D2-000102749AF9}");
MP_IDENTIFIER(IID_IMpDataXmlCustomization, "{ECDFFA1F-3A83-4824-B0B1-6D0D0562DA99}");
MP_IDENTIFIER(IID_IMpDataCustomization2, "{F1D0210A-0ADB-47E0-83F9-FD06378C33E2}");

struct IMpDataParameterSet;

// The open data store: projects, nodes, classes and their keys.
struct IMpData : public IUnknown {
  // The identity of the store and its user, as four 32-bit numbers; each is false when the store
  // cannot tell (no user logged in, no store open).
  virtual bool getCurrentUserId(long& userId) = 0;
  virtual bool getIdentityNumber(long& number) = 0;
  virtual bool getIdentityPair(long& first, long& second) = 0;
  // The keys of the nodes under which the product-variant sets hang; false when there is none.
  virtual bool getProductVariantSets(std::vector<ZulObjectKey>& keys) = 0;
  // Adds the class icons to the image list and maps each icon identifier to its image index; the
  // map of class identifiers is the caller's cache and may stay empty.
  virtual bool fillClassIcons(HIMAGELIST images, std::map<int, int>& classImages, std::map<int, int>& iconImages) = 0;
  // For each key a parameter set holding the named attributes, by object identifier.
  virtual bool queryKeys(const std::vector<ZulObjectKey>& keys, const std::vector<std::string>& names,
                         std::map<int, MpSmartPointer<IMpDataParameterSet, &IID_IMpDataParameterSet>>& sets) = 0;
  // The keys of the nodes whose children are the variant sets that can filter the data.
  virtual bool getVariantFilters(std::list<ZulObjectKey>& keys) = 0;
  // Makes the object the current variant filter; object identifier 0 means none.
  virtual bool setVariantFilter(const ZulObjectKey& key) = 0;
  // The projects of the store, by project identifier (the object identifier of the project).
  virtual bool getProjects(std::map<long, std::string>& projects) = 0;
  // Overwrites comment with the project's comment when it has one; false otherwise.
  virtual bool getProjectComment(long projectId, std::string& comment) = 0;
  virtual bool getUserName(long userId, std::string& name) = 0;
  // Check-out of the objects of the keys for the current user, check-in and cancelling a
  // check-out; each true on success. The pointers are reserved (null).
  virtual bool checkOut(const std::vector<ZulObjectKey>& keys, void* reserved1, void* reserved2,
                        const std::string& comment) = 0;
  virtual bool checkIn(const std::vector<ZulObjectKey>& keys, void* reserved1, void* reserved2,
                       const std::string& comment, bool keepCheckedOut, int mode) = 0;
  virtual bool cancelCheckOut(const std::vector<ZulObjectKey>& keys, void* reserved1, void* reserved2,
                              const std::string& comment, int mode) = 0;
};

// Offered beside IMpData by a store that reads one text of each of many objects more quickly than
// through their parameter sets; a store without it answers the same through IMpData::queryKeys.
struct IMpDataTexts : public IUnknown {
  // For each key, at the same position, the text of the first of the named attributes that has a
  // value; empty when none has or the key finds no object. False where queryKeys would be.
  virtual bool queryTexts(const std::vector<ZulObjectKey>& keys, const std::vector<std::string>& names,
                          std::vector<std::string>& texts) = 0;
};

// Offered by a data object that works on an XML cache.
struct IMpDataCacheXml : public IUnknown {};

// A set of named parameter values.
struct IMpDataParameterSet : public IUnknown {
  // Asks for the value of a parameter (a field) by name.
  virtual bool addParameter(const std::string& name) = 0;
  // The value of a parameter: found tells whether it has one; the caller clears the variant.
  virtual bool getValue(const std::string& name, VARIANT& value, bool& found) = 0;
  virtual bool setDouble(const std::string& name, double value) = 0;
  virtual bool setValue(const std::string& name, const std::string& value) = 0;
  virtual bool setNumberList(const std::string& name, const std::vector<double>& values) = 0;
  virtual bool setStringList(const std::string& name, const std::vector<std::string>& values) = 0;
  // The value as text, empty when it is not set.
  virtual bool getValueText(const std::string& name, std::string& text) = 0;
  // The parameters asked for, in the set's order: their number, the name at an index and the
  // value of a name as text (false when the index or the value is missing).
  virtual int getCount() = 0;
  virtual bool getName(int index, std::string& name) = 0;
  virtual bool getEntry(const std::string& name, std::string& value, int& type) = 0;
};

// Reading a customization from XML.
struct IMpDataXmlCustomization : public IUnknown {
  // Appends the names of the customization's enumeration types.
  virtual bool readCustomization(std::vector<std::string>& enumTypes) = 0;
};

// A customization: the classes and fields a data store is set up with.
struct IMpDataCustomization2 : public IUnknown {};
