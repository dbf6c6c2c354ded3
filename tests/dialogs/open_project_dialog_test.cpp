// The open-project dialog over a host store with several projects.
#include "MpHostData.h"
#include "MpUiCOpenProjectDlg.h"
#include "hosted.h"
#include "image_list_owner.h"
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

// Every row as "name|comment; ".
std::string Rows(HWND dlg) {
  HWND list = ::GetDlgItem(dlg, IDC_PROJECT_LIST);
  std::string rows;
  char name[128], comment[128];
  for (int row = 0; row < ListView_GetItemCount(list); ++row) {
    ListView_GetItemText(list, row, 0, name, sizeof name);
    ListView_GetItemText(list, row, 1, comment, sizeof comment);
    rows = rows + name + "|" + comment + "; ";
  }
  return rows;
}

// The host node of the project the dialog hands back (the store keeps it alive), or null.
MpHostNode* Chosen(MpUiCOpenProjectDlg& dlg) {
  IMpZulProject* project = dlg.GetProject();
  if (project) project->Release();
  return MpHostNodeOf(project);
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
    EXPECT_EQ("Zeta|No comment; Alpha|second shift; ", Rows(h));  // by identifier, not by name
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
  EXPECT_EQ(store->node(zeta), Chosen(dlg));  // after Cancel the row last clicked counts

  script.Dialog(IDD_OPEN_PROJECT, [&](HWND h) { ClickRow(h, 1, NM_DBLCLK); });
  ASSERT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(store->node(alpha), Chosen(dlg));

  // Without a data object: no rows, OK stays off, no project.
  MpUiCOpenProjectDlg empty(nullptr, nullptr);
  script.Dialog(IDD_OPEN_PROJECT, [&](HWND h) {
    EXPECT_EQ("", Rows(h));
    EXPECT_FALSE(Enabled(h, IDOK));
    Click(h, IDCANCEL);
  });
  ASSERT_EQ(IDCANCEL, empty.DoModal());
  EXPECT_EQ(nullptr, Chosen(empty));
  store->Release();
}

// The keyboard alone: the arrow keys choose a row, which enables OK and is the chosen project
// even after Cancel; Return opens the row chosen.
TEST_F(HostedTest, OpenProjectDialogIsUsableFromTheKeyboard) {
  MpHostData* store = MpHostData::create();
  const ZulObjectKey first = store->addNode("Project", "First");
  const ZulObjectKey second = store->addNode("Project", "Second");
  auto selected = [](HWND h) { return ListView_GetNextItem(::GetDlgItem(h, IDC_PROJECT_LIST), -1, LVNI_SELECTED); };
  auto startOnFirstRow = [](HWND h) {
    Focus(h, IDC_PROJECT_LIST);
    ListView_SetItemState(::GetDlgItem(h, IDC_PROJECT_LIST), 0, LVIS_FOCUSED, LVIS_FOCUSED);
    EXPECT_FALSE(Enabled(h, IDOK));
    PressKey(VK_DOWN);
  };

  MpUiCOpenProjectDlg dlg(store, nullptr);
  script.Dialog(IDD_OPEN_PROJECT, startOnFirstRow);
  script.Dialog(IDD_OPEN_PROJECT, [&](HWND h) {
    EXPECT_EQ(1, selected(h));
    EXPECT_TRUE(Enabled(h, IDOK));
    PressKey(VK_UP);
  });
  script.Dialog(IDD_OPEN_PROJECT, [&](HWND h) {
    EXPECT_EQ(0, selected(h));
    PressEscape();
  });
  ASSERT_EQ(IDCANCEL, dlg.DoModal());
  EXPECT_EQ(store->node(first), Chosen(dlg));

  script.Dialog(IDD_OPEN_PROJECT, startOnFirstRow);
  script.Dialog(IDD_OPEN_PROJECT, [&](HWND) { PressEnter(); });
  ASSERT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(store->node(second), Chosen(dlg));
  store->Release();
}

TEST_F(HostedTest, OpenProjectDialogOwnsItsImageList) {
  HIMAGELIST images = nullptr;
  {
    MpUiCOpenProjectDlg dlg(nullptr, nullptr);
    script.Dialog(IDD_OPEN_PROJECT, [&](HWND h) {
      images = wdtest::SmallImages(::GetDlgItem(h, IDC_PROJECT_LIST));
      Click(h, IDCANCEL);
    });
    ASSERT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_TRUE(wdtest::ImagesAlive(images)) << "the list view must not destroy the dialog's images";
  }
  EXPECT_FALSE(wdtest::ImagesAlive(images)) << "the dialog destroys its images";
}
