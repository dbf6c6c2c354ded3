// The attachment dialog: the CAD file dialog with an added row of attachment types below its
// file-type row. Choosing an attachment type narrows the file types offered; with the image type
// the dialog accepts only files that load as JPEG or BMP images.
#pragma once
#include <string>
#include <vector>
#include "CComboAttachmentType.h"
#include "MpUICFileDialog.h"
#include "WidgetDeckApi.h"

class WIDGETDECK_API MpUiCAttachmentDlg : public MpUICFileDialog {
 public:
  // An empty list of types becomes the five default types; a list of one type makes it the
  // attachment type.
  MpUiCAttachmentDlg(bool bWithTypeSelection, int bOpenFileDialog, std::string& attachmentType,
                     std::vector<std::string>& attachmentTypes, const char* lpszDefExt = nullptr,
                     const char* lpszFileName = nullptr, unsigned long dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                     const char* lpszFilter = nullptr, CWnd* pParentWnd = nullptr);
  ~MpUiCAttachmentDlg() override;

  BOOL OnInitDialog() override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  BOOL OnFileNameOK() override;
  void OnTypeChange() override;

  // Rebuilds the file-type list for the attachment type chosen in the type combo box.
  void OnAttachmentTypeChanged();
  std::string getAttachmentType();
  // Every selected path, in the dialog's order.
  std::vector<std::string> getSelectedFileNames();
  // Enables or disables the type combo box while it exists.
  void setAttachmentTypeEditable(bool editable);

 protected:
  afx_msg void OnDestroy();

  std::vector<CString> m_fileTypeDescriptions;
  std::vector<CString> m_fileTypePatterns;
  bool m_bWithTypeSelection;
  std::vector<std::string> m_attachmentTypes;
  CStatic m_staticType;
  CComboAttachmentType m_comboType;

  DECLARE_MESSAGE_MAP()

 private:
  void fillAttachmentType();
  bool checkRuleImage(std::string& path);
  // The patterns of the file-type list belong to the list: the common dialog frees each one from
  // the process heap as it closes. A rebuild frees those it removes, the dialog's own included,
  // and gives each new entry a copy made the same way.
  static void setEntryPattern(HWND combo, int index, const CString& pattern);
  static void freeEntryPatterns(HWND combo);
};
