// The host's operating-system, registry and system-information services.
#pragma once
#include <string>
#include <unknwn.h>
#include "MpGuid.h"

MP_IDENTIFIER(IID_IMpUtOsDll, "{41F2EB68-4A0C-4D2E-B87C-551C44B50166}");
MP_IDENTIFIER(IID_IMpUtOsFile, "{2DA07635-C0FE-4003-9CE7-AD72C082ED74}");
// One object class offers both IMpUtOsDll and IMpUtOsFile.
MP_IDENTIFIER(CLSID_MpUtOs, "{3F70280E-7734-4738-BC08-C27A3192FF0E}");

MP_IDENTIFIER(IID_IMpRegistry, "{0A719501-0B52-11D6-B6F5-000102A4077B}");
MP_IDENTIFIER(CLSID_MpRegistry, "{0A719502-0B52-11D6-B6F5-000102A4077B}");

MP_IDENTIFIER(IID_IMpSystemInfo, "{C16E5E53-537D-4DA8-AEC9-5DA63A4FDF01}");
MP_IDENTIFIER(CLSID_MpSystemInfo, "{74E0452D-E2CD-4BD9-B97E-9082006DE732}");

// Libraries: loading, entry points and the resource module.
struct IMpUtOsDll : public IUnknown {
  // Loads the resource module by file name and makes its resources visible to the resource
  // lookups of the process (the MFC resource chain and MpGetResourceString).
  virtual bool loadResourceModule(const std::string& fileName) = 0;
  // Loads a library; it stays loaded after the service object is released.
  virtual bool loadDll(const std::string& path) = 0;
  // An entry point of the library this object loaded last.
  virtual bool getProcAddress(const std::string& name, void** address) = 0;
  // The text of the last operating-system error.
  virtual bool getLastErrorText(std::string& text) = 0;
};

// Files and paths.
struct IMpUtOsFile : public IUnknown {
  // Splits a path into its folder, its file name without extension, its extension without the
  // dot (what follows the last dot), and a fourth part that this host leaves empty.
  virtual bool splitPath(const std::string& path, std::string& folder, std::string& name,
                         std::string& extension, std::string& extra) = 0;
  virtual bool fileExists(const std::string& path) = 0;
  virtual bool getTempFileName(std::string& path) = 0;
  virtual bool deleteFile(const std::string& path) = 0;
};

// Values of the current user's registry hive, as text.
struct IMpRegistry : public IUnknown {
  virtual std::string getValue(const std::string& key, const std::string& name, const std::string& fallback) = 0;
  virtual bool setValue(const std::string& key, const std::string& name, const std::string& value) = 0;
  virtual std::string getString(const std::string& key, const std::string& name, const std::string& fallback) = 0;
  virtual bool setString(const std::string& key, const std::string& name, const std::string& value) = 0;
};

// The product and its environment.
struct IMpSystemInfo : public IUnknown {
  // Three product words; the first two name the product in registry keys.
  virtual bool getProductInfo(std::string& first, std::string& second, std::string& third) = 0;
  // The value of an environment variable, empty when it is not set.
  virtual std::string getEnvironmentVariable(const std::string& name) = 0;
};
