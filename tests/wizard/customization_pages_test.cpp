// The class and field customization pages on the task sheet, edited through the option grid by
// mouse and keyboard: masked names, dependent properties, the vector size's range, and the keys
// each page writes back.
#include <cstring>
#include "MpAppOptionGridCtrl.h"
#include "MpHostData.h"
#include "MpHostSample.h"
#include "wizard_test.h"

using namespace AfxScript;

namespace {

void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

// The page's grid, used as a person would: clicks on value cells, typed characters, Enter.
struct GridUser {
  explicit GridUser(HWND page) {
    for (HWND c = ::GetWindow(page, GW_CHILD); c && !grid; c = ::GetWindow(c, GW_HWNDNEXT))
      grid = dynamic_cast<MpAppOptionGridCtrl*>(CWnd::FromHandlePermanent(c));
  }
  CMFCPropertyGridProperty* operator[](const char* key) const { return grid->findProperty(key); }
  std::string Text(const char* key) const { return std::string((*this)[key]->FormatProperty()); }
  bool Shown(const char* key) const { return (*this)[key]->IsVisible() != FALSE; }
  bool Enabled(const char* key) const { return (*this)[key]->IsEnabled() != FALSE; }
  void Click(const char* key, int dx = 20) const {
    const LPARAM at = MAKELPARAM(grid->GetLeftColumnWidth() + dx, (*this)[key]->GetRect().CenterPoint().y);
    ::SendMessageA(grid->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(grid->m_hWnd, WM_LBUTTONUP, 0, at);
    Pump();
  }
  HWND Editor() const { return ::GetDlgItem(grid->m_hWnd, 3); }
  void Type(const char* key, const char* text) const {
    Click(key);
    for (const char* c = text; *c; ++c) ::SendMessageA(Editor(), WM_CHAR, (unsigned char)*c, 1);
    ::SendMessageA(Editor(), WM_KEYDOWN, VK_RETURN, 1);
    Pump();
  }
  void Choose(const char* key, const char* text) const {
    Click(key);
    // By exact text, the empty one included (which the combo box's own search does not find).
    LRESULT index = ::SendMessageA(Editor(), CB_GETCOUNT, 0, 0);
    char entry[64];
    while (--index >= 0 && (::SendMessageA(Editor(), CB_GETLBTEXT, (WPARAM)index, (LPARAM)entry), strcmp(entry, text)))
      ;
    ASSERT_GE(index, 0) << text;
    ::SendMessageA(Editor(), CB_SETCURSEL, (WPARAM)index, 0);
    ::SendMessageA(grid->m_hWnd, WM_COMMAND, MAKEWPARAM(3, CBN_SELCHANGE), (LPARAM)Editor());
    Pump();
  }
  void Tick(const char* key) const { Click(key, 8); }
  MpAppOptionGridCtrl* grid = nullptr;
};

std::string TabText(HWND sheet) {
  HWND tab = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  char text[64] = "";
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  ::SendMessageA(tab, TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return text;
}

class CustomizationPageTest : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    m_data = MpHostCreateSampleData();
    MpHostClassDef grooved;
    grooved.name = "groovedHole";
    grooved.niceName = "Grooved hole";
    grooved.parent = "Hole";
    // Case matters: these read as not abstract and not free-shaped.
    grooved.properties = {{"Abstract", "true"}, {"Freeshaped", "TRUE"}, {"AlternativeDirection", "CheckMirror"},
                          {"FeatureDepthField", "CheckMirror"}};
    MpHostFieldDef widths;
    widths.name = "Widths";
    widths.type = 2;
    widths.dimension = 3;
    widths.properties = {{"VectorSize", "40000"}};
    MpHostFieldDef odd = widths;
    odd.name = "Odd";
    odd.properties = {{"VectorSize", "x1"}};
    grooved.fields = {widths, odd};
    ASSERT_TRUE(m_data->customization()->addClass(grooved));
  }
  void TearDown() override {
    m_data->Release();
    WizardTest::TearDown();
  }
  // The selection: the class of that name.
  MpZulSmartList ClassSelection(const std::string& name) {
    MpZulSmartList selection;
    IMpZulClass* cls = MpHostCreateClass(m_data->customization(), name);
    selection.push_back(cls, false);
    return selection;
  }
  // The bag after the sheet, through both getters, which must agree.
  static IMpOptions* Result(MpAppUiOptionsWizard& sheet) {
    MpSmartList list;
    EXPECT_TRUE(sheet.getOptions(list));
    IMpOptions* bag = sheet.getOptions();
    EXPECT_EQ(list.size(), 1u);
    EXPECT_EQ(list.front(), static_cast<IUnknown*>(bag));
    return bag;
  }
  MpHostData* m_data = nullptr;
};

TEST_F(CustomizationPageTest, NewClassFollowsTheRulesAndWritesItsKeys) {
  IMpOptions* preset = Bag({{"ClassName", "KEPT"}, {"Customization_Title", "New class"}});
  {
    MpAppUiOptionsWizard sheet;
    ASSERT_TRUE(Init(sheet, "CustomizationClass", preset));
    EXPECT_EQ(preset->getString("ClassName"), "") << "create mode seeds over a preset";
    script.Sheet(Caption(), [&](HWND h) {
      EXPECT_EQ(TabText(h), "New class");
      GridUser grid(SheetPage(h));
      ASSERT_NE(grid.grid, nullptr);
      EXPECT_FALSE(grid.Shown("FeatureDepthField")) << "no direction yet";
      grid.Type("ClassNiceName", "Hole depth 2\xE9");
      EXPECT_EQ(grid.Text("ClassName"), "HOLE_DEPTH_2_");
      grid.Type("ClassNiceName", "Other");
      EXPECT_EQ(grid.Text("ClassName"), "HOLE_DEPTH_2_") << "a filled name stays";

      grid.Tick("ClassAbstract");
      EXPECT_FALSE(grid.Shown("ClassFreeShaped"));
      EXPECT_FALSE(grid.Shown("ClassAlternativeDirection"));
      grid.Click("ClassName");
      ::SendMessageA(grid.Editor(), EM_SETSEL, 0, -1);
      for (char c : std::string("Mixed%_case 1")) ::SendMessageA(grid.Editor(), WM_CHAR, (unsigned char)c, 1);
      ::SendMessageA(grid.Editor(), WM_KEYDOWN, VK_RETURN, 1);
      Pump();
      EXPECT_EQ(grid.Text("ClassName"), "Mixed_case1") << "lower case allowed, other characters refused";

      grid.Tick("ClassAbstract");
      EXPECT_EQ(grid.Text("ClassName"), "MIXED_CASE1");
      EXPECT_TRUE(grid.Shown("ClassFreeShaped"));
      EXPECT_FALSE(grid.Shown("FeatureDepthField"));
      grid.Choose("ClassAlternativeDirection", "Mirror");
      EXPECT_TRUE(grid.Shown("FeatureDepthField"));
      EXPECT_FALSE(grid.Enabled("FeatureDepthField"));
      EXPECT_EQ(grid.Text("FeatureDepthField"), "Undefined, use 'Set as Feature Depth' command");
      SheetOK(h);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    IMpOptions* bag = Result(sheet);
    EXPECT_EQ(bag, preset);
    bag->Release();
  }
  EXPECT_EQ(preset->getString("ClassNiceName"), "Other");
  EXPECT_EQ(preset->getString("ClassName"), "MIXED_CASE1");
  EXPECT_EQ(preset->getString("ClassAbstract"), "off");
  EXPECT_EQ(preset->getString("ClassFreeShaped"), "off");
  EXPECT_EQ(preset->getString("ClassAlternativeDirection"), "Mirror");
  EXPECT_EQ(preset->getString("FeatureDepthField"), "") << "the placeholder is no field name";
  EXPECT_TRUE(script.boxes.empty());
  preset->Release();
}

TEST_F(CustomizationPageTest, ClassInEditModeIsCopiedAndWrittenBackAsStored) {
  IMpOptions* preset = Bag({{"Customization_EditMode", "on"}});
  MpAppUiOptionsWizard sheet;
  MpZulSmartList selection = ClassSelection("groovedHole");
  std::string task = "CustomizationClass";
  ASSERT_TRUE(sheet.init(task, selection, preset));
  EXPECT_EQ(preset->getString("ClassName"), "groovedHole");
  EXPECT_EQ(preset->getString("ClassAlternativeDirection"), "Mirror");
  script.Sheet(Caption(), [&](HWND h) {
    EXPECT_EQ(TabText(h), "Class") << "the template's caption without a title";
    GridUser grid(SheetPage(h));
    EXPECT_EQ(grid.Text("ClassName"), "GROOVEDHOLE");
    EXPECT_EQ(grid.Text("ClassAbstract"), "False");
    EXPECT_EQ(grid.Text("ClassFreeShaped"), "False");
    EXPECT_EQ(grid.Text("FeatureDepthField"), "Mirror");
    EXPECT_TRUE(grid.Shown("FeatureDepthField"));
    grid.Choose("ClassAlternativeDirection", "");
    EXPECT_FALSE(grid.Shown("FeatureDepthField"));
    SheetOK(h);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(preset->getString("ClassNiceName"), "Grooved hole");
  EXPECT_EQ(preset->getString("ClassName"), "GROOVEDHOLE");
  EXPECT_EQ(preset->getString("ClassAlternativeDirection"), "");
  EXPECT_EQ(preset->getString("FeatureDepthField"), "CheckMirror") << "written back as stored";
  preset->Release();
}

TEST_F(CustomizationPageTest, ToleranceFieldKeepsDependentPropertiesConsistent) {
  IMpOptions* preset = Bag({{"Customization_EditMode", "on"}, {"FieldName", "BoreDepthTolerance"}});
  MpAppUiOptionsWizard sheet;
  MpZulSmartList selection = ClassSelection("CounterboreHole");
  std::string task = "CustomizationField";
  ASSERT_TRUE(sheet.init(task, selection, preset));
  script
      .Sheet(Caption(),
             [&](HWND h) {
               GridUser grid(SheetPage(h));
               EXPECT_EQ(grid.Text("FieldName"), "BoreDepth") << "the anchor's name";
               for (const char* key : {"FieldType", "FieldDim", "FieldVectorSize", "FieldEnum", "FieldDefault"})
                 EXPECT_FALSE(grid.Shown(key)) << key;
               EXPECT_FALSE(grid.Enabled("FieldDisplayName"));
               EXPECT_TRUE(grid.Shown("FieldUnit") && grid.Enabled("FieldUnit"));

               grid.Choose("FieldSubType", "Roughness");
               EXPECT_FALSE(grid.Shown("FieldUnit"));
               grid.Choose("FieldSubType", "None");
               for (const char* key : {"FieldType", "FieldDim", "FieldVectorSize", "FieldEnum", "FieldDefault"})
                 EXPECT_TRUE(grid.Shown(key)) << key;
               EXPECT_TRUE(grid.Enabled("FieldUnit")) << "the type is Double";
               EXPECT_FALSE(grid.Enabled("FieldEnum"));
               EXPECT_FALSE(grid.Enabled("FieldVectorSize"));

               grid.Choose("FieldDim", "Vector");
               EXPECT_TRUE(grid.Enabled("FieldVectorSize"));
               grid.Type("FieldVectorSize", "17");  // refused with the range message
               EXPECT_NE(grid.Editor(), nullptr) << "the editor stays open";
               ::SetWindowTextA(grid.Editor(), "12");
               ::SendMessageA(grid.Editor(), WM_KEYDOWN, VK_RETURN, 1);
               Pump();
               EXPECT_EQ(grid.Text("FieldVectorSize"), "12");

               grid.Type("FieldDefault", "7");
               grid.Choose("FieldType", "String");
               EXPECT_EQ(grid.Text("FieldDefault"), "No default value");
               EXPECT_TRUE(grid.Enabled("FieldEnum"));
               EXPECT_FALSE(grid.Enabled("FieldUnit"));
               grid.Choose("FieldEnum", "SurfaceFinishes");
               grid.Type("FieldDisplayName", "Bore depth tolerance");
               SheetOK(h);
             })
      .MessageBox(IDOK);
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(Boxes(), (std::vector<std::pair<std::string, UINT>>{{"Value must be between 2 and 16.", MB_ICONERROR}}));
  IMpOptions* bag = Result(sheet);
  const std::vector<std::pair<const char*, const char*>> expected = {
      {"FieldName", "BoreDepth"},        {"FieldDisplayName", "Bore depth tolerance"}, {"FieldSubType", "None"},
      {"FieldType", "String"},           {"FieldDim", "Vector"},                       {"FieldVectorSize", "12"},
      {"FieldUnit", "No unit"},          {"FieldEnum", "SurfaceFinishes"},             {"FieldDefault", "No default value"}};
  for (const auto& kv : expected) EXPECT_EQ(bag->getString(kv.first), kv.second) << kv.first;
  bag->Release();
  preset->Release();
}

TEST_F(CustomizationPageTest, FieldSizesAndCreateMode) {
  // A stored size too large for the property is shown clamped; one that is no number keeps 3.
  for (const char* field : {"Widths", "Odd"}) {
    IMpOptions* preset = Bag({{"Customization_EditMode", "on"}, {"FieldName", field}, {"FieldUnit", "kept"}});
    MpAppUiOptionsWizard sheet;
    MpZulSmartList selection = ClassSelection("groovedHole");
    std::string task = "CustomizationField";
    ASSERT_TRUE(sheet.init(task, selection, preset));
    EXPECT_EQ(preset->getString("FieldType"), "Integer");
    EXPECT_EQ(preset->getString("FieldUnit"), "No unit");
    if (std::string(field) == "Odd") {
      EXPECT_EQ(preset->getInt("FieldVectorSize"), 3);
    } else {
      script.Sheet(Caption(), [&](HWND h) {
        GridUser grid(SheetPage(h));
        EXPECT_EQ(grid.Text("FieldVectorSize"), "32767");
        EXPECT_TRUE(grid.Enabled("FieldVectorSize"));
        EXPECT_FALSE(grid.Enabled("FieldEnum"));
        SheetCancel(h);
      });
      EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    }
    preset->Release();
  }
  // Create mode replaces what a preset brought; the enumeration types are read all the same.
  IMpOptions* preset = Bag({{"FieldName", "X"}, {"FieldType", "Double"}});
  MpAppUiOptionsWizard sheet;
  MpZulSmartList selection = ClassSelection("CounterboreHole");
  std::string task = "CustomizationField";
  ASSERT_TRUE(sheet.init(task, selection, preset));
  EXPECT_EQ(preset->getString("FieldName"), "");
  EXPECT_EQ(preset->getString("FieldType"), "String");
  EXPECT_EQ(preset->getInt("FieldVectorSize"), 3);
  script.Sheet(Caption(), [&](HWND h) {
    GridUser grid(SheetPage(h));
    grid.Click("FieldEnum");
    EXPECT_EQ(::SendMessageA(grid.Editor(), CB_GETCOUNT, 0, 0), 3);
    grid.Type("FieldName", "ab c");
    EXPECT_EQ(grid.Text("FieldName"), "ABC") << "typed upper case; the blank refused";
    SheetOK(h);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(preset->getString("FieldName"), "ABC");
  EXPECT_EQ(preset->getString("FieldVectorSize"), "3");
  preset->Release();
}

}  // namespace
