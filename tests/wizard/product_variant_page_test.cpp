// The product-variant page through the sheet: the sets offered on each side, the keys written
// at once, the model chosen through the attachment dialog, and the two checks on leaving.
#include "MpHostData.h"
#include "MpStrings.h"
#include "../dialogs/file_dialogs.h"
#include "wizard_test.h"

using namespace AfxScript;

namespace {

class ProductVariantPageTest : public FileDialogTest {
 protected:
  void SetUp() override {
    FileDialogTest::SetUp();
    m_data = MpHostData::create();
    const ZulObjectKey project = m_data->addNode("Project", "P");
    m_product = m_data->addNode("Product", "Bracket", project, {{"VariantSet", "Standard"}});
    m_data->addNode("Model", "Bracket part", m_product);  // not a set: never offered
    m_standard = m_data->addNode("VariantSet", "Standard", m_product);
    m_long = m_data->addNode("VariantSet", "Long", m_product);
    m_data->addNode("VariantSet", "long", m_product);  // only the case differs
  }
  void TearDown() override {
    m_data->Release();
    FileDialogTest::TearDown();
  }
  // The sheet for the node of that key, set up.
  bool Init(MpAppUiOptionsWizard& sheet, const ZulObjectKey& first) {
    MpZulSmartList selection;
    if (!first.isNone()) selection.push_back(static_cast<IMpZulNode*>(m_data->node(first)), true);
    std::string task = "AddProductVariant";
    return sheet.init(task, selection, nullptr);
  }
  static std::vector<std::string> Entries(HWND page, int id) {
    std::vector<std::string> out;
    HWND combo = ::GetDlgItem(page, id);
    for (int i = 0; i < (int)::SendMessageA(combo, CB_GETCOUNT, 0, 0); ++i) {
      char buf[64] = {};
      ::SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buf));
      out.push_back(buf);
    }
    return out;
  }
  MpHostData* m_data = nullptr;
  ZulObjectKey m_product, m_standard, m_long;
};

TEST_F(ProductVariantPageTest, WithoutSetsToOfferSetUpFails) {
  MpAppUiOptionsWizard sheet;
  script.MessageBox(IDOK);
  EXPECT_FALSE(Init(sheet, ZulObjectKey()));
  EXPECT_EQ(Boxes(), (std::vector<std::pair<std::string, UINT>>{{Message(IDS_VARIANT_NO_SETS), MB_ICONERROR}}));
  IMpOptions* bag = sheet.getOptions();
  EXPECT_TRUE(bag == nullptr || bag->getString("CreateGroups").empty()) << "nothing seeded";
  if (bag) bag->Release();
}

TEST_F(ProductVariantPageTest, TheProductsOwnSetIsTheBaseAndAModelIsChosenAsACadFile) {
  const std::string part = File("bracket.stp");
  MpAppUiOptionsWizard sheet;
  ASSERT_TRUE(Init(sheet, m_product));
  IMpOptions* bag = sheet.getOptions();
  script.Sheet(Message(IDS_TASK_SHEET_CAPTION), [&](HWND h) {
    HWND page = SheetPage(h);
    EXPECT_EQ(Entries(page, IDC_VARIANT_BASE_SET), std::vector<std::string>{"Standard"});
    EXPECT_FALSE(wdtest::Enabled(page, IDC_VARIANT_BASE_SET));
    EXPECT_EQ(bag->getObjectKey("BaseProductVariantSet").objectId, m_standard.objectId);
    EXPECT_EQ(Entries(page, IDC_VARIANT_NEW_SET), (std::vector<std::string>{"Long", "long"}));
    SheetOK(h);  // no new set
    ChooseCombo(page, IDC_VARIANT_NEW_SET, 1);
    EXPECT_EQ(bag->getObjectKey("NewProductVariantSet").objectId, m_long.objectId + 1) << "found by position, not name";
    EXPECT_EQ(Entries(page, IDC_VARIANT_BASE_SET), (std::vector<std::string>{"Standard", "Long"}));
    SheetOK(h);  // no model
    EXPECT_FALSE(wdtest::Enabled(page, IDC_VARIANT_BROWSE_PART));
    SetCheck(page, IDC_VARIANT_ADD_PART, true);
    SetCheck(page, IDC_VARIANT_COMPARE_PARAMS, true);
    Click(page, IDC_VARIANT_BROWSE_PART);  // cancelled: nothing changes
    Click(page, IDC_VARIANT_BROWSE_PART);
    EXPECT_EQ(Text(page, IDC_VARIANT_PART_MODEL), part);
    SheetOK(h);
  });
  script.MessageBox(IDOK).MessageBox(IDOK);
  script.Dialog("Open", [&](HWND h) {
    EXPECT_EQ(wdtest::Chosen(h, 2738), MpName(15160));
    EXPECT_EQ(FileTypes(h).front(), "ACIS Files (*.sat)");
    FileCancel(h);
  });
  script.Dialog("Open", [&](HWND h) {
    ChooseFileType(h, "STEP AP203/AP214 Files (*.step;*.stp)");
    SetFileName(h, part.c_str());
    FileOK(h);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(Boxes(), (std::vector<std::pair<std::string, UINT>>{{Message(IDS_VARIANT_NO_NEW_SET), MB_ICONERROR},
                                                                 {Message(IDS_VARIANT_NO_MODEL), MB_ICONERROR}}));
  EXPECT_EQ(bag->getString("AddPart") + bag->getString("CompareFeatureParams"), "onon");
  EXPECT_EQ(bag->getString("PartModel"), part);
  EXPECT_EQ(bag->getString("PartModelType"), "STEP AP203/AP214 Files (*.step;*.stp)");
  EXPECT_EQ(bag->getString("BlankModel"), "");
  EXPECT_EQ(LastCad(), "STEP AP203/AP214 Files (*.step;*.stp)");
  bag->Release();
}

TEST_F(ProductVariantPageTest, ASetChosenOnOneSideLeavesTheOther) {
  MpHostSettings(MpHostSettingsGroup::Units)->setString("default_modeler", "corvane");
  MpAppUiOptionsWizard sheet;
  ASSERT_TRUE(Init(sheet, m_standard));  // not a product: both sides offer every set
  script.Sheet(Message(IDS_TASK_SHEET_CAPTION), [&](HWND h) {
    HWND page = SheetPage(h);
    const std::vector<std::string> all{"Standard", "Long", "long"};
    EXPECT_EQ(Entries(page, IDC_VARIANT_BASE_SET), all);
    EXPECT_EQ(Entries(page, IDC_VARIANT_NEW_SET), all);
    EXPECT_EQ(wdtest::Chosen(page, IDC_VARIANT_BASE_SET), "");
    ChooseCombo(page, IDC_VARIANT_BASE_SET, 0);
    EXPECT_EQ(Entries(page, IDC_VARIANT_NEW_SET), (std::vector<std::string>{"Long", "long"}));
    ChooseCombo(page, IDC_VARIANT_NEW_SET, 0);
    EXPECT_EQ(Entries(page, IDC_VARIANT_BASE_SET), (std::vector<std::string>{"Standard", "long"}));
    SetCheck(page, IDC_VARIANT_ADD_BLANK, true);
    Click(page, IDC_VARIANT_BROWSE_BLANK);
    SheetCancel(h);
  });
  script.Dialog("Open", [&](HWND h) {
    const std::vector<std::string> types = FileTypes(h);
    EXPECT_EQ(types.front(), "STEP AP203/AP214 Files (*.step;*.stp)");
    EXPECT_EQ(types.back(), "Planar Forge Files (*.par;*.asm;*.psm)");
    FileCancel(h);
  });
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  IMpOptions* bag = sheet.getOptions();
  EXPECT_EQ(bag->getObjectKey("BaseProductVariantSet").objectId, m_standard.objectId) << "written at once, kept on Cancel";
  EXPECT_EQ(bag->getObjectKey("NewProductVariantSet").objectId, m_long.objectId);
  EXPECT_EQ(bag->getString("AddBlank"), "on");
  bag->Release();
}

}  // namespace
