// The application object and its profile. Included by afxwin.h.
#pragma once

class AFX_API CWinThread : public CCmdTarget {
  DECLARE_DYNAMIC(CWinThread)
public:
  CWinThread() = default;
  CWnd* m_pMainWnd = nullptr;  // the thread's main window
};

// The application. Constructing one makes it the object AfxGetApp() answers; destroying it
// gives that place back to the application object that was current before it.
//
// Profile: values live in the registry under
// HKEY_CURRENT_USER\Software\WidgetDeck\<application name>\<section>, strings as REG_SZ and
// integers as REG_DWORD (the profile never goes to .ini files).
class AFX_API CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)
public:
  // Without a name, the executable's file name without its extension.
  explicit CWinApp(LPCSTR lpszAppName = nullptr);
  ~CWinApp() override;

  // A heap string (malloc): to replace it, free it and assign a _strdup copy.
  LPCSTR m_pszAppName = nullptr;

  // Cursors and icons from the first module of the resource chain that holds them.
  HCURSOR LoadCursor(UINT nIDResource) const;
  HICON LoadIcon(UINT nIDResource) const;

  // The default (empty for null) when the entry is missing or is not a string.
  CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
  // A null entry removes the whole section; a null value removes the entry.
  BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
  // The default when the entry is missing or is not a number.
  UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
  BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);

private:
  CWinApp* m_pPrevApp = nullptr;
};

// The application object (null before one is constructed) and its name.
AFX_API CWinApp* AFXAPI AfxGetApp();
AFX_API LPCSTR AFXAPI AfxGetAppName();
