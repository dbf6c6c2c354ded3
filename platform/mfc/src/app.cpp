// The application object: name, resources, wait cursor and the registry profile.
#include "afxwin.h"
#include "afxscript.h"
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {
CWinApp* g_pApp = nullptr;

// The key of the profile when the application names none.
const char kDefaultRegistryKey[] = "WidgetDeck";

// The name fields are heap strings from malloc, freed with free, so that an application
// may replace one with its own _strdup copy as the class library documents.
char* Duplicate(LPCSTR s) { return s ? _strdup(s) : nullptr; }

std::string ExeBaseName() {
  char path[MAX_PATH] = {};
  DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path, n);
  size_t slash = s.find_last_of("\\/");
  if (slash != std::string::npos) s.erase(0, slash + 1);
  size_t dot = s.rfind('.');
  if (dot != std::string::npos) s.erase(dot);
  return s;
}
}  // namespace

// ---------------------------------------------------------------------------------------
// CWinThread
// ---------------------------------------------------------------------------------------
CWinThread::CWinThread() : m_nThreadID(::GetCurrentThreadId()) {}
CWinThread::~CWinThread() = default;
CWnd* CWinThread::GetMainWnd() { return m_pMainWnd; }
BOOL CWinThread::InitInstance() { return TRUE; }
int CWinThread::ExitInstance() { return 0; }

// ---------------------------------------------------------------------------------------
// CWinApp
// ---------------------------------------------------------------------------------------
CWinApp::CWinApp(LPCSTR lpszAppName) {
  std::string exe = ExeBaseName();
  SetString(m_pszExeName, exe.c_str());
  SetString(m_pszAppName, lpszAppName ? lpszAppName : exe.c_str());
  m_hInstance = ::GetModuleHandleA(nullptr);
  m_pPrevApp = g_pApp;
  g_pApp = this;
}

CWinApp::~CWinApp() {
  // Give the place back, or unlink from the chain of applications made before us.
  if (g_pApp == this) {
    g_pApp = m_pPrevApp;
  } else {
    for (CWinApp* p = g_pApp; p; p = p->m_pPrevApp) {
      if (p->m_pPrevApp == this) {
        p->m_pPrevApp = m_pPrevApp;
        break;
      }
    }
  }
  SetString(m_pszAppName, nullptr);
  SetString(m_pszExeName, nullptr);
  SetString(m_pszRegistryKey, nullptr);
  SetString(m_pszProfileName, nullptr);
}

void CWinApp::SetString(LPCSTR& rField, LPCSTR lpszValue) {
  char* copy = Duplicate(lpszValue);  // before freeing: the value may be the field itself
  std::free(const_cast<char*>(rField));
  rField = copy;
}

BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return 0; }

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const {
  return LoadCursor(MAKEINTRESOURCEA(nIDResource));
}
HCURSOR CWinApp::LoadCursor(LPCSTR lpszResourceName) const {
  HINSTANCE h = AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR);
  return h ? ::LoadCursorA(h, lpszResourceName) : nullptr;
}
HCURSOR CWinApp::LoadStandardCursor(LPCSTR lpszCursorName) const {
  return ::LoadCursorA(nullptr, lpszCursorName);
}
HCURSOR CWinApp::LoadOEMCursor(UINT nIDCursor) const {
  return ::LoadCursorA(nullptr, MAKEINTRESOURCEA(nIDCursor));
}
HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCEA(nIDResource)); }
HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const {
  HINSTANCE h = AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON);
  return h ? ::LoadIconA(h, lpszResourceName) : nullptr;
}
HICON CWinApp::LoadStandardIcon(LPCSTR lpszIconName) const {
  return ::LoadIconA(nullptr, lpszIconName);
}
HICON CWinApp::LoadOEMIcon(UINT nIDIcon) const {
  return ::LoadIconA(nullptr, MAKEINTRESOURCEA(nIDIcon));
}

void CWinApp::DoWaitCursor(int nCode) {
  HCURSOR wait = ::LoadCursorA(nullptr, IDC_WAIT);
  if (nCode > 0) {
    HCURSOR previous = ::SetCursor(wait);
    if (m_nWaitCursorCount++ == 0) m_hcurWaitCursorRestore = previous;
  } else if (nCode < 0) {
    if (m_nWaitCursorCount > 0 && --m_nWaitCursorCount == 0) {
      ::SetCursor(m_hcurWaitCursorRestore ? m_hcurWaitCursorRestore
                                          : ::LoadCursorA(nullptr, IDC_ARROW));
      m_hcurWaitCursorRestore = nullptr;
    }
  } else if (m_nWaitCursorCount > 0) {
    ::SetCursor(wait);
  }
}

// ---------------------------------------------------------------------------------------
// Profile
// ---------------------------------------------------------------------------------------
void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey) {
  SetString(m_pszRegistryKey, lpszRegistryKey);
  SetString(m_pszProfileName, m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey) {
  CString key;
  if (key.LoadString(nIDRegistryKey)) SetRegistryKey(key.GetString());
}

namespace {
std::string AppKeyPath(const CWinApp* app) {
  std::string path = "Software\\";
  path +=
      app->m_pszRegistryKey && *app->m_pszRegistryKey ? app->m_pszRegistryKey : kDefaultRegistryKey;
  path += '\\';
  const char* profile = app->m_pszProfileName ? app->m_pszProfileName : app->m_pszAppName;
  path += profile ? profile : "";
  return path;
}

// The section's key for reading: null when it does not exist.
HKEY OpenSectionForRead(const CWinApp* app, LPCSTR lpszSection) {
  if (lpszSection == nullptr) return nullptr;
  std::string path = AppKeyPath(app) + "\\" + lpszSection;
  HKEY h = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
    return nullptr;
  return h;
}

// The raw value of an entry, with its type; false when missing.
bool QueryValue(HKEY h, LPCSTR lpszEntry, DWORD* pType, std::vector<BYTE>* pData) {
  DWORD size = 0;
  if (::RegQueryValueExA(h, lpszEntry, nullptr, pType, nullptr, &size) != ERROR_SUCCESS)
    return false;
  pData->assign(size, 0);
  if (size == 0) return true;
  if (::RegQueryValueExA(h, lpszEntry, nullptr, pType, pData->data(), &size) != ERROR_SUCCESS)
    return false;
  pData->resize(size);
  return true;
}
}  // namespace

HKEY CWinApp::GetAppRegistryKey() {
  HKEY h = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, AppKeyPath(this).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &h,
                        nullptr) != ERROR_SUCCESS)
    return nullptr;
  return h;
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection) {
  if (lpszSection == nullptr) return nullptr;
  HKEY hApp = GetAppRegistryKey();
  if (hApp == nullptr) return nullptr;
  HKEY h = nullptr;
  LONG r = ::RegCreateKeyExA(hApp, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_READ | KEY_WRITE, nullptr, &h, nullptr);
  ::RegCloseKey(hApp);
  return r == ERROR_SUCCESS ? h : nullptr;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault) {
  CString result(lpszDefault);
  HKEY h = OpenSectionForRead(this, lpszSection);
  if (h == nullptr) return result;
  DWORD type = 0;
  std::vector<BYTE> data;
  if (lpszEntry && QueryValue(h, lpszEntry, &type, &data) &&
      (type == REG_SZ || type == REG_EXPAND_SZ)) {
    // The stored text need not end with its NUL.
    size_t n = 0;
    while (n < data.size() && data[n] != 0) ++n;
    result = CString(reinterpret_cast<LPCSTR>(data.data()), (int)n);
  }
  ::RegCloseKey(h);
  return result;
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue) {
  if (lpszSection == nullptr) return FALSE;
  if (lpszEntry == nullptr) {
    HKEY hApp = GetAppRegistryKey();
    if (hApp == nullptr) return FALSE;
    LONG r = ::RegDeleteTreeA(hApp, lpszSection);
    ::RegCloseKey(hApp);
    return r == ERROR_SUCCESS || r == ERROR_FILE_NOT_FOUND;
  }
  HKEY h = GetSectionKey(lpszSection);
  if (h == nullptr) return FALSE;
  LONG r;
  if (lpszValue == nullptr) {
    r = ::RegDeleteValueA(h, lpszEntry);
    if (r == ERROR_FILE_NOT_FOUND) r = ERROR_SUCCESS;  // already gone
  } else {
    r = ::RegSetValueExA(h, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                         (DWORD)std::strlen(lpszValue) + 1);
  }
  ::RegCloseKey(h);
  if (r == ERROR_SUCCESS) {
    if (AfxScript::Player* p = AfxScript::GetPlayer())
      p->ProfileWritten(lpszSection, lpszEntry, lpszValue ? lpszValue : "");
  }
  return r == ERROR_SUCCESS;
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault) {
  UINT result = (UINT)nDefault;
  HKEY h = OpenSectionForRead(this, lpszSection);
  if (h == nullptr) return result;
  DWORD type = 0;
  std::vector<BYTE> data;
  if (lpszEntry && QueryValue(h, lpszEntry, &type, &data) && type == REG_DWORD &&
      data.size() == sizeof(DWORD)) {
    DWORD v;
    std::memcpy(&v, data.data(), sizeof(v));
    result = (UINT)v;
  }
  ::RegCloseKey(h);
  return result;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue) {
  if (lpszEntry == nullptr) return FALSE;
  HKEY h = GetSectionKey(lpszSection);
  if (h == nullptr) return FALSE;
  DWORD v = (DWORD)nValue;
  LONG r =
      ::RegSetValueExA(h, lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof(v));
  ::RegCloseKey(h);
  if (r == ERROR_SUCCESS) {
    if (AfxScript::Player* p = AfxScript::GetPlayer())
      p->ProfileWritten(lpszSection, lpszEntry, std::to_string(nValue));
  }
  return r == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes) {
  *ppData = nullptr;
  *pBytes = 0;
  HKEY h = OpenSectionForRead(this, lpszSection);
  if (h == nullptr) return FALSE;
  DWORD type = 0;
  std::vector<BYTE> data;
  BOOL ok = lpszEntry && QueryValue(h, lpszEntry, &type, &data) && type == REG_BINARY;
  ::RegCloseKey(h);
  if (!ok) return FALSE;
  *ppData = new BYTE[data.empty() ? 1 : data.size()];
  if (!data.empty()) std::memcpy(*ppData, data.data(), data.size());
  *pBytes = (UINT)data.size();
  return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes) {
  if (lpszEntry == nullptr) return FALSE;
  HKEY h = GetSectionKey(lpszSection);
  if (h == nullptr) return FALSE;
  LONG r = ::RegSetValueExA(h, lpszEntry, 0, REG_BINARY, pData, nBytes);
  ::RegCloseKey(h);
  return r == ERROR_SUCCESS;
}

// ---------------------------------------------------------------------------------------
// Globals
// ---------------------------------------------------------------------------------------
CWinApp* AFXAPI AfxGetApp() { return g_pApp; }
LPCSTR AFXAPI AfxGetAppName() { return g_pApp && g_pApp->m_pszAppName ? g_pApp->m_pszAppName : ""; }
CWinThread* AFXAPI AfxGetThread() { return g_pApp; }
