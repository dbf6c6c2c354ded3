// The chooser over attachments: one row per attachment with its name, file and folder.
#pragma once
#include "MpUiCNodeDlg.h"

class WIDGETDECK_API MpUiCSelAttachDlg : public MpUiCNodeDlg {
 public:
  MpUiCSelAttachDlg(std::string& title, IMpData* data, MpZulSmartList& attachments, bool multipleSelection,
                    CWnd* parent = nullptr);
  ~MpUiCSelAttachDlg() override;

 protected:
  void addColumns() override;
  void fillNodeList(std::string filter) override;

  DECLARE_MESSAGE_MAP()
};
