// Windows, dialogs, data exchange, controls, GDI and the application object.
#pragma once
#include "afx.h"
#include "afxmsg_.h"

class CWnd;
class CDC;
class CMenu;
class CScrollBar;
class CDataExchange;

// ---------------------------------------------------------------------------------------
// CCmdTarget: the root of everything that handles messages through a message map.
// ---------------------------------------------------------------------------------------
class AFX_API CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)
public:
  CCmdTarget() = default;
  // Routes a command (WM_COMMAND with nCode) through this object's message map.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);
  void BeginWaitCursor();
  void EndWaitCursor();
  void RestoreWaitCursor();

protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
  // Finds the first entry for the message in this class's map chain, from the most derived
  // class to the root, in table order.
  const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID,
                                           const AFX_MSGMAP_ENTRY* pAfter = nullptr) const;
  friend class CWnd;
};

// ---------------------------------------------------------------------------------------
// CWnd: a C++ object over a real HWND.
// ---------------------------------------------------------------------------------------
class AFX_API CWnd : public CCmdTarget {
  DECLARE_DYNCREATE(CWnd)
public:
  HWND m_hWnd = nullptr;

  CWnd() = default;
  explicit CWnd(HWND hWnd);
  ~CWnd() override;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // Handle map
  static CWnd* PASCAL FromHandle(HWND hWnd);           // temporary object for unknown windows
  static CWnd* PASCAL FromHandlePermanent(HWND hWnd);  // null unless attached
  // Safe on a null pointer, as callers of the class library expect.
  HWND GetSafeHwnd() const;
  operator HWND() const { return GetSafeHwnd(); }
  BOOL operator==(const CWnd& w) const { return m_hWnd == w.m_hWnd; }
  BOOL operator!=(const CWnd& w) const { return m_hWnd != w.m_hWnd; }
  BOOL Attach(HWND hWndNew);
  HWND Detach();
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  HWND UnsubclassWindow();

  // Creation and destruction
  virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                      const RECT& rect, CWnd* pParentWnd, UINT nID, void* pContext = nullptr);
  BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                LPVOID lpParam = nullptr);
  BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
  virtual BOOL DestroyWindow();
  virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);

  // Window procedure
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  virtual void PostNcDestroy();
  virtual void PreSubclassWindow();
  virtual void DoDataExchange(CDataExchange* pDX);
  // Calls the window's previous procedure with the message being handled.
  LRESULT Default();
  // The message the innermost window procedure of this thread is handling.
  static const MSG* PASCAL GetCurrentMessage();

  // Data exchange
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

  // Text, state, geometry
  void SetWindowText(LPCSTR lpszString);
  int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
  void GetWindowText(CString& rString) const;
  int GetWindowTextLength() const;
  CWnd* GetDlgItem(int nID) const;
  void GetDlgItem(int nID, HWND* phWnd) const;
  int GetDlgCtrlID() const;
  int SetDlgCtrlID(int nID);
  void SetDlgItemText(int nID, LPCSTR lpszString);
  int GetDlgItemText(int nID, CString& rString) const;
  UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
  void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
  void CheckDlgButton(int nIDButton, UINT nCheck);
  UINT IsDlgButtonChecked(int nIDButton) const;
  void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
  CWnd* GetParent() const;
  CWnd* GetOwner() const;
  CWnd* GetTopLevelParent() const;
  CWnd* GetWindow(UINT nCmd) const;
  CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
  CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
  CWnd* SetParent(CWnd* pWndNewParent);
  HMENU GetMenuHandle() const { return ::GetMenu(m_hWnd); }
  CMenu* GetMenu() const;
  BOOL ShowWindow(int nCmdShow);
  BOOL IsWindowVisible() const;
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL IsWindow() const { return ::IsWindow(m_hWnd); }
  BOOL IsZoomed() const;
  BOOL IsIconic() const;
  BOOL IsChild(const CWnd* pWnd) const;
  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  void GetClientRect(LPRECT lpRect) const;
  void GetWindowRect(LPRECT lpRect) const;
  void ScreenToClient(LPPOINT lpPoint) const;
  void ScreenToClient(LPRECT lpRect) const;
  void ClientToScreen(LPPOINT lpPoint) const;
  void ClientToScreen(LPRECT lpRect) const;
  void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;
  void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
  BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
  BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl);
  int GetWindowRgn(HRGN hRgn) const;
  int SetWindowRgn(HRGN hRgn, BOOL bRedraw);
  int GetScrollPos(int nBar) const;
  int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
  int GetScrollLimit(int nBar) const;
  void CenterWindow(CWnd* pAlternateOwner = nullptr);
  void BringWindowToTop();

  // Painting
  void Invalidate(BOOL bErase = TRUE);
  void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
  void UpdateWindow();
  BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, HRGN hrgnUpdate = nullptr,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  void SetRedraw(BOOL bRedraw = TRUE);
  // A temporary object over the window's DC, until ReleaseDC gives the DC back.
  CDC* GetDC();
  CDC* GetWindowDC();
  int ReleaseDC(CDC* pDC);
  void SetFont(class CFont* pFont, BOOL bRedraw = TRUE);
  class CFont* GetFont() const;

  // Focus, capture, timers, messages
  CWnd* SetFocus();
  static CWnd* PASCAL GetFocus();
  static CWnd* PASCAL GetActiveWindow();
  CWnd* SetActiveWindow();
  CWnd* SetCapture();
  static CWnd* PASCAL GetCapture();
  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse,
                    void (CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD) = nullptr);
  BOOL KillTimer(UINT_PTR nIDEvent);
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                BOOL bDeep = TRUE);
  int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK);

  // Tooltips: a tooltip control over the window's children, asking the window for texts
  // with TTN_NEEDTEXT (handled with ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, ...)). The control is made
  // when first needed: at the first mouse message, or when its handle is asked for.
  BOOL EnableToolTips(BOOL bEnable = TRUE);
  HWND GetToolTipHandle();

  // Default message handlers that derived classes override and call.
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnNcDestroy();
  afx_msg void OnClose();
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnMove(int x, int y);
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnPaint();
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
  afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
  afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
  afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
  afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);

protected:
  WNDPROC m_pfnSuper = nullptr;   // the procedure the window had before we attached
  HWND m_hWndToolTip = nullptr;
  BOOL m_bToolTips = FALSE;  // enabled: the tooltip control is made when first needed
  BOOL m_bTempObject = FALSE;

  BOOL AddToolTipTools();  // every child not yet a tool becomes one; the control is activated

  static const AFX_MSGMAP* GetThisMessageMap();
  const AFX_MSGMAP* GetMessageMap() const override;

  friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
  friend class CDialog;
  friend class CPropertySheet;
  friend class CPropertyPage;
  friend struct AfxWndInternals;
};

// The procedure of every window that has a CWnd attached. An exception a handler throws never
// unwinds through the system's code that called it: it is caught here and rethrown by the
// modal loop running on the thread (DoModal) once the dispatch has returned, after the modal
// window was closed and its owner enabled again. With no modal loop of ours running (a
// message dispatched by a host's own loop) it is written to the debug output
// (OutputDebugStringA), handed to the reporter set with AfxSetDroppedExceptionReporter, and
// dropped; the message's answer is then 0 (-1 for WM_CREATE).
AFX_API LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
// Told the text of each handler's exception that is dropped; returns the reporter it replaces.
typedef void (*AfxDroppedExceptionReporter)(LPCSTR lpszText);
AFX_API AfxDroppedExceptionReporter AFXAPI AfxSetDroppedExceptionReporter(AfxDroppedExceptionReporter pfnReporter);
// Sets pfnReporter only while pfnExpected is the one set, in one step (a module that goes puts
// back the reporter it replaced only while its own is still set); whether it did.
AFX_API BOOL AFXAPI AfxReplaceDroppedExceptionReporter(AfxDroppedExceptionReporter pfnExpected,
                                                       AfxDroppedExceptionReporter pfnReporter);
// Attach the next window created on this thread to pWnd (set before CreateWindowEx,
// CreateDialog..., removed once used or by AfxUnhookWindowCreate).
AFX_API void AFXAPI AfxHookWindowCreate(CWnd* pWnd);
AFX_API BOOL AFXAPI AfxUnhookWindowCreate();
// Idle-time clean-up of this thread's temporary objects (windows, GDI objects, DCs, menus,
// image lists) that FromHandle made: each goes once its handle is gone or given back. Our
// modal loops call it when idle; a host running its own message loop calls it when idle too.
AFX_API void AFXAPI AfxDeleteTempMap();
// The window class name registered for plain CWnd windows.
#define AFX_WND_CLASS "AfxWnd"
AFX_API LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                                  HBRUSH hbrBackground = nullptr, HICON hIcon = nullptr);

// ---------------------------------------------------------------------------------------
// CDialog
// ---------------------------------------------------------------------------------------
class AFX_API CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)
public:
  CDialog();
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  ~CDialog() override;

  virtual INT_PTR DoModal();
  virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  virtual BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  BOOL CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd = nullptr);
  void EndDialog(int nResult);
  void NextDlgCtrl() const;
  void PrevDlgCtrl() const;
  void GotoDlgCtrl(CWnd* pWndCtrl);
  void SetDefID(UINT nID);
  DWORD GetDefID() const;
  void MapDialogRect(LPRECT lpRect) const;

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // The template's identifier (0 when given by name) and name.
  UINT GetTemplateID() const { return m_nIDHelp; }
  LPCSTR m_lpszTemplateName = nullptr;
  UINT m_nIDHelp = 0;
  CWnd* m_pParentWnd = nullptr;

protected:
  int m_nModalResult = -1;
  BOOL m_bInModal = FALSE;
  LRESULT HandleInitDialog(WPARAM, LPARAM);
  // Fills list and combo boxes from the template's init data (resource type 240), as the
  // dialog is initialised; FALSE when the data is malformed.
  BOOL ExecuteDlgInit(LPCSTR lpszResourceName);
  // Finds the template through the resource chain; null when no module has it.
  LPCDLGTEMPLATEA LoadTemplate(HINSTANCE* phInst) const;
  BOOL CreateFromTemplate(LPCDLGTEMPLATEA lpTemplate, HINSTANCE hInst, HWND hWndParent);
  DECLARE_MESSAGE_MAP()
};

// ---------------------------------------------------------------------------------------
// Dialog data exchange
// ---------------------------------------------------------------------------------------
class AFX_API CDataExchange {
public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);
  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  HWND m_idLastControl = nullptr;
  BOOL m_bEditLastControl = FALSE;
  // Set by a failed validation: the remaining exchanges are skipped and UpdateData returns
  // FALSE (the focus is already back on the control that failed).
  BOOL m_bFailed = FALSE;
  HWND PrepareCtrl(int nIDC);
  HWND PrepareEditCtrl(int nIDC);
  void Fail();
};

#include "afxwin_ctrl.h"   // CButton, CEdit, CStatic, CComboBox, CListBox, CScrollBar
#include "afxwin_checklist.h"  // CCheckListBox
#include "afxwin_gdi.h"    // CGdiObject, CPen, CBrush, CFont, CBitmap, CRgn, CDC and friends, CMenu
#include "afxwin_menu.h"   // owner-draw routing to menus, ON_WM_MENUCHAR
#include "afxwin_wait.h"   // CWaitCursor
#include "afxwin_app.h"    // CWinThread, CWinApp, profile, AfxGetApp
#include "afxdd_.h"        // DDX_ and DDV_ functions

// ---------------------------------------------------------------------------------------
// Modules, resources and message boxes
// ---------------------------------------------------------------------------------------
AFX_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// The first module in the chain (application resources, then each extension library in
// the order they joined) that holds the resource; null when none does.
AFX_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
AFX_API HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID);
AFX_API int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
AFX_API int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
AFX_API CWnd* AFXAPI AfxGetMainWnd();
#include "afxwin_frame.h"   // CFrameWnd, CView, CCreateContext
