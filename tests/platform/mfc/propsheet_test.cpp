// Property sheets: lazily created pages, a page that refuses to be left, OK and Cancel, adding pages.
#include "wdtest.h"
#include "test_ids.h"
#include <afxdlgs.h>
#include <string>
#include <vector>

using namespace AfxScript;

namespace {

class RefusingPage : public CPropertyPage {
public:
  RefusingPage() : CPropertyPage(IDD_WD_SAMPLE_PAGE1) {}
  CString m_value;
  int m_killActive = 0;
  int m_applied = 0;
  void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_WD_PAGE1_EDIT, m_value); }
  BOOL OnKillActive() override {
    ++m_killActive;
    if (!CPropertyPage::OnKillActive()) return FALSE;
    return m_value != "bad";
  }
  void OnOK() override { ++m_applied; }
};

class TickPage : public CPropertyPage {
public:
  TickPage() : CPropertyPage(IDD_WD_SAMPLE_PAGE2) {}
  BOOL m_ticked = FALSE;
  int m_inits = 0, m_applies = 0;
  void DoDataExchange(CDataExchange* pDX) override { DDX_Check(pDX, IDC_WD_PAGE2_CHECK, m_ticked); }
  std::vector<std::string> m_entriesAtInit;  // the combo box's entries when OnInitDialog ran
  BOOL OnInitDialog() override {
    ++m_inits;
    HWND combo = ::GetDlgItem(m_hWnd, IDC_WD_PAGE2_COMBO);
    char buf[32];
    for (int i = 0; i < (int)::SendMessageA(combo, CB_GETCOUNT, 0, 0); ++i) {
      ::SendMessageA(combo, CB_GETLBTEXT, i, (LPARAM)buf);
      m_entriesAtInit.push_back(buf);
    }
    return CPropertyPage::OnInitDialog();
  }
  // Answers the apply itself instead of through the class library's handlers.
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    if (reinterpret_cast<NMHDR*>(lParam)->code != PSN_APPLY) return CPropertyPage::OnNotify(wParam, lParam, pResult);
    ++m_applies;
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, PSNRET_NOERROR);
    return TRUE;
  }
};

class SampleSheet : public CPropertySheet {
public:
  SampleSheet() : CPropertySheet(IDS_WD_SAMPLE_SHEET) {
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
    AddPage(&m_first);
    AddPage(&m_second);
  }
  RefusingPage m_first;
  TickPage m_second;
};

// Bytes in use on the process heap, where the common controls keep page handles.
size_t ProcessHeapInUse() {
  size_t used = 0;
  PROCESS_HEAP_ENTRY e{};
  while (::HeapWalk(::GetProcessHeap(), &e))
    if (e.wFlags & PROCESS_HEAP_ENTRY_BUSY) used += e.cbData;
  return used;
}

}  // namespace

using PropertySheetTest = ScriptedTest;

TEST_F(PropertySheetTest, RefusingPageKeepsTheSheetOnItUntilFixed) {
  SampleSheet sheet;
  HWND firstPage = nullptr;
  bool secondCreatedEarly = true, applyVisible = true;
  script
      .Sheet("Sample sheet", [&](HWND h) {
        firstPage = SheetPage(h);
        secondCreatedEarly = sheet.m_second.m_hWnd != nullptr;
        HWND apply = ::GetDlgItem(h, 0x3021);  // the sheet's Apply button
        applyVisible = apply && ::IsWindowVisible(apply);
        Type(firstPage, IDC_WD_PAGE1_EDIT, "bad");
        SheetSelectPage(h, 1);
      })
      .Sheet("Sample sheet", [&](HWND h) {
        EXPECT_EQ(SheetPage(h), firstPage) << "the page was left although it refused";
        EXPECT_EQ(sheet.GetActiveIndex(), 0);
        SheetOK(h);  // refused as well
      })
      .Sheet("Sample sheet", [&](HWND h) {
        EXPECT_EQ(SheetPage(h), firstPage);
        Type(firstPage, IDC_WD_PAGE1_EDIT, "good");
        SheetSelectPage(h, 1);
      })
      .Sheet("Sample sheet", [&](HWND h) {
        EXPECT_EQ(sheet.GetActiveIndex(), 1);
        EXPECT_NE(sheet.m_second.m_hWnd, nullptr);
        SetCheck(SheetPage(h), IDC_WD_PAGE2_CHECK, true);
        SheetOK(h);
      });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_NE(firstPage, nullptr);
  EXPECT_FALSE(secondCreatedEarly) << "pages are created when first shown";
  EXPECT_FALSE(applyVisible);
  EXPECT_STREQ(sheet.m_first.m_value, "good");
  EXPECT_TRUE(sheet.m_second.m_ticked);
  EXPECT_EQ(sheet.m_second.m_inits, 1);
  // The template's init data filled the combo box before the page's own initialisation.
  EXPECT_EQ(sheet.m_second.m_entriesAtInit, (std::vector<std::string>{"gamma", "delta"}));
  EXPECT_EQ(sheet.m_first.m_applied, 1);
  EXPECT_GE(sheet.m_first.m_killActive, 3);
  EXPECT_EQ(sheet.m_hWnd, nullptr);
}

TEST_F(PropertySheetTest, CancelAndEscapeGiveCancelEnterGivesOk) {
  SampleSheet sheet;
  script.Sheet("Sample sheet", [&](HWND h) {
    Type(SheetPage(h), IDC_WD_PAGE1_EDIT, "bad");  // no check on cancel
    SheetCancel(h);
  });
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  EXPECT_EQ(sheet.m_first.m_applied, 0);

  SampleSheet again;
  script.Sheet("Sample sheet", [&](HWND h) {
    ::SetFocus(::GetDlgItem(SheetPage(h), IDC_WD_PAGE1_EDIT));
    PressEscape();
  });
  EXPECT_EQ(again.DoModal(), IDCANCEL);
  // A second page never shown was never created.
  EXPECT_EQ(again.m_second.m_inits, 0);

  SampleSheet entered;
  script.Sheet("Sample sheet", [&](HWND h) {
    Type(SheetPage(h), IDC_WD_PAGE1_EDIT, "typed");
    PressEnter();
  });
  EXPECT_EQ(entered.DoModal(), IDOK);
  EXPECT_STREQ(entered.m_first.m_value, "typed");
}

// The sheet, not each page, says whether OK ended it; a page that cannot be added is let go.
TEST_F(PropertySheetTest, OkIsTheSheetsWhateverThePagesDoAndAFailedAddIsFreed) {
  CPropertySheet sheet("Watched");
  TickPage watching;  // the only page
  sheet.AddPage(&watching);
  CPropertyPage missing(4242u);  // no such template
  script.Sheet("Watched", [&](HWND h) {
    const size_t before = ProcessHeapInUse();
    for (int i = 0; i < 100; ++i) sheet.AddPage(&missing);
    EXPECT_LT(ProcessHeapInUse(), before + 100 * sizeof(PROPSHEETPAGEA) / 2) << "page handles leaked";
    EXPECT_EQ(sheet.GetPageIndex(&missing), -1);
    SheetOK(h);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(watching.m_applies, 1);
}
