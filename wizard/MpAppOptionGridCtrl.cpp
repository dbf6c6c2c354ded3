// The option grid and its properties.
#include "MpAppOptionGridCtrl.h"
#include <cctype>
#include <climits>
#include <new>
#include "MpStrings.h"

namespace {

const char kUpperChars[] = "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ_";
const char kMixedChars[] = "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_";

// Set while a range message is up, so that a check asked for from within that box's own loop
// does not open a second one.
bool s_bShowingRangeMessage = false;

// Decimal digits only (the property's valid characters), saturating at INT_MAX; false for an
// empty or other text.
bool parseDigits(const std::string& text, int& value) {
  if (text.empty()) return false;
  long long n = 0;
  for (unsigned char c : text) {
    if (!isdigit(c)) return false;
    n = n * 10 + (c - '0');
    if (n > INT_MAX) n = INT_MAX;
  }
  value = (int)n;
  return true;
}

std::string textOf(CMFCPropertyGridProperty* prop) { return std::string((LPCSTR)prop->FormatProperty()); }

void setText(CMFCPropertyGridProperty* prop, const char* text) { prop->SetValue(COleVariant(text)); }

}  // namespace

char toIdentifierChar::operator()(char c) const {
  const unsigned char b = (unsigned char)c;
  if (b > 127 || !isalnum(b) || isspace(b)) return '_';
  return c;
}

// ---------------------------------------------------------------------------------------

CMaskedProperty::CMaskedProperty(const std::string& name, const std::string& value)
    : CMFCPropertyGridProperty(CString(name.c_str()), COleVariant(value.c_str()), nullptr, 0, nullptr, nullptr,
                               nullptr) {
  m_strValidChars = kUpperChars;
}

CMaskedProperty::~CMaskedProperty() = default;

CWnd* CMaskedProperty::CreateInPlaceEdit(CRect rectEdit, BOOL& bDefaultFormat) {
  CWnd* editor = CMFCPropertyGridProperty::CreateInPlaceEdit(rectEdit, bDefaultFormat);
  CEdit* edit = DYNAMIC_DOWNCAST(CEdit, editor);
  if (edit != nullptr && edit->GetSafeHwnd() != nullptr) {
    if (m_bAllowLowerCase) edit->ModifyStyle(ES_UPPERCASE, 0);
    else edit->ModifyStyle(0, ES_UPPERCASE);
  }
  return editor;
}

void CMaskedProperty::setAllowLowerCase(bool allow) {
  m_bAllowLowerCase = allow;
  if (allow) {
    m_strValidChars = kMixedChars;
    return;
  }
  std::string text = textOf(this);
  for (char& c : text) c = (char)toupper((unsigned char)c);
  SetValue(COleVariant(text.c_str()));
  m_strValidChars = kUpperChars;
}

void CMaskedProperty::setText(const std::string& text) {
  if (text.empty()) return;
  std::string identifier = text;
  for (char& c : identifier) {
    c = toIdentifierChar()(c);
    if (!m_bAllowLowerCase) c = (char)toupper((unsigned char)c);
  }
  SetValue(COleVariant(identifier.c_str()));
}

// ---------------------------------------------------------------------------------------

CBoundedValueProperty::CBoundedValueProperty(const std::string& name, short value, int minimum, int maximum)
    : CMFCPropertyGridProperty(CString(name.c_str()), COleVariant(value), nullptr, 0, nullptr, nullptr, "1234567890"),
      m_nMin(minimum),
      m_nMax(maximum) {
  EnableSpinControl(TRUE, minimum, maximum);
}

CBoundedValueProperty::~CBoundedValueProperty() = default;

BOOL CBoundedValueProperty::OnUpdateValue() {
  if (m_pWndInPlace == nullptr || m_pWndInPlace->GetSafeHwnd() == nullptr) return TRUE;
  CString text;
  m_pWndInPlace->GetWindowText(text);
  const bool changed = text.Compare(FormatProperty()) != 0;
  int n = 0;
  // A number too large for the value is as far out of range as one above the maximum.
  const bool inRange =
      parseDigits(std::string((LPCSTR)text), n) && n >= m_nMin && n <= m_nMax && n >= SHRT_MIN && n <= SHRT_MAX;
  if (changed && !inRange) {
    if (s_bShowingRangeMessage) return TRUE;
    s_bShowingRangeMessage = true;
    AfxMessageBox(MpStrFormat("Value must be between %d and %d.", m_nMin, m_nMax).c_str(), MB_ICONERROR);
    s_bShowingRangeMessage = false;
    return FALSE;
  }
  return CMFCPropertyGridProperty::OnUpdateValue();
}

// ---------------------------------------------------------------------------------------

MpAppOptionGridCtrl::MpAppOptionGridCtrl() = default;

MpAppOptionGridCtrl::~MpAppOptionGridCtrl() = default;

MpAppOptionGridCtrl* MpAppOptionGridCtrl::createOver(CWnd& page, CWnd& placeholder) {
  CRect rect;
  placeholder.GetClientRect(&rect);
  placeholder.MapWindowPoints(&page, &rect);
  auto* grid = new (std::nothrow) MpAppOptionGridCtrl;
  if (grid == nullptr) return nullptr;
  grid->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, rect, &page, (UINT)-1);
  grid->SetVSDotNetLook(TRUE);
  grid->MarkModifiedProperties(TRUE, FALSE);
  const COLORREF keep = (COLORREF)-1;
  grid->SetCustomColors(keep, keep, keep, afxGlobalData.clrBtnText, keep, keep, keep);
  return grid;
}

void MpAppOptionGridCtrl::setKeyMap(const std::map<std::string, int>& keyMap) { m_keyMap = keyMap; }

CMFCPropertyGridProperty* MpAppOptionGridCtrl::findProperty(const std::string& key) const {
  const auto it = m_keyMap.find(key);
  return it == m_keyMap.end() ? nullptr : FindItemByData((DWORD_PTR)it->second, TRUE);
}

void MpAppOptionGridCtrl::showProperty(const std::string& key, bool show) const {
  if (CMFCPropertyGridProperty* prop = findProperty(key)) prop->Show(show, TRUE);
}

void MpAppOptionGridCtrl::updateFeatureDepthField(bool hide) const {
  CMFCPropertyGridProperty* direction = findProperty("ClassAlternativeDirection");
  if (direction == nullptr) return;
  showProperty("FeatureDepthField", !hide && textOf(direction) == "Mirror");
}

void MpAppOptionGridCtrl::OnClickButton(CPoint point) {
  CMFCPropertyGridProperty* selected = GetCurSel();
  if (selected == nullptr || !selected->OnUpdateValue()) return;
  const CString before = selected->FormatProperty();
  if (CWinApp* app = AfxGetApp()) app->EndWaitCursor();
  selected->OnClickButton(point);
  if (selected->FormatProperty().Compare(before) != 0) OnPropertyChanged(selected);
}

void MpAppOptionGridCtrl::OnPropertyChanged(CMFCPropertyGridProperty* pProp) const {
  CMFCPropertyGridCtrl::OnPropertyChanged(pProp);
  if (pProp == nullptr) return;
  auto is = [&](const char* key) { return findProperty(key) == pProp; };
  auto each = [&](const char* key, auto action) {
    if (CMFCPropertyGridProperty* prop = findProperty(key)) action(prop);
  };
  const std::string text = textOf(pProp);

  if (is("ClassNiceName")) {
    auto* name = dynamic_cast<CMaskedProperty*>(findProperty("ClassName"));
    if (name != nullptr && name->FormatProperty().IsEmpty()) name->setText(text);
  }
  if (is("ClassAbstract")) {
    const COleVariant& value = pProp->GetValue();
    const bool abstract = value.vt == VT_BOOL && value.boolVal == VARIANT_TRUE;
    if (auto* name = dynamic_cast<CMaskedProperty*>(findProperty("ClassName"))) name->setAllowLowerCase(abstract);
    showProperty("ClassFreeShaped", !abstract);
    showProperty("ClassAlternativeDirection", !abstract);
    updateFeatureDepthField(abstract);
  }
  if (is("ClassAlternativeDirection")) updateFeatureDepthField(false);
  if (is("FieldType")) {
    each("FieldUnit", [&](CMFCPropertyGridProperty* p) {
      setText(p, "No unit");
      p->Enable(text == "Double");
    });
    each("FieldEnum", [&](CMFCPropertyGridProperty* p) {
      setText(p, "No enumerate type");
      p->Enable(text == "String");
    });
    each("FieldDefault", [&](CMFCPropertyGridProperty* p) { setText(p, "No default value"); });
  }
  if (is("FieldSubType")) {
    const bool subTyped = text != "None";
    // Shows or hides the property and enables it as given.
    auto set = [](CMFCPropertyGridProperty* p, bool enable, bool show) {
      p->Enable(enable);
      p->Show(show, TRUE);
    };
    CMFCPropertyGridProperty* type = findProperty("FieldType");
    CMFCPropertyGridProperty* dim = findProperty("FieldDim");
    each("FieldDisplayName", [&](CMFCPropertyGridProperty* p) {
      p->Enable(!subTyped);
      if (!subTyped) p->Show(TRUE, TRUE);
    });
    each("FieldType", [&](CMFCPropertyGridProperty* p) { set(p, !subTyped, !subTyped); });
    each("FieldDim", [&](CMFCPropertyGridProperty* p) { set(p, !subTyped, !subTyped); });
    each("FieldVectorSize", [&](CMFCPropertyGridProperty* p) {
      set(p, !subTyped && (dim == nullptr || textOf(dim) == "Vector"), !subTyped);
    });
    each("FieldUnit", [&](CMFCPropertyGridProperty* p) {
      if (subTyped) {
        setText(p, "No unit");
        set(p, text == "Toleranced", text == "Toleranced");
      } else if (type != nullptr) {
        setText(p, "No unit");
        set(p, textOf(type) == "Double", true);
      } else {
        set(p, true, true);
      }
    });
    each("FieldEnum", [&](CMFCPropertyGridProperty* p) {
      set(p, !subTyped && (type == nullptr || textOf(type) == "String"), !subTyped);
    });
    each("FieldDefault", [&](CMFCPropertyGridProperty* p) { set(p, !subTyped, !subTyped); });
  }
  if (is("FieldDim")) {
    each("FieldVectorSize", [&](CMFCPropertyGridProperty* p) {
      p->SetValue(COleVariant((short)3));
      p->Enable(text == "Vector");
    });
  }
}

namespace MpAppUiCustomization {

void useTitle(CPropertyPage& page, std::string& title) {
  if (title.empty()) return;
  page.m_psp.dwFlags |= PSP_USETITLE;
  page.m_psp.pszTitle = title.c_str();
}

}  // namespace MpAppUiCustomization
