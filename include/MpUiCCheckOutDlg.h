// The check-out dialog: lists host objects with their check-out state, name and holder, lets the
// user choose the rows that may be acted on, and makes one call to the data object for all of
// them: check out, check in, or cancel a check-out. isCheckOutStateOk tells whether it succeeded.
#pragma once
#include <afxcmn.h>
#include <map>
#include <set>
#include "MpAppUiResizableDialog.h"
#include "MpSmartList.h"
#include "MpSmartPointers.h"
#include "WidgetDeckApi.h"

class WIDGETDECK_API MpUiCCheckOutDlg : public MpAppUiResizableDialog {
 public:
  // Without a data object, the data object of the first listed node is used.
  MpUiCCheckOutDlg(IMpData* pData, MpZulSmartList& objects, bool bCheckOut, CWnd* pParent = nullptr);
  ~MpUiCCheckOutDlg() override;

  // The result of the host call; false when none was made.
  bool isCheckOutStateOk();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnCancelCheckOut();
  afx_msg void OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnCustomDrawList(NMHDR* pNMHDR, LRESULT* pResult);
  DECLARE_MESSAGE_MAP()

 private:
  void loadImageList();
  int getCioIconIndex(int state);
  int getClassIconIndex(IMpZulNode* pNode);
  MpZulSmartList getSelectedItems();
  // Logs the start, makes the call, logs its failure; keeps the result.
  template <class Call>
  void runHostCall(unsigned startId, int startLine, unsigned failId, int failLine, int endLine,
                   const MpZulSmartList& objects, Call call);

  CListCtrl m_list;
  CButton m_okButton;
  CButton m_cancelCheckOutButton;
  CImageList m_images;
  std::map<int, int> m_classIcons;
  std::map<int, int> m_iconIcons;
  std::map<int, int> m_stateIcons;
  IMpDataPtr m_data;
  MpZulSmartList m_objects;
  std::map<int, int> m_stateByRow;
  bool m_bResult = false;
  bool m_bCheckOut;
  std::set<int> m_prototypeRows;  // rows whose "Name" cell shows the overlay
  int m_overlayImage = -1;
};
