// Task page "SetField": one field of the selected objects' classes and the value the host is to
// write into it on all of them.
#pragma once
#include <afxdlgs.h>
#include <string>
#include "MpSmartList.h"
#include "MpSmartPointers.h"

// Whether a field holds one plain value of an allowed kind: the host's own answer, else a single
// value of type 2 (allowType2), 5 (double, allowDouble) or 7 (string, allowString).
bool isSimpleField(IMpZulField* field, bool allowType2, bool allowDouble, bool allowString);

class MpAppUiSetField : public CPropertyPage {
  DECLARE_DYNCREATE(MpAppUiSetField)

 public:
  MpAppUiSetField();
  ~MpAppUiSetField() override;

  // Keeps the selection; the preset is not used: a fresh bag is made and seeded. Always true.
  bool init(MpZulSmartList& selection, IMpOptions* preset);
  IMpOptions* getOptions() { return m_spOptions.addRefGet(); }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnKillActive() override;
  afx_msg void OnSelChangeFieldName();
  afx_msg void OnClickPrototypeFields();

  CComboBox m_comboFieldName;
  CComboBox m_comboValue;
  CButton m_checkPrototype;
  CButton m_checkDepth;
  MpZulSmartList m_selection;
  MpSmartList m_fields;
  IMpOptionsPtr m_spOptions;

  DECLARE_MESSAGE_MAP()

 private:
  void collectFields();
  void fillFieldNames();
  std::string getCommonValue(const std::string& name);
  static bool getFieldValueText(IMpZulNode* node, const std::string& name, std::string& value);
  // The field of that name on the first selected object's class (or its prototype's), with a
  // reference for the caller; null when none.
  IMpZulField* findField(const std::string& name);
  bool usesPrototypes() const { return m_checkPrototype.GetCheck() == BST_CHECKED; }
};
