// The check-out dialog.
#include "MpUiCCheckOutDlg.h"
#include <string>
#include "MpLogging.h"
#include "MpUiResourceString.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(MpUiCCheckOutDlg, MpAppUiResizableDialog)
  ON_BN_CLICKED(IDC_CHECK_OUT_CANCEL, OnCancelCheckOut)
  ON_NOTIFY(LVN_ITEMCHANGING, IDC_CHECK_OUT_LIST, OnItemChanging)
  ON_NOTIFY(NM_CUSTOMDRAW, IDC_CHECK_OUT_LIST, OnCustomDrawList)
END_MESSAGE_MAP()

namespace {

const char kFile[] = "MpUiCCheckOutDlg.cpp";

void logLine(int severity, const std::string& message, int line) {
  if (g_spLogger.get() != nullptr) g_spLogger->log(severity, MpLog::NoFlag, message, kFile, line);
}

std::string text(unsigned id) { return getResourceString(id, "", "", "", ""); }

}  // namespace

MpUiCCheckOutDlg::MpUiCCheckOutDlg(IMpData* pData, MpZulSmartList& objects, bool bCheckOut, CWnd* pParent)
    : MpAppUiResizableDialog(IDD_CHECK_OUT, pParent), m_data(pData, true), m_objects(objects), m_bCheckOut(bCheckOut) {
  // Without a data object, the first node of the list knows its own.
  for (auto it = m_objects.begin(); m_data.isNull() && it != m_objects.end(); ++it) {
    IMpZulNodePtr node(*it, true);
    if (node.isValid()) m_data.attach(node->getData());
  }
}

MpUiCCheckOutDlg::~MpUiCCheckOutDlg() = default;

bool MpUiCCheckOutDlg::isCheckOutStateOk() { return m_bResult; }

void MpUiCCheckOutDlg::DoDataExchange(CDataExchange* pDX) {
  MpAppUiResizableDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_CHECK_OUT_LIST, m_list);
  DDX_Control(pDX, IDOK, m_okButton);
  DDX_Control(pDX, IDC_CHECK_OUT_CANCEL, m_cancelCheckOutButton);
}

void MpUiCCheckOutDlg::loadImageList() {
  // 32-bit: the overlay icon is transparent through its alpha channel alone.
  m_images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 5, 5);
  if (m_data.isValid()) m_data->fillClassIcons(m_images, m_classIcons, m_iconIcons);
  const UINT bitmaps[] = {IDB_CHECK_OUT_FREE, IDB_CHECK_OUT_MINE, IDB_CHECK_OUT_OTHER};
  for (int state = 0; state < 3; ++state) {
    CBitmap bitmap;
    if (bitmap.LoadBitmap(bitmaps[state])) m_stateIcons[state] = m_images.Add(&bitmap, RGB(255, 255, 255));
  }
  LPCSTR overlayName = MAKEINTRESOURCEA(IDI_OBJECT_OVERLAY);
  HICON overlay = static_cast<HICON>(
      ::LoadImageA(AfxFindResourceHandle(overlayName, RT_GROUP_ICON), overlayName, IMAGE_ICON, 16, 16, 0));
  if (overlay) {
    m_overlayImage = m_images.Add(overlay);
    m_images.SetOverlayImage(m_overlayImage, 3);
    ::DestroyIcon(overlay);
  }
  m_list.SetImageList(&m_images, LVSIL_SMALL);
}

int MpUiCCheckOutDlg::getCioIconIndex(int state) {
  const auto it = m_stateIcons.find(state);
  return it == m_stateIcons.end() ? 0 : it->second;
}

int MpUiCCheckOutDlg::getClassIconIndex(IMpZulNode* pNode) {
  IMpZulClassPtr cls;
  cls.attach(pNode->getClass());
  if (cls.isNull()) return 0;
  int classId = 0, iconId = 0;
  const bool classKnown = cls->getClassId(classId);
  if (classKnown) {
    const auto known = m_classIcons.find(classId);
    if (known != m_classIcons.end()) return known->second;
  }
  if (!cls->getIconId(iconId)) return 0;
  const auto byIcon = m_iconIcons.find(iconId);
  if (byIcon == m_iconIcons.end()) return 0;
  if (classKnown) m_classIcons[classId] = byIcon->second;
  return byIcon->second;
}

BOOL MpUiCCheckOutDlg::OnInitDialog() {
  MpAppUiResizableDialog::OnInitDialog();
  AddAnchor(IDOK, ANCHOR_BOTTOM_RIGHT, ANCHOR_NONE);
  AddAnchor(IDCANCEL, ANCHOR_BOTTOM_RIGHT, ANCHOR_NONE);
  AddAnchor(IDC_CHECK_OUT_LIST, ANCHOR_TOP_LEFT, ANCHOR_BOTTOM_RIGHT);
  AddAnchor(IDC_CHECK_OUT_CANCEL, ANCHOR_BOTTOM_RIGHT, ANCHOR_NONE);

  m_list.SetExtendedStyle(LVS_EX_SUBITEMIMAGES);
  if (m_bCheckOut) {
    m_cancelCheckOutButton.ShowWindow(SW_HIDE);
  } else {
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_okButton.SetWindowText("Check In");
  }
  loadImageList();
  CRect client;
  m_list.GetClientRect(&client);
  m_list.InsertColumn(0, "State", LVCFMT_CENTER, 40);
  m_list.InsertColumn(1, "Name", LVCFMT_LEFT, client.Width() / 2 - 1);
  m_list.InsertColumn(2, "User", LVCFMT_LEFT, client.Width() / 2 - 41);

  std::string currentUser;
  long userId = 0;
  if (m_data.isValid() && m_data->getCurrentUserId(userId)) m_data->getUserName(userId, currentUser);

  int row = 0;
  bool heldByOthers = false;
  for (IUnknown* object : m_objects) {
    IMpZulNodePtr node(object, true);
    if (node.isNull()) continue;
    const int state = node->getCheckOutState();
    const int item = m_list.InsertItem(row, "", getCioIconIndex(state));
    m_list.SetItemData(item, node->getObjectKey().objectId);
    std::string name, user;
    node->getName(name);
    m_list.SetItem(item, 1, LVIF_TEXT | LVIF_IMAGE, name.c_str(), getClassIconIndex(node.get()), 0, 0, 0);
    IMpZulPrototypePtr prototype(object, true);
    if (prototype.isValid()) m_prototypeRows.insert(item);  // overlay 3, drawn by OnCustomDrawList
    if (state == 1) user = currentUser;
    else node->getCheckOutUser(user);
    m_list.SetItemText(item, 2, user.c_str());
    m_stateByRow[item] = state;
    heldByOthers = heldByOthers || state == 2;
    ++row;
  }
  if (m_bCheckOut) m_okButton.EnableWindow(!heldByOthers);
  return TRUE;
}

void MpUiCCheckOutDlg::OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult) {
  const NMLISTVIEW* change = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
  *pResult = 0;
  if (change->uOldState == 0 && change->uNewState == 0) return;
  if (change->uChanged != LVIF_STATE) return;
  // Only rows the current user holds may be selected or checked; any row may take the focus,
  // or the arrow keys could not pass the others.
  const auto it = m_stateByRow.find(change->iItem);
  if (it != m_stateByRow.end() && it->second == 1) return;
  const UINT selected = change->uNewState & ~change->uOldState & LVIS_SELECTED;
  const UINT checked = (change->uNewState ^ change->uOldState) & LVIS_STATEIMAGEMASK;
  if (!selected && !checked) return;
  *pResult = TRUE;
  // The list moves focus and selection in one change: the focus alone goes through.
  if (change->uNewState & ~change->uOldState & LVIS_FOCUSED)
    m_list.SetItemState(change->iItem, LVIS_FOCUSED, LVIS_FOCUSED);
}

// A list view draws no overlay on a sub-item's image: the prototype rows get theirs drawn over
// the "Name" cell's icon once the list has drawn the cell.
void MpUiCCheckOutDlg::OnCustomDrawList(NMHDR* pNMHDR, LRESULT* pResult) {
  NMLVCUSTOMDRAW* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
  const int row = static_cast<int>(draw->nmcd.dwItemSpec);
  *pResult = CDRF_DODEFAULT;
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      // Sub-item images are shown in check-out mode only.
      if (m_bCheckOut && !m_prototypeRows.empty()) *pResult = CDRF_NOTIFYITEMDRAW;
      break;
    case CDDS_ITEMPREPAINT:
      if (m_prototypeRows.count(row)) *pResult = CDRF_NOTIFYSUBITEMDRAW;
      break;
    case CDDS_SUBITEM | CDDS_ITEMPREPAINT:
      if (draw->iSubItem == 1) *pResult = CDRF_NOTIFYPOSTPAINT;
      break;
    case CDDS_SUBITEM | CDDS_ITEMPOSTPAINT: {
      if (draw->iSubItem != 1 || m_overlayImage < 0) break;
      RECT icon{LVIR_ICON, 1, 0, 0};
      if (::SendMessageA(m_list.m_hWnd, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&icon)))
        ::ImageList_Draw(m_images, m_overlayImage, draw->nmcd.hdc, icon.left, icon.top, ILD_TRANSPARENT);
      break;
    }
    default:
      break;
  }
}

MpZulSmartList MpUiCCheckOutDlg::getSelectedItems() {
  MpZulSmartList selected(m_data.get());
  if (m_data.isNull()) return selected;
  for (int item = m_list.GetNextItem(-1, LVNI_SELECTED); item >= 0; item = m_list.GetNextItem(item, LVNI_SELECTED)) {
    IMpZulNodePtr node(m_data.get(), ZulObjectKey(static_cast<uint32_t>(m_list.GetItemData(item))), 0);
    if (node.isValid()) selected.push_back(node.get(), true);
  }
  return selected;
}

template <class Call>
void MpUiCCheckOutDlg::runHostCall(unsigned startId, int startLine, unsigned failId, int failLine, int endLine,
                                   const MpZulSmartList& objects, Call call) {
  BeginWaitCursor();
  logLine(MpLog::Warning, text(startId), startLine);
  m_bResult = call(objects.getKeys());
  if (!m_bResult) logLine(MpLog::Error, text(failId), failLine);
  logLine(MpLog::Warning, std::string(), endLine);
  EndWaitCursor();
}

void MpUiCCheckOutDlg::OnOK() {
  if (m_data.isNull()) {
    EndDialog(IDOK);
    return;
  }
  IMpData* data = m_data.get();
  if (!m_bCheckOut) {
    const MpZulSmartList selected = getSelectedItems();
    if (!selected.empty())
      runHostCall(IDS_CHECK_IN_RUNNING, 212, IDS_CHECK_IN_FAILED, 216, 218, selected,
                  [data](const std::vector<ZulObjectKey>& keys) { return data->checkIn(keys, nullptr, nullptr, "", false, 1); });
    EndDialog(IDOK);
    return;
  }
  MpZulSmartList free(data);
  for (const auto& rowState : m_stateByRow) {
    if (rowState.second != 0) continue;
    IMpZulNodePtr node(data, ZulObjectKey(static_cast<uint32_t>(m_list.GetItemData(rowState.first))), 0);
    if (node.isValid()) free.push_back(node.get(), true);
  }
  if (!free.empty())
    runHostCall(IDS_CHECK_OUT_RUNNING, 195, IDS_CHECK_OUT_FAILED, 199, 201, free,
                [data](const std::vector<ZulObjectKey>& keys) { return data->checkOut(keys, nullptr, nullptr, ""); });
  EndDialog(IDOK);
}

void MpUiCCheckOutDlg::OnCancelCheckOut() {
  const MpZulSmartList selected = getSelectedItems();
  if (selected.empty()) return;
  IMpData* data = m_data.get();
  runHostCall(IDS_CHECK_OUT_CANCELLING, 321, IDS_CHECK_OUT_CANCEL_FAILED, 325, 327, selected,
              [data](const std::vector<ZulObjectKey>& keys) { return data->cancelCheckOut(keys, nullptr, nullptr, "", 1); });
  EndDialog(IDCANCEL);
}
