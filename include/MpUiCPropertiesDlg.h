// The properties dialog: the attributes of one host node as a list of names and values: its
// identifier and its class's fields, optionally all fields and the rows of its prototype (marked
// " (p)"). It changes nothing in the host.
#pragma once
#include <afxcmn.h>
#include <afxwin.h>
#include <string>
#include "MpSmartPointers.h"
#include "WidgetDeckApi.h"

class WIDGETDECK_API MpUiCPropertiesDlg : public CDialog {
 public:
  MpUiCPropertiesDlg(IMpZulNode* pNode, CWnd* pParent = nullptr);
  ~MpUiCPropertiesDlg() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnChangeAllAttribs();
  afx_msg void OnChangeProtoAttribs();
  DECLARE_MESSAGE_MAP()

 private:
  void fillList(IMpZulNode* pNode, const std::string& suffix);
  void refill();
  // The prototype of the node as a node, or empty when the node is none or has none.
  IMpZulNodePtr prototype();
  void autoSizeColumn(int column);

  bool m_bReady = false;
  CStatic m_frame;
  CListCtrl m_attributeList;
  CButton m_allAttributesCheck;
  int m_bAllAttributes = 0;
  CButton m_prototypeCheck;
  int m_bPrototypeAttributes = 1;
  IMpZulNodePtr m_node;
};
