// Task page "GroupingCommand": an ordered list of grouping criteria (field names, and in grouping
// mode "CLASS" and "ORIENTATION") and whether children are reordered. The host describes the task
// in the preset and reads the choice back from it.
#pragma once
#include <afxdlgs.h>
#include <string>
#include <vector>
#include "MpSmartList.h"
#include "MpSmartPointers.h"

class MpAppUiGroupingCommandPage : public CPropertyPage {
  DECLARE_DYNCREATE(MpAppUiGroupingCommandPage)

 public:
  MpAppUiGroupingCommandPage();
  ~MpAppUiGroupingCommandPage() override;

  // The data object is the first selected node's (or the one given). The preset becomes the
  // page's bag; without one the page has none, init answers false and no handler acts.
  bool init(MpZulSmartList& selection, IMpOptions* preset);
  bool init(IMpData* data, IMpOptions* preset);
  IMpOptions* getOptions() { return m_spOptions.addRefGet(); }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnKillActive() override;
  afx_msg void OnSelChangeClass();
  afx_msg void OnAdd();
  afx_msg void OnRemove();
  afx_msg void OnMoveUp();
  afx_msg void OnMoveDown();
  afx_msg void OnClickReorder();

  CComboBox m_comboClass;
  CListBox m_listCandidates;
  CListBox m_listChosen;
  CButton m_checkReorder;
  IMpDataPtr m_spData;
  IMpOptionsPtr m_spOptions;
  std::vector<std::string> m_chosen;
  bool m_bGrouping = false;
  bool m_bSingleField = false;

  DECLARE_MESSAGE_MAP()

 private:
  bool takePreset(IMpOptions* preset);
  void setTabTitle();
  void fillClassChooser();
  MpSmartList getGroupClasses();
  MpSmartList getGroupableFields(IMpZulClass* cls);
  std::vector<std::string> getCandidates();
  void refreshCandidates();
  static void fillList(CListBox& list, const std::vector<std::string>& names);
  static int getSelectedText(const CListBox& list, std::string& text);
  static bool containsName(const std::vector<std::string>& names, const std::string& name);
  // Adds a criterion before the chosen entry at index before (at the end when there is none); in
  // single-field mode it replaces the choice.
  void insertChosen(const std::string& name, int before);
  // Removes the criterion at index; whether there was one.
  bool removeChosen(int index);
  void moveChosen(int offset);
};
