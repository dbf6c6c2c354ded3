// The node chooser and its variants over a host store, driven as a user would.
#include <algorithm>
#include <list>
#include "../frame/viewer_rows.h"
#include "CJqLoginDlg.h"
#include "MpDataLib.h"
#include "MpHost.h"
#include "MpHostData.h"
#include "MpResourceBrowser.h"
#include "MpUiCNodeDlg.h"
#include "MpUiCSelAttachDlg.h"
#include "MpUiCStringSelDlg.h"
#include "canvas.h"
#include "hosted.h"
#include "image_list_owner.h"
#include "show_watched.h"

using namespace AfxScript;

namespace {

HWND List(HWND dlg) { return ::GetDlgItem(dlg, IDC_CHOOSER_LIST); }
int Count(HWND dlg) { return (int)::SendMessageA(List(dlg), LVM_GETITEMCOUNT, 0, 0); }
std::vector<std::string> Column(HWND dlg, int column = 0) {
  std::vector<std::string> texts;
  for (int i = 0; i < Count(dlg); ++i) texts.push_back(ItemText(List(dlg), i, column));
  return texts;
}
void SetState(HWND dlg, int row, UINT state, UINT mask) {
  LVITEMA item{};
  item.state = state;
  item.stateMask = mask;
  ::SendMessageA(List(dlg), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}
void Select(HWND dlg, int row) { SetState(dlg, row, LVIS_SELECTED, LVIS_SELECTED); }
void Tick(HWND dlg, int row, bool on) { SetState(dlg, row, INDEXTOSTATEIMAGEMASK(on ? 2 : 1), LVIS_STATEIMAGEMASK); }
LRESULT Notify(HWND dlg, NMHDR& hdr) { return ::SendMessageA(dlg, WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr)); }
COLORREF TextColour(HWND dlg, int row) {
  NMLVCUSTOMDRAW draw{};
  draw.nmcd.hdr = {List(dlg), IDC_CHOOSER_LIST, (UINT)NM_CUSTOMDRAW};
  draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
  draw.nmcd.dwItemSpec = (DWORD_PTR)row;
  Notify(dlg, draw.nmcd.hdr);
  return draw.clrText;
}
void ClickHeader(HWND dlg, int column) {
  NMHEADERA header{};
  header.hdr = {(HWND)::SendMessageA(List(dlg), LVM_GETHEADER, 0, 0), 0, (UINT)HDN_ITEMCLICKA};
  header.iItem = column;
  Notify(dlg, header.hdr);
}
void Filter(HWND dlg, const char* text) {
  Type(dlg, IDC_CHOOSER_FILTER, text);
  ::SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_CHOOSER_FILTER, 0x0501), (LPARAM)Item(dlg, IDC_CHOOSER_FILTER));
}
NodeItemData* RowData(HWND dlg, int row) {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  ::SendMessageA(List(dlg), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return dynamic_cast<NodeItemData*>(reinterpret_cast<ItemData*>(item.lParam));
}
std::string Caption(HWND h) {
  char text[256] = "";
  ::GetWindowTextA(h, text, sizeof(text));
  return text;
}
std::vector<std::string> Names(MpSmartList& list) {
  std::vector<std::string> names;
  for (IUnknown* p : list) {
    IMpZulNodePtr node(p, true);
    IMpZulClassPtr cls(p, true);
    std::string name;
    if (node.isValid()) node->getName(name);
    if (cls.isValid()) cls->getNiceName(name);
    names.push_back(name);
  }
  return names;
}

using WatchedChooser = wdtest::ShowWatched<MpUiCNodeDlg>;

}  // namespace

class NodeChooserTest : public HostedTest {
 protected:
  void SetUp() override {
    HostedTest::SetUp();
    m_store = MpHostData::create();
    m_housing = m_store->addNode("Product", "Housing");
    for (const char* name : {"bracket", "Axle"}) m_store->addNode("Product", name);
    m_store->addNode("FeaturePrototype", "Pocket proto");
    m_red = m_store->addNode("VariantSet", "Red", m_housing);
    m_store->addNode("VariantSet", "Blue", m_housing);
  }
  void TearDown() override {
    MpContextData()->variantFilterId = 0;
    m_store->Release();
    HostedTest::TearDown();
  }
  MpZulSmartList Objects(std::vector<std::string> names) {
    MpZulSmartList list(m_store);
    for (const std::string& name : names) list.push_back(static_cast<IMpZulNode*>(m_store->node(m_store->find("", name))), true);
    return list;
  }
  MpHostData* m_store = nullptr;
  ZulObjectKey m_housing, m_red;
  std::string m_title = "Choose parts", m_ok;
};

TEST_F(NodeChooserTest, NodesAreSortedFilteredHighlightedAndChosen) {
  MpZulSmartList input = Objects({"Housing", "bracket", "Axle", "Pocket proto"}), highlight = Objects({"Axle"});
  std::string ok = "Take";
  MpUiCNodeDlg dlg(m_title, m_store, input, false, false, true, true, false, nullptr, ok, highlight);
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    EXPECT_EQ("Take", Text(h, IDOK));
    EXPECT_FALSE(wdtest::Enabled(h, IDOK));
    EXPECT_FALSE(::IsWindowVisible(Item(h, IDC_CHOOSER_CHILD_CLASSES)) || ::IsWindowVisible(Item(h, IDC_CHOOSER_BROWSER)));
    EXPECT_EQ((std::vector<std::string>{"Axle", "Housing", "Pocket proto", "bracket"}), Column(h));
    EXPECT_EQ(RGB(255, 0, 0), TextColour(h, 0));
    EXPECT_EQ(RGB(0, 0, 0), TextColour(h, 1));
    EXPECT_EQ((UINT)INDEXTOOVERLAYMASK(3), (UINT)::SendMessageA(List(h), LVM_GETITEMSTATE, 2, LVIS_OVERLAYMASK));
    // The list is a tool of the tooltip, yet nothing but the layer sits in its window procedure:
    // every row inserted would pass through it.
    EXPECT_EQ((LONG_PTR)&AfxWndProc, ::GetWindowLongPtrA(List(h), GWLP_WNDPROC));
    ClickHeader(h, 0);
    EXPECT_EQ("bracket", Column(h)[0]);
    ClickHeader(h, 1);  // no item comparison on other columns: the order stays
    EXPECT_EQ("bracket", Column(h)[0]);
    Filter(h, "o");  // the template upper-cases what is typed; names are matched upper-cased
    EXPECT_EQ((std::vector<std::string>{"Housing", "Pocket proto"}), Column(h));
    Select(h, 0);
    Select(h, 1);
    NMITEMACTIVATE click{};
    click.hdr = {List(h), IDC_CHOOSER_LIST, (UINT)NM_CLICK};
    click.iItem = 0;
    Notify(h, click.hdr);
    EXPECT_TRUE(wdtest::Enabled(h, IDOK));
    Click(h, IDOK);
  });
  ASSERT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ((std::vector<std::string>{"Housing", "Pocket proto"}), Names(dlg.getSelection()));
  std::map<std::string, int> classes{{"x", 1}};
  EXPECT_FALSE(dlg.getClassNames(classes));
  EXPECT_TRUE(classes.empty());
  // Without amounts a second run adds to the choice.
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    Select(h, 0);
    Click(h, IDOK);
  });
  ASSERT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ((std::vector<std::string>{"Housing", "Pocket proto", "Axle"}), Names(dlg.getSelection()));
}

TEST_F(NodeChooserTest, ClassAmountsAreTypedInPlaceAndReadBack) {
  MpZulSmartList input = Objects({"Housing"}), none;
  MpUiCNodeDlg dlg(m_title, m_store, input, true, false, true, true, true, nullptr, m_ok, none);
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    EXPECT_TRUE(::IsWindowVisible(Item(h, IDC_CHOOSER_RESET)));
    EXPECT_GT(Count(h), 10) << "every possible child class while the box is ticked";
    SetCheck(h, IDC_CHOOSER_CHILD_CLASSES, false);
    EXPECT_EQ((std::vector<std::string>{"Attachment", "Machining process", "Model", "Operation set-up",
                                        "Product variant set"}),
              Column(h));
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    ::SendMessageA(List(h), LVM_GETITEMA, 0, (LPARAM)&item);
    EXPECT_EQ(4, item.iImage) << "the class's own icon";
    item.iItem = 2;
    ::SendMessageA(List(h), LVM_GETITEMA, 0, (LPARAM)&item);
    EXPECT_EQ(0, item.iImage) << "a class without an icon of its own shows its parent's";
    EXPECT_FALSE(wdtest::Enabled(h, IDOK));
    Tick(h, 0, true);
    EXPECT_EQ("1", ItemText(List(h), 0, 1));
    ::SetWindowTextA(::GetFocus(), "7");
    PressEnter();
  });
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    EXPECT_EQ("7", ItemText(List(h), 0, 1));
    Tick(h, 2, true);
    ::SetWindowTextA(::GetFocus(), "9");
    PressEscape();
  });
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    EXPECT_EQ((std::vector<std::string>{"7", "0", "1", "0", "0"}), Column(h, 1)) << "Escape keeps the old amount";
    Tick(h, 4, true);
    ::SetWindowTextA(::GetFocus(), "0");
    PressEnter();
  });
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    EXPECT_TRUE(wdtest::Enabled(h, IDOK));
    Click(h, IDOK);
  });
  ASSERT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ((std::vector<std::string>{"Attachment", "Model", "Product variant set"}), Names(dlg.getSelection()));
  EXPECT_EQ((std::vector<int>{7, 1, 0}), dlg.getAmounts());
  std::map<std::string, int> classes;
  EXPECT_TRUE(dlg.getClassNames(classes));
  EXPECT_EQ((std::map<std::string, int>{{"Attachment", 7}, {"Model", 1}, {"VariantSet", 0}}), classes);

  // Run again, the chosen objects and their amounts are those of the new OK only.
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    SetCheck(h, IDC_CHOOSER_CHILD_CLASSES, false);
    Tick(h, 2, true);
    ::SetWindowTextA(::GetFocus(), "9");
    PressEnter();
  });
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) { Click(h, IDOK); });
  ASSERT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ((std::vector<std::string>{"Model"}), Names(dlg.getSelection()));
  EXPECT_EQ((std::vector<int>{9}), dlg.getAmounts());
  EXPECT_TRUE(dlg.getClassNames(classes));
  EXPECT_EQ((std::map<std::string, int>{{"Model", 9}}), classes);
}

TEST_F(NodeChooserTest, VariantFilterIsChosenInANestedChooser) {
  MpZulSmartList input = Objects({"Axle"}), none;
  MpUiCNodeDlg dlg(m_title, m_store, input, false, false, false, false, false, nullptr, m_ok, none);
  dlg.showVariantFilter(MpUiCNodeDlg::BUTTON_ENABLED);
  auto choose = [&](int row) {
    return [this, row](HWND h) {
      EXPECT_EQ(Message(IDS_CHOOSER_VARIANT_TITLE), Caption(h));
      EXPECT_EQ((std::vector<std::string>{"Blue", "Red"}), Column(h));
      EXPECT_TRUE(::IsWindowVisible(Item(h, IDC_CHOOSER_RESET)));
      if (row < 0) return Click(h, IDC_CHOOSER_RESET);
      Select(h, row);
      Click(h, IDOK);
    };
  };
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    Click(h, IDC_CHOOSER_VARIANT);
    EXPECT_EQ("Red", Text(h, IDC_CHOOSER_VARIANT_TEXT));
    EXPECT_EQ(m_red.id(), MpContextData()->variantFilterId);
    Click(h, IDC_CHOOSER_VARIANT);
    EXPECT_EQ(Message(IDS_CHOOSER_NO_VARIANT), Text(h, IDC_CHOOSER_VARIANT_TEXT));
    EXPECT_EQ(0, MpContextData()->variantFilterId);
    Click(h, IDCANCEL);
  });
  script.Dialog(IDD_NODE_CHOOSER, choose(1)).Dialog(IDD_NODE_CHOOSER, choose(-1));
  EXPECT_EQ(IDCANCEL, dlg.DoModal());

  MpUiCNodeDlg off(m_title, m_store, input, false, false, false, false, false, nullptr, m_ok, none);
  off.showVariantFilter(MpUiCNodeDlg::BUTTON_UNAVAILABLE);
  MpContextData()->variantFilterId = m_red.id();
  script.Dialog(IDD_NODE_CHOOSER, [](HWND h) {
    EXPECT_EQ("Red", Text(h, IDC_CHOOSER_VARIANT_TEXT));
    Click(h, IDC_CHOOSER_VARIANT);
    Click(h, IDCANCEL);
  });
  script.MessageBox(IDOK);
  EXPECT_EQ(IDCANCEL, off.DoModal());
  ASSERT_EQ(1u, Boxes().size());
  EXPECT_EQ(Message(IDS_CHOOSER_VARIANT_OFF), Boxes()[0].first);
}

namespace {

// While the browser command runs, every message of the dialog is refused: a second browse and
// an OK arriving meanwhile change nothing.
WNDPROC g_dialogProc = nullptr;
std::vector<std::string> g_captions;
LRESULT CALLBACK DuringBrowse(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) {
    g_captions.push_back(reinterpret_cast<const char*>(lParam));
    if (g_captions.size() == 1) {
      ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_CHOOSER_BROWSER, BN_CLICKED), (LPARAM)::GetDlgItem(h, IDC_CHOOSER_BROWSER));
      ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(h, IDOK));
    }
  }
  return ::CallWindowProcA(g_dialogProc, h, message, wParam, lParam);
}

}  // namespace

TEST_F(NodeChooserTest, EmptyInputAndTheBrowserButton) {
  MpZulSmartList empty(m_store), none;
  MpUiCNodeDlg closes(m_title, m_store, empty, false, false, false, false, false, nullptr, m_ok, none);
  EXPECT_EQ(IDCANCEL, closes.DoModal()) << "closes itself with nothing to offer";

  MpUiCNodeDlg stays(m_title, m_store, empty, false, false, false, false, false, nullptr, m_ok, none);
  stays.setResourceBrowser(MpUiCNodeDlg::BUTTON_UNAVAILABLE, nullptr);
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    EXPECT_FALSE(wdtest::Enabled(h, IDC_CHOOSER_BROWSER));
    TOOLTIPTEXTA tip{};
    tip.hdr = {h, (UINT_PTR)Item(h, IDC_CHOOSER_BROWSER), (UINT)TTN_NEEDTEXTA};
    tip.uFlags = TTF_IDISHWND;
    Notify(h, tip.hdr);
    EXPECT_EQ(Message(IDS_CHOOSER_BROWSER_OFF), tip.lpszText ? tip.lpszText : "");
    // The mouse over the disabled button shows the same text.
    wdtest::MoveMouseOver(h, Item(h, IDC_CHOOSER_BROWSER));
  });
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    HWND tip = stays.GetToolTipHandle();
    ASSERT_NE(nullptr, tip);
    wdtest::FireShowTimer(tip);
    EXPECT_TRUE(::IsWindowVisible(tip));
    EXPECT_EQ(Message(IDS_CHOOSER_BROWSER_OFF), Caption(tip));
    Click(h, IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, stays.DoModal());

  // A browser that starts: without an environment resource the button is disabled (logged); with
  // one it works, and its command cannot run twice at once.
  char bin[MAX_PATH] = "", temp[MAX_PATH] = "";
  ::GetModuleFileNameA(nullptr, bin, MAX_PATH);
  *strrchr(bin, '\\') = 0;
  ::GetTempPathA(MAX_PATH, temp);
  const std::string home = std::string(temp) + "wd_chooser_home";
  for (const char* sub : {"", "\\bin", "\\bin\\RB"}) ::CreateDirectoryA((home + sub).c_str(), nullptr);
  FILE* conf = fopen((home + "\\bin\\RB\\resource_browser.conf").c_str(), "w");
  fprintf(conf, "RB_HOME=%s\\rb;\n", bin);
  fclose(conf);
  ::SetEnvironmentVariableA("KVX_MP_HOME", home.c_str());
  const ZulObjectKey environment = m_store->addNode("Environment", "Shop");
  MpZulSmartList input = Objects({"Axle"});
  MpUiCNodeDlg noResource(m_title, m_store, input, false, false, false, false, false, nullptr, m_ok, none);
  noResource.setResourceBrowser(MpUiCNodeDlg::BUTTON_ENABLED, nullptr);
  noResource.setEnvironment(m_store->node(environment));
  script.Dialog(IDD_NODE_CHOOSER, [](HWND h) {
    EXPECT_FALSE(wdtest::Enabled(h, IDC_CHOOSER_BROWSER));
    Click(h, IDCANCEL);
  });
  noResource.DoModal();
  ASSERT_EQ(1u, Logs().size());
  EXPECT_EQ(275, Logs()[0].line);
  EXPECT_EQ("MpUiCNodeDlg.cpp", Logs()[0].sourceFile);

  m_store->addNode("EnvironmentResource", "Library", environment);
  MpUiCNodeDlg browsing(m_title, m_store, input, false, false, false, false, false, nullptr, m_ok, none);
  browsing.setResourceBrowser(MpUiCNodeDlg::BUTTON_ENABLED, nullptr);
  browsing.setEnvironment(m_store->node(environment));
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    EXPECT_TRUE(wdtest::Enabled(h, IDC_CHOOSER_BROWSER));
    g_captions.clear();
    g_dialogProc = (WNDPROC)::SetWindowLongPtrA(h, GWLP_WNDPROC, (LONG_PTR)&DuringBrowse);
    Click(h, IDC_CHOOSER_BROWSER);
    Click(h, IDC_CHOOSER_BROWSER);
    ::SetWindowLongPtrA(h, GWLP_WNDPROC, (LONG_PTR)g_dialogProc);
    EXPECT_EQ((std::vector<std::string>{m_title + Message(IDS_CHOOSER_BROWSING), m_title,
                                        m_title + Message(IDS_CHOOSER_BROWSING), m_title}),
              g_captions);
    EXPECT_EQ(1, Count(h));
    Click(h, IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, browsing.DoModal()) << "the OK sent while browsing was refused";
  MpResourceBrowser::terminateResourceBrowser();
  ::SetEnvironmentVariableA("KVX_MP_HOME", nullptr);
}

TEST_F(NodeChooserTest, AttachmentAndStringVariants) {
  m_store->addNode("Attachment", "Drawing", m_housing, {{"File", "C:\\m\\part.asm.1"}});
  m_store->addNode("Attachment", "Note", m_housing);
  MpZulSmartList attachments = Objects({"Note", "Drawing", "Axle"});
  MpUiCSelAttachDlg attach(m_title, m_store, attachments, false);
  script.Dialog(IDD_NODE_CHOOSER, [](HWND h) {
    EXPECT_EQ((std::vector<std::string>{"Drawing", "Note"}), Column(h));
    EXPECT_EQ((std::vector<std::string>{"part.asm.1", ""}), Column(h, 1));
    EXPECT_EQ((std::vector<std::string>{"C:\\m\\", ""}), Column(h, 2));
    Select(h, 0);
    Click(h, IDOK);
  });
  ASSERT_EQ(IDOK, attach.DoModal());
  EXPECT_EQ((std::vector<std::string>{"Drawing"}), Names(attach.getSelection()));

  std::list<std::string> strings{"beta", "", "Alpha", "gamma"}, empty;
  MpUiCStringSelDlg choose(m_title, strings);
  script.Dialog(IDD_NODE_CHOOSER, [](HWND h) {
    EXPECT_EQ((std::vector<std::string>{"beta", "Alpha", "gamma"}), Column(h));
    ClickHeader(h, 0);
    Filter(h, "A");
    EXPECT_EQ((std::vector<std::string>{"beta", "Alpha", "gamma"}), Column(h)) << "rows carry no data to sort by";
    Select(h, 1);
    Click(h, IDOK);
  });
  ASSERT_EQ(IDOK, choose.DoModal());
  EXPECT_EQ("Alpha", choose.getSelected());
  MpUiCStringSelDlg nothing(m_title, empty);
  script.Dialog(IDD_NODE_CHOOSER, [](HWND h) {
    EXPECT_FALSE(wdtest::Enabled(h, IDOK));
    Click(h, IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, nothing.DoModal());
  EXPECT_EQ("", nothing.getSelected());
}

TEST_F(NodeChooserTest, LoginRemembersUserAndGroupOnly) {
  IMpRegistryPtr registry(CLSID_MpRegistry, nullptr);
  const char key[] = "Software\\Brevanta\\Halcyon\\Settings";
  registry->setValue(key, "VRNOLogin", "ann");
  registry->setValue(key, "VRNOGroup", "---");
  CJqLoginDlg dlg;
  script.Dialog(IDD_JQLOGIN, [](HWND h) {
    EXPECT_EQ("ann", Text(h, IDC_JQLOGIN_USER));
    EXPECT_EQ("", Text(h, IDC_JQLOGIN_GROUP));
    Type(h, IDC_JQLOGIN_USER, "bob");
    Type(h, IDC_JQLOGIN_GROUP, "cam");
    Type(h, IDC_JQLOGIN_PASSWORD, "secret");
    Click(h, IDOK);
  });
  EXPECT_EQ(IDOK, dlg.DoModal()) << "without a login function OK only stores";
  EXPECT_EQ("bob", registry->getValue(key, "VRNOLogin", ""));
  EXPECT_EQ("cam", registry->getValue(key, "VRNOGroup", ""));
  CJqLoginDlg cancelled;
  script.Dialog(IDD_JQLOGIN, [](HWND h) {
    Type(h, IDC_JQLOGIN_USER, "eve");
    Click(h, IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, cancelled.DoModal());
  EXPECT_EQ("bob", registry->getValue(key, "VRNOLogin", ""));
}

TEST_F(NodeChooserTest, EveryModeIsShownWhenItOpensAndOwnsItsImages) {
  MpZulSmartList nodes = Objects({"Axle"}), parent = Objects({"Housing"}), none;
  HIMAGELIST images = nullptr;
  for (bool classMode : {false, true}) {
    for (bool amounts : {false, true}) {
      SCOPED_TRACE(testing::Message() << "class mode " << classMode << ", amounts " << amounts);
      {
        WatchedChooser dlg(m_title, m_store, classMode ? parent : nodes, classMode, false, true, true, amounts,
                           nullptr, m_ok, none);
        script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
          EXPECT_TRUE(::IsWindowVisible(h));
          EXPECT_GT(Count(h), 0);
          images = wdtest::SmallImages(List(h));
          Click(h, IDCANCEL);
        });
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        EXPECT_FALSE(dlg.visibleAfterInit);
        EXPECT_EQ(1, dlg.shown);
        EXPECT_TRUE(wdtest::ImagesAlive(images)) << "the list view must not destroy the dialog's images";
      }
      EXPECT_FALSE(wdtest::ImagesAlive(images)) << "the dialog destroys its images";
    }
  }
}

// The pixels of one image of a list, drawn on white.
std::vector<DWORD> Pixels(HIMAGELIST images, int index) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, bitmap);
  ::PatBlt(dc, 0, 0, 16, 16, WHITENESS);
  ::ImageList_Draw(images, index, dc, 0, 0, ILD_NORMAL);
  ::GdiFlush();
  std::vector<DWORD> pixels(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + 16 * 16);
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  ::DeleteObject(bitmap);
  return pixels;
}

TEST_F(NodeChooserTest, OverlayImageIsTheIconAsTheListWouldHoldItInEveryDialog) {
  MpZulSmartList nodes = Objects({"Axle", "Pocket proto"}), none;
  // With and without a data object (class icons from the host, or the bitmap), and a second
  // time each, when the image is no longer drawn anew.
  for (IMpData* data : {static_cast<IMpData*>(m_store), static_cast<IMpData*>(nullptr)}) {
    for (int time = 0; time < 2; ++time) {
      SCOPED_TRACE(testing::Message() << (data ? "with" : "without") << " a data object, time " << time);
      MpUiCNodeDlg dlg(m_title, data, nodes, false, false, true, true, false, nullptr, m_ok, none);
      script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
        HIMAGELIST images = wdtest::SmallImages(List(h));
        const int count = ::ImageList_GetImageCount(images);
        ASSERT_GT(count, 1);
        // What the list makes of the icon itself, over the same background.
        HIMAGELIST expected = ::ImageList_Create(16, 16, ILC_COLOR8, 5, 5);
        ::ImageList_SetBkColor(expected, ::ImageList_GetBkColor(images));
        const LPCSTR name = MAKEINTRESOURCEA(IDI_CHOOSER_OVERLAY);
        ASSERT_EQ(0, ::ImageList_AddIcon(expected, ::LoadIconA(AfxFindResourceHandle(name, RT_GROUP_ICON), name)));
        EXPECT_EQ(Pixels(images, count - 1), Pixels(expected, 0)) << "the overlay is the last image";
        EXPECT_NE(Pixels(images, count - 1), Pixels(images, 0));
        ::ImageList_Destroy(expected);
        const int proto = Column(h)[0] == "Pocket proto" ? 0 : 1;
        EXPECT_EQ((UINT)INDEXTOOVERLAYMASK(3), (UINT)::SendMessageA(List(h), LVM_GETITEMSTATE, proto, LVIS_OVERLAYMASK));
        Click(h, IDCANCEL);
      });
      EXPECT_EQ(IDCANCEL, dlg.DoModal());
    }
  }
}

TEST_F(NodeChooserTest, KeyboardChoosesAndFilters) {
  MpZulSmartList input = Objects({"Housing", "bracket", "Axle"}), none;
  MpUiCNodeDlg dlg(m_title, m_store, input, false, false, true, false, false, nullptr, m_ok, none);
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    SetState(h, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_TRUE(wdtest::Enabled(h, IDOK)) << "any selection change rechecks OK";
    // Return in the filter box filters and does not choose, although OK is enabled.
    Type(h, IDC_CHOOSER_FILTER, "H");
    PressEnter();
  });
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    EXPECT_EQ((std::vector<std::string>{"Housing"}), Column(h));
    EXPECT_FALSE(wdtest::Enabled(h, IDOK)) << "the new rows have no selection";
    Type(h, IDC_CHOOSER_FILTER, "");
    PressEnter();
  });
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    EXPECT_EQ((std::vector<std::string>{"Axle", "Housing", "bracket"}), Column(h));
    Focus(h, IDC_CHOOSER_LIST);
    SetState(h, 0, LVIS_FOCUSED, LVIS_FOCUSED);
    PressKey(VK_DOWN);
  });
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    EXPECT_EQ(1u, (UINT)::SendMessageA(List(h), LVM_GETSELECTEDCOUNT, 0, 0));
    EXPECT_TRUE(wdtest::Enabled(h, IDOK));
    PressEnter();
  });
  ASSERT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ((std::vector<std::string>{"Housing"}), Names(dlg.getSelection()));
}

TEST_F(NodeChooserTest, AnAmountTypedInPlaceStaysWithItsRow) {
  MpZulSmartList input = Objects({"Housing"}), none;
  MpUiCNodeDlg dlg(m_title, m_store, input, true, false, true, true, true, nullptr, m_ok, none);
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    SetCheck(h, IDC_CHOOSER_CHILD_CLASSES, false);
    ASSERT_EQ("Machining process", Column(h)[1]);
    Tick(h, 1, true);
    ::SetWindowTextA(::GetFocus(), "7");
    ClickHeader(h, 0);  // the rows turn round while the editor is open
    EXPECT_EQ("Machining process", Column(h)[3]);
    EXPECT_EQ("7", Column(h, 1)[3]);
    // A refill while the editor is open (the filter text set without focusing the box): the
    // amount goes to no other row.
    Tick(h, 0, true);
    ::SetWindowTextA(::GetFocus(), "2");
    ::SetDlgItemTextA(h, IDC_CHOOSER_FILTER, "MO");
    ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_CHOOSER_FILTER, 0x0501), (LPARAM)Item(h, IDC_CHOOSER_FILTER));
    Focus(h, IDC_CHOOSER_LIST);
    EXPECT_EQ((std::vector<std::string>{"Model"}), Column(h));
    EXPECT_EQ("0", ItemText(List(h), 0, 1));
    Click(h, IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  // OK after a sort takes the amount typed on the row.
  MpUiCNodeDlg again(m_title, m_store, input, true, false, true, true, true, nullptr, m_ok, none);
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    SetCheck(h, IDC_CHOOSER_CHILD_CLASSES, false);
    Tick(h, 1, true);
    ::SetWindowTextA(::GetFocus(), "7");
    ClickHeader(h, 0);
    Click(h, IDOK);
  });
  ASSERT_EQ(IDOK, again.DoModal());
  std::map<std::string, int> classes;
  EXPECT_TRUE(again.getClassNames(classes));
  EXPECT_EQ((std::map<std::string, int>{{"MachiningProcess", 7}}), classes);
}

TEST_F(NodeChooserTest, ClassIconsAsTheHostReportsThem) {
  m_store->customization()->setClassProperty("ManualFeature", "Icon", "none");
  MpZulSmartList input(m_store), none;
  for (const char* name : {"UserFeature", "Attachment", "ManualFeature"}) {
    IMpZulClassPtr cls(CLSID_MpZulClass, nullptr);
    ASSERT_TRUE(cls->loadByName(m_store, name));
    input.push_back(cls.get(), true);
  }
  MpUiCNodeDlg dlg(m_title, m_store, input, true, true, true, true, false, nullptr, m_ok, none);
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    ASSERT_EQ((std::vector<std::string>{"Attachment", "ManualFeature", "UserFeature"}), Column(h));
    std::vector<int> images;
    for (int row = 0; row < 3; ++row) {
      LVITEMA item{};
      item.mask = LVIF_IMAGE;
      item.iItem = row;
      ::SendMessageA(List(h), LVM_GETITEMA, 0, (LPARAM)&item);
      images.push_back(item.iImage);
    }
    // Its own icon; none to be had: image 0; none of its own: its parent's (a feature's).
    EXPECT_EQ((std::vector<int>{4, 0, 2}), images);
    Click(h, IDCANCEL);
  });
  dlg.DoModal();
}

// Equal names keep the input's order when the chooser opens and after a filter; a header click
// turns the order round and back, also after a filter; a node keeps its row data across filter
// runs until its name changes; an input object that is no node takes no node's name.
TEST_F(NodeChooserTest, EqualNamesKeepTheirOrderAndNodesTheirRowData) {
  std::vector<ZulObjectKey> keys;
  for (const char* name : {"b", "a", "b", "B", "a"}) keys.push_back(m_store->addNode("Product", name));
  MpZulSmartList input(m_store), none;
  IMpZulClassPtr cls(CLSID_MpZulClass, nullptr);
  ASSERT_TRUE(cls->loadByName(m_store, "Product"));
  for (size_t i = 0; i < keys.size(); ++i) {
    if (i == 2) input.push_back(cls.get(), true);
    input.push_back(static_cast<IMpZulNode*>(m_store->node(keys[i])), true);
  }
  // Each row as the place of its node in keys, checking that it shows that node's name.
  auto places = [&](HWND h) {
    std::vector<int> result;
    for (int row = 0; row < Count(h); ++row) {
      NodeItemData* item = RowData(h, row);
      int place = -1;
      for (size_t i = 0; item && i < keys.size(); ++i)
        if (keys[i].id() == item->getObjectId()) place = static_cast<int>(i);
      result.push_back(place);
      EXPECT_EQ(place < 0 ? "" : m_store->node(keys[place])->name(), ItemText(List(h), row, 0)) << row;
    }
    return result;
  };
  MpUiCNodeDlg dlg(m_title, m_store, input, false, false, true, false, false, nullptr, m_ok, none);
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    EXPECT_EQ((std::vector<int>{3, 1, 4, 0, 2}), places(h));
    std::map<int, NodeItemData*> data;
    for (int row = 0; row < Count(h); ++row) data[RowData(h, row)->getObjectId()] = RowData(h, row);
    ClickHeader(h, 0);
    EXPECT_EQ((std::vector<int>{0, 2, 1, 4, 3}), places(h));
    ClickHeader(h, 0);
    EXPECT_EQ((std::vector<int>{3, 1, 4, 0, 2}), places(h));
    ClickHeader(h, 0);
    Filter(h, "B");  // sorted ascending again
    EXPECT_EQ((std::vector<int>{3, 0, 2}), places(h));
    ClickHeader(h, 0);
    EXPECT_EQ((std::vector<int>{0, 2, 3}), places(h));
    Filter(h, "");
    EXPECT_EQ((std::vector<int>{3, 1, 4, 0, 2}), places(h));
    for (int row = 0; row < Count(h); ++row) EXPECT_EQ(data[RowData(h, row)->getObjectId()], RowData(h, row)) << row;
    ASSERT_TRUE(m_store->node(keys[1])->setField("Name", "c"));
    Filter(h, "");
    EXPECT_EQ((std::vector<int>{3, 4, 0, 2, 1}), places(h));
    EXPECT_NE(data[keys[1].id()], RowData(h, 4)) << "a renamed node's row data carries its new name";
    EXPECT_EQ(data[keys[4].id()], RowData(h, 1));
    Select(h, 4);
    Click(h, IDOK);
  });
  ASSERT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ((std::vector<std::string>{"c"}), Names(dlg.getSelection()));
}

namespace {

// Row data of a host's own: names compared without regard to case.
class CaselessRow : public NodeItemData {
 public:
  using NodeItemData::NodeItemData;
  int compare(ItemData* other) override {
    NodeItemData* row = dynamic_cast<NodeItemData*>(other);
    return row ? ::lstrcmpiA(name().c_str(), row->name().c_str()) : 0;
  }
};

// Row data of no kind the chooser knows, counting the comparisons asked of it.
class ForeignRow : public ItemData {
 public:
  explicit ForeignRow(int& calls) : m_calls(calls) {}
  int compare(ItemData*) override { return ++m_calls, 0; }

 private:
  int& m_calls;
};

// A chooser whose rows carry the host's own row data: caseless node rows only, or the chooser's
// own node rows followed by two foreign rows.
class HostRowsChooser : public MpUiCNodeDlg {
 public:
  HostRowsChooser(std::string& title, IMpData* data, MpZulSmartList& input, std::string& ok, MpZulSmartList& none,
                  bool foreign)
      : MpUiCNodeDlg(title, data, input, false, false, true, true, false, nullptr, ok, none), m_foreign(foreign) {}
  int foreignCalls = 0;

 protected:
  void fillNodeList(std::string filter) override {
    if (m_foreign) {
      MpUiCNodeDlg::fillNodeList(filter);
      for (const char* name : {"zz", "AA"}) add(name, new ForeignRow(foreignCalls));
      return;
    }
    for (IUnknown* object : getInput()) {
      IMpZulNodePtr node(object, true);
      std::string name;
      if (node.isValid() && node->getName(name)) add(name, new CaselessRow(node.get(), name));
    }
  }

 private:
  void add(const std::string& name, ItemData* item) {
    addItemData(item);
    insertRow(name, 0, item, false);
  }
  bool m_foreign;
};

}  // namespace

// Every row sorts by its own data's comparison, both ways: class rows by their display names, a
// host's node rows by its own rule; data of another kind compares equal and is sorted unharmed.
TEST_F(NodeChooserTest, RowsSortByTheirOwnDataOfAnyKind) {
  // The row data's base holds nothing but its virtual functions, as a host's own row data expects.
  EXPECT_EQ(sizeof(void*), sizeof(ItemData));
  MpZulSmartList parent = Objects({"Housing"}), none;
  const std::vector<std::string> classes{"Attachment", "Machining process", "Model", "Operation set-up",
                                         "Product variant set"};
  MpUiCNodeDlg classDlg(m_title, m_store, parent, true, false, true, true, false, nullptr, m_ok, none);
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    SetCheck(h, IDC_CHOOSER_CHILD_CLASSES, false);
    ClickHeader(h, 0);
    EXPECT_EQ(std::vector<std::string>(classes.rbegin(), classes.rend()), Column(h));
    ClickHeader(h, 0);
    EXPECT_EQ(classes, Column(h));
    Click(h, IDCANCEL);
  });
  classDlg.DoModal();

  MpZulSmartList input = Objects({"Housing", "bracket", "Axle"});
  HostRowsChooser caseless(m_title, m_store, input, m_ok, none, false);
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    EXPECT_EQ((std::vector<std::string>{"Axle", "bracket", "Housing"}), Column(h));
    ClickHeader(h, 0);
    EXPECT_EQ((std::vector<std::string>{"Housing", "bracket", "Axle"}), Column(h));
    Click(h, IDCANCEL);
  });
  caseless.DoModal();
  // A host's node rows are node rows to the chooser's own: compared by name, in byte order.
  NodeItemData lower(nullptr, "a");
  CaselessRow upper(nullptr, "B");
  EXPECT_GT(lower.compare(&upper), 0);

  HostRowsChooser mixed(m_title, m_store, input, m_ok, none, true);
  script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
    ClickHeader(h, 0);
    std::vector<std::string> rows = Column(h);
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ((std::vector<std::string>{"AA", "Axle", "Housing", "bracket", "zz"}), rows);
    ForeignRow foreign(mixed.foreignCalls);
    ClassItemData classRow(nullptr);
    int nodes = 0;
    for (int row = 0; row < Count(h); ++row) {
      NodeItemData* item = RowData(h, row);
      if (!item) continue;
      ++nodes;
      EXPECT_EQ(0, item->compare(&foreign));
      EXPECT_EQ(0, item->compare(&classRow));
      EXPECT_EQ(0, classRow.compare(item));
    }
    EXPECT_EQ(3, nodes);
    Click(h, IDCANCEL);
  });
  mixed.DoModal();
  EXPECT_GT(mixed.foreignCalls, 0) << "the foreign rows were asked by their own comparison";
}

// However often a chooser of any kind runs, it leaves no GDI object behind: in amounts mode the
// list makes the check boxes' images itself and leaves them to its dialog.
TEST_F(NodeChooserTest, RunsLeaveNoGdiObjectsBehind) {
  MpZulSmartList nodes = Objects({"Axle", "Housing"}), parent = Objects({"Housing"}), none;
  std::list<std::string> strings{"beta", "Alpha"};
  const char* kinds[] = {"nodes", "node amounts", "classes", "class amounts", "attachments", "strings"};
  auto run = [&](int kind) {
    const bool classes = kind == 2 || kind == 3, amounts = kind == 1 || kind == 3;
    script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
      if (amounts) Tick(h, 0, true);
      Click(h, IDCANCEL);
    });
    if (kind == 4) {
      MpUiCSelAttachDlg dlg(m_title, m_store, nodes, true);
      dlg.DoModal();
    } else if (kind == 5) {
      MpUiCStringSelDlg dlg(m_title, strings);
      dlg.DoModal();
    } else {
      MpUiCNodeDlg dlg(m_title, m_store, classes ? parent : nodes, classes, false, true, true, amounts, nullptr, m_ok,
                       none);
      dlg.DoModal();
    }
  };
  for (int kind = 0; kind < 6; ++kind) {
    run(kind);  // what is made once for the process
    const DWORD before = wdtest::GdiCount();
    for (int time = 0; time < 3; ++time) run(kind);
    EXPECT_EQ(before, wdtest::GdiCount()) << kinds[kind];
  }
}

namespace {

// A store that offers its data interface alone, as one built before the quicker way of reading
// texts existed: each call goes on to a host store; the bulk queries are counted.
class DataOnlyStore final : public MpUnknown<IMpData> {
 public:
  explicit DataOnlyStore(MpHostData* store) : m_store(store) { m_store->AddRef(); }
  int queries = 0;

  bool getCurrentUserId(long& id) override { return m_store->getCurrentUserId(id); }
  bool getIdentityNumber(long& number) override { return m_store->getIdentityNumber(number); }
  bool getIdentityPair(long& first, long& second) override { return m_store->getIdentityPair(first, second); }
  bool getProductVariantSets(std::vector<ZulObjectKey>& keys) override { return m_store->getProductVariantSets(keys); }
  bool fillClassIcons(HIMAGELIST images, std::map<int, int>& classes, std::map<int, int>& icons) override {
    return m_store->fillClassIcons(images, classes, icons);
  }
  bool queryKeys(const std::vector<ZulObjectKey>& keys, const std::vector<std::string>& names,
                 std::map<int, IMpDataParameterSetPtr>& sets) override {
    ++queries;
    return m_store->queryKeys(keys, names, sets);
  }
  bool getVariantFilters(std::list<ZulObjectKey>& keys) override { return m_store->getVariantFilters(keys); }
  bool setVariantFilter(const ZulObjectKey& key) override { return m_store->setVariantFilter(key); }
  bool getProjects(std::map<long, std::string>& projects) override { return m_store->getProjects(projects); }
  bool getProjectComment(long id, std::string& comment) override { return m_store->getProjectComment(id, comment); }
  bool getUserName(long id, std::string& name) override { return m_store->getUserName(id, name); }
  bool checkOut(const std::vector<ZulObjectKey>& keys, void* a, void* b, const std::string& comment) override {
    return m_store->checkOut(keys, a, b, comment);
  }
  bool checkIn(const std::vector<ZulObjectKey>& keys, void* a, void* b, const std::string& comment, bool keep,
               int mode) override {
    return m_store->checkIn(keys, a, b, comment, keep, mode);
  }
  bool cancelCheckOut(const std::vector<ZulObjectKey>& keys, void* a, void* b, const std::string& comment,
                      int mode) override {
    return m_store->cancelCheckOut(keys, a, b, comment, mode);
  }

 protected:
  void* findInterface(REFIID iid) override {
    return IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IMpData) ? static_cast<IMpData*>(this) : nullptr;
  }

 private:
  ~DataOnlyStore() override { m_store->Release(); }
  MpHostData* m_store;
};

}  // namespace

// The nodes' display names come from the store's quick way of reading texts where it offers one,
// and otherwise from one bulk query of parameter sets per fill: the same names either way, the
// display-name attribute before the name.
TEST_F(NodeChooserTest, DisplayNamesFromAStoreWithOrWithoutTheQuickWay) {
  MpHostFieldDef display;
  display.name = "DisplayName";
  ASSERT_TRUE(m_store->customization()->addField("Node", display));
  m_store->addNode("Product", "P-7", ZulObjectKey(), {{"DisplayName", "Seven"}});
  MpZulSmartList none;
  DataOnlyStore* plain = new DataOnlyStore(m_store);
  for (IMpData* data : {static_cast<IMpData*>(m_store), static_cast<IMpData*>(plain)}) {
    SCOPED_TRACE(data == plain ? "data interface only" : "host store");
    MpZulSmartList input(data);
    for (const char* name : {"Housing", "P-7", "bracket", "Axle"})
      input.push_back(static_cast<IMpZulNode*>(m_store->node(m_store->find("", name))), true);
    MpUiCNodeDlg dlg(m_title, data, input, false, false, true, true, false, nullptr, m_ok, none);
    script.Dialog(IDD_NODE_CHOOSER, [&](HWND h) {
      EXPECT_EQ((std::vector<std::string>{"Axle", "Housing", "Seven", "bracket"}), Column(h));
      Filter(h, "S");
      EXPECT_EQ((std::vector<std::string>{"Housing", "Seven"}), Column(h));
      Click(h, IDCANCEL);
    });
    dlg.DoModal();
  }
  EXPECT_EQ(2, plain->queries) << "one for each fill";
  plain->Release();
}
