// Lists the projects of the open data store with their comments and hands the chosen one back.
#pragma once
#include <afxcmn.h>
#include "MpSmartPointers.h"
#include "WidgetDeckApi.h"

class WIDGETDECK_API MpUiCOpenProjectDlg : public CDialog {
 public:
  MpUiCOpenProjectDlg(IMpData* data, CWnd* parent);
  ~MpUiCOpenProjectDlg() override;

  // The project last chosen, with one reference for the caller; null when there is none. Valid
  // after Cancel too: the row last clicked counts.
  IMpZulProject* GetProject();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnClickProjectList(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnDblclkProjectList(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnItemchangedProjectList(NMHDR* pNMHDR, LRESULT* pResult);

  DECLARE_MESSAGE_MAP()

 private:
  // The item data of the first selected row, 0 when none is selected.
  long selectedId();
  // The chosen project and the OK button follow the list's selection.
  void followSelection();

  IMpDataPtr m_spData;
  CImageList m_images;
  long m_selectedProjectId;
  CListCtrl m_projectList;
};
