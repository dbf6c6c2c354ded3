// The folder dialog: the shell's folder browser with an edit box above the folder tree, in which
// the user may also type the path of a folder that does not exist yet; on OK a missing folder is
// created, with its missing parents, after the user agrees. The path checks are offered as static
// helpers too. Paths are at most MAX_PATH characters including the terminating zero.
#pragma once
#include <afxwin.h>
#include <shlobj.h>
#include "WidgetDeckApi.h"

class MpUiCPathDialog;

// The browser window while it is up: takes over its OK button and watches the edit box.
class CPathDialogSub : public CWnd {
 public:
  MpUiCPathDialog* m_pPathDialog = nullptr;

 protected:
  afx_msg void OnOK();
  afx_msg void OnChangeEditPath();
  DECLARE_MESSAGE_MAP()
};

class WIDGETDECK_API MpUiCPathDialog {
 public:
  // Caption of the browser window (null keeps the shell's), title above the tree, folder selected
  // at first (null: the current directory), parent.
  MpUiCPathDialog(const char* lpszCaption = nullptr, const char* lpszTitle = nullptr,
                  const char* lpszInitialPath = nullptr, CWnd* pParent = nullptr);
  ~MpUiCPathDialog();

  // 1 when the user confirmed a path, -1 otherwise.
  virtual int DoModal();
  CString GetPathName() const;

  // 1 for a valid single path component, else 0.
  static int IsFileNameValid(const char* lpszFileName);
  // 0 when the folder exists (created on the user's agreement), 1 invalid, 2 not creatable,
  // -1 declined; failures are reported in a message box.
  static int MakeSurePathExists(const char* lpszPath);
  // 0 valid (and the folders exist unless only validating), 1 invalid, 2 not creatable.
  static int Touch(const char* lpszPath, int bValidate);
  // Appends a component in place (the buffer holds MAX_PATH characters); 1 when the path is not a
  // drive path or the result would not fit.
  static int ConcatPath(char* lpszPath, const char* lpszComponent);

 private:
  friend class CPathDialogSub;
  static int CALLBACK BrowseCallbackProc(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData);

  const char* m_lpszCaption;
  const char* m_lpszInitialPath;
  char m_szPathName[MAX_PATH];
  BROWSEINFOA m_bi;
  HWND m_hWnd = nullptr;
  CWnd* m_pParentWnd;
  BOOL m_bGetSuccess = FALSE;
  CPathDialogSub m_PathDialogSub;
};
