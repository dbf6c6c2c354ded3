#include "MpUiCOpenProjectDlg.h"
#include <map>
#include <string>
#include "MpUiResourceString.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(MpUiCOpenProjectDlg, CDialog)
  ON_NOTIFY(NM_CLICK, IDC_PROJECT_LIST, OnClickProjectList)
  ON_NOTIFY(NM_DBLCLK, IDC_PROJECT_LIST, OnDblclkProjectList)
  ON_NOTIFY(LVN_ITEMCHANGED, IDC_PROJECT_LIST, OnItemchangedProjectList)
END_MESSAGE_MAP()

MpUiCOpenProjectDlg::MpUiCOpenProjectDlg(IMpData* data, CWnd* parent)
    : CDialog(IDD_OPEN_PROJECT, parent), m_spData(data, true), m_selectedProjectId(0) {}

MpUiCOpenProjectDlg::~MpUiCOpenProjectDlg() = default;

void MpUiCOpenProjectDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PROJECT_LIST, m_projectList);
}

BOOL MpUiCOpenProjectDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  RECT client;
  m_projectList.GetClientRect(&client);
  const int width = client.right - client.left;
  m_projectList.InsertColumn(0, getResourceString(IDS_PROJECT_NAME_COLUMN, "", "", "", "").c_str(), LVCFMT_LEFT,
                             width / 3);
  m_projectList.InsertColumn(1, getResourceString(IDS_PROJECT_COMMENT_COLUMN, "", "", "", "").c_str(), LVCFMT_LEFT,
                             (2 * width) / 3);

  m_images.Create(16, 16, ILC_COLOR8, 5, 5);
  m_images.SetBkColor(RGB(255, 255, 255));
  CBitmap bitmap;
  if (bitmap.LoadBitmap(IDB_PROJECT)) m_images.Add(&bitmap, (CBitmap*)nullptr);
  m_projectList.SetImageList(&m_images, LVSIL_SMALL);

  std::map<long, std::string> projects;
  if (!m_spData.isNull()) m_spData->getProjects(projects);
  int row = 0;
  for (const auto& project : projects) {
    const int index = m_projectList.InsertItem(row++, project.second.c_str(), 0);
    m_projectList.SetItemData(index, (DWORD_PTR)project.first);
    std::string comment = "No comment";
    if (!m_spData.isNull()) m_spData->getProjectComment(project.first, comment);
    m_projectList.SetItemText(index, 1, comment.c_str());
  }
  if (CWnd* ok = GetDlgItem(IDOK)) ok->EnableWindow(FALSE);
  return TRUE;
}

long MpUiCOpenProjectDlg::selectedId() {
  POSITION pos = m_projectList.GetFirstSelectedItemPosition();
  if (!pos) return 0;
  return (long)m_projectList.GetItemData(m_projectList.GetNextSelectedItem(pos));
}

void MpUiCOpenProjectDlg::followSelection() {
  m_selectedProjectId = selectedId();
  if (CWnd* ok = GetDlgItem(IDOK)) ok->EnableWindow(m_projectList.GetFirstSelectedItemPosition() != nullptr);
}

void MpUiCOpenProjectDlg::OnClickProjectList(NMHDR*, LRESULT* pResult) {
  followSelection();
  *pResult = 0;
}

// Every change of the selection, by mouse or keyboard, so that a row chosen with the arrow keys
// can be opened with Return.
void MpUiCOpenProjectDlg::OnItemchangedProjectList(NMHDR* pNMHDR, LRESULT* pResult) {
  const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
  *pResult = 0;
  if ((change->uChanged & LVIF_STATE) && ((change->uNewState ^ change->uOldState) & LVIS_SELECTED)) followSelection();
}

void MpUiCOpenProjectDlg::OnDblclkProjectList(NMHDR*, LRESULT* pResult) {
  *pResult = 0;
  if (m_projectList.GetFirstSelectedItemPosition()) OnOK();
}

void MpUiCOpenProjectDlg::OnOK() {
  m_selectedProjectId = selectedId();
  EndDialog(IDOK);
}

IMpZulProject* MpUiCOpenProjectDlg::GetProject() {
  if (m_spData.isNull()) return nullptr;
  ZulObjectKey key;
  key.objectId = (uint32_t)m_selectedProjectId;
  IMpZulProjectPtr project(m_spData.get(), key, 0);
  IMpZulProject* result = project.get();
  if (result) result->AddRef();
  return result;
}
