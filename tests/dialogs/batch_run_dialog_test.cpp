// The batch-run dialog over the sample process: the host's browse bitmap, the related materials,
// the two model files chosen through the attachment dialog and the refusals of getFileNames.
#include <cctype>
#include "MpHostData.h"
#include "MpHostSample.h"
#include "MpUiCBatchRun.h"
#include "afxscript_filedlg.h"
#include "file_dialogs.h"
#include "resource.h"

using namespace AfxScript;

namespace {

class BatchRunTest : public FileDialogTest {};

const char* const kStep = "STEP AP203/AP214 Files (*.step;*.stp)";

TEST_F(BatchRunTest, ModelsAndMaterialAreChosenAndCheckedOnTheWayOut) {
  MpHostData* data = MpHostCreateSampleData();
  const std::string part = File("bracket.stp");
  std::string upper = part;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  HBITMAP shown = nullptr;
  {
    MpUiCBatchRun dlg(static_cast<IMpPmMachiningProcess*>(data->node(data->find("MachiningProcess", "Bracket process"))));
    script.Dialog(IDD_BATCH_RUN, [&](HWND h) {
      shown = reinterpret_cast<HBITMAP>(::SendDlgItemMessageA(h, IDC_BATCH_PART_BROWSE, BM_GETIMAGE, IMAGE_BITMAP, 0));
      EXPECT_NE(nullptr, shown);
      EXPECT_EQ(shown, reinterpret_cast<HBITMAP>(::SendDlgItemMessageA(h, IDC_BATCH_BLANK_BROWSE, BM_GETIMAGE, IMAGE_BITMAP, 0)));
      EXPECT_EQ(2, ::SendDlgItemMessageA(h, IDC_BATCH_MATERIAL, CB_GETCOUNT, 0, 0)) << "an empty entry and AlMg3";
      EXPECT_TRUE(ChooseComboText(h, IDC_BATCH_MATERIAL, "AlMg3"));
      Click(h, IDC_BATCH_PART_BROWSE);
      Click(h, IDC_BATCH_BLANK_BROWSE);
      EXPECT_EQ("", Text(h, IDC_BATCH_BLANK_PATH)) << "a cancelled choice changes nothing";
      Click(h, IDC_BATCH_BLANK_BROWSE);
      EXPECT_EQ(part, Text(h, IDC_BATCH_PART_PATH));
      ::PostMessageA(h, WM_COMMAND, IDOK, 0);
    });
    script.Dialog("Open", [&](HWND h) {
      EXPECT_NE(nullptr, ::GetDlgItem(h, 2738)) << "the part's dialog shows the attachment type";
      ChooseFileType(h, kStep);
      SetFileName(h, part.c_str());
      FileOK(h);
    });
    script.Dialog("Open", [&](HWND h) { FileCancel(h); });
    script.Dialog("Open", [&](HWND h) {
      EXPECT_EQ(nullptr, ::GetDlgItem(h, 2738));
      SetFileName(h, upper.c_str());
      FileOK(h);
    });
    script.MessageBox(IDOK);
    EXPECT_EQ(IDOK, dlg.DoModal());
    std::string partPath, partType, blankPath, blankType;
    EXPECT_FALSE(dlg.getFileNames(partPath, partType, blankPath, blankType)) << "the same file in other letters";
    EXPECT_EQ(part + "|" + kStep, partPath + "|" + partType);
    EXPECT_EQ(upper, blankPath);
    IMpPmMaterial* material = dlg.getMaterial();
    ASSERT_NE(nullptr, material);
    EXPECT_EQ(data->find("Material", "AlMg3").objectId, MpHostNodeOf(material)->key().objectId);
    material->Release();
  }
  EXPECT_EQ(0u, ::GetObjectType(shown)) << "the bitmap goes with the dialog";

  // A process without related materials, and none at all; no part model chosen.
  MpHostData* bare = MpHostData::create();
  IMpPmMachiningProcess* lone = static_cast<IMpPmMachiningProcess*>(bare->node(bare->addNode("MachiningProcess", "P")));
  for (IMpPmMachiningProcess* process : {lone, static_cast<IMpPmMachiningProcess*>(nullptr)}) {
    MpUiCBatchRun dlg(process);
    script.Dialog(IDD_BATCH_RUN, [&](HWND h) {
      EXPECT_EQ(process == nullptr, wdtest::Enabled(h, IDC_BATCH_MATERIAL));
      ::PostMessageA(h, WM_COMMAND, IDOK, 0);
    });
    script.MessageBox(IDOK);
    dlg.DoModal();
    std::string partPath, partType, blankPath, blankType;
    EXPECT_FALSE(dlg.getFileNames(partPath, partType, blankPath, blankType));
    EXPECT_EQ(nullptr, dlg.getMaterial());
  }
  bare->Release();
  EXPECT_EQ((std::vector<std::pair<std::string, UINT>>{{"Part and Blank are the same", 0u}, {"No Part Model choosen", 0u}, {"No Part Model choosen", 0u}}),
            Boxes());
  data->Release();
}

// The caption and owner of every message box the thread shows while it lives.
class BoxWatch {
 public:
  BoxWatch() : m_hook(::SetWindowsHookExA(WH_CBT, &Hook, nullptr, ::GetCurrentThreadId())) { s_watch = this; }
  ~BoxWatch() {
    ::UnhookWindowsHookEx(m_hook);
    s_watch = nullptr;
  }
  struct Box {
    HWND hwnd;
    std::string caption;
    HWND owner;
  };
  std::vector<Box> boxes;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    HWND h = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && s_watch && ::GetDlgItem(h, 0xFFFF) &&
        (s_watch->boxes.empty() || s_watch->boxes.back().hwnd != h)) {
      char caption[256] = {};
      ::GetWindowTextA(h, caption, sizeof(caption));
      s_watch->boxes.push_back(Box{h, caption, ::GetWindow(h, GW_OWNER)});
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline BoxWatch* s_watch = nullptr;
  HHOOK m_hook;
};

TEST_F(BatchRunTest, OnlyMaterialsAreFoundAndRefusalsAreTheLibrarysBoxes) {
  // Related objects that are no materials, one of them named like the material after it.
  MpHostCustomization* classes = MpHostCustomization::create(false);
  MpHostFieldDef name;
  name.name = "Name";
  classes->addClass(MpHostClassDef{"Node", "Object", "", {}, {name}, {}});
  classes->addClass(MpHostClassDef{"MachiningProcess", "Machining process", "Node", {}, {}, {IID_IMpPmMachiningProcess}});
  classes->addClass(MpHostClassDef{"Material", "Material sheet", "Node", {}, {}, {}});
  classes->addClass(MpHostClassDef{"Alloy", "Alloy", "Material", {}, {}, {IID_IMpPmMaterial}});
  MpHostData* data = MpHostData::create(classes);
  classes->Release();
  auto* process = static_cast<IMpPmMachiningProcess*>(data->node(data->addNode("MachiningProcess", "P")));
  data->addNode("Material", "AlMg3");
  const ZulObjectKey alloy = data->addNode("Alloy", "AlMg3");
  data->addNode("Material", "Datasheet");

  BoxWatch watch;
  HWND shown = nullptr;
  MpUiCBatchRun dlg(process);
  script.Dialog(IDD_BATCH_RUN, [&](HWND h) {
    shown = h;
    EXPECT_EQ(2, ::SendDlgItemMessageA(h, IDC_BATCH_MATERIAL, CB_GETCOUNT, 0, 0)) << "an empty entry and the alloy";
    EXPECT_TRUE(ChooseComboText(h, IDC_BATCH_MATERIAL, "AlMg3"));
    std::string partPath, partType, blankPath, blankType;
    script.MessageBox(IDOK);
    EXPECT_FALSE(dlg.getFileNames(partPath, partType, blankPath, blankType));
    ::PostMessageA(h, WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(IDOK, dlg.DoModal());
  IMpPmMaterial* material = dlg.getMaterial();
  ASSERT_NE(nullptr, material);
  EXPECT_EQ(alloy.objectId, MpHostNodeOf(material)->key().objectId);
  material->Release();

  ASSERT_EQ(1u, watch.boxes.size());
  EXPECT_EQ(AfxGetAppName(), watch.boxes[0].caption) << "the application's title, as every box of the library";
  EXPECT_EQ(shown, watch.boxes[0].owner);
  EXPECT_EQ((std::vector<std::pair<std::string, UINT>>{{"No Part Model choosen", 0u}}), Boxes());
  data->Release();
}

}  // namespace
