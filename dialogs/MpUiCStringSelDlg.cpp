// The string chooser.
#include "MpUiCStringSelDlg.h"

namespace {

std::string noText;
MpZulSmartList noList;

}  // namespace

BEGIN_MESSAGE_MAP(MpUiCStringSelDlg, MpUiCNodeDlg)
END_MESSAGE_MAP()

MpUiCStringSelDlg::MpUiCStringSelDlg(std::string& title, std::list<std::string>& strings, CWnd* parent)
    : MpUiCNodeDlg(title, nullptr, noList, false, false, false, false, false, parent, noText, noList),
      m_strings(strings) {}

MpUiCStringSelDlg::~MpUiCStringSelDlg() = default;

std::string MpUiCStringSelDlg::getSelected() { return m_selected; }

bool MpUiCStringSelDlg::checkEmptyList() { return false; }

void MpUiCStringSelDlg::fillNodeList(std::string filter) {
  CWaitCursor wait;
  CListCtrl* list = getNodeList();
  if (!list) return;
  for (const std::string& text : m_strings) {
    if (text.empty() || !matchesFilter(text, filter)) continue;
    list->InsertItem(list->GetItemCount(), text.c_str());
  }
}

void MpUiCStringSelDlg::OnOK() {
  CListCtrl* list = getNodeList();
  const int row = list ? list->GetNextItem(-1, LVNI_SELECTED) : -1;
  if (row >= 0) m_selected = std::string(list->GetItemText(row, 0));
  EndDialog(IDOK);
}
