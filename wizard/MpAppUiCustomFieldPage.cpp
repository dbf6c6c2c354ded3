// Task page "CustomizationField".
#include "MpAppUiCustomFieldPage.h"
#include <climits>
#include <sstream>
#include "MpAppUiTaskPage.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(MpAppUiCustomFieldPage, CPropertyPage)

BEGIN_MESSAGE_MAP(MpAppUiCustomFieldPage, CPropertyPage)
END_MESSAGE_MAP()

MpAppUiCustomFieldPage::MpAppUiCustomFieldPage() : CPropertyPage(IDD_CUSTOM_FIELD_PAGE) {}

MpAppUiCustomFieldPage::~MpAppUiCustomFieldPage() {
  if (m_pGrid != nullptr) {
    delete m_pGrid;
    m_pGrid = nullptr;
  }
}

bool MpAppUiCustomFieldPage::init(MpZulSmartList& selection, IMpOptions* preset) {
  MpAppUiTaskPage::takeBag(m_spOptions, preset, [](IMpOptions*) {});
  IMpZulClassPtr cls(selection.front(), true);
  if (cls.isValid()) {
    // The class's customization stays the host's; the page holds it only while reading.
    IMpDataXmlCustomizationPtr xml(cls->getCustomization(), true);
    if (xml.isValid()) xml->readCustomization(m_enumTypes);
  }
  if (m_spOptions.isNull()) return true;
  IMpOptions* bag = m_spOptions.get();
  m_title = bag->getString("Customization_Title");
  MpAppUiCustomization::useTitle(*this, m_title);
  if (bag->getBool("Customization_EditMode")) {
    readField(cls.get());
    return true;
  }
  bag->setString("FieldName", "");
  bag->setString("FieldDisplayName", "");
  bag->setString("FieldType", "String");
  bag->setString("FieldSubType", "None");
  bag->setString("FieldDim", "Single");
  bag->setInt("FieldVectorSize", 3);
  bag->setString("FieldUnit", "No unit");
  bag->setString("FieldEnum", "No enumerate type");
  bag->setString("FieldDefault", "No default value");
  return true;
}

// Edit mode: the named field's values replace the bag's; keys not read keep the preset's.
void MpAppUiCustomFieldPage::readField(IMpZulClass* cls) {
  IMpOptions* bag = m_spOptions.get();
  const std::string name = bag->getString("FieldName");
  if (name.empty() || cls == nullptr) return;
  IMpZulFieldPtr field(cls->getField(name), true);
  if (field.isNull()) return;

  std::string sub;
  if (!field->getProperty("SubType", sub)) sub = "None";
  bag->setString("FieldSubType", sub);
  if (sub == "None") {
    std::string displayName;
    field->getDisplayName(displayName);
    bag->setString("FieldDisplayName", displayName);
  } else {
    std::string anchor;
    if (field->getProperty("SubTypeAnchor", anchor)) {
      bag->setString("FieldName", anchor);
      bag->setString("FieldDisplayName", "");
    }
  }
  int code = 0;
  std::string type = "String";
  if (field->getType(code))
    type = code == MpZulFieldType::Integer ? "Integer" : code == MpZulFieldType::Double ? "Double" : "String";
  bag->setString("FieldType", type);
  std::string dim = "Single";
  if (field->getDimension(code)) dim = code == MpZulFieldDimension::Vector ? "Vector" : "Single";
  bag->setString("FieldDim", dim);
  int size = 3;
  std::string text;
  if (field->getProperty("VectorSize", text)) {
    // A text that is no number keeps the default size.
    std::istringstream in(text);
    int read = 0;
    if (in >> read) size = read;
  }
  bag->setInt("FieldVectorSize", size);
  std::string unit;
  field->getUnit(unit);
  bag->setString("FieldUnit", unit.empty() ? "No unit" : unit);
  std::string enumType;
  field->getProperty("EnumType", enumType);
  bag->setString("FieldEnum", enumType.empty() ? "No enumerate type" : enumType);
  std::string defaultValue;
  field->getProperty("DefaultValue", defaultValue);
  bag->setString("FieldDefault", defaultValue.empty() ? "No default value" : defaultValue);
}

void MpAppUiCustomFieldPage::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_CUSTOM_FIELD_GRID_AREA, m_staticPlaceholder);
}

BOOL MpAppUiCustomFieldPage::OnInitDialog() {
  return MpAppUiTaskPage::initGridPage(*this, m_staticPlaceholder, m_pGrid, m_spOptions.get(), m_keyMap,
                                       [this](IMpOptions* bag) { fillGrid(bag); });
}

void MpAppUiCustomFieldPage::fillGrid(IMpOptions* bag) {
  const std::string sub = bag->getString("FieldSubType");
  const std::string type = bag->getString("FieldType");
  const std::string dim = bag->getString("FieldDim");
  const bool subTyped = !sub.empty() && sub != "None";
  int data = 0;
  // A property of the key, its number and its group; fixed choices when given.
  auto add = [&](CMFCPropertyGridProperty* group, const char* key, CMFCPropertyGridProperty* prop,
                 std::vector<std::string> choices = {}) {
    prop->SetData((DWORD_PTR)++data);
    m_keyMap[key] = data;
    for (const std::string& choice : choices) prop->AddOption(choice.c_str(), TRUE);
    if (!choices.empty()) prop->AllowEdit(FALSE);
    group->AddSubItem(prop);
    return prop;
  };
  auto text = [&](const char* label, const char* key) {
    return new CMFCPropertyGridProperty(label, COleVariant(bag->getString(key).c_str()));
  };
  auto state = [](CMFCPropertyGridProperty* prop, bool enable, bool show) {
    prop->Enable(enable);
    prop->Show(show, TRUE);
  };

  auto* identification = new CMFCPropertyGridProperty("Identification");
  add(identification, "FieldName", new CMaskedProperty("Name", bag->getString("FieldName")));
  add(identification, "FieldDisplayName", text("Display Name", "FieldDisplayName"))->Enable(!subTyped);
  m_pGrid->AddProperty(identification, FALSE, FALSE);

  auto* definition = new CMFCPropertyGridProperty("Definition");
  add(definition, "FieldSubType", text("Class", "FieldSubType"), {"None", "Toleranced", "Roughness", "Thread"});
  state(add(definition, "FieldType", text("Type", "FieldType"), {"String", "Integer", "Double"}), !subTyped, !subTyped);
  state(add(definition, "FieldDim", text("Dimension", "FieldDim"), {"Single", "Vector"}), !subTyped, !subTyped);
  // A stored size beyond what the property holds is shown at the nearest value it can hold.
  int size = bag->getInt("FieldVectorSize");
  size = size < SHRT_MIN ? SHRT_MIN : size > SHRT_MAX ? SHRT_MAX : size;
  state(add(definition, "FieldVectorSize", new CBoundedValueProperty("Vector Size", (short)size, 2, 16)),
        !subTyped && dim == "Vector", !subTyped);
  state(add(definition, "FieldUnit", text("Unit Type", "FieldUnit"), {"No unit", "Angle", "Area", "Length", "Volume"}),
        sub == "Toleranced" || type == "Double", !subTyped || sub == "Toleranced");
  std::vector<std::string> enums{"No enumerate type"};
  enums.insert(enums.end(), m_enumTypes.begin(), m_enumTypes.end());
  state(add(definition, "FieldEnum", text("Enumerate Type", "FieldEnum"), enums), !subTyped && type == "String",
        !subTyped);
  state(add(definition, "FieldDefault", text("Default Value", "FieldDefault")), !subTyped, !subTyped);
  m_pGrid->AddProperty(definition, TRUE, TRUE);
}

BOOL MpAppUiCustomFieldPage::OnKillActive() {
  if (m_spOptions.isValid() && m_pGrid != nullptr) {
    for (const auto& entry : m_keyMap) {
      CMFCPropertyGridProperty* prop = m_pGrid->FindItemByData((DWORD_PTR)entry.second, TRUE);
      if (prop != nullptr) m_spOptions->setString(entry.first, std::string((LPCSTR)prop->FormatProperty()));
    }
  }
  return CPropertyPage::OnKillActive();
}
