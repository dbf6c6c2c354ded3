// The registry service over HKEY_CURRENT_USER, and the system information.
#include <windows.h>
#include <string>
#include <vector>
#include "MpHost.h"
#include "host_internal.h"
#include "host_registry.h"

namespace {

// Reads a value as text: REG_SZ and REG_EXPAND_SZ as stored (not expanded), and with numbers true
// also REG_DWORD as decimal text. False when the key or value is missing or of another type.
bool readValue(const std::string& key, const std::string& name, bool numbers, std::string& text) {
  HKEY hkey = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &hkey) != ERROR_SUCCESS) return false;
  DWORD type = 0, size = 0;
  bool ok = ::RegQueryValueExA(hkey, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
  if (ok && (type == REG_SZ || type == REG_EXPAND_SZ)) {
    std::vector<char> buffer(size + 1, '\0');
    ok = ::RegQueryValueExA(hkey, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) ==
         ERROR_SUCCESS;
    if (ok) text.assign(buffer.data());  // up to the first NUL, stored or added
  } else if (ok && numbers && type == REG_DWORD && size == sizeof(DWORD)) {
    DWORD value = 0;
    ok = ::RegQueryValueExA(hkey, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
         ERROR_SUCCESS;
    if (ok) text = std::to_string(value);
  } else {
    ok = false;
  }
  ::RegCloseKey(hkey);
  return ok;
}

bool writeString(const std::string& key, const std::string& name, const std::string& value) {
  HKEY hkey = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hkey, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const bool ok = ::RegSetValueExA(hkey, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                   static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
  ::RegCloseKey(hkey);
  return ok;
}

// Values of HKEY_CURRENT_USER under a key path such as "Software\\Brevanta\\Halcyon\\Settings".
// getValue reads strings and 32-bit numbers (as decimal text), getString strings only; both give
// the fallback for a missing key or value. Both setters write a string value, making the key
// when it does not exist.
class Registry final : public mphost::SingleInterfaceObject<IMpRegistry, IID_IMpRegistry> {
 public:

  std::string getValue(const std::string& key, const std::string& name, const std::string& fallback) override {
    std::string text;
    return readValue(key, name, true, text) ? text : fallback;
  }
  bool setValue(const std::string& key, const std::string& name, const std::string& value) override {
    return writeString(key, name, value);
  }
  std::string getString(const std::string& key, const std::string& name, const std::string& fallback) override {
    std::string text;
    return readValue(key, name, false, text) ? text : fallback;
  }
  bool setString(const std::string& key, const std::string& name, const std::string& value) override {
    return writeString(key, name, value);
  }

 private:
  ~Registry() override = default;
};

class SystemInfo final : public mphost::SingleInterfaceObject<IMpSystemInfo, IID_IMpSystemInfo> {
 public:

  bool getProductInfo(std::string& first, std::string& second, std::string& third) override {
    first = MpHostProductWords[0];
    second = MpHostProductWords[1];
    third = MpHostProductWords[2];
    return true;
  }

  std::string getEnvironmentVariable(const std::string& name) override {
    const DWORD size = ::GetEnvironmentVariableA(name.c_str(), nullptr, 0);
    if (size == 0) return std::string();
    std::vector<char> buffer(size, '\0');
    const DWORD length = ::GetEnvironmentVariableA(name.c_str(), buffer.data(), size);
    return length < size ? std::string(buffer.data(), length) : std::string();
  }

 private:
  ~SystemInfo() override = default;
};

template <class T>
HRESULT createObject(REFIID iid, void** out) {
  return mphost::handOut(new T(), iid, out);
}

}  // namespace

namespace mphost {

HRESULT createRegistry(REFIID iid, void** out) { return createObject<Registry>(iid, out); }
HRESULT createSystemInfo(REFIID iid, void** out) { return createObject<SystemInfo>(iid, out); }

}  // namespace mphost
