// Task page "CustomerCommand": one of the host's customer commands, handed back by name.
#pragma once
#include <afxdlgs.h>
#include "MpSmartList.h"
#include "MpSmartPointers.h"

class MpAppUiCustomerCommandPage : public CPropertyPage {
  DECLARE_DYNCREATE(MpAppUiCustomerCommandPage)

 public:
  MpAppUiCustomerCommandPage();
  ~MpAppUiCustomerCommandPage() override;

  // Neither argument is used: the page always makes a fresh bag. Whether it has one.
  bool init(MpZulSmartList& selection, IMpOptions* preset);
  IMpOptions* getOptions() { return m_spOptions.addRefGet(); }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnKillActive() override;

  CComboBox m_comboCommands;
  IMpOptionsPtr m_spOptions;

  DECLARE_MESSAGE_MAP()
};
