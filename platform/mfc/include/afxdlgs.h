// Property sheets and pages over the common controls' property sheet.
#pragma once
#include "afxwin.h"
#include "afxcmn.h"
#include <vector>

class CPropertySheet;

class AFX_API CPropertyPage : public CDialog {
  DECLARE_DYNAMIC(CPropertyPage)
public:
  CPropertyPage();
  explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0, DWORD dwSize = sizeof(PROPSHEETPAGEA));
  explicit CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0, DWORD dwSize = sizeof(PROPSHEETPAGEA));
  void Construct(UINT nIDTemplate, UINT nIDCaption = 0);

  PROPSHEETPAGEA m_psp;

  // Sheet notifications (PSN_SETACTIVE, PSN_KILLACTIVE, PSN_APPLY, PSN_RESET, PSN_QUERYCANCEL).
  virtual BOOL OnSetActive();
  virtual BOOL OnKillActive();
  virtual BOOL OnApply();
  virtual void OnReset();
  void OnOK() override;
  void OnCancel() override;
  virtual BOOL OnQueryCancel();
  void SetModified(BOOL bChanged = TRUE);
  void CancelToClose();

  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
  CString m_strCaption;
  BOOL m_bFirstSetActive = TRUE;
  friend class CPropertySheet;
};

class AFX_API CPropertySheet : public CWnd {
  DECLARE_DYNAMIC(CPropertySheet)
public:
  CPropertySheet();
  explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
  explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
  void Construct(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
  void Construct(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
  ~CPropertySheet() override;

  PROPSHEETHEADERA m_psh;

  void AddPage(CPropertyPage* pPage);
  void RemovePage(CPropertyPage* pPage);
  void RemovePage(int nPage);
  int GetPageCount() const;
  CPropertyPage* GetPage(int nPage) const;
  int GetPageIndex(CPropertyPage* pPage) const;
  CPropertyPage* GetActivePage() const;
  int GetActiveIndex() const;
  BOOL SetActivePage(int nPage);
  BOOL SetActivePage(CPropertyPage* pPage);
  CTabCtrl* GetTabControl() const;
  void SetTitle(LPCSTR lpszText, UINT nStyle = 0);
  void PressButton(int nButton);
  void EndDialog(int nEndID);

  virtual INT_PTR DoModal();
  // Modeless: the sheet stays up until destroyed.
  virtual BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);
  virtual BOOL OnInitDialog();
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // How the last modal run ended, as the sheet reports it: IDOK or IDCANCEL.
  int m_nModalResult = 0;
  CWnd* m_pParentWnd = nullptr;

protected:
  CString m_strCaption;
  std::vector<CPropertyPage*> m_pages;
  std::vector<PROPSHEETPAGEA> m_psps;
  void BuildPropPageArray();
  // The sheet window, always modeless (our modal loop runs it); null when it cannot be made.
  HWND CreateSheet(HWND hWndParent);
  LRESULT HandleInitDialog(WPARAM, LPARAM);
  friend class CPropertyPage;
  DECLARE_MESSAGE_MAP()
};

#include "afxfiledlg_.h"   // CFileDialog
