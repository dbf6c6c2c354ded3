// The attachment-type combo box.
#include "CComboAttachmentType.h"
#include "MpNameIds.h"
#include "MpStrings.h"
#include "MpUiCAttachmentDlg.h"

BEGIN_MESSAGE_MAP(CComboAttachmentType, CComboBox)
END_MESSAGE_MAP()

CComboAttachmentType::CComboAttachmentType() : m_pFileDialog(nullptr) {}

CComboAttachmentType::~CComboAttachmentType() = default;

void CComboAttachmentType::setFileDialog(MpUiCAttachmentDlg* pDialog) { m_pFileDialog = pDialog; }

CString CComboAttachmentType::getFileFilter(CString attachmentType) {
  const std::string type = (LPCSTR)attachmentType;
  if (type == MpName(MpNameId::Document)) return "All Files (*.*)";
  if (type == MpName(MpNameId::CadModel) || type == MpName(MpNameId::CadAssemblyModel))
    return m_pFileDialog ? m_pFileDialog->getDefaultCADSysten().c_str() : "";
  if (type == MpName(MpNameId::Executable) || type == MpName(MpNameId::BatchProgram)) return "Executable Files(*.bat;*.exe)";
  if (type == MpName(MpNameId::Image)) return "Image Files(*.jpg;*.jpeg;*.bmp)";
  if (type == MpName(MpNameId::CoFile)) return "CO Files(*.co)";
  return "*.*";
}

BOOL CComboAttachmentType::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) == CBN_SELCHANGE && GetCurSel() != CB_ERR && m_pFileDialog != nullptr &&
      m_pFileDialog->GetSafeHwnd() != nullptr) {
    NMHDR hdr;
    hdr.hwndFrom = m_hWnd;
    hdr.idFrom = (UINT_PTR)GetDlgCtrlID();
    hdr.code = 1;
    ::SendMessageA(m_pFileDialog->GetSafeHwnd(), WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
  }
  return CComboBox::OnCommand(wParam, lParam);
}
