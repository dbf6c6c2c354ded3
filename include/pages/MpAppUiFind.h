// Task page "Find": a prompt chosen by the host and the text to search for.
#pragma once
#include <afxdlgs.h>
#include "MpSmartList.h"
#include "MpSmartPointers.h"

class MpAppUiFind : public CPropertyPage {
  DECLARE_DYNCREATE(MpAppUiFind)

 public:
  MpAppUiFind();
  ~MpAppUiFind() override;

  // The selection is not used. A preset becomes the page's bag; without one a fresh bag is
  // made with an empty "FindString". Always true.
  bool init(MpZulSmartList& selection, IMpOptions* preset);
  // The bag with a reference for the caller; null when the page has none.
  IMpOptions* getOptions() { return m_spOptions.addRefGet(); }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnKillActive() override;

  CStatic m_staticPrompt;
  CEdit m_editFindString;
  IMpOptionsPtr m_spOptions;

  DECLARE_MESSAGE_MAP()
};
