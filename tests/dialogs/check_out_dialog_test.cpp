// The check-out dialog: the rows with their states and holders, which rows may be chosen, and
// the one host call it makes with exactly the keys it should.
#include <string>
#include <vector>
#include "MpHostData.h"
#include "MpUiCCheckOutDlg.h"
#include "../platform/maker/test_objects.h"
#include "canvas.h"
#include "hosted.h"
#include "image_list_owner.h"
#include <commctrl.h>
#include "resource.h"

using namespace AfxScript;

namespace {

class CheckOutTest : public HostedTest {
 protected:
  void SetUp() override {
    HostedTest::SetUp();
    m_store = MpHostData::create();
    m_store->setUserName(1, "ann");
    m_store->setUserName(2, "bob");
    for (const char* name : {"free", "mine", "other"}) m_keys.push_back(m_store->addNode("Product", name));
    m_keys.push_back(m_store->addNode("FeaturePrototype", "proto"));
    m_store->setHolder(m_keys[1], 1);
  }
  void TearDown() override {
    m_store->Release();
    HostedTest::TearDown();
  }
  MpZulSmartList Objects(std::vector<int> which) {
    MpZulSmartList list(m_store);
    for (int i : which) list.push_back(static_cast<IMpZulNode*>(m_store->node(m_keys[i])), true);
    return list;
  }
  std::string Id(int i) const { return std::to_string(m_keys[i].objectId); }
  // Runs the dialog over the objects; the action gets the dialog and its list.
  bool Run(std::vector<int> which, bool checkOut, std::function<void(HWND, HWND)> action, IMpData* data = nullptr) {
    MpZulSmartList objects = Objects(which);
    MpUiCCheckOutDlg dlg(data, objects, checkOut);
    script.Dialog(IDD_CHECK_OUT, [&](HWND h) { action(h, ::GetDlgItem(h, IDC_CHECK_OUT_LIST)); });
    dlg.DoModal();
    return dlg.isCheckOutStateOk();
  }
  static bool Select(HWND list, int row) {
    ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
    return ListView_GetItemState(list, row, LVIS_SELECTED) != 0;
  }
  static std::string Cell(HWND list, int row, int column) {
    char text[128] = {};
    ListView_GetItemText(list, row, column, text, sizeof(text));
    return text;
  }
  std::vector<std::string> Calls() const { return m_store->checkCalls(); }
  MpHostData* m_store = nullptr;
  std::vector<ZulObjectKey> m_keys;
};

TEST_F(CheckOutTest, CheckOutPassesOnlyTheFreeObjects) {
  EXPECT_TRUE(Run({0, 1, 3}, true, [&](HWND h, HWND list) {
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(h, IDC_CHECK_OUT_CANCEL)));
    EXPECT_TRUE(wdtest::Enabled(h, IDOK));
    EXPECT_EQ(3, ListView_GetItemCount(list));
    EXPECT_EQ("mine|ann", Cell(list, 1, 1) + "|" + Cell(list, 1, 2));
    EXPECT_EQ(Id(3), std::to_string(static_cast<CListCtrl*>(CWnd::FromHandle(list))->GetItemData(2)));
    EXPECT_FALSE(Select(list, 0)) << "a free row cannot be chosen";
    EXPECT_TRUE(Select(list, 1));
    Click(h, IDOK);
  }));
  EXPECT_EQ(std::vector<std::string>{"checkOut " + Id(0) + " " + Id(3)}, Calls());
  EXPECT_EQ(1L, m_store->holder(m_keys[3]));
  const std::vector<MpLogRecord> logs = Logs();
  ASSERT_EQ(2u, logs.size());
  EXPECT_EQ(Message(IDS_CHECK_OUT_RUNNING) + "|195|200", logs[0].message + "|" + std::to_string(logs[0].line) + "|" +
                                                            std::to_string(logs[0].severity));
  EXPECT_EQ("|201|MpUiCCheckOutDlg.cpp", logs[1].message + "|" + std::to_string(logs[1].line) + "|" + logs[1].sourceFile);

  // Another user's object: no check-out at all. Only own objects: nothing to do, no call, false.
  m_store->setHolder(m_keys[2], 2);
  EXPECT_FALSE(Run({0, 2}, true, [&](HWND h, HWND list) {
    EXPECT_FALSE(wdtest::Enabled(h, IDOK));
    EXPECT_EQ("bob", Cell(list, 1, 2));
    Click(h, IDCANCEL);
  }));
  EXPECT_FALSE(Run({1, 3}, true, [&](HWND h, HWND) { Click(h, IDOK); }));
  EXPECT_EQ(1u, Calls().size());
  // A failing host call is logged as an error and leaves the result false.
  m_store->setCheckFailure(true);
  m_store->setHolder(m_keys[0], 0);
  EXPECT_FALSE(Run({0}, true, [&](HWND h, HWND) { Click(h, IDOK); }, m_store));
  EXPECT_EQ(Message(IDS_CHECK_OUT_FAILED) + "|199|400", Logs()[3].message + "|" + std::to_string(Logs()[3].line) + "|" +
                                                           std::to_string(Logs()[3].severity));
}

TEST_F(CheckOutTest, CheckInAndCancelActOnTheChosenOwnRows) {
  m_store->setHolder(m_keys[3], 1);
  m_store->setHolder(m_keys[2], 2);
  EXPECT_TRUE(Run({0, 1, 2, 3}, false, [&](HWND h, HWND list) {
    EXPECT_EQ("Check In", Text(h, IDOK));
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(h, IDC_CHECK_OUT_CANCEL)));
    EXPECT_FALSE(Select(list, 0));
    EXPECT_FALSE(Select(list, 2));
    Click(h, IDC_CHECK_OUT_CANCEL);
    EXPECT_TRUE(::IsWindow(h)) << "nothing chosen: the dialog stays";
    EXPECT_TRUE(Select(list, 1) && Select(list, 3));
    Click(h, IDOK);
  }));
  EXPECT_EQ(std::vector<std::string>{"checkIn " + Id(1) + " " + Id(3)}, Calls());
  EXPECT_EQ(0L, m_store->holder(m_keys[1]));

  m_store->setHolder(m_keys[1], 1);
  EXPECT_TRUE(Run({1, 2}, false, [&](HWND h, HWND list) {
    Select(list, 0);
    Click(h, IDC_CHECK_OUT_CANCEL);
  }));
  EXPECT_EQ("cancelCheckOut " + Id(1), Calls().back());
  EXPECT_EQ(Message(IDS_CHECK_OUT_CANCELLING) + "|321", Logs()[2].message + "|" + std::to_string(Logs()[2].line));

  // No data object and no node to take one from: OK only closes.
  MpZulSmartList none;
  MpUiCCheckOutDlg empty(nullptr, none, true);
  script.Dialog(IDD_CHECK_OUT, [](HWND h) { Click(h, IDOK); });
  EXPECT_EQ(IDOK, empty.DoModal());
  EXPECT_FALSE(empty.isCheckOutStateOk());
}

TEST_F(CheckOutTest, ArrowKeysPassRowsThatCannotBeChosen) {
  m_store->setHolder(m_keys[2], 2);
  m_store->setHolder(m_keys[3], 1);
  MpZulSmartList objects = Objects({1, 0, 2, 3});  // rows: own, free, another's, own
  MpUiCCheckOutDlg dlg(nullptr, objects, false);
  const auto state = [](HWND list, int row) {
    return ListView_GetItemState(list, row, LVIS_FOCUSED | LVIS_SELECTED | LVIS_STATEIMAGEMASK);
  };
  const auto down = [](HWND h) {
    Focus(h, IDC_CHECK_OUT_LIST);
    PressKey(VK_DOWN);
  };
  script.Dialog(IDD_CHECK_OUT, [&](HWND h) {
    HWND list = ::GetDlgItem(h, IDC_CHECK_OUT_LIST);
    ListView_SetItemState(list, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    down(h);
  });
  for (int row = 1; row <= 2; ++row) {
    script.Dialog(IDD_CHECK_OUT, [&, row](HWND h) {
      HWND list = ::GetDlgItem(h, IDC_CHECK_OUT_LIST);
      EXPECT_EQ(UINT(LVIS_FOCUSED), state(list, row)) << "row " << row << " takes the focus, not the selection";
      EXPECT_EQ(0u, state(list, row - 1) & LVIS_SELECTED);
      down(h);
    });
  }
  script.Dialog(IDD_CHECK_OUT, [&](HWND h) {
    HWND list = ::GetDlgItem(h, IDC_CHECK_OUT_LIST);
    EXPECT_EQ(UINT(LVIS_FOCUSED | LVIS_SELECTED), state(list, 3));
    // Nor can such a row be checked.
    ListView_SetExtendedListViewStyleEx(list, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    ListView_SetCheckState(list, 2, TRUE);
    ListView_SetCheckState(list, 3, TRUE);
    EXPECT_NE(UINT(INDEXTOSTATEIMAGEMASK(2)), state(list, 2) & LVIS_STATEIMAGEMASK);
    EXPECT_EQ(UINT(INDEXTOSTATEIMAGEMASK(2)), state(list, 3) & LVIS_STATEIMAGEMASK);
    Click(h, IDOK);
  });
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(std::vector<std::string>{"checkIn " + Id(3)}, Calls());
}

TEST_F(CheckOutTest, PrototypeRowShowsTheOverlayOnItsNameIcon) {
  Run({0, 3}, true, [&](HWND h, HWND list) {
    RECT client;
    ::GetClientRect(list, &client);
    const wdtest::Canvas painted(client.right, client.bottom);
    ::SendMessageA(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(painted.dc()), PRF_CLIENT | PRF_ERASEBKGND);
    HIMAGELIST images = wdtest::SmallImages(list);
    for (int row = 0; row < 2; ++row) {
      RECT icon{LVIR_ICON, 1, 0, 0};
      ASSERT_TRUE(::SendMessageA(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&icon)));
      ASSERT_TRUE(icon.left >= 0 && icon.top >= 0 && icon.left + 16 <= client.right && icon.top + 16 <= client.bottom);
      LVITEMA item{};
      item.mask = LVIF_IMAGE;
      item.iItem = row;
      item.iSubItem = 1;
      ListView_GetItem(list, &item);
      // The class icon as the list would draw it, with and without the overlay.
      wdtest::Canvas plain(16, 16), overlaid(16, 16);
      for (wdtest::Canvas* c : {&plain, &overlaid}) {
        c->fill(ListView_GetBkColor(list));
        ::ImageList_Draw(images, item.iImage, c->dc(), 0, 0, ILD_TRANSPARENT | (c == &overlaid ? INDEXTOOVERLAYMASK(3) : 0));
      }
      const wdtest::Canvas& expected = row == 1 ? overlaid : plain;  // row 1 is the prototype's
      int overlayPixels = 0, wrong = 0;
      for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
          overlayPixels += plain.at(x, y) != overlaid.at(x, y);
          wrong += !wdtest::Pixel(painted, icon.left + x, icon.top + y, expected.at(x, y));
        }
      ASSERT_GT(overlayPixels, 0) << "the overlay shows over the class icon";
      EXPECT_EQ(0, wrong) << "pixels of row " << row << "'s name icon unlike the "
                          << (row == 1 ? "overlaid" : "plain") << " class icon";
      // The overlay covers a corner only: the class icon shows around it.
      EXPECT_EQ(plain.at(8, 8), overlaid.at(8, 8));
    }
    Click(h, IDCANCEL);
  });
}

TEST_F(CheckOutTest, ClassIconsAndTheImageListsOwner) {
  // A class without an identifier still shows the icon it names; a host class its own.
  TestClass* iconOnly = new TestClass(3);
  TestNode* node = new TestNode(m_keys[0].objectId);
  node->setClass(iconOnly);
  MpZulSmartList objects(m_store);
  objects.push_back(node->unknown(), true);
  objects.push_back(static_cast<IMpZulNode*>(m_store->node(m_keys[2])), true);
  HIMAGELIST images = nullptr;
  {
    MpUiCCheckOutDlg dlg(m_store, objects, true);
    script.Dialog(IDD_CHECK_OUT, [&](HWND h) {
      HWND list = ::GetDlgItem(h, IDC_CHECK_OUT_LIST);
      std::vector<int> icons;
      for (int row = 0; row < 2; ++row) {
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        item.iSubItem = 1;
        ListView_GetItem(list, &item);
        icons.push_back(item.iImage);
      }
      EXPECT_EQ((std::vector<int>{2, 1}), icons) << "the images of icons 3 and 2 (a product's)";
      images = wdtest::SmallImages(list);
      Click(h, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_TRUE(wdtest::ImagesAlive(images)) << "the list view must not destroy the dialog's images";
  }
  EXPECT_FALSE(wdtest::ImagesAlive(images)) << "the dialog destroys its images";
  objects.clear();
  node->Release();
  iconOnly->Release();
}

}  // namespace
