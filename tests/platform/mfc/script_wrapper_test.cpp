// The wrapper a whole unattended run installs: it sees every message box first, passes it to the
// player installed at the time, and answers it itself when none is, so that nothing waits.
#include <gtest/gtest.h>
#include <afxscript.h>
#include <string>
#include <vector>

namespace {

struct SeeingWrapper : AfxScript::Wrapper {
  std::vector<std::string> boxes;
  int Answer(const std::string& text, UINT type) override {
    boxes.push_back(text);
    return Wrapper::Answer(text, type);
  }
};

TEST(ScriptWrapperTest, SeesEveryBoxAndAnswersThoseNoPlayerIsThereFor) {
  SeeingWrapper wrapper;
  AfxScript::Player* before = AfxScript::InstalledPlayer();
  AfxScript::SetPlayer(nullptr);
  AfxScript::SetWrapper(&wrapper);
  // No player: the box's default button, as Enter would press it.
  EXPECT_EQ(::MessageBoxA(nullptr, "alone", "Wrapper", MB_YESNO | MB_DEFBUTTON2), IDNO);
  {
    AfxScript::Script script;
    script.MessageBox(IDYES);
    AfxScript::ScopedPlayer scoped(&script);
    EXPECT_EQ(AfxScript::GetPlayer(), &wrapper);
    EXPECT_EQ(::MessageBoxA(nullptr, "scripted", "Wrapper", MB_YESNO | MB_DEFBUTTON2), IDYES);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(script.failures.empty());
  }
  // The scope put back no player, not the wrapper.
  EXPECT_EQ(AfxScript::InstalledPlayer(), nullptr);
  AfxScript::SetWrapper(nullptr);
  EXPECT_EQ(AfxScript::GetPlayer(), nullptr);
  AfxScript::SetPlayer(before);
  EXPECT_EQ(wrapper.boxes, (std::vector<std::string>{"alone", "scripted"}));
}

}  // namespace
