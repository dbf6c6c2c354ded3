// CFileDialog: the common open and save dialog, explorer style with a hook child window that
// the object is attached to, so that its notifications reach the overrides below.
#pragma once
#include "afxwin.h"
#include "afxcoll.h"
#include <commdlg.h>
#include <string>
#include <vector>

class AFX_API CFileDialog : public CDialog {
  DECLARE_DYNAMIC(CFileDialog)
public:
  // The filter uses '|' between descriptions and patterns and ends with "||". bVistaStyle is
  // accepted for the signature; the dialog is always the explorer-style common dialog.
  explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                       DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                       CWnd* pParentWnd = nullptr, DWORD dwSize = 0, BOOL bVistaStyle = TRUE);
  ~CFileDialog() override;

  OPENFILENAMEA m_ofn;
  OPENFILENAMEA& GetOFN() { return m_ofn; }
  BOOL m_bOpenFileDialog;

  // IDOK when a file was chosen, IDCANCEL otherwise.
  INT_PTR DoModal() override;

  // While the dialog is up these ask the dialog; afterwards they read the result.
  CString GetPathName() const;
  CString GetFileName() const;
  CString GetFileExt() const;  // without the dot
  CString GetFolderPath() const;
  // The chosen files, one at a time, with their folders.
  POSITION GetStartPosition() const;
  CString GetNextPathName(POSITION& pos) const;

protected:
  // Zero accepts the chosen file, non-zero keeps the dialog open.
  virtual BOOL OnFileNameOK();
  virtual void OnInitDone();
  virtual void OnFileNameChange();
  virtual void OnFolderChange();
  virtual void OnTypeChange();
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
  std::string m_filter;         // '\0'-separated, as the common dialog takes it
  std::string m_defExt;
  std::vector<char> m_fileBuffer;
  friend UINT_PTR CALLBACK AfxFileDialogHook(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK AfxFileDialogOwnerProc(HWND, UINT, WPARAM, LPARAM);
};
