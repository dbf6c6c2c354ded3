#include "CLoginDlg.h"
#include <string>
#include "MpCipher.h"
#include "MpDataLib.h"
#include "MpSmartPointers.h"
#include "MpWipe.h"
#include "resource.h"

namespace {

const char kSettingsKey[] = "Software\\Brevanta\\Halcyon\\Settings";
const char kNotSet[] = "---";
const char kCipherKey[] = "quillbox";
const UINT_PTR kAutoLoginTimer = 1;
const UINT kAutoLoginDelay = 5000;

}  // namespace

BEGIN_MESSAGE_MAP(CLoginDlg, CDialog)
  ON_EN_CHANGE(IDC_LOGIN_PASSWORD, OnChangePwd)
  ON_EN_CHANGE(IDC_LOGIN_USER, OnChangeUser)
  ON_WM_TIMER()
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEMOVE()
  ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CLoginDlg::CLoginDlg(CWnd* parent)
    : CDialog(IDD_LOGIN, parent), m_passwordEdited(true), m_timerId(0), m_autoLogin(false) {
  IMpRegistryPtr registry(CLSID_MpRegistry, nullptr);
  if (!registry.isNull()) {
    std::string value = registry->getValue(kSettingsKey, "LOGIN", kNotSet);
    if (value != kNotSet) m_user = value.c_str();
    value = registry->getValue(kSettingsKey, "PWD", kNotSet);
    if (value != kNotSet) {
      CString password(value.c_str());
      Decrypt(password);
      // A value that does not decipher (changed, or stored under another key) is no password.
      if (!password.IsEmpty()) {
        m_password = password;
        m_passwordEdited = false;
      }
      MpWipe(password);
    }
  }
  m_autoLogin = !m_passwordEdited;
}

CLoginDlg::~CLoginDlg() { MpWipe(m_password); }

void CLoginDlg::Encrypt(CString& text) {
  std::string copy(text);
  MpEncrypt(kCipherKey, copy);
  MpWipe(text);  // the longer cipher text would otherwise be given a new block, the old one freed as is
  text = copy.c_str();
  MpWipe(copy);
}

void CLoginDlg::Decrypt(CString& text) {
  std::string copy(text);
  MpDecrypt(kCipherKey, copy);
  text = copy.c_str();
  MpWipe(copy);
}

void CLoginDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_LOGIN_REMEMBER, m_rememberCheck);
  DDX_Text(pDX, IDC_LOGIN_PASSWORD, m_password);
  DDX_Text(pDX, IDC_LOGIN_USER, m_user);
  DDX_Control(pDX, IDC_LOGIN_ANIMATION, m_animation);
}

BOOL CLoginDlg::OnInitDialog() {
  // Filling the fields is no typing: it neither disarms the auto-login nor counts as an edit.
  m_filling = true;
  CDialog::OnInitDialog();
  m_filling = false;
  ::GetCursorPos(&m_cursorAtStart);
  m_animation.ShowWindow(SW_HIDE);
  m_animation.Open(IDR_LOGIN_ANIMATION);
  if (!m_passwordEdited) ShowRemember(false);
  if (m_autoLogin) m_timerId = SetTimer(kAutoLoginTimer, kAutoLoginDelay, nullptr);
  ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  return TRUE;
}

void CLoginDlg::ShowRemember(bool show) {
  if (m_rememberCheck.m_hWnd) m_rememberCheck.ShowWindow(show ? SW_SHOW : SW_HIDE);
}

// The system also reports a mouse move when a window appears under a resting cursor: only a
// cursor that left the place it had when the dialog opened is a person's move.
bool CLoginDlg::CursorMoved() const {
  POINT now{};
  ::GetCursorPos(&now);
  return now.x != m_cursorAtStart.x || now.y != m_cursorAtStart.y;
}

// Any key or mouse input in the dialog, its fields included, means a person is at it.
BOOL CLoginDlg::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd)) {
    switch (pMsg->message) {
      case WM_MOUSEMOVE: case WM_NCMOUSEMOVE:
        if (CursorMoved()) m_autoLogin = false;
        break;
      case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_CHAR:
      case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
      case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
        m_autoLogin = false;
        break;
      default:
        break;
    }
  }
  return CDialog::PreTranslateMessage(pMsg);
}

void CLoginDlg::OnLButtonDown(UINT nFlags, CPoint point) {
  m_autoLogin = false;
  CDialog::OnLButtonDown(nFlags, point);
}

void CLoginDlg::OnMouseMove(UINT nFlags, CPoint point) {
  if (CursorMoved()) m_autoLogin = false;
  CDialog::OnMouseMove(nFlags, point);
}

void CLoginDlg::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  m_autoLogin = false;
  CDialog::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CLoginDlg::OnChangeUser() {
  if (!m_filling) m_autoLogin = false;
}

void CLoginDlg::OnChangePwd() {
  if (m_filling) return;
  m_autoLogin = false;
  if (!m_passwordEdited) {
    ShowRemember(true);
    m_passwordEdited = true;
  }
}

void CLoginDlg::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kAutoLoginTimer) {
    KillTimer(m_timerId);
    // Once only: a login that fails is not tried again by itself.
    if (m_autoLogin) PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
    m_autoLogin = false;
  }
  CDialog::OnTimer(nIDEvent);
}

// A stored password is no longer wanted: the value goes back to "not set".
void CLoginDlg::ForgetPassword() {
  IMpRegistryPtr registry(CLSID_MpRegistry, nullptr);
  if (!registry.isNull()) registry->setValue(kSettingsKey, "PWD", kNotSet);
}

void CLoginDlg::OnOK() {
  MpWipe(m_password);  // before the field is read in, which may give the text a new block
  if (!UpdateData(TRUE)) return;
  BeginWaitCursor();
  if (m_passwordEdited) ShowRemember(false);
  m_animation.ShowWindow(SW_SHOW);
  m_animation.Play(0, 0xFFFF, (UINT)-1);
  const bool ok = MpDataLogin(std::string(m_user), std::string(m_password));
  if (ok) {
    IMpRegistryPtr registry(CLSID_MpRegistry, nullptr);
    if (!registry.isNull()) {
      registry->setValue(kSettingsKey, "LOGIN", std::string(m_user));
      if (m_passwordEdited) {
        if (m_rememberCheck.GetCheck() == BST_CHECKED) {
          CString cipher = m_password;
          Encrypt(cipher);
          registry->setValue(kSettingsKey, "PWD", std::string(cipher));
        } else {
          ForgetPassword();
        }
      }
    }
    EndWaitCursor();
    // The base reads the fields back once more, into a new block: the one given back is cleared
    // first, and so is the one it reads.
    MpWipe(m_password);
    CDialog::OnOK();
    MpWipe(m_password);
    return;
  }
  m_animation.Stop();
  m_animation.ShowWindow(SW_HIDE);
  if (m_passwordEdited) ShowRemember(true);
  EndWaitCursor();
  AfxMessageBox("Login failed", MB_OK);
}
