// The batch-run dialog.
#include "MpUiCBatchRun.h"
#include <cstring>
#include <vector>
#include "MpNameIds.h"
#include "MpStrings.h"
#include "MpUiCAttachmentDlg.h"
#include "MpUiCadFilters.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(MpUiCBatchRun, CDialog)
  ON_BN_CLICKED(IDC_BATCH_PART_BROWSE, OnOpenPartModel)
  ON_BN_CLICKED(IDC_BATCH_BLANK_BROWSE, OnOpenBlankModel)
  ON_CBN_SELCHANGE(IDC_BATCH_MATERIAL, OnSelectMaterial)
END_MESSAGE_MAP()

MpUiCBatchRun::MpUiCBatchRun(IMpPmMachiningProcess* pProcess, CWnd* pParent)
    : CDialog(IDD_BATCH_RUN, pParent), m_process(pProcess, true) {}

MpUiCBatchRun::~MpUiCBatchRun() {
  if (m_hBrowseBitmap) ::DeleteObject(m_hBrowseBitmap);
}

void MpUiCBatchRun::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_BATCH_BLANK_PATH, m_strBlankPath);
  DDX_Text(pDX, IDC_BATCH_PART_PATH, m_strPartPath);
}

BOOL MpUiCBatchRun::OnInitDialog() {
  CDialog::OnInitDialog();
  // The bitmap is the host's, from its executable; both buttons show the one copy.
  if (!m_hBrowseBitmap)
    m_hBrowseBitmap = static_cast<HBITMAP>(
        ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BATCH_BROWSE), IMAGE_BITMAP, 0, 0, 0));
  for (int id : {IDC_BATCH_PART_BROWSE, IDC_BATCH_BLANK_BROWSE})
    SendDlgItemMessage(id, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_hBrowseBitmap));

  IMpPmUtRelationPtr relation(CLSID_MpPmUtRelation, nullptr);
  CComboBox* combo = static_cast<CComboBox*>(GetDlgItem(IDC_BATCH_MATERIAL));
  IMpZulNodePtr processNode(static_cast<IUnknown*>(m_process.get()), true);
  if (combo && relation.isValid() && processNode.isValid()) {
    relation->getRelatedObjects(m_materials, processNode.get());
    if (m_materials.empty()) {
      combo->EnableWindow(FALSE);
    } else {
      combo->AddString("");
      for (IUnknown* object : m_materials) {
        IMpPmMaterialPtr material(object, true);
        IMpZulNodePtr node(object, true);
        std::string name;
        if (material.isValid() && node.isValid() && node->getName(name)) combo->AddString(name.c_str());
      }
    }
  }
  return TRUE;
}

std::string MpUiCBatchRun::getFileFilter() { return WidgetDeck::cadFilters(); }

bool MpUiCBatchRun::chooseModel(bool withTypeSelection, CString& path, std::string& type) {
  std::string attachmentType = MpName(MpNameId::CadModel);
  std::vector<std::string> types{MpName(MpNameId::CadModel)};
  const std::string filter = getFileFilter();
  MpUiCAttachmentDlg dlg(withTypeSelection, TRUE, attachmentType, types, nullptr, nullptr,
                         OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST, filter.c_str(), nullptr);
  if (dlg.DoModal() != IDOK) return false;
  path = dlg.GetPathName();
  type = dlg.getConvertType();
  return true;
}

void MpUiCBatchRun::OnOpenPartModel() {
  if (chooseModel(true, m_strPartPath, m_partType)) SetDlgItemText(IDC_BATCH_PART_PATH, m_strPartPath);
}

void MpUiCBatchRun::OnOpenBlankModel() {
  if (chooseModel(false, m_strBlankPath, m_blankType)) SetDlgItemText(IDC_BATCH_BLANK_PATH, m_strBlankPath);
}

void MpUiCBatchRun::OnSelectMaterial() {
  CComboBox* combo = static_cast<CComboBox*>(GetDlgItem(IDC_BATCH_MATERIAL));
  CString text;
  const int index = combo ? combo->GetCurSel() : CB_ERR;
  if (index != CB_ERR) combo->GetLBText(index, text);
  // Only the materials are searched: another related object may bear a material's name.
  MpZulSmartList materials;
  for (IUnknown* object : m_materials)
    if (IMpPmMaterialPtr(object, true).isValid()) materials.push_back(object, true);
  IMpZulNode* node = materials.getNodeByField(MpName(MpNameId::NameField), static_cast<LPCSTR>(text));
  m_material = static_cast<IUnknown*>(node);
  if (node) node->Release();
}

bool MpUiCBatchRun::getFileNames(std::string& partPath, std::string& partType, std::string& blankPath,
                                 std::string& blankType) {
  partPath = static_cast<LPCSTR>(m_strPartPath);
  partType = m_partType;
  blankPath = static_cast<LPCSTR>(m_strBlankPath);
  blankType = m_blankType;
  if (partPath.empty()) {
    AfxMessageBox("No Part Model choosen", MB_OK);
    return false;
  }
  // Windows paths: the same file whatever the letters' case.
  if (_stricmp(partPath.c_str(), blankPath.c_str()) == 0) {
    AfxMessageBox("Part and Blank are the same", MB_OK);
    return false;
  }
  return true;
}

IMpPmMaterial* MpUiCBatchRun::getMaterial() {
  IMpPmMaterial* material = m_material.get();
  if (material) material->AddRef();
  return material;
}
