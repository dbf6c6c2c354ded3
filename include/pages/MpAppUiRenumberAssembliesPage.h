// Task page "RenumberAssemblies": first number and step of a renumbering, whether operation-set
// numbers follow, and the order the renumbering runs in.
#pragma once
#include <afxdlgs.h>
#include "MpSmartList.h"
#include "MpSmartPointers.h"

class MpAppUiRenumberAssembliesPage : public CPropertyPage {
  DECLARE_DYNCREATE(MpAppUiRenumberAssembliesPage)

 public:
  MpAppUiRenumberAssembliesPage();
  ~MpAppUiRenumberAssembliesPage() override;

  // The selection is not used. Makes a fresh bag seeded with the four keys ("SetOSetNo" from the
  // profile). Always true.
  bool init(MpZulSmartList& selection);
  IMpOptions* getOptions() { return m_spOptions.addRefGet(); }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnKillActive() override;

  int m_nStart = 1;
  int m_nInterval = 1;
  CButton m_checkOperationSets;
  int m_nSequence = 0;
  IMpOptionsPtr m_spOptions;

  DECLARE_MESSAGE_MAP()
};
