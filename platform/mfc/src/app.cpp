// The application object: name, resources and the registry profile.
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

// The key under which every application's profile lives.
const char kRegistryKey[] = "WidgetDeck";

// The name is a heap string from malloc, freed with free, so that an application may replace
// it with its own _strdup copy as the class library documents.
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
// CWinApp
// ---------------------------------------------------------------------------------------
CWinApp::CWinApp(LPCSTR lpszAppName) {
  m_pszAppName = Duplicate(lpszAppName ? lpszAppName : ExeBaseName().c_str());
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
  std::free(const_cast<char*>(m_pszAppName));
  m_pszAppName = nullptr;
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const {
  LPCSTR lpszResourceName = MAKEINTRESOURCEA(nIDResource);
  HINSTANCE h = AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR);
  return h ? ::LoadCursorA(h, lpszResourceName) : nullptr;
}
HICON CWinApp::LoadIcon(UINT nIDResource) const {
  LPCSTR lpszResourceName = MAKEINTRESOURCEA(nIDResource);
  HINSTANCE h = AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON);
  return h ? ::LoadIconA(h, lpszResourceName) : nullptr;
}

// ---------------------------------------------------------------------------------------
// Profile
// ---------------------------------------------------------------------------------------
namespace {
std::string AppKeyPath(const CWinApp* app) {
  return std::string("Software\\") + kRegistryKey + "\\" +
         (app->m_pszAppName ? app->m_pszAppName : "");
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

// The application's key and its section keys, created when missing; the caller closes them.
HKEY OpenAppKey(const CWinApp* app) {
  HKEY h = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, AppKeyPath(app).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &h,
                        nullptr) != ERROR_SUCCESS)
    return nullptr;
  return h;
}

HKEY OpenSectionKey(const CWinApp* app, LPCSTR lpszSection) {
  if (lpszSection == nullptr) return nullptr;
  HKEY hApp = OpenAppKey(app);
  if (hApp == nullptr) return nullptr;
  HKEY h = nullptr;
  LONG r = ::RegCreateKeyExA(hApp, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_READ | KEY_WRITE, nullptr, &h, nullptr);
  ::RegCloseKey(hApp);
  return r == ERROR_SUCCESS ? h : nullptr;
}
}  // namespace

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
    HKEY hApp = OpenAppKey(this);
    if (hApp == nullptr) return FALSE;
    LONG r = ::RegDeleteTreeA(hApp, lpszSection);
    ::RegCloseKey(hApp);
    return r == ERROR_SUCCESS || r == ERROR_FILE_NOT_FOUND;
  }
  HKEY h = OpenSectionKey(this, lpszSection);
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
  HKEY h = OpenSectionKey(this, lpszSection);
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

// ---------------------------------------------------------------------------------------
// Globals
// ---------------------------------------------------------------------------------------
CWinApp* AFXAPI AfxGetApp() { return g_pApp; }
LPCSTR AFXAPI AfxGetAppName() { return g_pApp && g_pApp->m_pszAppName ? g_pApp->m_pszAppName : ""; }
