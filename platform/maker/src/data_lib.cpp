// The data library's session functions.
#include "MpDataLib.h"
#include "MpWipe.h"
#include <mutex>
#include <utility>
#include <windows.h>

namespace {

struct Session {
  std::mutex lock;
  ZulContextData context;
  MpDataLoginHook login;
  std::string traversalDir;
};

Session& session() {
  static Session s;
  return s;
}

std::string defaultTraversalDir() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(MAX_PATH, buffer);
  std::string folder = (length > 0 && length <= MAX_PATH) ? std::string(buffer, length) : std::string(".\\");
  if (folder.back() != '\\' && folder.back() != '/') folder += '\\';
  return folder + "Traversal";
}

}  // namespace

ZulContextData* MpContextData() { return &session().context; }

bool MpDataLogin(std::string user, std::string password) {
  MpDataLoginHook hook;
  {
    Session& s = session();
    std::lock_guard<std::mutex> guard(s.lock);
    hook = s.login;
  }
  const bool ok = hook ? hook(user, password) : false;
  // The copy is the library's own, but the caller frees it: cleared here, the caller cannot.
  MpWipe(password);
  return ok;
}

MpDataLoginHook MpSetDataLoginHook(MpDataLoginHook hook) {
  Session& s = session();
  std::lock_guard<std::mutex> guard(s.lock);
  std::swap(hook, s.login);
  return hook;
}

std::string MpContextGetTraversalXmlDir(bool create) {
  std::string folder;
  {
    Session& s = session();
    std::lock_guard<std::mutex> guard(s.lock);
    folder = s.traversalDir;
  }
  if (folder.empty()) folder = defaultTraversalDir();
  if (create && GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES) CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

void MpSetTraversalXmlDir(const std::string& folder) {
  std::string trimmed = folder;
  while (trimmed.size() > 1 && (trimmed.back() == '\\' || trimmed.back() == '/')) trimmed.pop_back();
  Session& s = session();
  std::lock_guard<std::mutex> guard(s.lock);
  s.traversalDir = trimmed;
}
