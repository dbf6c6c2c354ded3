// The properties dialog over the sample data: the node's and its prototype's rows, the two
// switches and the growing list.
#include <commctrl.h>
#include <algorithm>
#include <string>
#include <vector>
#include "MpHostSample.h"
#include "MpUiCPropertiesDlg.h"
#include "hosted.h"
#include "resource.h"
#include "show_watched.h"

using namespace AfxScript;

namespace {

// Every row as "attribute=value", top to bottom.
std::vector<std::string> Rows(HWND dlg) {
  auto* list = static_cast<CListCtrl*>(CWnd::FromHandle(::GetDlgItem(dlg, IDC_PROPERTIES_LIST)));
  std::vector<std::string> rows;
  for (int i = 0; i < list->GetItemCount(); ++i)
    rows.push_back(std::string(list->GetItemText(i, 0)) + "=" + std::string(list->GetItemText(i, 1)));
  return rows;
}

std::string Caption(HWND h) {
  char text[256] = {};
  ::GetWindowTextA(h, text, sizeof(text));
  return text;
}

bool Has(const std::vector<std::string>& rows, const std::string& row) {
  return std::find(rows.begin(), rows.end(), row) != rows.end();
}

using WatchedPropertiesDlg = wdtest::ShowWatched<MpUiCPropertiesDlg>;

}  // namespace

TEST_F(HostedTest, PropertiesDialogListsNodeAndPrototypeRowsInOrder) {
  MpHostData* data = MpHostCreateSampleData();
  const ZulObjectKey part = data->find("Model", "Bracket part");
  // "Bore depth" is shown under a name the host does not answer to: that entry has no value.
  const ZulObjectKey hole = data->addNode("CounterboreHole", "CB 1", part,
                                          {{"Prototype", "Standard hole"}, {"BoreDepthTolerance", "0.1"},
                                           {"ThreadStandard", "ISO"}, {"Diameter", "12"}});
  const std::string id = std::to_string(hole.objectId);
  const std::string protoId = std::to_string(data->find("HoleClass", "Standard hole").objectId);
  MpUiCPropertiesDlg dlg(data->node(hole));
  script.Dialog(IDD_PROPERTIES, [&](HWND h) {
    EXPECT_EQ("Properties - CB 1 ( Counterbore hole )", Caption(h));
    EXPECT_FALSE(wdtest::Checked(h, IDC_PROPERTIES_ALL));
    EXPECT_TRUE(wdtest::Checked(h, IDC_PROPERTIES_PROTOTYPE));
    EXPECT_EQ((std::vector<std::string>{"ID (p)=" + protoId, "BoreDepthTolerance=0.1", "ThreadStandard=ISO", "ID=" + id}),
              Rows(h));
    Click(h, IDC_PROPERTIES_ALL);
    std::vector<std::string> all = Rows(h);
    EXPECT_TRUE(Has(all, "Tolerance (p)=fine") && Has(all, "Diameter=12") && Has(all, "Name=CB 1"));
    EXPECT_EQ("ID=" + id, all.back());
    const auto protoEnd = std::find(all.begin(), all.end(), "ID (p)=" + protoId);
    EXPECT_TRUE(std::all_of(all.begin(), protoEnd, [](const std::string& r) { return r.find(" (p)=") != std::string::npos; }));
    Click(h, IDC_PROPERTIES_PROTOTYPE);
    for (const std::string& row : Rows(h)) EXPECT_EQ(std::string::npos, row.find(" (p)")) << row;
    Click(h, IDC_PROPERTIES_PROTOTYPE);
    EXPECT_EQ(all, Rows(h));

    // Growing the dialog grows the list by the offsets of its client area: the same margin on
    // both sides, 13 pixels more at the bottom than at the top.
    ::SetWindowPos(h, nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    HWND listWnd = ::GetDlgItem(h, IDC_PROPERTIES_LIST);
    RECT client, inner, outer;
    ::GetClientRect(h, &client);
    ::GetClientRect(listWnd, &inner);
    ::MapWindowPoints(listWnd, h, reinterpret_cast<POINT*>(&inner), 2);
    ::GetWindowRect(listWnd, &outer);
    EXPECT_EQ(client.right - 2 * inner.left, outer.right - outer.left);
    EXPECT_EQ(client.bottom - (inner.top + 13), outer.bottom - outer.top);
    ::PostMessageA(h, WM_COMMAND, IDOK, 0);
  });
  dlg.DoModal();

  MpUiCPropertiesDlg material(data->node(data->find("Material", "AlMg3")));
  script.Dialog(IDD_PROPERTIES, [&](HWND h) {
    EXPECT_FALSE(wdtest::Enabled(h, IDC_PROPERTIES_PROTOTYPE)) << "a material is made after no prototype";
    EXPECT_EQ((std::vector<std::string>{"Density=2.66", "ID=" + std::to_string(data->find("Material", "AlMg3").objectId)}),
              Rows(h));
    ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
  });
  material.DoModal();
  data->Release();
}

// Sizing the first column leaves the dialog hidden until its initialisation is over; then it is
// shown and becomes the active window, where the keyboard reaches it.
TEST_F(HostedTest, PropertiesDialogIsShownAndActivatedOnceInitialised) {
  MpHostData* data = MpHostCreateSampleData();
  WatchedPropertiesDlg dlg(data->node(data->find("Material", "AlMg3")));
  script.Dialog(IDD_PROPERTIES, [&](HWND h) {
    EXPECT_FALSE(dlg.visibleAfterInit);
    EXPECT_EQ(1, dlg.shown);
    EXPECT_TRUE(::IsWindowVisible(h));
    EXPECT_EQ(h, ::GetActiveWindow());
    ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
  });
  dlg.DoModal();
  data->Release();
}
