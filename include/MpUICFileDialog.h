// The library's file-open and file-save dialog: the common file dialog, which remembers the last
// CAD file type per installed product ("Last CAD system" in the host's registry), tells whether
// a file-type description names a CAD format, works out the extension of the chosen file and
// preselects an image type from the default extension.
#pragma once
#include <afxdlgs.h>
#include <string>
#include "WidgetDeckApi.h"

class WIDGETDECK_API MpUICFileDialog : public CFileDialog {
 public:
  // The filter uses '|' separators and ends with "||". An empty attachment type stands for the
  // host's general document type.
  MpUICFileDialog(int bOpenFileDialog, std::string& attachmentType, const char* lpszDefExt = nullptr,
                  const char* lpszFileName = nullptr, unsigned long dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                  const char* lpszFilter = nullptr, CWnd* pParentWnd = nullptr);
  ~MpUICFileDialog() override;

  BOOL OnInitDialog() override;
  void OnFileNameChange() override;
  void OnTypeChange() override;

  // Selects the first file type whose description begins with text (ignoring case), the first
  // entry when none does, and lets the dialog apply it. Always true.
  bool updateFilter(CString& text);
  // The extension for the chosen file, without the dot.
  std::string getFileExtension();
  // Whether a file-type description names a CAD format.
  bool isCADFile(std::string& description);
  // The description of the file type last chosen.
  std::string getConvertType();
  // The file-type description stored as the last CAD system.
  std::string getDefaultCADSysten();
  void setWindowTitle(std::string& title);

 protected:
  CString m_strAttachmentType;
  std::string m_strSelectedType;
  std::string m_strSettingsKey;
  CString m_strLastCADSystem;
  std::string m_strWindowTitle;
  // The description of the type the dialog applied itself last.
  std::string m_strAppliedType;

  // The common dialog window and its file-type combo box; null when either is missing.
  HWND dialogWindow() const;
  HWND typeCombo() const;

 private:
  std::string fileExtension();
};
