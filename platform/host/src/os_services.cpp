// The operating-system services object: libraries and the resource module (IMpUtOsDll), files
// and paths (IMpUtOsFile).
#include <windows.h>
#include <afxdllx.h>
#include <mutex>
#include <set>
#include <string>
#include "MpInterfaces.h"
#include "MpResourceString.h"
#include "host_internal.h"
#include "host_registry.h"

namespace {

// Resource modules joined to the lookups; each is joined once and stays for the process.
std::mutex g_modulesLock;
std::set<HMODULE> g_resourceModules;

std::string errorText(DWORD error) {
  char* buffer = nullptr;
  const DWORD length = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
      0, reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
  std::string text = length && buffer ? std::string(buffer, length) : "error " + std::to_string(error);
  if (buffer) ::LocalFree(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
  return text;
}

class OsServices final : public MpUnknown<IMpUtOsDll, IMpUtOsFile> {
 public:

  bool loadResourceModule(const std::string& fileName) override {
    HMODULE module = ::LoadLibraryA(fileName.c_str());
    if (!module) {
      m_lastError = ::GetLastError();
      return false;
    }
    std::lock_guard<std::mutex> guard(g_modulesLock);
    if (!g_resourceModules.insert(module).second) {
      // Joined before: that load keeps it; give back the count this one added.
      ::FreeLibrary(module);
      return true;
    }
    new CDynLinkLibrary(module, module);  // the chain owns it
    MpRegisterResourceModule(module);
    return true;
  }

  bool loadDll(const std::string& path) override {
    HMODULE module = ::LoadLibraryA(path.c_str());
    if (!module) {
      m_lastError = ::GetLastError();
      return false;
    }
    m_lastModule = module;
    return true;
  }

  bool getProcAddress(const std::string& name, void** address) override {
    if (!address) return false;
    *address = nullptr;
    if (!m_lastModule) return false;
    FARPROC proc = ::GetProcAddress(m_lastModule, name.c_str());
    if (!proc) {
      m_lastError = ::GetLastError();
      return false;
    }
    *address = reinterpret_cast<void*>(proc);
    return true;
  }

  bool getLastErrorText(std::string& text) override {
    if (!m_lastError) return false;
    text = errorText(m_lastError);
    return true;
  }

  bool splitPath(const std::string& path, std::string& folder, std::string& name, std::string& extension,
                 std::string& extra) override {
    folder.clear();
    name.clear();
    extension.clear();
    extra.clear();
    if (path.empty()) return false;
    const size_t slash = path.find_last_of("\\/:");
    folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    // The extension follows the last dot: "photo.v2.jpg" is the picture "photo.v2", and a file
    // name has no further part.
    const size_t dot = file.rfind('.');
    name = file.substr(0, dot);
    if (dot != std::string::npos) extension = file.substr(dot + 1);
    return true;
  }

  bool fileExists(const std::string& path) override {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }

  bool getTempFileName(std::string& path) override {
    char folder[MAX_PATH + 1];
    char file[MAX_PATH + 1];
    const DWORD length = ::GetTempPathA(sizeof(folder), folder);
    if (length == 0 || length > MAX_PATH || !::GetTempFileNameA(folder, "mph", 0, file)) {
      m_lastError = ::GetLastError();
      return false;
    }
    path = file;
    return true;
  }

  bool deleteFile(const std::string& path) override {
    if (::DeleteFileA(path.c_str())) return true;
    m_lastError = ::GetLastError();
    return false;
  }

 private:
  ~OsServices() override = default;
  void* findInterface(REFIID iid) override {
    if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IMpUtOsDll)) return static_cast<IMpUtOsDll*>(this);
    if (IsEqualGUID(iid, IID_IMpUtOsFile)) return static_cast<IMpUtOsFile*>(this);
    return nullptr;
  }

  mphost::LiveObject m_live;
  HMODULE m_lastModule = nullptr;
  DWORD m_lastError = 0;
};

}  // namespace

namespace mphost {

HRESULT createOsServices(REFIID iid, void** out) {
  return handOut(new OsServices(), iid, out);
}

}  // namespace mphost
