// The application object and its profile. Included by afxwin.h.
#pragma once

class CWinThread : public CCmdTarget {
  DECLARE_DYNAMIC(CWinThread)
public:
  CWinThread();
  ~CWinThread() override;

  CWnd* m_pMainWnd = nullptr;    // the thread's main window
  CWnd* m_pActiveWnd = nullptr;  // the window active while a modal loop runs, if any
  DWORD m_nThreadID = 0;

  virtual CWnd* GetMainWnd();
  virtual BOOL InitInstance();
  virtual int ExitInstance();
};

// The application. Constructing one makes it the object AfxGetApp() answers; destroying it
// gives that place back to the application object that was current before it.
//
// Profile: values live in the registry under
// HKEY_CURRENT_USER\Software\<registry key>\<profile name>\<section>, strings as REG_SZ,
// integers as REG_DWORD and binary values as REG_BINARY. SetRegistryKey chooses the key;
// without it the key is "WidgetDeck" (the profile never goes to .ini files). The profile
// name is the application name.
class CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)
public:
  // Without a name, the executable's file name without its extension.
  explicit CWinApp(LPCSTR lpszAppName = nullptr);
  ~CWinApp() override;

  // Heap strings (malloc): to replace one, free it and assign a _strdup copy.
  LPCSTR m_pszAppName = nullptr;
  LPCSTR m_pszExeName = nullptr;
  LPCSTR m_pszRegistryKey = nullptr;
  LPCSTR m_pszProfileName = nullptr;
  HINSTANCE m_hInstance = nullptr;
  LPSTR m_lpCmdLine = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;

  BOOL InitInstance() override;
  int ExitInstance() override;

  // Cursors and icons from the first module of the resource chain that holds them.
  HCURSOR LoadCursor(UINT nIDResource) const;
  HCURSOR LoadCursor(LPCSTR lpszResourceName) const;
  HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const;
  HCURSOR LoadOEMCursor(UINT nIDCursor) const;
  HICON LoadIcon(UINT nIDResource) const;
  HICON LoadIcon(LPCSTR lpszResourceName) const;
  HICON LoadStandardIcon(LPCSTR lpszIconName) const;
  HICON LoadOEMIcon(UINT nIDIcon) const;

  // Wait cursor: nCode 1 shows it (nested calls count), -1 takes one back and restores the
  // previous cursor at the last one, 0 shows it again while any is outstanding.
  virtual void DoWaitCursor(int nCode);

  // Registry key of the profile (its name, or a string resource holding the name).
  void SetRegistryKey(LPCSTR lpszRegistryKey);
  void SetRegistryKey(UINT nIDRegistryKey);

  // The default (empty for null) when the entry is missing or is not a string.
  CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
  // A null entry removes the whole section; a null value removes the entry.
  BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
  // The default when the entry is missing or is not a number.
  UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
  BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
  // *ppData is a new[] block the caller frees with delete[]; FALSE (and null) when missing.
  BOOL GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
  BOOL WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes);

  // HKEY_CURRENT_USER\Software\<key>\<profile name> and its section keys, created when
  // missing; the caller closes them.
  HKEY GetAppRegistryKey();
  HKEY GetSectionKey(LPCSTR lpszSection);

protected:
  int m_nWaitCursorCount = 0;
  HCURSOR m_hcurWaitCursorRestore = nullptr;

private:
  CWinApp* m_pPrevApp = nullptr;
  static void SetString(LPCSTR& rField, LPCSTR lpszValue);
};

// The application object (null before one is constructed) and its name.
CWinApp* AFXAPI AfxGetApp();
LPCSTR AFXAPI AfxGetAppName();
// The thread object of the current thread: the application object here.
CWinThread* AFXAPI AfxGetThread();
