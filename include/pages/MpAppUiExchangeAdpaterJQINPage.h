// The data-management page of the exchange adapter: whether the system is used, the user and
// the password (stored enciphered), the connection mode with its folders or URL, and the setup
// templates.
#pragma once
#include <string>
#include "MpAppUiPropertyPage.h"

class MpAppUiExchangeAdpaterJQINPage : public MpAppUiSettingsPage {
  DECLARE_DYNCREATE(MpAppUiExchangeAdpaterJQINPage)

 public:
  MpAppUiExchangeAdpaterJQINPage();
  ~MpAppUiExchangeAdpaterJQINPage() override;

  // The enable rules; always true.
  bool updateControls();
  // The shell's folder browser; path is written only when a folder with a file-system path
  // was chosen (true).
  bool browseForFolder(std::string title, CString& path);

  BOOL OnKillActive() override;

 protected:
  void fillControls() override;

  // Enciphers the password text in place; an empty result means it could not be enciphered.
  virtual void encipherPassword(std::string& text);

  afx_msg void OnUseClicked();
  afx_msg void OnModeClicked(UINT id);
  afx_msg void OnPasswordKillFocus();
  afx_msg void OnBrowseClicked(UINT id);

  DECLARE_MESSAGE_MAP()
};
