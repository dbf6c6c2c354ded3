// Task page "CustomizationClass": a user class's display name, name, kinds, alternative
// direction and feature-depth field, edited in the option grid.
#pragma once
#include <afxdlgs.h>
#include <map>
#include <string>
#include "MpAppOptionGridCtrl.h"
#include "MpSmartList.h"
#include "MpSmartPointers.h"

class MpAppUiCustomClassPage : public CPropertyPage {
  DECLARE_DYNCREATE(MpAppUiCustomClassPage)

 public:
  MpAppUiCustomClassPage();
  ~MpAppUiCustomClassPage() override;

  // Takes the preset (or a fresh bag), seeds the six class keys whatever the bag held and, in
  // edit mode, copies the selection's first class into them. Always true.
  bool init(MpZulSmartList& selection, IMpOptions* preset);
  IMpOptions* getOptions() { return m_spOptions.addRefGet(); }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  // Writes every key of the grid back; the page can always be left.
  BOOL OnKillActive() override;

  CStatic m_staticPlaceholder;
  MpAppOptionGridCtrl* m_pGrid = nullptr;
  IMpOptionsPtr m_spOptions;
  std::string m_title;
  std::map<std::string, int> m_keyMap;
  // The feature-depth value as stored when the grid shows it translated.
  std::string m_featureDepthStored;

  DECLARE_MESSAGE_MAP()

 private:
  // Builds the grid's properties from the bag, once the page holds both.
  void fillGrid(IMpOptions* bag);
};
