// The export-node page through the sheet: seeds, the id policy, the file dialogs behind the
// browse buttons, and leaving with what the fields hold.
#include "MpDataLib.h"
#include "MpHostOptions.h"
#include "../dialogs/file_dialogs.h"
#include "wizard_test.h"

using namespace AfxScript;

namespace {

class ExportNodePageTest : public FileDialogTest {};

TEST_F(ExportNodePageTest, TypedAndBrowsedPathsReachTheBagAndEmptyFieldsKeepThePage) {
  const std::string traversal = File("steer.xml");
  const std::string output = m_dir + "\\out.xml";  // need not exist
  const std::string preset = "Z:\\ignored.xml";
  IMpOptions* ignored = Bag({{"TraversalFile", preset}});
  MpAppUiOptionsWizard sheet;
  MpZulSmartList none;
  std::string task = "ExportNode";
  ASSERT_TRUE(sheet.init(task, none, ignored));
  IMpOptions* bag = sheet.getOptions();
  ASSERT_NE(bag, ignored) << "the page makes a bag of its own";
  EXPECT_EQ(MpHostOptionsKeys(bag), (std::vector<std::string>{"DontKeepExternalIds", "KeepAllExternalIds", "KeepEnvExternalIds",
                                                              "OutputFile", "TraversalFile"}));
  script.Sheet(Message(IDS_TASK_SHEET_CAPTION), [&](HWND h) {
    HWND page = SheetPage(h);
    EXPECT_EQ(Text(page, IDC_EXPORT_TRAVERSAL_FILE), MpContextGetTraversalXmlDir(false) + "/DefaultTraversal.xml");
    EXPECT_EQ(Text(page, IDC_EXPORT_OUTPUT_FILE), "");
    EXPECT_TRUE(wdtest::Checked(page, IDC_EXPORT_KEEP_ALL));
    Click(page, IDC_EXPORT_KEEP_ENV);
    EXPECT_EQ(bag->getString("KeepAllExternalIds") + bag->getString("KeepEnvExternalIds") + bag->getString("DontKeepExternalIds"),
              "offonoff");
    SheetOK(h);  // no output file yet: refused
    EXPECT_EQ(SheetPage(h), page);
    Click(page, IDC_EXPORT_BROWSE_TRAVERSAL);  // a traversal file that does not exist is refused
    Click(page, IDC_EXPORT_BROWSE_TRAVERSAL);
    Click(page, IDC_EXPORT_BROWSE_OUTPUT);
    EXPECT_EQ(Text(page, IDC_EXPORT_TRAVERSAL_FILE), traversal);
    EXPECT_EQ(bag->getString("OutputFile"), output);
    Type(page, IDC_EXPORT_OUTPUT_FILE, "C:\\typed\\result.xml");
    SheetOK(h);
  });
  script.MessageBox(IDOK);
  script.Dialog("Open", [&](HWND h) {
    SetFileName(h, (m_dir + "\\missing.xml").c_str());
    FileOK(h);
  });
  script.MessageBox(IDOK);  // the dialog's own "file not found"
  script.Dialog("Open", [&](HWND h) { FileCancel(h); });
  script.Dialog("Open", [&](HWND h) {
    SetFileName(h, traversal.c_str());
    FileOK(h);
  });
  script.Dialog("Open", [&](HWND h) {
    SetFileName(h, output.c_str());
    FileOK(h);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(Boxes()[0], std::make_pair(Message(IDS_EXPORT_FILE_MISSING), (UINT)MB_ICONERROR));
  EXPECT_EQ(bag->getString("TraversalFile"), traversal);
  EXPECT_EQ(bag->getString("OutputFile"), "C:\\typed\\result.xml") << "a typed path is not lost";
  bag->Release();
  ignored->Release();
}

}  // namespace
