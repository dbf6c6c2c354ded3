// CPropertySheet and CPropertyPage over comctl32's property sheet. The sheet is always
// created modeless and run by our own modal loop, so scripted steps can drive it.
#include "afxdlgs.h"
#include "afxmodal_.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

HWND AfxModalOwner(CWnd* pParent);  // dialog.cpp

namespace {
thread_local CPropertySheet* t_pSheetInit = nullptr;

// Pages are attached to their object by the creation hook; the dialog procedure only
// catches a page the hook missed.
INT_PTR CALLBACK AfxPageDlgProc(HWND hWnd, UINT msg, WPARAM, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    auto* psp = reinterpret_cast<PROPSHEETPAGEA*>(lParam);
    auto* page = reinterpret_cast<CPropertyPage*>(psp->lParam);
    if (page && page->m_hWnd != hWnd) {
      page->SubclassWindow(hWnd);
      return page->OnInitDialog();
    }
  }
  return FALSE;
}

UINT CALLBACK AfxPageCallback(HWND, UINT msg, PROPSHEETPAGEA* psp) {
  if (msg == PSPCB_CREATE) AfxHookWindowCreate(reinterpret_cast<CPropertyPage*>(psp->lParam));
  return 1;
}

int CALLBACK AfxSheetCallback(HWND hWnd, UINT msg, LPARAM) {
  if (msg == PSCB_INITIALIZED && t_pSheetInit && t_pSheetInit->m_hWnd != hWnd) {
    t_pSheetInit->SubclassWindow(hWnd);
  }
  return 0;
}
}  // namespace

// ---------------------------------------------------------------------------------------
// CPropertyPage
// ---------------------------------------------------------------------------------------
CPropertyPage::CPropertyPage() { Construct(0, 0); }
CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption, DWORD) { Construct(nIDTemplate, nIDCaption); }
CPropertyPage::CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption, DWORD) {
  Construct(0, nIDCaption);
  m_lpszTemplateName = lpszTemplateName;
  if (IS_INTRESOURCE(lpszTemplateName)) m_nIDHelp = (UINT)(UINT_PTR)lpszTemplateName;
}

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption) {
  ZeroMemory(&m_psp, sizeof(m_psp));
  m_psp.dwSize = sizeof(m_psp);
  if (nIDTemplate) {
    m_lpszTemplateName = MAKEINTRESOURCEA(nIDTemplate);
    m_nIDHelp = nIDTemplate;
  }
  if (nIDCaption && m_strCaption.LoadString(nIDCaption)) {
    m_psp.dwFlags |= PSP_USETITLE;
    m_psp.pszTitle = m_strCaption;
  }
}

BOOL CPropertyPage::OnSetActive() {
  if (m_bFirstSetActive) m_bFirstSetActive = FALSE;
  else UpdateData(FALSE);
  return TRUE;
}
BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }
BOOL CPropertyPage::OnApply() {
  OnOK();
  return TRUE;
}
void CPropertyPage::OnReset() { OnCancel(); }
void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}
BOOL CPropertyPage::OnQueryCancel() { return TRUE; }
void CPropertyPage::SetModified(BOOL bChanged) {
  HWND hSheet = ::GetParent(m_hWnd);
  ::SendMessageA(hSheet, bChanged ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}
void CPropertyPage::CancelToClose() { ::SendMessageA(::GetParent(m_hWnd), PSM_CANCELTOCLOSE, 0, 0); }

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  NMHDR* hdr = reinterpret_cast<NMHDR*>(lParam);
  HWND hSheet = ::GetParent(m_hWnd);
  if (hdr->hwndFrom != hSheet) return CDialog::OnNotify(wParam, lParam, pResult);
  LRESULT r = 0;
  switch (hdr->code) {
    case PSN_SETACTIVE:
      r = OnSetActive() ? 0 : -1;
      break;
    case PSN_KILLACTIVE:
      r = OnKillActive() ? FALSE : TRUE;  // TRUE keeps the page
      break;
    case PSN_APPLY:
      r = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
      break;
    case PSN_RESET:
      OnReset();
      break;
    case PSN_QUERYCANCEL:
      r = OnQueryCancel() ? FALSE : TRUE;
      break;
    default:
      return CDialog::OnNotify(wParam, lParam, pResult);
  }
  ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, r);
  if (pResult) *pResult = r;
  return TRUE;
}

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg) {
  // Dialog keys belong to the sheet.
  return CWnd::PreTranslateMessage(pMsg);
}

// ---------------------------------------------------------------------------------------
// CPropertySheet
// ---------------------------------------------------------------------------------------
BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
  ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet() { Construct((LPCSTR) nullptr); }
CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) {
  Construct(nIDCaption, pParentWnd, iSelectPage);
}
CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage) {
  Construct(pszCaption, pParentWnd, iSelectPage);
}
CPropertySheet::~CPropertySheet() {
  if (m_hWnd) DestroyWindow();
}

void CPropertySheet::Construct(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) {
  Construct((LPCSTR) nullptr, pParentWnd, iSelectPage);
  m_strCaption.LoadString(nIDCaption);
}

void CPropertySheet::Construct(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage) {
  ZeroMemory(&m_psh, sizeof(m_psh));
  m_psh.dwSize = sizeof(m_psh);
  m_psh.dwFlags = PSH_PROPSHEETPAGE;
  m_psh.nStartPage = iSelectPage;
  m_pParentWnd = pParentWnd;
  m_strCaption = pszCaption ? pszCaption : "";
}

void CPropertySheet::AddPage(CPropertyPage* pPage) {
  m_pages.push_back(pPage);
  if (m_hWnd) {
    BuildPropPageArray();
    HPROPSHEETPAGE h = ::CreatePropertySheetPageA(&m_psps.back());
    // A page the sheet refused (its template missing, say) is neither kept nor leaked.
    if (!h || !::SendMessageA(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(h))) {
      if (h) ::DestroyPropertySheetPage(h);
      m_pages.pop_back();
      m_psps.pop_back();
    }
  }
}

void CPropertySheet::RemovePage(int nPage) {
  if (nPage < 0 || nPage >= (int)m_pages.size()) return;
  if (m_hWnd) ::SendMessageA(m_hWnd, PSM_REMOVEPAGE, (WPARAM)nPage, 0);
  m_pages.erase(m_pages.begin() + nPage);
}
void CPropertySheet::RemovePage(CPropertyPage* pPage) { RemovePage(GetPageIndex(pPage)); }
int CPropertySheet::GetPageCount() const {
  if (m_hWnd) {
    HWND tab = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0));
    if (tab) return (int)::SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0);
  }
  return (int)m_pages.size();
}
CPropertyPage* CPropertySheet::GetPage(int n) const {
  return n >= 0 && n < (int)m_pages.size() ? m_pages[n] : nullptr;
}
int CPropertySheet::GetPageIndex(CPropertyPage* p) const {
  for (size_t i = 0; i < m_pages.size(); ++i)
    if (m_pages[i] == p) return (int)i;
  return -1;
}
int CPropertySheet::GetActiveIndex() const {
  if (!m_hWnd) return (int)m_psh.nStartPage;
  HWND page = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
  for (size_t i = 0; i < m_pages.size(); ++i)
    if (m_pages[i]->m_hWnd && m_pages[i]->m_hWnd == page) return (int)i;
  HWND tab = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0));
  return tab ? (int)::SendMessageA(tab, TCM_GETCURSEL, 0, 0) : -1;
}
CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(GetActiveIndex()); }
BOOL CPropertySheet::SetActivePage(int n) {
  if (!m_hWnd) {
    m_psh.nStartPage = (UINT)n;
    return TRUE;
  }
  return (BOOL)::SendMessageA(m_hWnd, PSM_SETCURSEL, (WPARAM)n, 0);
}
BOOL CPropertySheet::SetActivePage(CPropertyPage* p) { return SetActivePage(GetPageIndex(p)); }
CTabCtrl* CPropertySheet::GetTabControl() const {
  return static_cast<CTabCtrl*>(
      CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0))));
}
void CPropertySheet::SetTitle(LPCSTR text, UINT nStyle) {
  m_strCaption = text;
  m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
  if (m_hWnd) ::SendMessageA(m_hWnd, PSM_SETTITLEA, nStyle, reinterpret_cast<LPARAM>(text));
}
void CPropertySheet::PressButton(int nButton) { ::SendMessageA(m_hWnd, PSM_PRESSBUTTON, (WPARAM)nButton, 0); }
void CPropertySheet::EndDialog(int nEndID) {
  m_nModalResult = nEndID;
  PressButton(nEndID == IDOK ? PSBTN_OK : PSBTN_CANCEL);
}

void CPropertySheet::BuildPropPageArray() {
  m_psps.clear();
  for (CPropertyPage* page : m_pages) {
    PROPSHEETPAGEA psp = page->m_psp;
    psp.dwSize = sizeof(psp);
    psp.dwFlags |= PSP_USECALLBACK;
    psp.hInstance = AfxFindResourceHandle(page->m_lpszTemplateName, reinterpret_cast<LPCSTR>(RT_DIALOG));
    psp.pszTemplate = page->m_lpszTemplateName;
    psp.pfnDlgProc = &AfxPageDlgProc;
    psp.pfnCallback = &AfxPageCallback;
    psp.lParam = reinterpret_cast<LPARAM>(page);
    if (psp.dwFlags & PSP_USETITLE) {
      if (!psp.pszTitle) psp.pszTitle = page->m_strCaption;
    }
    m_psps.push_back(psp);
  }
}

HWND CPropertySheet::CreateSheet(HWND hWndParent) {
  BuildPropPageArray();
  for (CPropertyPage* page : m_pages) page->m_bFirstSetActive = TRUE;
  m_psh.dwFlags |= PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK;
  m_psh.hwndParent = hWndParent;
  m_psh.hInstance = AfxGetResourceHandle();
  m_psh.pszCaption = m_strCaption;
  m_psh.nPages = (UINT)m_psps.size();
  m_psh.ppsp = m_psps.data();
  m_psh.pfnCallback = &AfxSheetCallback;
  if (m_psh.nStartPage >= m_psh.nPages) m_psh.nStartPage = 0;
  t_pSheetInit = this;
  AfxHookWindowCreate(this);
  INT_PTR r = ::PropertySheetA(&m_psh);
  AfxUnhookWindowCreate();
  t_pSheetInit = nullptr;
  HWND h = reinterpret_cast<HWND>(r);
  if (r == 0 || r == -1 || !::IsWindow(h)) {
    if (m_hWnd) Detach();
    return nullptr;
  }
  if (m_hWnd != h) SubclassWindow(h);
  return h;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD, DWORD) {
  if (pParentWnd) m_pParentWnd = pParentWnd;
  return CreateSheet(m_pParentWnd->GetSafeHwnd()) != nullptr;
}

INT_PTR CPropertySheet::DoModal() {
  HWND hOwner = AfxModalOwner(m_pParentWnd);
  bool reenable = hOwner && ::IsWindowEnabled(hOwner);
  if (reenable) ::EnableWindow(hOwner, FALSE);
  m_nModalResult = IDCANCEL;
  HWND h = CreateSheet(hOwner);
  if (h) {
    ::ShowWindow(h, SW_SHOWNORMAL);
    bool ok = AfxRunModalLoop(
        [this] {
          AfxScript::ModalInfo info;
          info.hwnd = m_hWnd;
          CString caption;
          GetWindowText(caption);
          info.caption = (LPCSTR)caption;
          info.kind = "sheet";
          return info;
        },
        [this, h] {
          return !::IsWindow(h) || ::SendMessageA(h, PSM_GETCURRENTPAGEHWND, 0, 0) == 0;
        });
    // The sheet alone knows whether OK ended it, whatever its pages do with their notifications.
    if (ok && ::IsWindow(h)) m_nModalResult = ::SendMessageA(h, PSM_GETRESULT, 0, 0) > 0 ? IDOK : IDCANCEL;
  }
  if (reenable) ::EnableWindow(hOwner, TRUE);
  if (m_hWnd) {
    if (hOwner && ::IsWindow(hOwner)) ::SetActiveWindow(hOwner);
    DestroyWindow();
  }
  if (!h) return -1;
  return m_nModalResult;
}

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM) {
  LRESULT r = Default();
  OnInitDialog();
  return r;
}

BOOL CPropertySheet::OnInitDialog() { return TRUE; }

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    return (BOOL)::SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(pMsg));
  return FALSE;
}
