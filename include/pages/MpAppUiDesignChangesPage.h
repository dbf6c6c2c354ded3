// Task page "DesignChanges": whether the selected product's blank and part models move to a
// newer design (chosen among the designs found on the model's prototype), and whether groups are
// created. Every change is written into the bag at once.
#pragma once
#include <afxdlgs.h>
#include <map>
#include <string>
#include "MpSmartList.h"
#include "MpSmartPointers.h"

class MpAppUiDesignChangesPage : public CPropertyPage {
  DECLARE_DYNCREATE(MpAppUiDesignChangesPage)

 public:
  MpAppUiDesignChangesPage();
  ~MpAppUiDesignChangesPage() override;

  // Keeps the selection; makes a fresh bag and seeds the five keys. Always true.
  bool init(MpZulSmartList& selection);
  IMpOptions* getOptions() { return m_spOptions.addRefGet(); }

  // Compares two design names in revision order: runs of digits count as numbers, so that
  // ".10" comes after ".9"; otherwise by character code. Negative, zero or positive.
  static int compareRevisions(const std::string& a, const std::string& b);
  struct RevisionOrder {
    bool operator()(const std::string& a, const std::string& b) const { return compareRevisions(a, b) < 0; }
  };

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  afx_msg void OnClickUpdateBlank();
  afx_msg void OnSelChangeNewBlankName();
  afx_msg void OnClickUpdatePart();
  afx_msg void OnSelChangeNewPartName();
  afx_msg void OnClickCreateGroups();

  CButton m_checkUpdateBlank;
  CComboBox m_comboNewBlank;
  CButton m_checkUpdatePart;
  CComboBox m_comboNewPart;
  CButton m_checkCreateGroups;
  IMpOptionsPtr m_spOptions;
  MpZulSmartList m_selection;
  // Design-node name -> the design's file name as shown, oldest design first.
  typedef std::map<std::string, std::string, RevisionOrder> Designs;
  Designs m_blankDesigns;
  Designs m_partDesigns;

  DECLARE_MESSAGE_MAP()

 private:
  void initControls();
  // Adds the designs of the model newer than its current one to its map; whether it holds any.
  bool collectNewDesigns(IMpPmModel* model);
  void offerDesigns(IMpPmModel* model, CButton& box, CComboBox& combo, const char* updateKey, const char* nameKey);
  void writeChosenKey(CComboBox& combo, const char* nameKey);
  void writeBox(CButton& box, const char* key, CComboBox* combo);
};
