// The attachment-type combo box of the attachment dialog: choosing a type tells the dialog.
#pragma once
#include <afxwin.h>
#include "WidgetDeckApi.h"

class MpUiCAttachmentDlg;

class WIDGETDECK_API CComboAttachmentType : public CComboBox {
 public:
  CComboAttachmentType();
  ~CComboAttachmentType() override;

  // The dialog told of a chosen type (not owned).
  void setFileDialog(MpUiCAttachmentDlg* pDialog);
  // The file-type description that an attachment type selects; "*.*" for a type of no table.
  CString getFileFilter(CString attachmentType);

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  MpUiCAttachmentDlg* m_pFileDialog;

  DECLARE_MESSAGE_MAP()
};
