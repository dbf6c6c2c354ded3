// The folder dialog.
#include "MpUiCPathDialog.h"
#include <io.h>
#include <cstring>
#include <string>
#include "afxshell_.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CPathDialogSub, CWnd)
  ON_COMMAND(IDOK, OnOK)
  ON_EN_CHANGE(IDC_PATH_EDIT, OnChangeEditPath)
END_MESSAGE_MAP()

namespace {

std::string withPath(const char* format, const char* path) {
  std::string text(format);
  text.replace(text.find("%s"), 2, path);
  return text;
}

bool accessible(const char* path) { return _access(path, 0) == 0; }

// A file of that name exists where the folder should be: no folder can be made there.
bool namesFile(const char* path) {
  const DWORD attributes = ::GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The whole text of a window, however long.
std::string windowText(HWND hWnd) {
  std::string text(static_cast<size_t>(::GetWindowTextLengthA(hWnd)) + 1, '\0');
  text.resize(static_cast<size_t>(::GetWindowTextA(hWnd, &text[0], static_cast<int>(text.size()))));
  return text;
}

// Checks the components after the drive root and, when creating, makes each folder in turn.
int walkComponents(const char* lpszPath, bool create) {
  char copy[MAX_PATH];
  std::strcpy(copy, lpszPath);
  const size_t length = std::strlen(copy);
  size_t start = 3;
  for (;;) {
    const char* slash = std::strchr(copy + start, '\\');
    const size_t end = slash ? static_cast<size_t>(slash - copy) : length;
    const char saved = copy[end];
    copy[end] = '\0';
    if (!MpUiCPathDialog::IsFileNameValid(copy + start)) return 1;
    if (create) {
      ::CreateDirectoryA(copy, nullptr);
      if (!accessible(copy) || namesFile(copy)) return 2;
    }
    if (end >= length) return 0;
    copy[end] = saved;
    start = end + 1;
  }
}

// The top-level window above the parent, or the application's main window without one.
CWnd* safeOwner(CWnd* pParent) {
  HWND hWnd = pParent ? pParent->GetSafeHwnd() : nullptr;
  if (!hWnd) return AfxGetMainWnd();
  HWND top = ::GetAncestor(hWnd, GA_ROOT);
  return CWnd::FromHandle(top ? top : hWnd);
}

}  // namespace

void CPathDialogSub::OnOK() {
  MpUiCPathDialog* dlg = m_pPathDialog;
  HWND edit = ::GetDlgItem(dlg->m_hWnd, IDC_PATH_EDIT);
  // The whole text is checked: a path too long for our buffer is refused, never cut to fit.
  const std::string typed = windowText(edit);
  if (MpUiCPathDialog::MakeSurePathExists(typed.c_str()) == 0 && typed.size() < MAX_PATH) {
    std::strcpy(dlg->m_szPathName, typed.c_str());
    dlg->m_bGetSuccess = TRUE;
    ::EndDialog(dlg->m_hWnd, IDOK);
  } else {
    ::SetFocus(edit);
  }
}

void CPathDialogSub::OnChangeEditPath() {
  MpUiCPathDialog* dlg = m_pPathDialog;
  ::GetWindowTextA(::GetDlgItem(dlg->m_hWnd, IDC_PATH_EDIT), dlg->m_szPathName, MAX_PATH);
  ::SendMessageA(dlg->m_hWnd, BFFM_ENABLEOK, 0, dlg->m_szPathName[0] != '\0');
}

MpUiCPathDialog::MpUiCPathDialog(const char* lpszCaption, const char* lpszTitle, const char* lpszInitialPath,
                                 CWnd* pParent)
    : m_lpszCaption(lpszCaption), m_lpszInitialPath(lpszInitialPath) {
  m_szPathName[0] = '\0';
  m_pParentWnd = safeOwner(pParent);
  std::memset(&m_bi, 0, sizeof(m_bi));
  m_bi.hwndOwner = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
  m_bi.lpszTitle = lpszTitle;
  m_bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
  m_bi.lpfn = BrowseCallbackProc;
  m_bi.lParam = reinterpret_cast<LPARAM>(this);
  m_PathDialogSub.m_pPathDialog = this;
}

MpUiCPathDialog::~MpUiCPathDialog() {
  if (m_PathDialogSub.GetSafeHwnd()) m_PathDialogSub.UnsubclassWindow();
}

int MpUiCPathDialog::DoModal() {
  char displayName[MAX_PATH] = {};
  m_bi.lParam = reinterpret_cast<LPARAM>(this);
  int result = -1;
  IMalloc* pMalloc = nullptr;
  if (FAILED(::SHGetMalloc(&pMalloc)) || !pMalloc) return -1;
  m_bi.pszDisplayName = displayName;
  m_bGetSuccess = FALSE;
  if (LPITEMIDLIST pidl = ::SHBrowseForFolderA(&m_bi)) pMalloc->Free(pidl);
  // The browser window is gone: let go of it.
  if (m_PathDialogSub.GetSafeHwnd()) m_PathDialogSub.UnsubclassWindow();
  m_hWnd = nullptr;
  m_bi.pszDisplayName = nullptr;  // the buffer was this call's own
  if (m_bGetSuccess) result = 1;
  pMalloc->Release();
  return result;
}

CString MpUiCPathDialog::GetPathName() const { return CString(m_szPathName); }

int CALLBACK MpUiCPathDialog::BrowseCallbackProc(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData) {
  MpUiCPathDialog* self = reinterpret_cast<MpUiCPathDialog*>(lpData);
  if (uMsg == BFFM_INITIALIZED) {
    self->m_hWnd = hwnd;
    if (self->m_lpszCaption) ::SetWindowTextA(hwnd, self->m_lpszCaption);
    self->m_PathDialogSub.SubclassWindow(hwnd);
    ::ShowWindow(::GetDlgItem(hwnd, IDC_PATH_STATUS), SW_HIDE);
    RECT tree{};
    ::GetWindowRect(::GetDlgItem(hwnd, IDC_PATH_TREE), &tree);
    POINT topLeft{tree.left, tree.top}, bottomRight{tree.right, tree.bottom};
    ::ScreenToClient(hwnd, &topLeft);
    ::ScreenToClient(hwnd, &bottomRight);
    const int bottom = topLeft.y - 4;
    HWND edit = ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                                  topLeft.x, bottom - 23, bottomRight.x - topLeft.x, 23, hwnd,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PATH_EDIT)), nullptr, nullptr);
    ::ShowWindow(edit, SW_SHOW);
    ::SendMessageA(edit, WM_SETFONT, ::SendMessageA(hwnd, WM_GETFONT, 0, 0), TRUE);
    char current[MAX_PATH] = {};
    const char* initial = self->m_lpszInitialPath;
    if (!initial) {
      ::GetCurrentDirectoryA(MAX_PATH, current);
      initial = current;
    }
    ::SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(initial));
    // The browser is up: a script player, when one drives this thread, takes its step now.
    AfxBrowseFolderCallback(hwnd, uMsg, lParam, 0);
  } else if (uMsg == BFFM_SELCHANGED) {
    char path[MAX_PATH] = {};
    const BOOL ok = ::SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lParam), path) && path[1] == ':';
    if (!ok) path[0] = '\0';
    ::SendMessageA(hwnd, BFFM_ENABLEOK, 0, ok);
    ::SendMessageA(hwnd, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path));
    ::SetDlgItemTextA(hwnd, IDC_PATH_EDIT, path);
  }
  return 0;
}

int MpUiCPathDialog::IsFileNameValid(const char* lpszFileName) {
  if (!lpszFileName || !*lpszFileName) return 0;
  const size_t length = std::strlen(lpszFileName);
  for (char c : {lpszFileName[0], lpszFileName[length - 1]})
    if (c == '\t' || c == ' ' || c == '.') return 0;
  return std::strpbrk(lpszFileName, "\"*/:<>?\\|") ? 0 : 1;
}

int MpUiCPathDialog::Touch(const char* lpszPath, int bValidate) {
  if (!lpszPath) return 1;
  const size_t length = std::strlen(lpszPath);
  // Our copies hold MAX_PATH characters: a longer path is no path we can handle.
  if (length < 3 || length >= MAX_PATH) return 1;
  const char drive = lpszPath[0];
  if (!((drive >= 'A' && drive <= 'Z') || (drive >= 'a' && drive <= 'z')) || lpszPath[1] != ':' || lpszPath[2] != '\\')
    return 1;
  if (length == 3) return bValidate || accessible(lpszPath) ? 0 : 2;
  // The whole path is checked before any folder is made.
  const int valid = walkComponents(lpszPath, false);
  if (valid != 0 || bValidate) return valid;
  return walkComponents(lpszPath, true);
}

int MpUiCPathDialog::MakeSurePathExists(const char* lpszPath) {
  const char* shown = lpszPath ? lpszPath : "";
  int code = Touch(lpszPath, TRUE);
  if (code == 0 && namesFile(lpszPath)) code = 2;
  if (code == 0) {
    if (accessible(lpszPath)) return 0;
    const std::string question =
        withPath("The folder:\n\n%s\n\ndoes not exist. Do you want the folder to be created?", shown);
    if (AfxMessageBox(question.c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES) return -1;
    code = Touch(lpszPath, FALSE);
    if (code == 0) return 0;
  }
  const std::string report = withPath(code == 1 ? "The folder:\n\n%s\n\nis invalid. Please reenter."
                                                 : "The folder:\n\n%s\n\ncan not be created. Please double check.",
                                      shown);
  AfxMessageBox(report.c_str(), MB_ICONEXCLAMATION);
  return code;
}

int MpUiCPathDialog::ConcatPath(char* lpszPath, const char* lpszComponent) {
  if (!lpszPath) return 1;
  const size_t length = std::strlen(lpszPath);
  if (length < 3) return 1;
  if (!lpszComponent) return 0;
  const size_t separator = length == 3 ? 0 : 1;
  if (length + separator + std::strlen(lpszComponent) >= MAX_PATH) return 1;
  if (separator) std::strcat(lpszPath, "\\");
  std::strcat(lpszPath, lpszComponent);
  return 0;
}
