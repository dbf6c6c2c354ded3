// The connection to the external resource-browser library: one process-wide instance, made by
// the first node chooser that asks for it and ended by the host.
#pragma once
#include <list>
#include <map>
#include <string>
#include "MpResults.h"
#include "MpSmartList.h"
#include "MpSmartPointers.h"

class MpUiResourceBrowser {
 public:
  MpUiResourceBrowser();
  MpUiResourceBrowser(const MpUiResourceBrowser&) = delete;
  MpUiResourceBrowser& operator=(const MpUiResourceBrowser&) = delete;
  ~MpUiResourceBrowser();

  // Loads the integration library, reads the configuration and loads the browser library with
  // its entry points; a second call after success does nothing.
  MpStatus init();
  MpStatus loadIntegrationDll();
  MpStatus readConfig();
  MpStatus loadBrowserDll();

  void setEnvironmentResource(IMpPmEnvironmentResource* resource);
  void setOptions(IMpOptions* options);
  void setModeler(IMpMoModeler* modeler);

  // Browsing is not offered: false, and the list stays as given.
  bool browseResources(MpZulSmartList& resources);

  // Ends an active login.
  MpStatus exit();
  MpStatus login();
  static bool loginCallback(std::string user, std::string password, std::string group, std::string& reason);
  bool deactivate();
  MpStatus getSelectedResources(MpZulSmartList& out);
  static MpStatus getAssociatedFileIds(std::string identifier, std::list<std::string>& out);
  // Fetches a resource's XML into a new temporary file whose name ends in ".qdsxml".
  MpStatus getResourceQdsXml(const char* identifier, int flag, std::string& fileName);
  MpStatus removeQdsXmlFile(const std::string& fileName);

  // A configuration value; an absent key is added with an empty value.
  std::string config(const std::string& key) { return m_configuration[key]; }
  const std::map<std::string, std::string>& configuration() const { return m_configuration; }
  bool isLoggedIn() const { return m_loggedIn; }

 private:
  typedef int (*InitFn)(const char*, const char*, const char*, const char*, const char*);
  typedef int (*VoidFn)();
  typedef int (*DeactivateFn)(int);
  typedef int (*SelectedFn)(int*, char***, char***, char***, void**, char***);
  struct Buffer {
    int length;
    const char* data;
  };
  typedef int (*QdsXmlFn)(const char*, int, Buffer*);
  typedef int (*FileIdsFn)(const char*, const char***, int*);

  bool m_initialised = false;
  bool m_loggedIn = false;
  std::map<std::string, std::string> m_configuration;
  void* m_entries[9] = {};  // in the order of kEntryNames
  IMpPmEnvironmentResourcePtr m_environmentResource;
  IMpOptionsPtr m_options;
  IMpMoModelerPtr m_modeler;
};

namespace MpResourceBrowser {

// The single instance, made and initialised on first use; null when that failed (the failure has
// been reported, and the next call tries again).
MpUiResourceBrowser* getResourceBrowser();
// Deletes the instance, after ending its login unless skipExit.
void deleteResourceBrowser(bool skipExit);

}  // namespace MpResourceBrowser
