// Real OLE drags between two windows of the test: the source starts the drag from a posted
// button press, the cursor stands over the target, and the target reads the drop.
#include <functional>
#include <string>
#include "MpAppUiDragDrop.h"
#include "MpAppUiDropSource.h"
#include "MpHostData.h"
#include "hosted.h"
#include "resource.h"

namespace {

class SourceWnd : public CWnd {
 public:
  std::function<void()> onPress;
  afx_msg void OnLButtonDown(UINT, CPoint) { onPress(); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(SourceWnd, CWnd)
  ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

class Target : public COleDropTarget {
 public:
  MpAppUiDragDrop* reader = nullptr;
  int drops = 0;
  bool read = false;
  HWND window = nullptr;
  MpZulSmartList objects, parents;
  UINT format = 0;  // a format to look for at the drop
  bool offered = false;
  DROPEFFECT OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint) override { return DROPEFFECT_MOVE; }
  DROPEFFECT OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint) override { return DROPEFFECT_MOVE; }
  BOOL OnDrop(CWnd*, COleDataObject* data, DROPEFFECT, CPoint) override {
    ++drops;
    offered = data->IsDataAvailable(static_cast<CLIPFORMAT>(format));
    read = reader->getDraggedNodes(data, window, objects, parents);
    return read;
  }
};

class Escaping : public COleDropSource {
  SCODE QueryContinueDrag(BOOL, DWORD) override { return DRAGDROP_S_CANCEL; }
};

std::vector<uint32_t> Ids(const MpZulSmartList& list) {
  std::vector<uint32_t> ids;
  for (const ZulObjectKey& k : list.getKeys()) ids.push_back(k.objectId);
  return ids;
}

class DragDropTest : public HostedTest {
 protected:
  void SetUp() override {
    HostedTest::SetUp();
    ASSERT_TRUE(AfxOleInit());
    const char* cls = AfxRegisterWndClass(0);
    ASSERT_TRUE(source.CreateEx(0, cls, "source", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr));
    ASSERT_TRUE(targetWnd.CreateEx(0, cls, "target", WS_POPUP | WS_VISIBLE, 200, 0, 100, 100, nullptr, nullptr));
    ASSERT_TRUE(target.Register(&targetWnd));
    store = MpHostData::create();
    project = store->addNode("Project", "P");
    first = store->addNode("Product", "N1", project);
    second = store->addNode("Product", "N2", project);
    loose = store->addNode("Material", "Q");
  }
  void TearDown() override {
    target.Revoke();
    source.DestroyWindow();
    targetWnd.DestroyWindow();
    target.objects.clear();
    target.parents.clear();
    store->Release();
    ::OleUninitialize();
    HostedTest::TearDown();
  }
  // Drags from the source window onto the target as a user would; the result of setDraggedNodes.
  bool Drag(MpAppUiDragDrop& from, MpZulSmartList& objects, MpZulSmartList& parents, COleDropSource* with = nullptr) {
    bool result = false;
    source.onPress = [&] { result = from.setDraggedNodes(with, source.m_hWnd, objects, parents); };
    ::SetCursorPos(250, 50);
    ::PostMessageA(source.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    return result;
  }
  MpZulSmartList List(std::vector<IUnknown*> items) {
    MpZulSmartList list(store);
    for (IUnknown* p : items) list.push_back(p, false);
    return list;
  }
  IUnknown* Node(const ZulObjectKey& key) {
    IMpZulNode* n = store->node(key);
    n->AddRef();
    return n;
  }

  SourceWnd source;
  CWnd targetWnd;
  Target target;
  MpHostData* store = nullptr;
  ZulObjectKey project, first, second, loose;
};

}  // namespace

TEST_F(DragDropTest, NodesAndClassesTravelAsKeysOfTheirStore) {
  MpAppUiDragDrop dragger(store, false), reader(store, false);
  target.reader = &reader;
  // Q's parent does not hold it, and N2 has no parent entry: both go with parent 0.
  MpZulSmartList objects = List({Node(first), Node(loose), Node(second)});
  MpZulSmartList parents = List({Node(project), Node(project)});
  EXPECT_TRUE(Drag(dragger, objects, parents));
  EXPECT_TRUE(target.read);
  EXPECT_EQ(source.m_hWnd, target.window);
  EXPECT_EQ(Ids(target.objects), (std::vector<uint32_t>{first.objectId, loose.objectId, second.objectId}));
  EXPECT_EQ(Ids(target.parents), (std::vector<uint32_t>{project.objectId}));

  // Classes: a node in the list travels as 0 and loads no class.
  dragger.setUseClasses(true);
  MpAppUiDragDrop classReader(dragger);
  target.reader = &classReader;
  target.objects.clear();
  MpZulSmartList classes = List({MpHostCreateClass(store->customization(), "Material"), Node(first)});
  MpZulSmartList none;
  EXPECT_TRUE(Drag(dragger, classes, none));
  ASSERT_EQ(1u, target.objects.size());
  IMpZulClassPtr dropped(target.objects.front(), true);
  std::string name;
  ASSERT_FALSE(dropped.isNull());
  EXPECT_TRUE(dropped->getName(name));
  EXPECT_EQ("Material", name);
  EXPECT_EQ(1u, target.parents.size());  // class drops leave the parents as they were

  // An empty drag carries a block without keys, which the reader refuses; Escape drops nothing.
  target.reader = &reader;
  target.objects.clear();
  EXPECT_FALSE(Drag(dragger, none, none));
  EXPECT_EQ(3, target.drops);
  Escaping escaping;
  EXPECT_FALSE(Drag(dragger, objects, parents, &escaping));
  EXPECT_EQ(3, target.drops);
}

TEST_F(DragDropTest, OnlyTheSameStoreAndUserSeeTheBlock) {
  store->setIdentity(7, 11, 12, 13);
  MpAppUiDragDrop dragger(store, false);
  MpZulSmartList objects = List({Node(first)}), parents;
  MpHostData* other = MpHostData::create();
  const struct {
    long user;
    bool seen;
  } readers[] = {{7, true}, {8, false}};
  // The name: the pair's second and first number, the user, the identity number.
  target.format = ::RegisterClipboardFormatA("Larkspur Physical Object-ID 12 11 7 13");
  for (const auto& r : readers) {
    other->setIdentity(r.user, 11, 12, 13);
    MpAppUiDragDrop reader(other, false);
    target.reader = &reader;
    target.read = false;
    EXPECT_EQ(r.seen, Drag(dragger, objects, parents)) << r.user;
    EXPECT_EQ(r.seen, target.read) << r.user;
    EXPECT_TRUE(target.offered);
  }
  HWND window = nullptr;
  EXPECT_FALSE(MpAppUiDragDrop(store, false).getDraggedNodes(nullptr, window, objects, parents));
  other->setIdentity(0, 11, 12, 13);
  MpAppUiDragDrop nobody(other, false);
  target.drops = 0;
  EXPECT_FALSE(Drag(nobody, objects, parents));
  EXPECT_EQ(0, target.drops);
  other->Release();
}

TEST_F(DragDropTest, MoveShowsTheLibrarysCursor) {
  CWinApp app("drag");
  MpAppUiDropSource dropSource;
  EXPECT_EQ(S_OK, dropSource.GiveFeedback(DROPEFFECT_MOVE));
  EXPECT_EQ(app.LoadCursor(IDC_MOVE_DROP_CURSOR), ::GetCursor());
  EXPECT_NE(nullptr, ::GetCursor());
  EXPECT_EQ(DRAGDROP_S_USEDEFAULTCURSORS, dropSource.GiveFeedback(DROPEFFECT_COPY));
}
