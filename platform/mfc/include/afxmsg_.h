// Message maps: a table per class of the messages it handles, chained to its base's table.
// Each entry holds a small thunk that unpacks wParam/lParam and calls the handler with its
// own signature, so the handler's type is checked where the entry is written.
#pragma once

class CCmdTarget;

typedef BOOL (*AFX_MSGTHUNK)(CCmdTarget* pTarget, UINT nID, WPARAM wParam, LPARAM lParam,
                             LRESULT* pResult);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;         // window message, or WM_COMMAND / WM_NOTIFY for control entries
  UINT nCode;            // notification code (WM_COMMAND, WM_NOTIFY), 0 otherwise
  UINT nID;              // first control identifier
  UINT nLastID;          // last control identifier (ranges)
  const UINT* pRegMsg;   // registered message (ON_REGISTERED_MESSAGE), else null
  AFX_MSGTHUNK pfn;      // null ends the table
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

// Reflected messages go back to the control that sent them (WM_COMMAND and WM_NOTIFY from a
// child, owner-draw and colour messages).
#define WM_REFLECT_BASE 0xBC00

#define DECLARE_MESSAGE_MAP() \
protected: \
  static const AFX_MSGMAP* GetThisMessageMap(); \
  const AFX_MSGMAP* GetMessageMap() const override; \
private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() { \
    typedef theClass ThisClass [[maybe_unused]]; \
    typedef baseClass TheBaseClass; \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
      {0, 0, 0, 0, nullptr, nullptr} }; \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
    return &messageMap; \
  }

// Thunk bodies: T is the class of the map, t the target, w/l the message parameters.
#define AFX_THUNK(body) \
  [](CCmdTarget* _t, UINT _id, WPARAM _w, LPARAM _l, LRESULT* _r) -> BOOL { \
    (void)_id; (void)_w; (void)_l; (void)_r; \
    ThisClass* _p = static_cast<ThisClass*>(_t); (void)_p; \
    body; return TRUE; }

#define AFX_MSG_ENTRY(msg, body) {msg, 0, 0, 0, nullptr, AFX_THUNK(body)},

// ---- commands and control notifications ----
#define ON_COMMAND(id, fn) {WM_COMMAND, 0, (UINT)(id), (UINT)(id), nullptr, AFX_THUNK(_p->fn())},
#define ON_COMMAND_RANGE(id, idLast, fn) \
  {WM_COMMAND, 0, (UINT)(id), (UINT)(idLast), nullptr, AFX_THUNK(_p->fn(_id))},
#define ON_CONTROL(code, id, fn) \
  {WM_COMMAND, (UINT)(code), (UINT)(id), (UINT)(id), nullptr, AFX_THUNK(_p->fn())},
#define ON_CONTROL_RANGE(code, id, idLast, fn) \
  {WM_COMMAND, (UINT)(code), (UINT)(id), (UINT)(idLast), nullptr, AFX_THUNK(_p->fn(_id))},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(CBN_SELENDOK, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)

#define ON_NOTIFY(code, id, fn) \
  {WM_NOTIFY, (UINT)(code), (UINT)(id), (UINT)(id), nullptr, \
   AFX_THUNK(_p->fn(reinterpret_cast<NMHDR*>(_l), _r))},
#define ON_NOTIFY_RANGE(code, id, idLast, fn) \
  {WM_NOTIFY, (UINT)(code), (UINT)(id), (UINT)(idLast), nullptr, \
   AFX_THUNK(_p->fn(_id, reinterpret_cast<NMHDR*>(_l), _r))},
// An _EX handler says whether it handled the notification; if not, the search goes on.
#define ON_NOTIFY_EX(code, id, fn) \
  {WM_NOTIFY, (UINT)(code), (UINT)(id), (UINT)(id), nullptr, \
   [](CCmdTarget* _t, UINT _id, WPARAM, LPARAM _l, LRESULT* _r) -> BOOL { \
     return static_cast<ThisClass*>(_t)->fn(_id, reinterpret_cast<NMHDR*>(_l), _r); }},
#define ON_NOTIFY_EX_RANGE(code, id, idLast, fn) \
  {WM_NOTIFY, (UINT)(code), (UINT)(id), (UINT)(idLast), nullptr, \
   [](CCmdTarget* _t, UINT _id, WPARAM, LPARAM _l, LRESULT* _r) -> BOOL { \
     return static_cast<ThisClass*>(_t)->fn(_id, reinterpret_cast<NMHDR*>(_l), _r); }},

// Reflected to the control itself.
#define ON_CONTROL_REFLECT(code, fn) \
  {WM_REFLECT_BASE + WM_COMMAND, (UINT)(code), 0, 0, nullptr, AFX_THUNK(_p->fn())},
#define ON_NOTIFY_REFLECT(code, fn) \
  {WM_REFLECT_BASE + WM_NOTIFY, (UINT)(code), 0, 0, nullptr, \
   AFX_THUNK(_p->fn(reinterpret_cast<NMHDR*>(_l), _r))},
#define ON_WM_DRAWITEM_REFLECT() \
  AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, _p->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(_l)))
#define ON_WM_MEASUREITEM_REFLECT() \
  AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, \
                _p->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(_l)))

// ---- user-defined and registered messages ----
#define ON_MESSAGE(msg, fn) AFX_MSG_ENTRY(msg, *_r = _p->fn(_w, _l))
#define ON_REGISTERED_MESSAGE(nMessageVariable, fn) \
  {0xC000, 0, 0, 0, &(nMessageVariable), AFX_THUNK(*_r = _p->fn(_w, _l))},

// ---- window messages ----
#define AFX_PT(l) CPoint((short)LOWORD(l), (short)HIWORD(l))
#define ON_WM_CREATE() AFX_MSG_ENTRY(WM_CREATE, *_r = _p->OnCreate(reinterpret_cast<LPCREATESTRUCT>(_l)))
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, _p->OnDestroy())
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, _p->OnNcDestroy())
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, _p->OnClose())
#define ON_WM_SIZE() AFX_MSG_ENTRY(WM_SIZE, _p->OnSize((UINT)_w, (short)LOWORD(_l), (short)HIWORD(_l)))
#define ON_WM_MOVE() AFX_MSG_ENTRY(WM_MOVE, _p->OnMove((short)LOWORD(_l), (short)HIWORD(_l)))
#define ON_WM_GETMINMAXINFO() AFX_MSG_ENTRY(WM_GETMINMAXINFO, _p->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(_l)))
#define ON_WM_ERASEBKGND() \
  AFX_MSG_ENTRY(WM_ERASEBKGND, *_r = _p->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(_w))))
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, _p->OnPaint())
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, _p->OnTimer((UINT_PTR)_w))
#define ON_WM_SETFOCUS() AFX_MSG_ENTRY(WM_SETFOCUS, _p->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(_w))))
#define ON_WM_KILLFOCUS() AFX_MSG_ENTRY(WM_KILLFOCUS, _p->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(_w))))
#define ON_WM_SHOWWINDOW() AFX_MSG_ENTRY(WM_SHOWWINDOW, _p->OnShowWindow((BOOL)_w, (UINT)_l))
#define ON_WM_NCHITTEST() AFX_MSG_ENTRY(WM_NCHITTEST, *_r = _p->OnNcHitTest(AFX_PT(_l)))
#define ON_WM_SETCURSOR() \
  AFX_MSG_ENTRY(WM_SETCURSOR, *_r = _p->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(_w)), \
                                                    LOWORD(_l), HIWORD(_l)))
#define ON_WM_MOUSEMOVE() AFX_MSG_ENTRY(WM_MOUSEMOVE, _p->OnMouseMove((UINT)_w, AFX_PT(_l)))
#define ON_WM_LBUTTONDOWN() AFX_MSG_ENTRY(WM_LBUTTONDOWN, _p->OnLButtonDown((UINT)_w, AFX_PT(_l)))
#define ON_WM_LBUTTONUP() AFX_MSG_ENTRY(WM_LBUTTONUP, _p->OnLButtonUp((UINT)_w, AFX_PT(_l)))
#define ON_WM_LBUTTONDBLCLK() AFX_MSG_ENTRY(WM_LBUTTONDBLCLK, _p->OnLButtonDblClk((UINT)_w, AFX_PT(_l)))
#define ON_WM_RBUTTONDOWN() AFX_MSG_ENTRY(WM_RBUTTONDOWN, _p->OnRButtonDown((UINT)_w, AFX_PT(_l)))
#define ON_WM_RBUTTONUP() AFX_MSG_ENTRY(WM_RBUTTONUP, _p->OnRButtonUp((UINT)_w, AFX_PT(_l)))
#define ON_WM_KEYDOWN() \
  AFX_MSG_ENTRY(WM_KEYDOWN, _p->OnKeyDown((UINT)_w, LOWORD(_l), HIWORD(_l)))
#define ON_WM_KEYUP() AFX_MSG_ENTRY(WM_KEYUP, _p->OnKeyUp((UINT)_w, LOWORD(_l), HIWORD(_l)))
#define ON_WM_CHAR() AFX_MSG_ENTRY(WM_CHAR, _p->OnChar((UINT)_w, LOWORD(_l), HIWORD(_l)))
#define ON_WM_CONTEXTMENU() \
  AFX_MSG_ENTRY(WM_CONTEXTMENU, _p->OnContextMenu(CWnd::FromHandle(reinterpret_cast<HWND>(_w)), AFX_PT(_l)))
#define ON_WM_HSCROLL() \
  AFX_MSG_ENTRY(WM_HSCROLL, _p->OnHScroll(LOWORD(_w), (short)HIWORD(_w), \
                reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(_l)))))
#define ON_WM_VSCROLL() \
  AFX_MSG_ENTRY(WM_VSCROLL, _p->OnVScroll(LOWORD(_w), (short)HIWORD(_w), \
                reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(_l)))))
#define ON_WM_DRAWITEM() \
  AFX_MSG_ENTRY(WM_DRAWITEM, _p->OnDrawItem((int)_w, reinterpret_cast<LPDRAWITEMSTRUCT>(_l)))
#define ON_WM_MEASUREITEM() \
  AFX_MSG_ENTRY(WM_MEASUREITEM, _p->OnMeasureItem((int)_w, reinterpret_cast<LPMEASUREITEMSTRUCT>(_l)))
#define ON_WM_CTLCOLOR() \
  AFX_MSG_ENTRY(WM_CTLCOLORSTATIC, *_r = (LRESULT)_p->OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(_w)), \
                CWnd::FromHandle(reinterpret_cast<HWND>(_l)), CTLCOLOR_STATIC)) \
  AFX_MSG_ENTRY(WM_CTLCOLOREDIT, *_r = (LRESULT)_p->OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(_w)), \
                CWnd::FromHandle(reinterpret_cast<HWND>(_l)), CTLCOLOR_EDIT)) \
  AFX_MSG_ENTRY(WM_CTLCOLORBTN, *_r = (LRESULT)_p->OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(_w)), \
                CWnd::FromHandle(reinterpret_cast<HWND>(_l)), CTLCOLOR_BTN)) \
  AFX_MSG_ENTRY(WM_CTLCOLORLISTBOX, *_r = (LRESULT)_p->OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(_w)), \
                CWnd::FromHandle(reinterpret_cast<HWND>(_l)), CTLCOLOR_LISTBOX)) \
  AFX_MSG_ENTRY(WM_CTLCOLORDLG, *_r = (LRESULT)_p->OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(_w)), \
                CWnd::FromHandle(reinterpret_cast<HWND>(_l)), CTLCOLOR_DLG))
#define ON_WM_SYSCOMMAND() AFX_MSG_ENTRY(WM_SYSCOMMAND, _p->OnSysCommand((UINT)_w, _l))
#define ON_WM_WINDOWPOSCHANGED() \
  AFX_MSG_ENTRY(WM_WINDOWPOSCHANGED, _p->OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(_l)))
#define ON_WM_WINDOWPOSCHANGING() \
  AFX_MSG_ENTRY(WM_WINDOWPOSCHANGING, _p->OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(_l)))
#define ON_WM_NCCALCSIZE() \
  AFX_MSG_ENTRY(WM_NCCALCSIZE, _p->OnNcCalcSize((BOOL)_w, reinterpret_cast<NCCALCSIZE_PARAMS*>(_l)))
#define ON_WM_GETDLGCODE() AFX_MSG_ENTRY(WM_GETDLGCODE, *_r = _p->OnGetDlgCode())
#define ON_WM_ENTERIDLE() \
  AFX_MSG_ENTRY(WM_ENTERIDLE, _p->OnEnterIdle((UINT)_w, CWnd::FromHandle(reinterpret_cast<HWND>(_l))))

#define afx_msg
