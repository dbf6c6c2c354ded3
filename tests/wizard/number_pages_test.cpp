// The renumber, safe-retracts and customer-command pages: seeds from profile, settings and host,
// refused numbers that write nothing, and what leaving the page writes.
#include "wizard_test.h"
#include <commctrl.h>

using namespace AfxScript;
using wdtest::Checked;

namespace {

class NumberPagesTest : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    m_app = new CWinApp("WidgetDeckWizardTest");
    m_app->WriteProfileString("Settings", nullptr, nullptr);
  }
  void TearDown() override {
    m_app->WriteProfileString("Settings", nullptr, nullptr);
    delete m_app;
    WizardTest::TearDown();
  }
  std::string Profile(const char* entry) { return (LPCSTR)m_app->GetProfileString("Settings", entry, "(none)"); }
  CWinApp* m_app = nullptr;
};

// Each page is opened twice: typed values refused (one box per exchange) leave bag and profile
// untouched; then the typed values are accepted and written.
TEST_F(NumberPagesTest, RefusedNumbersWriteNothingAndAcceptedOnesReachBagAndProfile) {
  struct Case {
    const char* task;
    const char* entry;    // the remembered switch
    const char* stored;   // its profile value before the run
    bool shownChecked;    // how the box opens
    int box;
    std::vector<std::pair<int, const char*>> refused, accepted;
    const char* seeds;    // the fresh bag as init left it
    const char* written;  // the bag after OK
  };
  const Case cases[] = {
      {"RenumberAssemblies", "SetOSetNo", "garbage", true, IDC_RENUMBER_OPERATION_SETS,
       {{IDC_RENUMBER_START, "0"}},
       {{IDC_RENUMBER_START, "2147483647"}, {IDC_RENUMBER_INTERVAL, "10"}},
       "Interval = \"1\"\nOperationSequence = \"off\"\nSetOSetNo = \"on\"\nStart = \"1\"\n",
       "Interval = \"10\"\nOperationSequence = \"on\"\nSetOSetNo = \"off\"\nStart = \"2147483647\"\n"},
      {"SafeRetracts", "Blank", "off", false, IDC_SAFE_RETRACTS_BLANK,
       {{IDC_SAFE_RETRACTS_STEP, "0"}},
       {{IDC_SAFE_RETRACTS_STEP, "1e-9"}, {IDC_SAFE_RETRACTS_DISTANCE, "0"}, {IDC_SAFE_RETRACTS_MAX_STEPS, "1"}},
       "Blank = \"off\"\nMaxNrSteps = \"100\"\nSafetyDistance = \"2\"\nStepSize = \"5\"\n",
       "Blank = \"on\"\nMaxNrSteps = \"1\"\nSafetyDistance = \"0\"\nStepSize = \"1e-09\"\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.task);
    m_app->WriteProfileString("Settings", c.entry, c.stored);
    MpAppUiOptionsWizard sheet;
    ASSERT_TRUE(Init(sheet, c.task, nullptr));
    IMpOptions* bag = sheet.getOptions();
    ASSERT_NE(bag, nullptr);
    EXPECT_EQ(MpHostOptionsText(bag), c.seeds);
    bool checked = !c.shownChecked;
    script.profileWrites.clear();
    script.boxes.clear();
    script
        .Sheet(Caption(), [&](HWND h) {
          HWND page = SheetPage(h);
          checked = Checked(page, c.box);
          for (const auto& typed : c.refused) Type(page, typed.first, typed.second);
          SetCheck(page, c.box, !checked);
          SheetOK(h);
        })
        .MessageBox(IDOK)
        .Sheet(Caption(), [&](HWND h) {
          EXPECT_EQ(MpHostOptionsText(bag), c.seeds) << "a refused number writes nothing";
          EXPECT_TRUE(script.profileWrites.empty());
          HWND page = SheetPage(h);
          for (const auto& typed : c.accepted) Type(page, typed.first, typed.second);
          if (std::string(c.task) == "RenumberAssemblies") SetCheck(page, IDC_RENUMBER_ORDER_SEQUENCE, true);
          SheetOK(h);
        });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(checked, c.shownChecked);
    EXPECT_EQ(script.boxes.size(), 1u) << "one prompt of the data exchange";
    EXPECT_EQ(MpHostOptionsText(bag), c.written);
    EXPECT_EQ(Profile(c.entry), c.shownChecked ? "off" : "on");
    bag->Release();
  }
}

TEST_F(NumberPagesTest, SafeRetractsExplainsItsControlsInTooltips) {
  MpAppUiOptionsWizard sheet;
  ASSERT_TRUE(Init(sheet, "SafeRetracts", nullptr));
  std::string stepTip, windowTip;
  script.Sheet(Caption(), [&](HWND h) {
    HWND page = SheetPage(h);
    auto ask = [&](HWND tool, UINT flags) {
      TOOLTIPTEXTA tip = {};
      tip.hdr.hwndFrom = CWnd::FromHandlePermanent(page)->GetToolTipHandle();
      tip.hdr.idFrom = reinterpret_cast<UINT_PTR>(tool);
      tip.hdr.code = TTN_NEEDTEXTA;
      tip.uFlags = flags;
      ::SendMessageA(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
      return tip.lpszText ? std::string(tip.lpszText) : std::string("(unhandled)");
    };
    stepTip = ask(::GetDlgItem(page, IDC_SAFE_RETRACTS_STEP), TTF_IDISHWND);
    windowTip = ask(::GetDlgItem(page, IDC_SAFE_RETRACTS_STEP), 0);
    SheetCancel(h);
  });
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  EXPECT_EQ(stepTip, Message(IDC_SAFE_RETRACTS_STEP));
  EXPECT_EQ(windowTip, "(unhandled)") << "a tool that is not a control window is left to others";
}

TEST_F(NumberPagesTest, CustomerCommandOffersTheHostsLastAndNeedsOne) {
  const std::vector<std::string> sample = MpHostCustomerCommands();
  IMpOptions* preset = Bag({{"Commands", "untouched"}});
  for (const std::vector<std::string>& offered : {sample, std::vector<std::string>{}}) {
    MpAppUiOptionsWizard sheet;
    MpHostSetCustomerCommands(offered);
    ASSERT_TRUE(Init(sheet, "CustomerCommand", preset));
    script.boxes.clear();
    std::string chosen;
    script.Sheet(Caption(), [&](HWND h) {
      chosen = wdtest::Chosen(SheetPage(h), IDC_CUSTOMER_COMMAND);
      SheetOK(h);
    });
    if (offered.empty()) script.MessageBox(IDOK).Sheet(Caption(), [](HWND h) { SheetCancel(h); });
    EXPECT_EQ(sheet.DoModal(), offered.empty() ? IDCANCEL : IDOK);
    IMpOptions* bag = sheet.getOptions();
    ASSERT_NE(bag, nullptr);
    EXPECT_NE(bag, preset) << "the preset is not the page's";
    if (offered.empty()) {
      EXPECT_EQ(Boxes(), (std::vector<std::pair<std::string, UINT>>{{Message(IDS_TASK_NO_TYPE), (UINT)MB_ICONERROR}}));
      EXPECT_EQ(MpHostOptionsText(bag), "");
    } else {
      EXPECT_EQ(chosen, sample.back());
      EXPECT_EQ(bag->getString("Commands"), sample.back());
    }
    bag->Release();
  }
  MpHostSetCustomerCommands(sample);
  EXPECT_EQ(preset->getString("Commands"), "untouched");
  preset->Release();
}

}  // namespace
