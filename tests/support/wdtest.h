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

}  // namespace wdtest

// A test with a script player installed: whatever comes up without a queued step fails the
// test, and so does a step left over at the end.
class ScriptedTest : public ::testing::Test {
protected:
  AfxScript::Script script;
  void SetUp() override;
  void TearDown() override;
};
