// The attachment dialog.
#include "MpUiCAttachmentDlg.h"
#include <secimage.h>
#include <cstring>
#include "MpSmartPointers.h"
#include "MpNameIds.h"
#include "MpStrings.h"
#include "MpUiResourceString.h"
#include "MpUtServices.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(MpUiCAttachmentDlg, MpUICFileDialog)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

const int kTypeCombo = 1136;
const int kTypeLabel = 1089;
const int kAttachmentTypeCombo = 2738;

// A window's rectangle in its parent's client coordinates.
RECT rectIn(HWND parent, HWND child) {
  RECT r;
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

MpUiCAttachmentDlg::MpUiCAttachmentDlg(bool bWithTypeSelection, int bOpenFileDialog, std::string& attachmentType,
                                       std::vector<std::string>& attachmentTypes, const char* lpszDefExt,
                                       const char* lpszFileName, unsigned long dwFlags, const char* lpszFilter,
                                       CWnd* pParentWnd)
    : MpUICFileDialog(bOpenFileDialog, attachmentType, lpszDefExt, lpszFileName, dwFlags, lpszFilter, pParentWnd),
      m_bWithTypeSelection(bWithTypeSelection),
      m_attachmentTypes(attachmentTypes) {
  if (m_attachmentTypes.empty())
    m_attachmentTypes = {MpName(MpNameId::Document), MpName(MpNameId::CadModel), MpName(MpNameId::Executable), MpName(MpNameId::BatchProgram), MpName(MpNameId::Image)};
  else if (m_attachmentTypes.size() == 1)
    m_strAttachmentType = m_attachmentTypes.front().c_str();
}

MpUiCAttachmentDlg::~MpUiCAttachmentDlg() = default;

BOOL MpUiCAttachmentDlg::OnInitDialog() {
  MpUICFileDialog::OnInitDialog();
  HWND dlg = dialogWindow();
  HWND combo = typeCombo();
  if (m_bWithTypeSelection && dlg && combo) {
    RECT w;
    ::GetWindowRect(dlg, &w);
    ::SetWindowPos(dlg, nullptr, 0, 0, w.right - w.left, w.bottom - w.top + 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT rc = rectIn(dlg, combo);
    const LONG b = rc.bottom;

    // The system's list holds wide text: read through the combo box's entry reader, which takes
    // an entry of any length.
    const CComboBox* types = static_cast<CComboBox*>(CWnd::FromHandle(combo));
    const int count = types->GetCount();
    for (int i = 0; i < count; ++i) {
      CString description;
      types->GetLBText(i, description);
      m_fileTypeDescriptions.push_back(description);
      const LRESULT data = ::SendMessageA(combo, CB_GETITEMDATA, (WPARAM)i, 0);
      const wchar_t* wide = data != CB_ERR ? reinterpret_cast<const wchar_t*>(data) : nullptr;
      m_fileTypePatterns.push_back(CString(AfxAnsiFromWide(wide).c_str()));
    }

    CWnd* pDialog = CWnd::FromHandle(dlg);
    const LPARAM font = ::SendMessageA(combo, WM_GETFONT, 0, 0);
    m_comboType.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN,
                       CRect(rc.left, b + 6, rc.right, 2 * b + 20), pDialog, kAttachmentTypeCombo);
    ::SendMessageA(m_comboType.GetSafeHwnd(), WM_SETFONT, (WPARAM)font, TRUE);
    m_comboType.SetFocus();
    fillAttachmentType();
    m_comboType.setFileDialog(this);

    if (HWND label = ::GetDlgItem(dlg, kTypeLabel)) {
      const RECT rl = rectIn(dlg, label);
      m_staticType.Create(MpName(MpNameId::AttachmentTypeLabel).c_str(), WS_CHILD | WS_VISIBLE,
                          CRect(rl.left, rl.bottom + 14, rl.right, rl.bottom + 28), pDialog, 65535);
      ::SendMessageA(m_staticType.GetSafeHwnd(), WM_SETFONT, (WPARAM)font, TRUE);
    }

    if (m_comboType.SelectString(-1, m_strAttachmentType) == CB_ERR) {
      m_comboType.SetCurSel(0);
    } else {
      CString fileType = (m_strAttachmentType == MpName(MpNameId::CadModel).c_str() && !m_strLastCADSystem.IsEmpty())
                             ? m_strLastCADSystem
                             : m_comboType.getFileFilter(m_strAttachmentType);
      updateFilter(fileType);
    }
  }
  if (dlg && !m_strWindowTitle.empty()) ::SetWindowTextA(dlg, m_strWindowTitle.c_str());
  OnTypeChange();
  return TRUE;
}

BOOL MpUiCAttachmentDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (MpUICFileDialog::OnNotify(wParam, lParam, pResult)) return TRUE;
  if (reinterpret_cast<const NMHDR*>(lParam)->code == 1) {
    OnAttachmentTypeChanged();
    *pResult = 0;
    return TRUE;
  }
  return FALSE;
}

void MpUiCAttachmentDlg::OnTypeChange() { MpUICFileDialog::OnTypeChange(); }

void MpUiCAttachmentDlg::setEntryPattern(HWND combo, int index, const CString& pattern) {
  const std::wstring wide = AfxWideFromAnsi(pattern);
  const size_t bytes = sizeof(wchar_t) * (wide.size() + 1);
  auto* copy = static_cast<wchar_t*>(::HeapAlloc(::GetProcessHeap(), 0, bytes));
  if (!copy) return;
  std::memcpy(copy, wide.c_str(), bytes);
  ::SendMessageA(combo, CB_SETITEMDATA, (WPARAM)index, reinterpret_cast<LPARAM>(copy));
}

void MpUiCAttachmentDlg::freeEntryPatterns(HWND combo) {
  const int count = (int)::SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (int i = 0; i < count; ++i) {
    const LRESULT data = ::SendMessageA(combo, CB_GETITEMDATA, (WPARAM)i, 0);
    if (data != CB_ERR && data != 0) ::HeapFree(::GetProcessHeap(), 0, reinterpret_cast<void*>(data));
    ::SendMessageA(combo, CB_SETITEMDATA, (WPARAM)i, 0);
  }
}

void MpUiCAttachmentDlg::OnAttachmentTypeChanged() {
  HWND dlg = dialogWindow();
  HWND combo = typeCombo();
  if (!dlg || !combo) return;
  freeEntryPatterns(combo);
  ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  CString type;
  const int sel = m_comboType.GetCurSel();
  if (sel != CB_ERR) m_comboType.GetLBText(sel, type);
  m_strAttachmentType = type;
  if (type == MpName(MpNameId::CadAssemblyModel).c_str()) {
    static const char* const kAssemblyTypes[][2] = {
        {"ACIS Files (*.sat)", "*.sat"},
        {"KQ Files (*.kq)", "*.kq"},
        {"Corvane Files (*.x_t;*.xmt_txt;*.x_b;*.xmt_bin)", "*.x_t"},
    };
    for (int i = 0; i < 3; ++i) {
      ::SendMessageA(combo, CB_INSERTSTRING, (WPARAM)i, reinterpret_cast<LPARAM>(kAssemblyTypes[i][0]));
      setEntryPattern(combo, i, kAssemblyTypes[i][1]);
    }
  } else {
    for (size_t i = 0; i < m_fileTypeDescriptions.size(); ++i) {
      ::SendMessageA(combo, CB_INSERTSTRING, i, reinterpret_cast<LPARAM>((LPCSTR)m_fileTypeDescriptions[i]));
      setEntryPattern(combo, (int)i, m_fileTypePatterns[i]);
    }
  }
  CString applied = m_strAppliedType.c_str();
  updateFilter(applied);
}

BOOL MpUiCAttachmentDlg::OnFileNameOK() {
  if (m_comboType.GetSafeHwnd() == nullptr) return MpUICFileDialog::OnFileNameOK();
  CString type;
  m_comboType.GetWindowText(type);
  if (type == MpName(MpNameId::Image).c_str()) {
    // Every chosen file must be an image; the first that is not is named.
    for (std::string path : getSelectedFileNames()) {
      if (!checkRuleImage(path)) {
        AfxMessageBox(getResourceString(IDS_ATTACHMENT_NOT_IMAGE, path, "", "", "").c_str(), MB_ICONEXCLAMATION);
        return 1;
      }
    }
  }
  return MpUICFileDialog::OnFileNameOK();
}

bool MpUiCAttachmentDlg::checkRuleImage(std::string& path) {
  IMpUtOsFilePtr spFile(CLSID_MpUtOs, nullptr);
  if (spFile.isNull()) return false;
  std::string folder, name, extension, extra;
  spFile->splitPath(path, folder, name, extension, extra);
  if (MpStrCompareNoCase(extension, "jpg") == 0 || MpStrCompareNoCase(extension, "jpeg") == 0) {
    SECJpeg jpeg;
    return jpeg.LoadImage(path.c_str()) != FALSE;
  }
  if (MpStrCompareNoCase(extension, "bmp") == 0) {
    SECDib dib;
    return dib.LoadImage(path.c_str()) != FALSE;
  }
  return false;
}

void MpUiCAttachmentDlg::OnDestroy() {
  if (m_bWithTypeSelection && m_comboType.GetSafeHwnd() != nullptr && ::IsWindow(m_comboType.GetSafeHwnd())) {
    CString text;
    m_comboType.GetWindowText(text);
    m_strAttachmentType = text;
  }
  MpUICFileDialog::OnDestroy();
}

std::string MpUiCAttachmentDlg::getAttachmentType() { return (LPCSTR)m_strAttachmentType; }

std::vector<std::string> MpUiCAttachmentDlg::getSelectedFileNames() {
  std::vector<std::string> names;
  try {
    POSITION pos = GetStartPosition();
    while (pos) names.push_back((LPCSTR)GetNextPathName(pos));
  } catch (...) {  // nothing leaves the library's boundary
    names.clear();
  }
  return names;
}

void MpUiCAttachmentDlg::setAttachmentTypeEditable(bool editable) {
  if (m_comboType.GetSafeHwnd() != nullptr) m_comboType.EnableWindow(editable ? TRUE : FALSE);
}

void MpUiCAttachmentDlg::fillAttachmentType() {
  for (const std::string& type : m_attachmentTypes) m_comboType.AddString(type.c_str());
  m_comboType.SetCurSel(0);
}
