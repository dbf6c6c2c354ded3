// The string chooser.
#include "MpUiCStringSelDlg.h"
#include <algorithm>
#include <cctype>

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
    if (text.empty()) continue;
    std::string upper = text;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return (char)std::toupper(c); });
    if (!filter.empty() && upper.find(filter) == std::string::npos) continue;
    list->InsertItem(list->GetItemCount(), text.c_str());
  }
}

void MpUiCStringSelDlg::OnOK() {
  CListCtrl* list = getNodeList();
  const int row = list ? list->GetNextItem(-1, LVNI_SELECTED) : -1;
  if (row >= 0) m_selected = std::string(list->GetItemText(row, 0));
  EndDialog(IDOK);
}
