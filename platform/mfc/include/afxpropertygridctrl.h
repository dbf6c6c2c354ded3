// The property grid: a window of its own that lists named values in two columns (name, value)
// under groups that expand and collapse, with a movable divider, keyboard and mouse navigation,
// in-place editing through a real edit (or combo box) control, check properties, option lists,
// a description area at the bottom, and the hooks a derived grid or property overrides.
#pragma once
#include "afxwin.h"
#include "afxolevariant_.h"
#include <vector>

class CMFCPropertyGridCtrl;

// Colours and metrics the feature-pack classes share.
struct AFX_GLOBAL_DATA {
  COLORREF clrBtnText;
  COLORREF clrBtnFace;
  COLORREF clrBtnShadow;
  COLORREF clrWindow;
  COLORREF clrWindowText;
  COLORREF clrHilite;
  COLORREF clrTextHilite;
  COLORREF clrGrayedText;
};
extern AFX_API AFX_GLOBAL_DATA afxGlobalData;

// Sent to the grid's owner after the user changed a property: wParam the grid's control
// identifier, lParam the property.
extern AFX_API UINT AFX_WM_PROPERTY_CHANGED;

class AFX_API CMFCPropertyGridProperty : public CObject {
  DECLARE_DYNAMIC(CMFCPropertyGridProperty)
  friend class CMFCPropertyGridCtrl;

public:
  // A group: no value, holds sub-items.
  explicit CMFCPropertyGridProperty(const CString& strGroupName, DWORD_PTR dwData = 0, BOOL bIsValueList = FALSE);
  // A value. lpszValidChars, when given, are the only characters the editor accepts.
  CMFCPropertyGridProperty(const CString& strName, const COleVariant& varValue, LPCSTR lpszDescr = nullptr,
                           DWORD_PTR dwData = 0, LPCSTR lpszEditMask = nullptr, LPCSTR lpszEditTemplate = nullptr,
                           LPCSTR lpszValidChars = nullptr);
  // Deletes the sub-items.
  ~CMFCPropertyGridProperty() override;
  CMFCPropertyGridProperty(const CMFCPropertyGridProperty&) = delete;
  CMFCPropertyGridProperty& operator=(const CMFCPropertyGridProperty&) = delete;

  LPCSTR GetName() const { return m_strName; }
  LPCSTR GetDescription() const { return m_strDescr; }
  DWORD_PTR GetData() const { return m_dwData; }
  void SetData(DWORD_PTR dwData) { m_dwData = dwData; }

  const COleVariant& GetValue() const { return m_varValue; }
  // A new value of the same kind; redraws the row. No change notification.
  virtual void SetValue(const COleVariant& varValue);
  // Whether the value differs from the one the property was made with.
  BOOL IsModified() const { return !(m_varValue == m_varValueOrig); }

  // Sub-items (the property becomes a group). The property takes ownership.
  BOOL AddSubItem(CMFCPropertyGridProperty* pProp);
  int GetSubItemsCount() const { return (int)m_lstSubItems.size(); }
  CMFCPropertyGridProperty* GetSubItem(int nIndex) const;
  CMFCPropertyGridProperty* GetParent() const { return m_pParent; }
  BOOL IsGroup() const { return m_bGroup; }
  BOOL IsExpanded() const { return m_bExpanded; }
  void Expand(BOOL bExpand = TRUE);

  void Enable(BOOL bEnable = TRUE);
  BOOL IsEnabled() const { return m_bEnabled; }
  void Show(BOOL bShow = TRUE, BOOL bAdjustLayout = TRUE);
  BOOL IsVisible() const { return m_bVisible; }
  BOOL IsSelected() const;

  // Option list: the editor becomes a combo box. With AllowEdit(FALSE) only the options can be
  // chosen.
  BOOL AddOption(LPCSTR lpszOption, BOOL bInsertUnique = TRUE);
  int GetOptionCount() const { return (int)m_lstOptions.size(); }
  LPCSTR GetOption(int nIndex) const;
  void AllowEdit(BOOL bAllow = TRUE) { m_bAllowEdit = bAllow; }
  // An up-down control beside the editor; the values it steps through.
  void EnableSpinControl(BOOL bEnable = TRUE, int nMin = 0, int nMax = 0);
  // Whether the selected row shows a button (an option list).
  virtual BOOL HasButton() const { return !m_lstOptions.empty(); }

  // The value as shown.
  virtual CString FormatProperty();
  // Takes the editor's text over into the value. FALSE, and the editor stays open, when the text
  // is no value of the property's kind.
  virtual BOOL OnUpdateValue();
  // The in-place editor over rect; bDefaultFormat is set when the editor shows FormatProperty.
  virtual CWnd* CreateInPlaceEdit(CRect rectEdit, BOOL& bDefaultFormat);
  // The button of the selected row was clicked: opens the editor's option list.
  virtual void OnClickButton(CPoint point);
  virtual BOOL OnEdit(LPPOINT lptClick);
  virtual BOOL OnEndEdit();
  void Redraw();
  CRect GetRect() const { return m_Rect; }

protected:
  // The text parsed into the value's kind; FALSE when it is none.
  virtual BOOL TextToVar(const CString& strText);

  CString m_strName;
  CString m_strDescr;
  COleVariant m_varValue;
  COleVariant m_varValueOrig;
  DWORD_PTR m_dwData = 0;
  CString m_strValidChars;
  CWnd* m_pWndInPlace = nullptr;
  CWnd* m_pWndSpin = nullptr;
  CMFCPropertyGridCtrl* m_pWndList = nullptr;
  CMFCPropertyGridProperty* m_pParent = nullptr;
  std::vector<CMFCPropertyGridProperty*> m_lstSubItems;
  std::vector<CString> m_lstOptions;
  BOOL m_bGroup = FALSE;
  BOOL m_bExpanded = TRUE;
  BOOL m_bEnabled = TRUE;
  BOOL m_bVisible = TRUE;
  BOOL m_bAllowEdit = TRUE;
  BOOL m_bInPlaceEdit = FALSE;
  BOOL m_bSpin = FALSE;
  int m_nMinValue = 0;
  int m_nMaxValue = 0;
  CRect m_Rect;

private:
  void SetOwnerList(CMFCPropertyGridCtrl* pWndList);
  BOOL IsCheck() const { return m_varValue.vt == VT_BOOL; }
};

class AFX_API CMFCPropertyGridCtrl : public CWnd {
  DECLARE_DYNAMIC(CMFCPropertyGridCtrl)
  friend class CMFCPropertyGridProperty;

public:
  CMFCPropertyGridCtrl();
  // Deletes the properties.
  ~CMFCPropertyGridCtrl() override;

  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // Adds a top-level property (the grid takes ownership); -1 when it is already in the grid.
  int AddProperty(CMFCPropertyGridProperty* pProp, BOOL bRedraw = TRUE, BOOL bAdjustLayout = TRUE);
  int GetPropertyCount() const { return (int)m_lstProps.size(); }
  CMFCPropertyGridProperty* GetProperty(int nIndex) const;
  CMFCPropertyGridProperty* FindItemByData(DWORD_PTR dwData, BOOL bSearchSubItems = TRUE) const;
  // The property whose row holds the point (client coordinates); null when none.
  CMFCPropertyGridProperty* HitTest(CPoint pt) const;
  CMFCPropertyGridProperty* GetCurSel() const { return m_pSel; }
  void SetCurSel(CMFCPropertyGridProperty* pProp, BOOL bRedraw = TRUE);
  void AdjustLayout();

  void SetVSDotNetLook(BOOL bSet = TRUE);
  void MarkModifiedProperties(BOOL bMark = TRUE, BOOL bRedraw = TRUE);
  // (COLORREF)-1 keeps the default of an entry.
  void SetCustomColors(COLORREF clrBackground, COLORREF clrText, COLORREF clrGroupBackground, COLORREF clrGroupText,
                       COLORREF clrDescriptionBackground, COLORREF clrDescriptionText, COLORREF clrLine);
  void SetLeftColumnWidth(int cx);
  int GetLeftColumnWidth() const { return m_nLeftColumnWidth; }
  int GetRowHeight() const { return m_nRowHeight; }

  // Opens the property's in-place editor; FALSE for a group, a disabled property or a check.
  virtual BOOL EditItem(CMFCPropertyGridProperty* pProp, LPPOINT lptClick = nullptr);
  // Closes the editor; with bUpdateData the value is taken over first, and FALSE when it is
  // refused (the editor stays).
  virtual BOOL EndEditItem(BOOL bUpdateData = TRUE);
  // The user changed the property: redraws and tells the owner (AFX_WM_PROPERTY_CHANGED).
  virtual void OnPropertyChanged(CMFCPropertyGridProperty* pProp) const;
  // The button of the selected property was clicked.
  virtual void OnClickButton(CPoint point);

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
  void OnDraw(CDC* pDC);
  // Rows in display order: every visible property under expanded groups.
  void VisibleRows(std::vector<CMFCPropertyGridProperty*>& rows) const;
  CRect ListRect() const;
  CRect ButtonRect(const CMFCPropertyGridProperty* pProp) const;
  void EnsureVisible(CMFCPropertyGridProperty* pProp);
  void OnKey(UINT nChar);
  void OnMouseDown(CPoint pt, BOOL bDouble);
  void ToggleCheck(CMFCPropertyGridProperty* pProp);
  void ClickButton(CMFCPropertyGridProperty* pProp, CPoint point);
  COLORREF Color(int nIndex) const;

  std::vector<CMFCPropertyGridProperty*> m_lstProps;
  CMFCPropertyGridProperty* m_pSel = nullptr;
  BOOL m_bVSDotNetLook = FALSE;
  BOOL m_bMarkModifiedProperties = FALSE;
  BOOL m_bTracking = FALSE;
  COLORREF m_clrCustom[7];
  int m_nLeftColumnWidth = 0;
  int m_nRowHeight = 18;
  int m_nVertScrollOffset = 0;  // rows scrolled out at the top
  HFONT m_hFont = nullptr;
  HFONT m_hFontBold = nullptr;
};
