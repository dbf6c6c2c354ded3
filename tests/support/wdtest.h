// Shared helpers of the test executables.
#pragma once
#include <gtest/gtest.h>
#include <afxwin.h>
#include <afxscript.h>
#include <string>

namespace wdtest {

// The resource module WidgetDeckRes.dll, loaded once per process and joined to the chain of
// extension libraries, so templates and strings are found by identifier.
HINSTANCE ResourceModule();

// A plain top-level window to own dialogs and to parent controls.
HWND HostWindow();

// The mouse comes to rest on a child of a dialog: the cursor is put on the child's centre and the
// move posted as the system posts it over a disabled child, to the dialog in its own client
// coordinates, for the modal loop to pass on.
void MoveMouseOver(HWND dlg, HWND child);
// Fires a tooltip control's show timer (identifier 1 in the system's control).
inline void FireShowTimer(HWND tip) { ::SendMessageA(tip, WM_TIMER, 1, 0); }

}  // namespace wdtest

// A test with a script player installed: whatever comes up without a queued step fails the
// test, and so does a step left over at the end.
class ScriptedTest : public ::testing::Test {
protected:
  AfxScript::Script script;
  void SetUp() override;
  void TearDown() override;
};
