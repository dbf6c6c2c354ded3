// The move/rotate dialog over a host node with a placement, driven as a user would, with the
// host's move command recording what it was asked.
#include "MpAppUiObjectManipulator.h"
#include "MpHostCommands.h"
#include "MpHostData.h"
#include "hosted.h"
#include "resource.h"

using namespace AfxScript;

namespace {

void Pump(HWND dlg) {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (::IsWindow(dlg) && ::IsDialogMessageA(dlg, &msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

const int kValues[6] = {IDC_MANIPULATOR_POS_X, IDC_MANIPULATOR_POS_Y, IDC_MANIPULATOR_POS_Z,
                        IDC_MANIPULATOR_ROT_X, IDC_MANIPULATOR_ROT_Y, IDC_MANIPULATOR_ROT_Z};

std::string Values(HWND dlg) {
  std::string all;
  for (int id : kValues) all += Text(dlg, id) + " ";
  return all;
}

void TypeValues(HWND dlg, const char* const texts[6]) {
  for (int i = 0; i < 6; ++i) Type(dlg, kValues[i], texts[i]);
}

}  // namespace

TEST_F(HostedTest, ObjectManipulatorMovesThroughTheHostCommand) {
  MpHostData* store = MpHostData::create();
  const ZulObjectKey part = store->addNode("Product", "Housing");
  store->addNode("Location", "at", part, {{"X", "10"}, {"Y", "0.00005"}, {"Z", "0.0002"}, {"RotZ", "-90"}});
  IMpAppInput* input = MpHostCreateCommandInput();
  IMpAppOutput* output = MpHostCreateCommandOutput();
  MpHostClearExecutedCommands();

  auto* dlg = new MpAppUiObjectManipulator(store->node(part), CLSID_MpHostMoveCommand, input, output,
                                           CWnd::FromHandle(wdtest::HostWindow()));
  ASSERT_TRUE(dlg->create());
  HWND h = dlg->m_hWnd;
  EXPECT_TRUE(::IsWindowVisible(h));  // a modeless window is shown by its creation call
  EXPECT_EQ("Housing", Text(h, IDC_MANIPULATOR_NAME));
  EXPECT_TRUE(wdtest::Checked(h, IDC_MANIPULATOR_RELATIVE));
  EXPECT_EQ("0 0 0 0 0 0 ", Values(h));

  // Relative: the typed offsets, the same again on a second Apply; 360 and -360 are angles.
  const char* const offsets[6] = {"1", "2.5", "-3", "360", "0", "-360"};
  TypeValues(h, offsets);
  Click(h, IDC_MANIPULATOR_APPLY);
  Click(h, IDC_MANIPULATOR_APPLY);
  // Absolute: the placement, with a value within 0.0001 of zero shown as 0.
  Click(h, IDC_MANIPULATOR_ABSOLUTE);
  EXPECT_EQ("10 0 0.0002 0 0 -90 ", Values(h));
  EXPECT_EQ(Message(IDS_MANIPULATOR_ABSOLUTE), Text(h, IDC_MANIPULATOR_MODE_TEXT));
  Type(h, IDC_MANIPULATOR_POS_X, "12");
  Click(h, IDC_MANIPULATOR_APPLY);
  EXPECT_EQ(MpHostExecutedCommands(), (std::vector<std::string>{
                                           "move relative position 1 2.5 -3 rotation 360 0 -360",
                                           "move relative position 1 2.5 -3 rotation 360 0 -360",
                                           "move absolute position 12 0 0.0002 rotation 0 0 -90"}));

  // An angle beyond a full turn is refused with the standard prompt, and nothing runs.
  script.MessageBox(IDOK);
  Type(h, IDC_MANIPULATOR_ROT_Y, "360.5");
  Click(h, IDC_MANIPULATOR_APPLY);
  EXPECT_EQ(3u, MpHostExecutedCommands().size());
  ASSERT_EQ(1u, Boxes().size());
  EXPECT_NE(std::string::npos, Boxes()[0].first.find("360"));
  // Back to relative clears the values; Return in a field neither applies nor closes.
  Type(h, IDC_MANIPULATOR_ROT_Y, "1");
  Click(h, IDC_MANIPULATOR_RELATIVE);
  EXPECT_EQ("0 0 0 0 0 0 ", Values(h));
  EXPECT_EQ(Message(IDS_MANIPULATOR_RELATIVE), Text(h, IDC_MANIPULATOR_MODE_TEXT));
  Focus(h, IDC_MANIPULATOR_POS_X);
  PressEnter();
  Pump(h);
  EXPECT_TRUE(::IsWindow(h));
  EXPECT_EQ(3u, MpHostExecutedCommands().size());

  // Close: the window goes and the dialog deletes itself, letting the input go.
  EXPECT_EQ(2, MpHostRefCount(input));
  Click(h, IDCANCEL);
  EXPECT_FALSE(::IsWindow(h));
  EXPECT_EQ(1, MpHostRefCount(input));
  input->Release();
  output->Release();
  store->Release();
}

TEST_F(HostedTest, ObjectManipulatorWithoutCommandOrNodeChangesNothing) {
  IMpAppInput* input = MpHostCreateCommandInput();
  MpHostClearExecutedCommands();
  auto* dlg = new MpAppUiObjectManipulator(nullptr, CLSID_MpHostMoveCommand, input, nullptr);
  ASSERT_TRUE(dlg->create());
  HWND h = dlg->m_hWnd;
  const char* const typed[6] = {"1", "2", "3", "4", "5", "6"};
  TypeValues(h, typed);
  Click(h, IDC_MANIPULATOR_ABSOLUTE);
  EXPECT_EQ("", Text(h, IDC_MANIPULATOR_NAME));
  EXPECT_EQ("1 2 3 4 5 6 ", Values(h));
  ASSERT_TRUE(MpHostUnregisterClass(CLSID_MpHostMoveCommand));
  Click(h, IDC_MANIPULATOR_APPLY);
  EXPECT_TRUE(MpHostExecutedCommands().empty());
  ::SendMessageA(h, WM_CLOSE, 0, 0);  // the close box: Cancel arrives as a posted command
  Pump(h);
  EXPECT_FALSE(::IsWindow(h));
  // A host that deletes the dialog while it is open destroys the window once, and the object once.
  dlg = new MpAppUiObjectManipulator(nullptr, CLSID_MpHostMoveCommand, input, nullptr);
  ASSERT_TRUE(dlg->create());
  h = dlg->m_hWnd;
  delete dlg;
  EXPECT_FALSE(::IsWindow(h));
  EXPECT_EQ(1, MpHostRefCount(input));
  input->Release();
}

TEST_F(HostedTest, ObjectManipulatorRefusedSwitchKeepsTheModeInEffect) {
  MpHostData* store = MpHostData::create();
  const ZulObjectKey part = store->addNode("Product", "Housing");
  store->addNode("Location", "at", part, {{"X", "10"}, {"RotZ", "-90"}});
  IMpAppInput* input = MpHostCreateCommandInput();
  MpHostClearExecutedCommands();
  auto* dlg = new MpAppUiObjectManipulator(store->node(part), CLSID_MpHostMoveCommand, input, nullptr);
  ASSERT_TRUE(dlg->create());
  HWND h = dlg->m_hWnd;

  // Relative, an angle out of range: the switch to absolute is refused and relative stays shown
  // and in effect.
  Type(h, IDC_MANIPULATOR_ROT_X, "400");
  script.MessageBox(IDOK);
  Click(h, IDC_MANIPULATOR_ABSOLUTE);
  EXPECT_EQ(1u, Boxes().size());
  EXPECT_TRUE(wdtest::Checked(h, IDC_MANIPULATOR_RELATIVE));
  EXPECT_FALSE(wdtest::Checked(h, IDC_MANIPULATOR_ABSOLUTE));
  Type(h, IDC_MANIPULATOR_ROT_X, "40");
  Click(h, IDC_MANIPULATOR_APPLY);

  // The same from absolute: absolute stays.
  Click(h, IDC_MANIPULATOR_ABSOLUTE);
  Type(h, IDC_MANIPULATOR_ROT_Y, "-361");
  script.MessageBox(IDOK);
  Click(h, IDC_MANIPULATOR_RELATIVE);
  EXPECT_EQ(2u, Boxes().size());
  EXPECT_TRUE(wdtest::Checked(h, IDC_MANIPULATOR_ABSOLUTE));
  EXPECT_FALSE(wdtest::Checked(h, IDC_MANIPULATOR_RELATIVE));
  EXPECT_EQ(Message(IDS_MANIPULATOR_ABSOLUTE), Text(h, IDC_MANIPULATOR_MODE_TEXT));
  Type(h, IDC_MANIPULATOR_ROT_Y, "0");
  Click(h, IDC_MANIPULATOR_APPLY);
  EXPECT_EQ(MpHostExecutedCommands(), (std::vector<std::string>{
                                           "move relative position 0 0 0 rotation 40 0 0",
                                           "move absolute position 10 0 0 rotation 0 0 -90"}));
  Click(h, IDCANCEL);
  EXPECT_FALSE(::IsWindow(h));
  input->Release();
  store->Release();
}
