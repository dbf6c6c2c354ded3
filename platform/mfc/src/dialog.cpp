// CDialog: modal and modeless dialogs from templates found through the resource chain.
#include "afxwin.h"
#include "afxmodal_.h"
#include <cstring>
#include <string>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
  ON_COMMAND(IDOK, OnOK)
  ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

// Everything reaches the dialog through its subclassed window procedure; the dialog
// procedure itself has nothing left to do.
static INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

CDialog::CDialog() = default;
CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd) {}
CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {
  if (IS_INTRESOURCE(lpszTemplateName)) m_nIDHelp = (UINT)(UINT_PTR)lpszTemplateName;
}
CDialog::~CDialog() {
  if (m_hWnd) DestroyWindow();
}

LPCDLGTEMPLATEA CDialog::LoadTemplate(HINSTANCE* phInst) const {
  if (!m_lpszTemplateName) return nullptr;
  HINSTANCE h = AfxFindResourceHandle(m_lpszTemplateName, reinterpret_cast<LPCSTR>(RT_DIALOG));
  if (!h) return nullptr;
  HRSRC r = ::FindResourceA(h, m_lpszTemplateName, reinterpret_cast<LPCSTR>(RT_DIALOG));
  HGLOBAL g = r ? ::LoadResource(h, r) : nullptr;
  if (!g) return nullptr;
  *phInst = h;
  return static_cast<LPCDLGTEMPLATEA>(::LockResource(g));
}

BOOL CDialog::CreateFromTemplate(LPCDLGTEMPLATEA lpTemplate, HINSTANCE hInst, HWND hWndParent) {
  AfxHookWindowCreate(this);
  HWND h = ::CreateDialogIndirectParamA(hInst, lpTemplate, hWndParent, &AfxDlgProc,
                                        reinterpret_cast<LPARAM>(this));
  AfxUnhookWindowCreate();
  if (!h) {
    if (m_hWnd) Detach();
    return FALSE;
  }
  if (m_hWnd != h) SubclassWindow(h);
  return TRUE;
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd) {
  m_lpszTemplateName = lpszTemplateName;
  if (IS_INTRESOURCE(lpszTemplateName)) m_nIDHelp = (UINT)(UINT_PTR)lpszTemplateName;
  if (pParentWnd) m_pParentWnd = pParentWnd;
  HINSTANCE hInst = nullptr;
  LPCDLGTEMPLATEA t = LoadTemplate(&hInst);
  if (!t) return FALSE;
  return CreateFromTemplate(t, hInst, m_pParentWnd->GetSafeHwnd());
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd) {
  if (pParentWnd) m_pParentWnd = pParentWnd;
  return CreateFromTemplate(lpDialogTemplate, AfxGetInstanceHandle(), m_pParentWnd->GetSafeHwnd());
}

// The owner of a modal window: the given parent's top-level window, else the active window.
HWND AfxModalOwner(CWnd* pParent) {
  HWND h = pParent ? pParent->GetSafeHwnd() : nullptr;
  if (!h) h = ::GetActiveWindow();
  if (!h) {
    if (CWnd* pMain = AfxGetMainWnd()) h = pMain->GetSafeHwnd();
  }
  while (h && (::GetWindowLongA(h, GWL_STYLE) & WS_CHILD)) h = ::GetParent(h);
  return h;
}

INT_PTR CDialog::DoModal() {
  HINSTANCE hInst = nullptr;
  LPCDLGTEMPLATEA t = LoadTemplate(&hInst);
  if (!t) return -1;
  HWND hOwner = AfxModalOwner(m_pParentWnd);
  bool reenable = hOwner && ::IsWindowEnabled(hOwner);
  if (reenable) ::EnableWindow(hOwner, FALSE);

  m_nModalResult = -1;
  m_bInModal = TRUE;
  if (CreateFromTemplate(t, hInst, hOwner)) {
    // A window OnInitDialog (or its template) already showed keeps the state it was shown in,
    // maximized for one, as a restored placement leaves it.
    if (!(GetStyle() & WS_VISIBLE)) ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
    HWND hSelf = m_hWnd;
    bool ok = AfxRunModalLoop(
        [this] {
          AfxScript::ModalInfo info;
          info.hwnd = m_hWnd;
          info.templateId = m_nIDHelp;
          CString caption;
          GetWindowText(caption);
          info.caption = (LPCSTR)caption;
          info.kind = "dialog";
          return info;
        },
        [this, hSelf] { return !m_bInModal || !::IsWindow(hSelf); });
    if (!ok) m_nModalResult = IDCANCEL;  // no step for it: as if cancelled
  }
  m_bInModal = FALSE;
  if (reenable) ::EnableWindow(hOwner, TRUE);
  if (m_hWnd) {
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (hOwner && ::IsWindow(hOwner)) ::SetActiveWindow(hOwner);
    DestroyWindow();
  }
  return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
  m_nModalResult = nResult;
  if (m_bInModal) m_bInModal = FALSE;
  else if (m_hWnd) ::EndDialog(m_hWnd, nResult);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
  ExecuteDlgInit(m_lpszTemplateName);
  return OnInitDialog();
}

BOOL CDialog::ExecuteDlgInit(LPCSTR lpszResourceName) {
  if (!lpszResourceName) return TRUE;
  const LPCSTR type = MAKEINTRESOURCEA(240);
  HINSTANCE h = AfxFindResourceHandle(lpszResourceName, type);
  HRSRC r = h ? ::FindResourceA(h, lpszResourceName, type) : nullptr;
  HGLOBAL g = r ? ::LoadResource(h, r) : nullptr;
  const BYTE* p = g ? static_cast<const BYTE*>(::LockResource(g)) : nullptr;
  if (!p) return TRUE;  // no init data: nothing to do
  const BYTE* end = p + ::SizeofResource(h, r);
  // Entries: control id (WORD), message (WORD), length (DWORD), data; a zero id ends them.
  // The messages are the 16-bit add-string numbers (0x0401 list box, 0x0403 combo box).
  while (p + sizeof(WORD) <= end) {
    WORD id = 0, msg = 0;
    DWORD len = 0;
    std::memcpy(&id, p, sizeof(WORD));
    if (id == 0) return TRUE;
    if (p + 2 * sizeof(WORD) + sizeof(DWORD) > end) return FALSE;
    std::memcpy(&msg, p + sizeof(WORD), sizeof(WORD));
    std::memcpy(&len, p + 2 * sizeof(WORD), sizeof(DWORD));
    p += 2 * sizeof(WORD) + sizeof(DWORD);
    if (len > static_cast<DWORD>(end - p)) return FALSE;
    UINT m = 0;
    if (msg == 0x0401 || msg == LB_ADDSTRING) m = LB_ADDSTRING;
    else if (msg == 0x0403 || msg == CB_ADDSTRING) m = CB_ADDSTRING;
    if (m) {
      std::string item(reinterpret_cast<const char*>(p), len);
      item.resize(std::strlen(item.c_str()));
      ::SendDlgItemMessageA(m_hWnd, id, m, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    p += len;
  }
  return TRUE;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    return ::IsDialogMessageA(m_hWnd, pMsg);
  return FALSE;
}

void CDialog::NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
void CDialog::PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
void CDialog::GotoDlgCtrl(CWnd* p) {
  ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(p->GetSafeHwnd()), 1);
}
void CDialog::SetDefID(UINT nID) { ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0); }
DWORD CDialog::GetDefID() const { return (DWORD)::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0); }
void CDialog::MapDialogRect(LPRECT r) const { ::MapDialogRect(m_hWnd, r); }
