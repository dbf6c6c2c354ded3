// The result viewer.
#include "MpUiCEventViewerDlg.h"
#include "resource.h"

// The viewer handles nothing beyond what the resizable dialog does. (An empty map leaves the
// map's class typedef unused.)
BEGIN_MESSAGE_MAP(MpUiCEventViewerDlg, MpAppUiResizableDialog)
END_MESSAGE_MAP()

MpUiCEventViewerDlg::MpUiCEventViewerDlg(std::string& title, std::string& events, CWnd* parent)
    : MpAppUiResizableDialog(IDD_EVENT_VIEWER, parent), m_title(title), m_events(events), m_bSendMessage(false) {}

MpUiCEventViewerDlg::~MpUiCEventViewerDlg() = default;

void MpUiCEventViewerDlg::setEvents(std::string& events) {
  m_events = events;
  // Before the window exists, OnInitDialog fills the list from the text.
  if (m_listCtrl.GetSafeHwnd() == nullptr) return;
  m_listCtrl.DeleteAllItems();
  fillList();
}

void MpUiCEventViewerDlg::setSendMessage(bool sendMessage) { m_bSendMessage = sendMessage; }

void MpUiCEventViewerDlg::DoDataExchange(CDataExchange* pDX) {
  MpAppUiResizableDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_EVENT_VIEWER_LIST, m_listCtrl);
}

BOOL MpUiCEventViewerDlg::OnInitDialog() {
  MpAppUiResizableDialog::OnInitDialog();

  // The list grows with the dialog; the OK button keeps its size, centred at the bottom.
  AddAnchor(IDC_EVENT_VIEWER_LIST, ANCHOR_TOP_LEFT, ANCHOR_BOTTOM_RIGHT);
  AddAnchor(IDOK, ANCHOR_BOTTOM_CENTER, ANCHOR_NONE);

  SetWindowText(m_title.c_str());
  m_listCtrl.SetExtendedStyle(LVS_EX_FULLROWSELECT);

  CRect rc;
  m_listCtrl.GetClientRect(&rc);
  m_listCtrl.InsertColumn(0, "Type", LVCFMT_LEFT, 60);
  m_listCtrl.InsertColumn(1, "Description", LVCFMT_LEFT, rc.Width() - 80);

  fillList();
  return TRUE;
}

void MpUiCEventViewerDlg::fillList() {
  m_listCtrl.SetRedraw(FALSE);
  int row = 0;
  std::string::size_type pos = 0;
  for (;;) {
    const std::string::size_type end = m_events.find('\n', pos);
    if (end == std::string::npos) break;  // an unterminated last line is not shown
    const std::string line = m_events.substr(pos, end - pos);
    pos = end + 1;
    if (line.empty()) continue;

    const std::string::size_type dash = line.find('-');
    if (dash == std::string::npos) continue;
    // "kind - message": the kind keeps its trailing blank; the message starts after the blank
    // that follows the dash, and is empty when the line ends before it.
    const std::string kind = line.substr(0, dash);
    const std::string message = (dash + 2 < line.size()) ? line.substr(dash + 2) : std::string();
    m_listCtrl.InsertItem(row, kind.c_str());
    m_listCtrl.SetItemText(row, 1, message.c_str());
    ++row;
  }
  m_listCtrl.SetRedraw(TRUE);
}
