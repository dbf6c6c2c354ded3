// The open data object and its companions. Members are declared as the library comes to call
// them; an interface without members is so far only held, passed on or asked for.
#pragma once
#include <string>
#include <unknwn.h>
#include <vector>
#include "MpGuid.h"

MP_IDENTIFIER(IID_IMpData, "{EE4173DA-618A-4307-A8F8-03778B3197E1}");
MP_IDENTIFIER(IID_IMpDataCacheXml, "{AC0D284C-8E1E-44E0-9FFC-127E237A294B}");
MP_IDENTIFIER(IID_IMpDataParameterSet, "{BFDE43F4-792A-11D6-A3D2-000102749AF9}");
MP_IDENTIFIER(CLSID_MpDataParameterSet, "{BFDE43F5-792A-11D6-A3D2-000102749AF9}");
MP_IDENTIFIER(IID_IMpDataXmlCustomization, "{ECDFFA1F-3A83-4824-B0B1-6D0D0562DA99}");
MP_IDENTIFIER(IID_IMpDataCustomization2, "{F1D0210A-0ADB-47E0-83F9-FD06378C33E2}");

// The open data store: projects, nodes, classes and their keys.
struct IMpData : public IUnknown {};

// Offered by a data object that works on an XML cache.
struct IMpDataCacheXml : public IUnknown {};

// A set of named parameter values; each setter is false when it refuses the value.
struct IMpDataParameterSet : public IUnknown {
  virtual bool setDouble(const std::string& name, double value) = 0;
  virtual bool setValue(const std::string& name, const std::string& value) = 0;
  virtual bool setNumberList(const std::string& name, const std::vector<double>& values) = 0;
  virtual bool setStringList(const std::string& name, const std::vector<std::string>& values) = 0;
};

// Reading a customization from XML.
struct IMpDataXmlCustomization : public IUnknown {};

// A customization: the classes and fields a data store is set up with.
struct IMpDataCustomization2 : public IUnknown {};
