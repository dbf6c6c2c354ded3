// The script of a DeckHost command: a scripted run passes only when every window it scripted came
// up and took its step, and nothing came up unscripted.
#include <gtest/gtest.h>
#include <afxwin.h>
#include "CommandScript.h"
#include "test_ids.h"

namespace {

INT_PTR ShowSample() { return CDialog(IDD_WD_SAMPLE).DoModal(); }

TEST(CommandScript, FailsARunWhoseScriptedDialogNeverCameUp) {
  AfxScript::Player* const before = AfxScript::InstalledPlayer();
  {
    deckhost::CommandScript script(true);
    EXPECT_EQ(&script, AfxScript::InstalledPlayer());
    script.Dialog(IDD_WD_SAMPLE, [](HWND h) { AfxScript::Click(h, IDCANCEL); });
    EXPECT_FALSE(script.Verdict()) << "the dialog never came up";
  }
  EXPECT_EQ(before, AfxScript::InstalledPlayer());
  {
    deckhost::CommandScript script(true);
    script.Dialog(IDD_WD_SAMPLE, [](HWND h) { AfxScript::Click(h, IDCANCEL); });
    EXPECT_EQ(IDCANCEL, ShowSample());
    EXPECT_TRUE(script.Verdict());
    EXPECT_EQ(IDCANCEL, ShowSample()) << "a dialog with no step ends at once";
    EXPECT_FALSE(script.Verdict()) << "it came up unscripted";
  }
  {
    deckhost::CommandScript person(false);  // plays nothing, expects nothing
    EXPECT_EQ(nullptr, AfxScript::InstalledPlayer());
    EXPECT_TRUE(person.Verdict());
  }
}

}  // namespace
