// CFileDialog over the system's common dialog (explorer style with a hook child window).
//
// The common dialog runs its own modal loop. With a script player installed the dialog gets an
// owner window of ours: the system's loop tells its owner when it runs out of messages
// (WM_ENTERIDLE), and the owner then runs the player's next step for the dialog, once per idle
// period; a step posts all its input at once. No step for the dialog cancels it.
#include "afxdlgs.h"
#include "afxpriv_.h"
#include "afxscript.h"
#include <commctrl.h>
#include <cstring>

HWND AfxModalOwner(CWnd* pParent);  // dialog.cpp

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

namespace {
const size_t kFileBufferSize = 32768;  // room for many files of a multiple selection
const char kOwnerClass[] = "AfxFileDialogScriptOwner";
const int kTypeCombo = 1136;   // cmb1
const int kFileNameBox = 1148;  // cmb13

// The common dialog: the parent of the hook child the object is attached to.
HWND DialogOf(HWND hook) { return hook ? ::GetParent(hook) : nullptr; }

CString CommonDialogText(HWND dlg, UINT message) {
  char buf[kFileBufferSize];
  buf[0] = 0;
  LRESULT n = ::SendMessageA(dlg, message, sizeof(buf), reinterpret_cast<LPARAM>(buf));
  if (n <= 0 || n > (LRESULT)sizeof(buf)) return CString();
  buf[sizeof(buf) - 1] = 0;
  return CString(buf);
}

// The text after the last dot of a file name; empty without one.
CString ExtensionOf(const char* name) {
  const char* dot = std::strrchr(name, '.');
  return dot ? CString(dot + 1) : CString();
}
}  // namespace

// Controls that the program adds to the dialog window are its children, so their notifications
// go to the dialog window, which knows nothing of them: they are passed to the control's object.
// The system's loop shows the dialog: a message posted as it is shown arrives once it is on the
// screen, when its title bar is put right (AfxRedrawCaptionActive).
static LRESULT CALLBACK ForwardAddedControlCommands(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                                    UINT_PTR id, DWORD_PTR) {
  static const UINT shown = ::RegisterWindowMessageA("AfxFileDialogShown");
  if (message == shown) {
    AfxRedrawCaptionActive(hwnd);
    return 0;
  }
  if (message == WM_SHOWWINDOW && wParam) ::PostMessageA(hwnd, shown, 0, 0);
  if (message == WM_COMMAND && lParam) {
    HWND ctl = reinterpret_cast<HWND>(lParam);
    if (::GetParent(ctl) == hwnd && CWnd::FromHandlePermanent(ctl)) ::SendMessageA(ctl, WM_COMMAND, wParam, lParam);
  } else if (message == WM_NCDESTROY) {
    ::RemoveWindowSubclass(hwnd, &ForwardAddedControlCommands, id);
  }
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

UINT_PTR CALLBACK AfxFileDialogHook(HWND hdlg, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG) return 0;
  auto* ofn = reinterpret_cast<OPENFILENAMEA*>(lParam);
  auto* self = reinterpret_cast<CFileDialog*>(ofn->lCustData);
  try {
    self->SubclassWindow(hdlg);
    ::SetWindowSubclass(DialogOf(hdlg), &ForwardAddedControlCommands, 1, 0);
    return self->OnInitDialog();
  } catch (...) {  // nothing may unwind through the system's dialog
    AfxReportDroppedException(std::current_exception());
    return TRUE;
  }
}

LRESULT CALLBACK AfxFileDialogOwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_ENTERIDLE || wParam != MSGF_DIALOGBOX)
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
  auto* self = reinterpret_cast<CFileDialog*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  HWND dlg = reinterpret_cast<HWND>(lParam);
  AfxScript::Player* player = AfxScript::GetPlayer();
  // Only the file dialog itself, once its hook child is attached; boxes it shows answer themselves.
  if (!self || !player || !self->m_hWnd || dlg != DialogOf(self->m_hWnd)) return 0;
  AfxScript::ModalInfo info;
  info.hwnd = dlg;
  char caption[256] = {};
  ::GetWindowTextA(dlg, caption, sizeof(caption));
  info.caption = caption;
  info.kind = "file dialog";
  bool stepped = false;
  try {
    stepped = player->RunStep(info);
  } catch (...) {
    AfxReportDroppedException(std::current_exception());
  }
  if (!stepped) ::PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
  return 0;
}

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                         LPCSTR lpszFilter, CWnd* pParentWnd, DWORD, BOOL)
    : CDialog(static_cast<UINT>(0), pParentWnd), m_bOpenFileDialog(bOpenFileDialog), m_fileBuffer(kFileBufferSize, 0) {
  std::memset(&m_ofn, 0, sizeof(m_ofn));
  m_ofn.lStructSize = sizeof(m_ofn);
  m_ofn.Flags = dwFlags;
  if (lpszDefExt) m_defExt = lpszDefExt;
  if (lpszFileName) std::strncpy(m_fileBuffer.data(), lpszFileName, kFileBufferSize - 1);
  if (lpszFilter) {
    m_filter = lpszFilter;
    for (char& c : m_filter)
      if (c == '|') c = '\0';
    m_filter.push_back('\0');  // two NULs end the list, whatever the caller's ending
  }
}

CFileDialog::~CFileDialog() = default;

INT_PTR CFileDialog::DoModal() {
  m_ofn.lpstrFile = m_fileBuffer.data();
  m_ofn.nMaxFile = (DWORD)m_fileBuffer.size();
  m_ofn.lpstrFilter = m_filter.empty() ? nullptr : m_filter.c_str();
  m_ofn.lpstrDefExt = m_defExt.empty() ? nullptr : m_defExt.c_str();
  m_ofn.Flags |= OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
  m_ofn.lpfnHook = &AfxFileDialogHook;
  m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
  m_ofn.hInstance = nullptr;

  HWND hOwner = AfxModalOwner(m_pParentWnd);
  HWND hScriptOwner = nullptr;
  bool reenable = false;
  if (AfxScript::GetPlayer()) {
    static bool registered = false;
    if (!registered) {
      WNDCLASSA wc = {};
      wc.lpfnWndProc = &AfxFileDialogOwnerProc;
      wc.hInstance = ::GetModuleHandleA(nullptr);
      wc.lpszClassName = kOwnerClass;
      registered = ::RegisterClassA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }
    hScriptOwner = ::CreateWindowExA(0, kOwnerClass, "", WS_POPUP, 0, 0, 0, 0, hOwner, nullptr,
                                     ::GetModuleHandleA(nullptr), nullptr);
    if (hScriptOwner) {
      ::SetWindowLongPtrA(hScriptOwner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
      // The system disables only the window it is given; the real owner stays modal too.
      reenable = hOwner && ::IsWindowEnabled(hOwner);
      if (reenable) ::EnableWindow(hOwner, FALSE);
    }
  }
  m_ofn.hwndOwner = hScriptOwner ? hScriptOwner : hOwner;
  const BOOL chosen = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
  if (hScriptOwner) ::DestroyWindow(hScriptOwner);
  if (reenable) ::EnableWindow(hOwner, TRUE);
  if (m_hWnd) Detach();  // the hook child is gone with the dialog
  m_ofn.hwndOwner = nullptr;
  return chosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const {
  if (m_hWnd && ::IsWindow(m_hWnd)) return CommonDialogText(DialogOf(m_hWnd), CDM_GETFILEPATH);
  POSITION pos = GetStartPosition();
  return pos ? GetNextPathName(pos) : CString();
}

CString CFileDialog::GetFileName() const {
  if (m_hWnd && ::IsWindow(m_hWnd)) return CommonDialogText(DialogOf(m_hWnd), CDM_GETSPEC);
  CString path = GetPathName();
  const char* p = path;
  const char* sep = std::strrchr(p, '\\');
  return CString(sep ? sep + 1 : p);
}

CString CFileDialog::GetFileExt() const {
  CString name = GetFileName();
  return ExtensionOf(name);
}

CString CFileDialog::GetFolderPath() const {
  if (m_hWnd && ::IsWindow(m_hWnd)) return CommonDialogText(DialogOf(m_hWnd), CDM_GETFOLDERPATH);
  CString path = GetPathName();
  const char* p = path;
  const char* sep = std::strrchr(p, '\\');
  return sep ? CString(std::string(p, sep).c_str()) : CString();
}

// The buffer holds one full path, or (several files, explorer style) the folder and then each
// file name, each ended by a NUL and the whole by a second NUL.
POSITION CFileDialog::GetStartPosition() const {
  const char* base = m_fileBuffer.data();
  return base[0] ? reinterpret_cast<POSITION>(const_cast<char*>(base)) : nullptr;
}

CString CFileDialog::GetNextPathName(POSITION& pos) const {
  const char* base = m_fileBuffer.data();
  const char* end = base + m_fileBuffer.size();
  const char* p = reinterpret_cast<const char*>(pos);
  pos = nullptr;
  if (!p || p < base || p >= end) return CString();
  const size_t baseLen = strnlen(base, m_fileBuffer.size());
  const char* first = base + baseLen + 1;
  const bool several = (m_ofn.Flags & OFN_ALLOWMULTISELECT) && first < end && *first;
  if (!several) return CString(base);
  if (p == base) p = first;
  const size_t len = strnlen(p, (size_t)(end - p));
  std::string path(base, baseLen);
  if (!path.empty() && path.back() != '\\') path += '\\';
  path.append(p, len);
  const char* next = p + len + 1;
  if (next < end && *next) pos = reinterpret_cast<POSITION>(const_cast<char*>(next));
  return CString(path.c_str());
}

BOOL CFileDialog::OnFileNameOK() { return FALSE; }
void CFileDialog::OnInitDone() {}
void CFileDialog::OnFileNameChange() {}
void CFileDialog::OnFolderChange() {}
void CFileDialog::OnTypeChange() {}

BOOL CFileDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lParam);
  switch (hdr->code) {
    case CDN_INITDONE: OnInitDone(); break;
    case CDN_SELCHANGE: OnFileNameChange(); break;
    case CDN_FOLDERCHANGE: OnFolderChange(); break;
    case CDN_TYPECHANGE: OnTypeChange(); break;
    case CDN_FILEOK: {
      // A refusal is the dialog procedure's message result.
      const BOOL refuse = OnFileNameOK();
      ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, refuse ? 1 : 0);
      *pResult = refuse ? 1 : 0;
      return TRUE;
    }
    default: return CDialog::OnNotify(wParam, lParam, pResult);
  }
  *pResult = 0;
  return TRUE;
}

// ---- Steps in the common file dialog ----
namespace AfxScript {

bool ChooseFileType(HWND dlg, const char* description) {
  HWND combo = ::GetDlgItem(dlg, kTypeCombo);
  const LRESULT index = ::SendMessageA(combo, CB_FINDSTRINGEXACT, (WPARAM)-1, reinterpret_cast<LPARAM>(description));
  if (!combo || index == CB_ERR) return false;
  ::SendMessageA(combo, CB_SETCURSEL, (WPARAM)index, 0);
  // The dialog applies a type on CBN_SELENDOK; a bare CBN_SELCHANGE does nothing there.
  ::SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(kTypeCombo, CBN_SELENDOK), reinterpret_cast<LPARAM>(combo));
  return true;
}

std::vector<std::string> FileTypes(HWND dlg) {
  std::vector<std::string> types;
  HWND combo = ::GetDlgItem(dlg, kTypeCombo);
  const int count = combo ? (int)::SendMessageA(combo, CB_GETCOUNT, 0, 0) : 0;
  CString text;
  for (int i = 0; i < count; ++i) {
    AfxEntryText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, i, text);
    types.push_back((LPCSTR)text);
  }
  return types;
}

std::string ChosenFileType(HWND dlg) {
  HWND combo = ::GetDlgItem(dlg, kTypeCombo);
  const int index = combo ? (int)::SendMessageA(combo, CB_GETCURSEL, 0, 0) : -1;
  std::vector<std::string> types = FileTypes(dlg);
  return index >= 0 && index < (int)types.size() ? types[(size_t)index] : std::string();
}

void SetFileName(HWND dlg, const char* text) {
  ::SendMessageA(dlg, CDM_SETCONTROLTEXT, kFileNameBox, reinterpret_cast<LPARAM>(text));
}

void FileOK(HWND dlg) { ::PostMessageA(dlg, WM_COMMAND, IDOK, 0); }
void FileCancel(HWND dlg) { ::PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0); }

}  // namespace AfxScript
