// The option grid of the class and field customization pages: a property grid that keeps the
// properties depending on a changed one consistent, and its identifier and bounded-integer
// properties.
#pragma once
#include <afxdlgs.h>
#include <afxpropertygridctrl.h>
#include <map>
#include <string>

// One byte as an identifier character: letters and digits stay, every other byte is '_'.
struct toIdentifierChar {
  char operator()(char c) const;
};

// A name restricted to identifier characters, upper case unless lower case is allowed.
class CMaskedProperty : public CMFCPropertyGridProperty {
 public:
  CMaskedProperty(const std::string& name, const std::string& value);
  ~CMaskedProperty() override;
  CWnd* CreateInPlaceEdit(CRect rectEdit, BOOL& bDefaultFormat) override;
  // Without lower case the current text is upper-cased at once.
  virtual void setAllowLowerCase(bool allow);
  // The text as an identifier (upper-cased unless lower case is allowed); an empty text changes
  // nothing.
  virtual void setText(const std::string& text);

 protected:
  bool m_bAllowLowerCase = false;
};

// A small integer within [minimum, maximum], with a spin control.
class CBoundedValueProperty : public CMFCPropertyGridProperty {
 public:
  CBoundedValueProperty(const std::string& name, short value, int minimum, int maximum);
  ~CBoundedValueProperty() override;
  // A changed text outside the range (or no number a short holds) is refused with the range
  // message; the editor stays open.
  BOOL OnUpdateValue() override;

 protected:
  int m_nMin;
  int m_nMax;
};

class MpAppOptionGridCtrl : public CMFCPropertyGridCtrl {
 public:
  MpAppOptionGridCtrl();
  ~MpAppOptionGridCtrl() override;

  // Creates a grid over the placeholder's area of the page, looked as the pages want it; null
  // when it could not be made.
  static MpAppOptionGridCtrl* createOver(CWnd& page, CWnd& placeholder);

  void setKeyMap(const std::map<std::string, int>& keyMap);
  void OnPropertyChanged(CMFCPropertyGridProperty* pProp) const override;
  void OnClickButton(CPoint point) override;
  void showProperty(const std::string& key, bool show) const;
  // Shows the feature-depth property only when not hidden and the direction reads "Mirror".
  void updateFeatureDepthField(bool hide) const;

  // The property that shows the key; null when the key is not mapped or not found.
  CMFCPropertyGridProperty* findProperty(const std::string& key) const;

 private:
  std::map<std::string, int> m_keyMap;
};

namespace MpAppUiCustomization {
// The page's tab shows the bag's "Customization_Title" (kept in title) when it is not empty.
void useTitle(CPropertyPage& page, std::string& title);
}  // namespace MpAppUiCustomization
