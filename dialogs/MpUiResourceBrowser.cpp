// The resource browser: start-up from the environment variable and the configuration file, the
// external library's entry points, and the failure reports of a failed start-up.
#include "MpUiResourceBrowser.h"
#include <windows.h>
#include <fstream>
#include <vector>
#include "CJqLoginDlg.h"
#include "MpLogging.h"
#include "MpResourceBrowser.h"
#include "MpStrings.h"
#include "MpUiResourceBrowserConfig.h"
#include "MpUiResourceString.h"
#include "MpWipe.h"
#include "WidgetDeckResults.h"
#include "resource.h"

namespace {

const char kCategory[] = "MpUiResourceBrowser";
const char* const kEntryNames[9] = {
    "RB_InitResourceBrowser", "RB_ActivateResourceBrowser", "RB_DeactivateResourceBrowser",
    "RB_ExitResourceBrowser", "RB_GetSelectedResources",    "RB_GetResourceQDSXML",
    "RB_GetQDSXML_FileName",  "RB_GetAssociatedFileIds",    "RB_SetConfig"};
enum { kInit, kActivate, kDeactivate, kExit, kSelected, kQdsXml, kQdsXmlFileName, kFileIds, kSetConfig };

MpUiResourceBrowser* g_instance = nullptr;

void logLine(int severity, int flag, const std::string& text, int line) {
  if (g_spLogger.get()) g_spLogger->log(severity, flag, text, kCategory, line);
}

std::string resourceString(unsigned id) { return getResourceString(id, "", "", "", ""); }

// The folder of the running program, with its closing backslash; false when its path does not
// fit (the cut path names no folder to load from).
bool applicationFolder(std::string& folder) {
  char path[MAX_PATH] = "";
  const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return MpResourceBrowser::folderOfModule(std::string(path, length), MAX_PATH, folder);
}

std::string systemErrorText(DWORD error) {
  char text[512] = "";
  ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, sizeof text,
                   nullptr);
  return MpTrimRight(text);
}

// The name of the resource data's file made from a temporary name: its ".tmp" ending (only the
// name's own; one inside a folder name stays) becomes ".qdsxml".
std::string qdsXmlName(std::string name) {
  const std::string tmp = ".tmp";
  if (name.size() >= tmp.size() && name.compare(name.size() - tmp.size(), tmp.size(), tmp) == 0)
    name.replace(name.size() - tmp.size(), tmp.size(), ".qdsxml");
  else
    name += ".qdsxml";
  return name;
}

// Tries of a new file name before the resource data is given up.
const int kFileNameTries = 100;

// A drive path ("C:\...") or a network path ("\\server\..."): a folder that does not depend on
// the current drive or folder.
bool isAbsolutePath(const std::string& path) {
  if (path.size() >= 3 && isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
      (path[2] == '\\' || path[2] == '/'))
    return true;
  return path.size() >= 2 && (path[0] == '\\' || path[0] == '/') && path[1] == path[0];
}

}  // namespace

MpUiResourceBrowser::MpUiResourceBrowser() = default;
MpUiResourceBrowser::~MpUiResourceBrowser() = default;

MpStatus MpUiResourceBrowser::init() {
  if (m_initialised) return MpStatus::MpSuccess;
  try {
    MpResultStatus status;
    status = loadIntegrationDll();
    status = readConfig();
    status = loadBrowserDll();
  } catch (MpFail&) {
    return MpStatus::MpFailure;
  }
  m_initialised = true;
  return MpStatus::MpSuccess;
}

MpStatus MpUiResourceBrowser::loadIntegrationDll() {
  try {
    IMpUtOsDllPtr os(CLSID_MpUtOs, nullptr);
    if (os.isNull()) return MpStatus::MpSuccess;
    // From the program's own folder, never from wherever the search order would find a name.
    const char name[] = "MpJqIntegration.dll";
    std::string folder;
    if (!applicationFolder(folder)) throw MpFail(IDS_RB_INTEGRATION_MISSING, name, systemErrorText(ERROR_FILENAME_EXCED_RANGE).c_str());
    const std::string path = folder + name;
    if (!os->loadDll(path)) {
      std::string error;
      os->getLastErrorText(error);
      throw MpFail(IDS_RB_INTEGRATION_MISSING, path.c_str(), error.c_str());
    }
  } catch (MpFail&) {
    return MpStatus::MpFailure;
  }
  return MpStatus::MpSuccess;
}

MpStatus MpUiResourceBrowser::readConfig() {
  try {
    IMpSystemInfoPtr system(CLSID_MpSystemInfo, nullptr);
    IMpUtOsFilePtr files(CLSID_MpUtOs, nullptr);
    if (system.isNull() || files.isNull()) return MpStatus::MpSuccess;
    const std::string home = system->getEnvironmentVariable("KVX_MP_HOME");
    if (home.empty()) return MpStatus::MpSuccess;
    m_configuration["CONFIG_HOME"] = home;
    const std::string path = MpStrFormat("%s%s", home.c_str(), MpResourceBrowser::configFileSuffix.c_str());
    if (!files->fileExists(path)) throw MpFail(MpUtils::eUnavailable, IDS_RB_CONFIG_MISSING, path.c_str());
    std::ifstream in(path.c_str());
    if (!in) return MpStatus::MpSuccess;
    MpResourceBrowser::readConfigStream(in, m_configuration);
  } catch (MpFail&) {
    return MpStatus::MpFailure;
  }
  return MpStatus::MpSuccess;
}

MpStatus MpUiResourceBrowser::loadBrowserDll() {
  try {
    MpResultStatus status;
    const std::string path = config("RB_HOME") + "\\libresource_browser.dll";
    IMpUtOsDllPtr os(CLSID_MpUtOs, nullptr);
    // Without the OS services, and for a folder that depends on the current folder, the library
    // is not loaded.
    status.assign(os.isValid() && isAbsolutePath(path) && os->loadDll(path), IDS_RB_LIBRARY_MISSING, path.c_str());
    for (int i = 0; i < 9; ++i) status.assign(os->getProcAddress(kEntryNames[i], &m_entries[i]), IDS_RB_ENTRY_MISSING, kEntryNames[i]);
  } catch (MpFail&) {
    return MpStatus::MpFailure;
  }
  return MpStatus::MpSuccess;
}

void MpUiResourceBrowser::setEnvironmentResource(IMpPmEnvironmentResource* resource) {
  m_environmentResource = resource;
}
void MpUiResourceBrowser::setOptions(IMpOptions* options) { m_options = options; }
void MpUiResourceBrowser::setModeler(IMpMoModeler* modeler) { m_modeler = modeler; }

bool MpUiResourceBrowser::browseResources(MpZulSmartList&) { return false; }

MpStatus MpUiResourceBrowser::exit() {
  try {
    if (m_loggedIn && m_entries[kExit]) {
      m_loggedIn = false;
      reinterpret_cast<VoidFn>(m_entries[kExit])();
    }
  } catch (MpFail&) {
    return MpStatus::MpFailure;
  }
  return MpStatus::MpSuccess;
}

MpStatus MpUiResourceBrowser::login() {
  try {
    if (m_loggedIn) return MpStatus::MpSuccess;
    CJqLoginDlg dialog(nullptr);
    dialog.setLoginCallBackFunction(&MpUiResourceBrowser::loginCallback);
    if (dialog.DoModal() != IDOK) throw MpFail(MpUtils::eUnavailable, IDS_RB_LOGIN_CANCELLED);
    m_loggedIn = true;
  } catch (MpFail&) {
    return MpStatus::MpFailure;
  }
  return MpStatus::MpSuccess;
}

bool MpUiResourceBrowser::loginCallback(std::string user, std::string password, std::string group,
                                        std::string& reason) {
  const MpWipeOnExit wipePassword(password);  // this copy is the callback's own
  reason.clear();
  MpUiResourceBrowser* browser = MpResourceBrowser::getResourceBrowser();
  if (!browser) {
    reason = resourceString(IDS_RB_NO_INSTANCE);
    return false;
  }
  if (!browser->m_entries[kInit]) {
    reason = resourceString(IDS_RB_LOGIN_FAILED);
    return false;
  }
  const std::string url = browser->config("RB_SERVERURL");
  const std::string configPath = browser->config("CONFIG_HOME") + MpResourceBrowser::configFileSuffix;
  const int result = reinterpret_cast<InitFn>(browser->m_entries[kInit])(user.c_str(), password.c_str(),
                                                                          group.c_str(), url.c_str(),
                                                                          configPath.c_str());
  if (result == 0) return true;
  reason = resourceString(IDS_RB_LOGIN_FAILED);
  if (result == 1) reason += resourceString(IDS_RB_REASON_1);
  if (result == 2) reason += resourceString(IDS_RB_REASON_2);
  return false;
}

bool MpUiResourceBrowser::deactivate() {
  if (!m_entries[kDeactivate]) return false;
  return reinterpret_cast<DeactivateFn>(m_entries[kDeactivate])(0) == 1;
}

MpStatus MpUiResourceBrowser::getSelectedResources(MpZulSmartList& out) {
  try {
    IMpTiReaderPtr reader(CLSID_MpTiReader, nullptr);
    if (reader.isNull() || !m_entries[kSelected]) return MpStatus::MpSuccess;
    int count = 0;
    char** ids = nullptr;
    char** names = nullptr;
    char** types = nullptr;
    void* unused = nullptr;
    char** descriptions = nullptr;
    if (reinterpret_cast<SelectedFn>(m_entries[kSelected])(&count, &ids, &names, &types, &unused, &descriptions) != 0)
      return MpStatus::MpSuccess;
    if (count < 1) throw MpFail(IDS_RB_NOTHING_SELECTED);
    auto textOf = [](char** texts, int i) { return texts && texts[i] ? texts[i] : "unknown"; };
    for (int i = 0; i < count; ++i) {
      logLine(MpLog::Warning, MpLog::NoFlag,
              getResourceString(IDS_RB_IMPORTING, textOf(names, i), textOf(types, i), textOf(descriptions, i), ""), 0);
      if (!ids || !ids[i]) continue;
      std::string fileName;
      MpResultStatus status;
      status = getResourceQdsXml(ids[i], 1, fileName);
      reader->import(fileName, m_environmentResource.get(), m_options.get(), m_modeler.get(),
                     &MpUiResourceBrowser::getAssociatedFileIds);
      reader->getImportedNodes(out);
      removeQdsXmlFile(fileName);
    }
  } catch (MpFail&) {
    return MpStatus::MpFailure;
  }
  int severity = 0;
  std::string text;
  if (g_spLogger.get() && g_spLogger->getLastMessage(severity, text) && !text.empty())
    return MpStatus::MpFailureWarning;
  return MpStatus::MpSuccess;
}

MpStatus MpUiResourceBrowser::getAssociatedFileIds(std::string identifier, std::list<std::string>& out) {
  MpUiResourceBrowser* browser = MpResourceBrowser::getResourceBrowser();
  if (!browser || !browser->m_entries[kFileIds]) return MpStatus::MpSuccess;
  const char** files = nullptr;
  int count = 0;
  if (reinterpret_cast<FileIdsFn>(browser->m_entries[kFileIds])(identifier.c_str(), &files, &count) == 0 && files)
    for (int i = 0; i < count; ++i)
      if (files[i]) out.push_back(files[i]);
  return MpStatus::MpSuccess;
}

MpStatus MpUiResourceBrowser::getResourceQdsXml(const char* identifier, int flag, std::string& fileName) {
  try {
    IMpUtOsFilePtr files(CLSID_MpUtOs, nullptr);
    if (files.isNull() || !m_entries[kQdsXml]) throw MpFail(IDS_RB_NO_RESOURCE_XML);
    Buffer buffer = {0, nullptr};
    if (reinterpret_cast<QdsXmlFn>(m_entries[kQdsXml])(identifier, flag, &buffer) != 0 || buffer.length < 1 ||
        !buffer.data)
      throw MpFail(IDS_RB_NO_RESOURCE_XML);
    // A new file of its own, never one that exists: a taken name is passed over for the next.
    // Each temporary name's file stays until the end, so that the next name differs.
    std::vector<std::string> reserved;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int i = 0; i < kFileNameTries && file == INVALID_HANDLE_VALUE; ++i) {
      std::string name;
      if (!files->getTempFileName(name)) break;
      reserved.push_back(name);
      fileName = qdsXmlName(name);
      file = ::CreateFileA(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
      if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) break;
    }
    for (const std::string& name : reserved) files->deleteFile(name);
    if (file == INVALID_HANDLE_VALUE) throw MpFail(IDS_RB_NO_TEMP_FILE);
    DWORD written = 0;
    const BOOL ok = ::WriteFile(file, buffer.data, static_cast<DWORD>(buffer.length), &written, nullptr);
    ::CloseHandle(file);
    if (!ok || written != static_cast<DWORD>(buffer.length)) {
      ::DeleteFileA(fileName.c_str());
      throw MpFail(IDS_RB_NO_TEMP_FILE);
    }
  } catch (MpFail&) {
    fileName.clear();
    return MpStatus::MpFailure;
  }
  return MpStatus::MpSuccess;
}

MpStatus MpUiResourceBrowser::removeQdsXmlFile(const std::string& fileName) {
  IMpUtOsFilePtr files(CLSID_MpUtOs, nullptr);
  if (files.isNull() || !files->deleteFile(fileName))
    logLine(MpLog::ProgrammingError, MpLog::ProgrammingFlag,
            "MpUiResourceBrowser::removeQdsXmlFile - failed to remove file " + fileName, 713);
  return MpStatus::MpSuccess;
}

namespace MpResourceBrowser {

MpUiResourceBrowser* getResourceBrowser() {
  if (g_instance) return g_instance;
  g_instance = new (std::nothrow) MpUiResourceBrowser();
  if (!g_instance) return nullptr;
  if (g_spLogger.get()) g_spLogger->addCategory(MpLog::CategoryKind, MpLog::Error, kCategory, 0, 0, 0);
  try {
    MpResultStatus status;
    status = g_instance->init();
  } catch (MpFail& fail) {
    if (fail.fail() == IDS_RB_CONFIG_MISSING || fail.fail() == IDS_RB_LIBRARY_MISSING) {
      fail.log(true);
    } else {
      std::string heading = resourceString(IDS_RB_START_FAILED);
      WidgetDeck::showResultMessages(fail, heading);
    }
    deleteResourceBrowser(true);
  } catch (...) {
    logLine(MpLog::Error, MpLog::NoFlag, resourceString(IDS_RB_UNKNOWN_EXCEPTION), 101);
    deleteResourceBrowser(true);
  }
  return g_instance;
}

void deleteResourceBrowser(bool skipExit) {
  if (!g_instance) return;
  if (!skipExit) {
    try {
      MpResultStatus status;
      status = g_instance->exit();
    } catch (MpFail& fail) {
      fail.log(false);
    } catch (...) {
      logLine(MpLog::Error, MpLog::NoFlag, resourceString(IDS_RB_UNKNOWN_EXCEPTION), 121);
    }
  }
  delete g_instance;
  g_instance = nullptr;
  if (g_spLogger.get()) g_spLogger->removeCategory(MpLog::CategoryKind, kCategory);
}

void terminateResourceBrowser() { deleteResourceBrowser(false); }

}  // namespace MpResourceBrowser
