// The named-value bag: a task's parameters, or one settings group of the settings service.
#pragma once
#include <string>
#include <vector>
#include <unknwn.h>
#include "MpGuid.h"
#include "MpKeys.h"

MP_IDENTIFIER(IID_IMpOptions, "{C4CECA79-100C-436E-8BD6-0C24A5E2227D}");
// A fresh, empty bag.
MP_IDENTIFIER(CLSID_MpOptions, "{EDFA05A9-E7A3-4DDC-A4D8-1A630D883FF9}");

// Keys are plain strings. Setters return whether the value was stored; getters give the value, or
// the type's empty value (empty string, empty list, false, 0, no object) when the key is not set.
// Check boxes are kept as the strings "on" and "off", numbers as decimal text.
//
// The slots follow the host's layout, so that a bag of the host is called through the right one:
// two operations that this library never calls come first.
struct IMpOptions : public IUnknown {
  virtual void reserved1() = 0;
  virtual void reserved2() = 0;
  // Stores the bag as a settings group; false when it could not be stored.
  virtual bool commit() = 0;
  virtual bool setObjectKey(const std::string& key, const ZulObjectKey& value) = 0;
  virtual bool setDouble(const std::string& key, double value) = 0;
  virtual bool setInt(const std::string& key, int value) = 0;
  virtual bool setBool(const std::string& key, bool value) = 0;
  virtual bool setString(const std::string& key, const std::string& value) = 0;
  // A key may hold a string and a string list side by side.
  virtual bool setStringList(const std::string& key, const std::vector<std::string>& value) = 0;
  virtual std::vector<std::string> getStringList(const std::string& key) = 0;
  virtual std::string getString(const std::string& key) = 0;
  virtual bool getBool(const std::string& key) = 0;
  virtual int getInt(const std::string& key) = 0;
  virtual double getDouble(const std::string& key) = 0;
  virtual ZulObjectKey getObjectKey(const std::string& key) = 0;
};
