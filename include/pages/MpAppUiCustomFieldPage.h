// Task page "CustomizationField": a field of a user class (name, display name, sub type, value
// type, dimension and vector size, unit, enumeration type, default value), edited in the option
// grid.
#pragma once
#include <afxdlgs.h>
#include <map>
#include <string>
#include <vector>
#include "MpAppOptionGridCtrl.h"
#include "MpSmartList.h"
#include "MpSmartPointers.h"

class MpAppUiCustomFieldPage : public CPropertyPage {
  DECLARE_DYNCREATE(MpAppUiCustomFieldPage)

 public:
  MpAppUiCustomFieldPage();
  ~MpAppUiCustomFieldPage() override;

  // Reads the enumeration types of the selection's first class, takes the preset (or a fresh
  // bag) and seeds the field keys (create mode) or copies the named field of the class into them
  // (edit mode). Always true.
  bool init(MpZulSmartList& selection, IMpOptions* preset);
  IMpOptions* getOptions() { return m_spOptions.addRefGet(); }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  // Writes every key of the grid back as its shown text; the page can always be left.
  BOOL OnKillActive() override;
  void readField(IMpZulClass* cls);

  CStatic m_staticPlaceholder;
  MpAppOptionGridCtrl* m_pGrid = nullptr;
  IMpOptionsPtr m_spOptions;
  std::string m_title;
  std::map<std::string, int> m_keyMap;
  std::vector<std::string> m_enumTypes;

  DECLARE_MESSAGE_MAP()

 private:
  // Builds the grid's properties from the bag, once the page holds both.
  void fillGrid(IMpOptions* bag);
};
