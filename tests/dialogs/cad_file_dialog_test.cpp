// The CAD file dialog over the real common dialog: the remembered CAD type, the type list, the
// extension rules and the image types preselected by the default extension.
#include "MpHostSettings.h"
#include "MpStrings.h"
#include "MpUICFileDialog.h"
#include "MpUiCadFilters.h"
#include "file_dialogs.h"

using namespace AfxScript;

namespace {

class CadFileDialogTest : public FileDialogTest {};

TEST_F(CadFileDialogTest, TheChosenCadTypeIsRememberedAndPreselectedNextTime) {
  const std::string filters = WidgetDeck::cadFilters();
  const std::string path = File("part.igs");
  std::string cad = MpName(15160);
  {
    MpUICFileDialog dlg(TRUE, cad, nullptr, nullptr, OFN_FILEMUSTEXIST, filters.c_str());
    script.Dialog("Open", [&](HWND h) {
      EXPECT_EQ(ChosenFileType(h), "ACIS Files (*.sat)") << "nothing stored: the first entry";
      EXPECT_EQ(FileTypes(h).size(), 9u);
      EXPECT_TRUE(ChooseFileType(h, "IGES Files (*.igs)"));
      SetFileName(h, path.c_str());
      FileOK(h);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(std::string(dlg.GetPathName()), path);
    EXPECT_EQ(dlg.getConvertType(), "IGES Files (*.igs)");
    EXPECT_EQ(dlg.getFileExtension(), "igs");
  }
  EXPECT_EQ(LastCad(), "IGES Files (*.igs)");
  // Another CAD-model dialog opens on it; a non-CAD type leaves the stored one; Cancel.
  std::string xml = "XML Files (*.xml)|*.xml|IGES Files (*.igs)|*.igs|All Files (*.*)|*.*||";
  MpUICFileDialog again(TRUE, cad, nullptr, nullptr, 0, xml.c_str());
  script.Dialog("Open", [&](HWND h) {
    EXPECT_EQ(ChosenFileType(h), "IGES Files (*.igs)");
    EXPECT_TRUE(ChooseFileType(h, "All Files (*.*)"));
    FileCancel(h);
  });
  EXPECT_EQ(again.DoModal(), IDCANCEL);
  EXPECT_EQ(again.getConvertType(), "All Files (*.*)");
  EXPECT_EQ(again.getDefaultCADSysten(), "IGES Files (*.igs)");
  EXPECT_EQ(LastCad(), "IGES Files (*.igs)");
}

TEST_F(CadFileDialogTest, WithoutProductWordsNothingIsWrittenUnderAnEmptyKey) {
  ASSERT_TRUE(MpHostUnregisterClass(CLSID_MpSystemInfo));
  std::string cad = MpName(15160);
  const std::string filters = WidgetDeck::cadFilters();
  MpUICFileDialog dlg(TRUE, cad, nullptr, nullptr, 0, filters.c_str());
  script.Dialog("Open", [&](HWND h) {
    ChooseFileType(h, "STEP AP203/AP214 Files (*.step;*.stp)");
    FileCancel(h);
  });
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.getDefaultCADSysten(), "STEP AP203/AP214 Files (*.step;*.stp)");
  EXPECT_EQ(LastCad(""), "<none>");
  EXPECT_EQ(LastCad(), "<none>");
}

TEST_F(CadFileDialogTest, ExtensionFollowsTypeFileAndExportSettings) {
  MpHostSettings(MpHostSettingsGroup::Export)->setString("radio_text", "off");
  MpHostSettings(MpHostSettingsGroup::Export)->setString("radio_dependent", "on");
  const char* corvane = "Corvane Files (*.x_t;*.xmt_txt;*.x_b;*.xmt_bin)";
  struct Case {
    BOOL open;
    const char* type;
    const char* name;
    const char* expected;
  } cases[] = {
      {FALSE, corvane, "plate", "x_b"},
      {FALSE, corvane, "plate.xmt_bin", "xmt_bin"},
      {FALSE, corvane, "plate.xmt_txt", "x_b"},
      {FALSE, "All Files (*.*)", "notes.txt", "txt"},
      {FALSE, "All Files (*.*)", "notes", ""},
      {TRUE, "All Files (*.*)", "readme", ""},
      {FALSE, "KQ Files (*.kq)", "plate", "kq"},
      {FALSE, "KQ Files (*.kq)", "plate.stp", "kq"},
      {TRUE, "KQ Files (*.kq)", "Plate.STP", "stp"},
  };
  const std::string filter = std::string(corvane) + "|*.x_t;*.xmt_txt;*.x_b;*.xmt_bin|KQ Files (*.kq)|*.kq|All Files (*.*)|*.*||";
  std::string none;
  for (const Case& c : cases) {
    const std::string path = c.open ? File(c.name) : m_dir + "\\" + c.name;
    MpUICFileDialog dlg(c.open, none, nullptr, nullptr, OFN_HIDEREADONLY, filter.c_str());
    script.Dialog(c.open ? "Open" : "Save As", [&](HWND h) {
      ChooseFileType(h, c.type);
      SetFileName(h, path.c_str());
      FileOK(h);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK) << c.name;
    EXPECT_EQ(dlg.getFileExtension(), c.expected) << c.type << " " << c.name;
  }
}

TEST_F(CadFileDialogTest, CadNamesAndImageTypesByDefaultExtension) {
  std::string none;
  MpUICFileDialog probe(TRUE, none);
  for (std::string yes : {"Planar Forge Files (*.par;*.asm;*.psm)", "KQ Files (*.kq)", "My STEP files"})
    EXPECT_TRUE(probe.isCADFile(yes)) << yes;
  for (std::string no : {"step files (*.stp)", "All Files (*.*)", ""}) EXPECT_FALSE(probe.isCADFile(no)) << no;

  const char* images = "PDF file (*.pdf)|*.pdf|JPEG File (*.jpeg;*.jpg)|*.jpg;*.jpeg|Windows BMP (*.bmp)|*.bmp||";
  for (auto ext : {std::make_pair("BMP", "Windows BMP (*.bmp)"), std::make_pair("JPEG", "JPEG File (*.jpeg;*.jpg)"),
                   std::make_pair("jpeg", "PDF file (*.pdf)")}) {
    MpUICFileDialog dlg(FALSE, none, ext.first, nullptr, 0, images);
    script.Dialog("Save As", [&](HWND h) {
      EXPECT_EQ(ChosenFileType(h), ext.second) << ext.first;
      FileCancel(h);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  }
}

}  // namespace
