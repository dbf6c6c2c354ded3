// Test double of the external resource-browser library: the nine entry points with results that
// tests set, and a record of the calls made.
#include <cstring>
#include <map>
#include <string>

namespace {

std::map<std::string, int>& results() {
  static std::map<std::string, int> r;
  return r;
}
std::string& calls() {
  static std::string c;
  return c;
}
std::string& resourceData() {
  static std::string d;
  return d;
}
int resultOf(const char* entry) {
  const auto it = results().find(entry);
  return it == results().end() ? 0 : it->second;
}
void record(const std::string& call) { calls() += call + "\n"; }
std::string text(const char* s) { return s ? s : "(null)"; }

}  // namespace

struct RBBuffer {
  int length;
  const char* data;
};

#define RB_EXPORT extern "C" __declspec(dllexport)

RB_EXPORT void RBTest_SetResult(const char* entry, int result) { results()[entry] = result; }
// The resource XML that RB_GetResourceQDSXML hands out (may hold NUL bytes).
RB_EXPORT void RBTest_SetData(const char* data, int length) { resourceData().assign(data, length); }
RB_EXPORT const char* RBTest_Calls() { return calls().c_str(); }
RB_EXPORT void RBTest_Reset() {
  results().clear();
  calls().clear();
  resourceData().clear();
}

RB_EXPORT int RB_InitResourceBrowser(const char* user, const char* password, const char* group, const char* url,
                                     const char* configPath) {
  record("init " + text(user) + " " + text(password) + " " + text(group) + " " + text(url) + " " +
         text(configPath));
  return resultOf("RB_InitResourceBrowser");
}
RB_EXPORT int RB_ActivateResourceBrowser() { return resultOf("RB_ActivateResourceBrowser"); }
RB_EXPORT int RB_DeactivateResourceBrowser(int how) {
  record("deactivate " + std::to_string(how));
  return resultOf("RB_DeactivateResourceBrowser");
}
RB_EXPORT int RB_ExitResourceBrowser() {
  record("exit");
  return resultOf("RB_ExitResourceBrowser");
}
#ifndef RB_WITHOUT_SELECTED_RESOURCES
RB_EXPORT int RB_GetSelectedResources(int* count, char*** ids, char*** names, char*** types, void** unused,
                                      char*** descriptions) {
  *count = 0;
  *ids = *names = *types = *descriptions = nullptr;
  *unused = nullptr;
  return resultOf("RB_GetSelectedResources");
}
#endif
RB_EXPORT int RB_GetResourceQDSXML(const char* id, int flag, RBBuffer* buffer) {
  record("qdsxml " + text(id) + " " + std::to_string(flag));
  buffer->length = static_cast<int>(resourceData().size());
  buffer->data = resourceData().data();
  return resultOf("RB_GetResourceQDSXML");
}
RB_EXPORT int RB_GetQDSXML_FileName() { return 0; }
RB_EXPORT int RB_GetAssociatedFileIds(const char* id, const char*** files, int* count) {
  static const char* const ids[3] = {"file-a", nullptr, "file-b"};
  record("files " + text(id));
  *files = const_cast<const char**>(ids);
  *count = 3;
  return resultOf("RB_GetAssociatedFileIds");
}
RB_EXPORT int RB_SetConfig() { return 0; }
