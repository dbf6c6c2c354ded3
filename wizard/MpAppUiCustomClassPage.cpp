// Task page "CustomizationClass".
#include "MpAppUiCustomClassPage.h"
#include "MpAppUiTaskPage.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(MpAppUiCustomClassPage, CPropertyPage)

BEGIN_MESSAGE_MAP(MpAppUiCustomClassPage, CPropertyPage)
END_MESSAGE_MAP()

namespace {
const char kNoFeatureDepth[] = "Undefined, use 'Set as Feature Depth' command";
}  // namespace

MpAppUiCustomClassPage::MpAppUiCustomClassPage() : CPropertyPage(IDD_CUSTOM_CLASS_PAGE) {}

MpAppUiCustomClassPage::~MpAppUiCustomClassPage() {
  if (m_pGrid != nullptr) {
    delete m_pGrid;
    m_pGrid = nullptr;
  }
}

bool MpAppUiCustomClassPage::init(MpZulSmartList& selection, IMpOptions* preset) {
  if (!MpAppUiTaskPage::takeBag(m_spOptions, preset, [](IMpOptions*) {})) return true;
  IMpOptions* bag = m_spOptions.get();
  m_title = bag->getString("Customization_Title");
  MpAppUiCustomization::useTitle(*this, m_title);
  const bool editMode = bag->getBool("Customization_EditMode");

  bag->setString("ClassNiceName", "");
  bag->setString("ClassName", "");
  bag->setBool("ClassAbstract", false);
  bag->setBool("ClassFreeShaped", false);
  bag->setString("ClassAlternativeDirection", "");
  bag->setString("FeatureDepthField", "");
  if (!editMode) return true;

  IMpZulClassPtr cls(selection.front(), true);
  if (cls.isNull()) return true;
  std::string text;
  if (cls->getNiceName(text)) bag->setString("ClassNiceName", text);
  text.clear();
  if (cls->getName(text)) bag->setString("ClassName", text);
  text.clear();
  bag->setBool("ClassAbstract", cls->getProperty("Abstract", text) && text == "TRUE");
  text.clear();
  bag->setBool("ClassFreeShaped", cls->getProperty("Freeshaped", text) && text == "true");
  std::string direction;
  cls->getProperty("AlternativeDirection", direction);
  if (direction == "false") direction = "";
  else if (direction == "true" || direction == "CheckMirror") direction = "Mirror";
  bag->setString("ClassAlternativeDirection", direction);
  std::string depth;
  cls->getProperty("FeatureDepthField", depth);
  bag->setString("FeatureDepthField", depth);
  return true;
}

void MpAppUiCustomClassPage::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_CUSTOM_CLASS_GRID_AREA, m_staticPlaceholder);
}

BOOL MpAppUiCustomClassPage::OnInitDialog() {
  return MpAppUiTaskPage::initGridPage(*this, m_staticPlaceholder, m_pGrid, m_spOptions.get(), m_keyMap,
                                       [this](IMpOptions* bag) { fillGrid(bag); });
}

void MpAppUiCustomClassPage::fillGrid(IMpOptions* bag) {
  const bool abstract = bag->getBool("ClassAbstract");
  int data = 0;
  auto add = [&](CMFCPropertyGridProperty* group, const char* key, CMFCPropertyGridProperty* prop) {
    prop->SetData((DWORD_PTR)++data);
    m_keyMap[key] = data;
    group->AddSubItem(prop);
    return prop;
  };

  auto* identification = new CMFCPropertyGridProperty("Identification");
  add(identification, "ClassNiceName",
      new CMFCPropertyGridProperty("Display Name", COleVariant(bag->getString("ClassNiceName").c_str())));
  auto* name = new CMaskedProperty("Name", bag->getString("ClassName"));
  name->setAllowLowerCase(abstract);
  add(identification, "ClassName", name);
  m_pGrid->AddProperty(identification, FALSE, FALSE);

  auto* definition = new CMFCPropertyGridProperty("Definition");
  add(definition, "ClassAbstract", new CMFCPropertyGridProperty("Abstract", COleVariant((short)abstract, VT_BOOL)));
  add(definition, "ClassFreeShaped",
      new CMFCPropertyGridProperty("Free Shaped", COleVariant((short)bag->getBool("ClassFreeShaped"), VT_BOOL)))
      ->Show(!abstract, TRUE);
  const std::string direction = bag->getString("ClassAlternativeDirection");
  CMFCPropertyGridProperty* directionProp =
      add(definition, "ClassAlternativeDirection",
          new CMFCPropertyGridProperty("Alternative Direction", COleVariant(direction.c_str())));
  directionProp->AddOption("", TRUE);
  directionProp->AddOption("Mirror", TRUE);
  directionProp->Show(!abstract, TRUE);
  m_featureDepthStored = bag->getString("FeatureDepthField");
  const std::string shown = m_featureDepthStored.empty()            ? std::string(kNoFeatureDepth)
                            : m_featureDepthStored == "CheckMirror" ? std::string("Mirror")
                                                                    : m_featureDepthStored;
  CMFCPropertyGridProperty* depth = add(definition, "FeatureDepthField",
                                        new CMFCPropertyGridProperty("Feature Depth Attribute", COleVariant(shown.c_str())));
  depth->Enable(FALSE);
  depth->Show(!abstract && !direction.empty(), TRUE);
  m_pGrid->AddProperty(definition, TRUE, TRUE);
}

BOOL MpAppUiCustomClassPage::OnKillActive() {
  if (m_spOptions.isValid() && m_pGrid != nullptr) {
    for (const auto& entry : m_keyMap) {
      CMFCPropertyGridProperty* prop = m_pGrid->FindItemByData((DWORD_PTR)entry.second, TRUE);
      if (prop == nullptr) continue;
      const COleVariant& value = prop->GetValue();
      if (value.vt == VT_BOOL) {
        m_spOptions->setBool(entry.first, value.boolVal == VARIANT_TRUE);
        continue;
      }
      std::string text((LPCSTR)prop->FormatProperty());
      // The feature depth goes back as stored: neither the placeholder nor a translation is a
      // field name.
      if (entry.first == "FeatureDepthField" && (text == kNoFeatureDepth || !prop->IsModified()))
        text = text == kNoFeatureDepth ? std::string() : m_featureDepthStored;
      m_spOptions->setString(entry.first, text);
    }
  }
  return CPropertyPage::OnKillActive();
}
