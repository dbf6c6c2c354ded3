// The open-project dialog over a host store with several projects.
#include "MpHostData.h"
#include "MpUiCOpenProjectDlg.h"
#include "hosted.h"
#include "resource.h"
#include <commctrl.h>

using namespace AfxScript;
using wdtest::Enabled;

namespace {

// Selects a row (-1: none, as a click on empty space leaves it) and tells the dialog of the click.
void ClickRow(HWND dlg, int row, UINT code = NM_CLICK) {
  HWND list = ::GetDlgItem(dlg, IDC_PROJECT_LIST);
  ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
  if (row >= 0) ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
  NMITEMACTIVATE n{};
  n.hdr.hwndFrom = list;
  n.hdr.idFrom = IDC_PROJECT_LIST;
  n.hdr.code = code;
  n.iItem = row;
  ::SendMessageA(dlg, WM_NOTIFY, IDC_PROJECT_LIST, (LPARAM)&n);
}

std::string Cell(HWND dlg, int row, int column) {
  char text[128] = "";
  ListView_GetItemText(::GetDlgItem(dlg, IDC_PROJECT_LIST), row, column, text, sizeof text);
  return text;
}

}  // namespace

TEST_F(HostedTest, OpenProjectDialogListsProjectsAndHandsBackTheChosenOne) {
  MpHostData* store = MpHostData::create();
  const ZulObjectKey zeta = store->addNode("Project", "Zeta");
  const ZulObjectKey alpha = store->addNode("Project", "Alpha");
  store->addNode("Product", "not a project");
  store->setProjectComment(alpha, "second shift");

  MpUiCOpenProjectDlg dlg(store, nullptr);
  script.Dialog(IDD_OPEN_PROJECT, [&](HWND h) {
    HWND list = ::GetDlgItem(h, IDC_PROJECT_LIST);
    ASSERT_EQ(2, ListView_GetItemCount(list));
    // In identifier order, not by name.
    EXPECT_EQ("Zeta", Cell(h, 0, 0));
    EXPECT_EQ("No comment", Cell(h, 0, 1));
    EXPECT_EQ("Alpha", Cell(h, 1, 0));
    EXPECT_EQ("second shift", Cell(h, 1, 1));
    EXPECT_FALSE(Enabled(h, IDOK));
    ClickRow(h, 1);
    EXPECT_TRUE(Enabled(h, IDOK));
    ClickRow(h, -1);  // empty space
    EXPECT_FALSE(Enabled(h, IDOK));
    ClickRow(h, -1, NM_DBLCLK);  // nothing selected: nothing happens
    ClickRow(h, 0);
    Click(h, IDCANCEL);
  });
  ASSERT_EQ(IDCANCEL, dlg.DoModal());
  // After Cancel the row last clicked still counts.
  IMpZulProject* project = dlg.GetProject();
  ASSERT_NE(nullptr, project);
  EXPECT_EQ(store->node(zeta), MpHostNodeOf(project));
  project->Release();

  script.Dialog(IDD_OPEN_PROJECT, [&](HWND h) { ClickRow(h, 1, NM_DBLCLK); });
  ASSERT_EQ(IDOK, dlg.DoModal());
  project = dlg.GetProject();
  ASSERT_NE(nullptr, project);
  EXPECT_EQ(store->node(alpha), MpHostNodeOf(project));
  project->Release();

  // Without a data object: no rows, OK stays off, no project.
  MpUiCOpenProjectDlg empty(nullptr, nullptr);
  script.Dialog(IDD_OPEN_PROJECT, [&](HWND h) {
    EXPECT_EQ(0, ListView_GetItemCount(::GetDlgItem(h, IDC_PROJECT_LIST)));
    EXPECT_FALSE(Enabled(h, IDOK));
    Click(h, IDCANCEL);
  });
  ASSERT_EQ(IDCANCEL, empty.DoModal());
  EXPECT_EQ(nullptr, empty.GetProject());
  store->Release();
}
