// CCmdTarget and CWnd: message maps, the handle map and the window procedure.
#include "afxwin.h"
#include "afxcmn.h"
#include "afxpriv_.h"
#include <atomic>
#include <iterator>
#include <mutex>
#include <set>
#include <string>

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)
IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

// ---------------------------------------------------------------------------------------
// Message maps
// ---------------------------------------------------------------------------------------
static const AFX_MSGMAP_ENTRY s_rootEntries[] = {{0, 0, 0, 0, nullptr, nullptr}};
static const AFX_MSGMAP* RootMap() {
  static const AFX_MSGMAP m = {nullptr, s_rootEntries};
  return &m;
}
const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() { return RootMap(); }
const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

static bool EntryMatches(const AFX_MSGMAP_ENTRY& e, UINT nMessage, UINT nCode, UINT nID) {
  if (e.pRegMsg) return nMessage == *e.pRegMsg;
  if (e.nMessage != nMessage) return false;
  if (nMessage == WM_COMMAND || nMessage == WM_NOTIFY) {
    return e.nCode == nCode && nID >= e.nID && nID <= e.nLastID;
  }
  if (nMessage == WM_REFLECT_BASE + WM_COMMAND || nMessage == WM_REFLECT_BASE + WM_NOTIFY) {
    return e.nCode == nCode;
  }
  return true;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID,
                                                     const AFX_MSGMAP_ENTRY* pAfter) const {
  bool seenAfter = (pAfter == nullptr);
  for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
      if (!seenAfter) {
        if (e == pAfter) seenAfter = true;
        continue;
      }
      if (EntryMatches(*e, nMessage, nCode, nID)) return e;
    }
    if (map->pfnGetBaseMap == nullptr || map == RootMap()) break;
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, void*) {
  UINT msg = WM_COMMAND;
  LPARAM l = 0;
  if (HIWORD(nCode) == WM_NOTIFY) {  // notifications come through here too
    msg = WM_NOTIFY;
    auto* n = static_cast<AFX_NOTIFY*>(pExtra);
    l = reinterpret_cast<LPARAM>(n->pNMHDR);
    // Notification codes are 32-bit (mostly negative): take the code from the header.
    UINT code = n->pNMHDR->code;
    for (const AFX_MSGMAP_ENTRY* e = FindMessageEntry(msg, code, nID); e;
         e = FindMessageEntry(msg, code, nID, e)) {
      if (e->pfn(this, nID, 0, l, n->pResult)) return TRUE;
    }
    return FALSE;
  }
  const AFX_MSGMAP_ENTRY* e = FindMessageEntry(msg, (UINT)nCode, nID);
  if (!e) return FALSE;
  LRESULT r = 0;
  e->pfn(this, nID, 0, 0, &r);
  return TRUE;
}

void CCmdTarget::BeginWaitCursor() { ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT)); }
void CCmdTarget::EndWaitCursor() { ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW)); }
void CCmdTarget::RestoreWaitCursor() { BeginWaitCursor(); }

// ---------------------------------------------------------------------------------------
// Handle map of windows: permanent objects (attached, their window subclassed) and temporary
// ones (made by FromHandle for windows nobody attached).
// ---------------------------------------------------------------------------------------
AfxThreadState& AfxGetThreadState() {
  thread_local AfxThreadState* t_state = nullptr;
  if (!t_state) t_state = new AfxThreadState;
  return *t_state;
}

HWND CWnd::GetSafeHwnd() const {
  const CWnd* volatile self = this;
  return self ? self->m_hWnd : nullptr;
}

CWnd::CWnd(HWND hWnd) { m_hWnd = hWnd; }

CWnd::~CWnd() {
  if (m_hWndToolTip) {
    if (::IsWindow(m_hWndToolTip)) ::DestroyWindow(m_hWndToolTip);
    m_hWndToolTip = nullptr;
  }
  HWND h = m_hWnd;
  if (h && !m_bTempObject && AfxGetThreadState().windows.LookupPermanent(h) == this) {
    // The object goes before its window, so the window must work on without us. A child
    // stays with its parent; a top-level or owned pop-up window goes with its object.
    UnsubclassWindow();
    if (::IsWindow(h) && !(::GetWindowLongA(h, GWL_STYLE) & WS_CHILD)) ::DestroyWindow(h);
  }
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) {
  return hWnd ? AfxGetThreadState().windows.LookupPermanent(hWnd) : nullptr;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) {
  if (!hWnd) return nullptr;
  AfxHandleMap<HWND, CWnd>& map = AfxGetThreadState().windows;
  if (CWnd* p = map.LookupPermanent(hWnd)) return p;
  if (CWnd* p = map.LookupTemporary(hWnd)) return p;
  CWnd* p = new CWnd(hWnd);
  p->m_bTempObject = TRUE;
  map.SetTemporary(hWnd, p);
  return p;
}

void AFXAPI AfxDeleteTempMap() {
  AfxThreadState& st = AfxGetThreadState();
  st.windows.DeleteTemps([](HWND h) { return ::IsWindow(h) != FALSE; });
  for (auto it = st.keptSupers.begin(); it != st.keptSupers.end();)
    it = ::IsWindow(it->first) ? std::next(it) : st.keptSupers.erase(it);
  CGdiObject::DeleteTempMap();
  CDC::DeleteTempMap();
  CMenu::DeleteTempMap();
  CImageList::DeleteTempMap();
}

BOOL CWnd::Attach(HWND hWndNew) {
  if (!hWndNew || m_hWnd) return FALSE;
  m_hWnd = hWndNew;
  AfxGetThreadState().windows.SetPermanent(hWndNew, this);
  return TRUE;
}

HWND CWnd::Detach() {
  HWND h = m_hWnd;
  if (h) AfxGetThreadState().windows.RemovePermanent(h, this);
  m_hWnd = nullptr;
  return h;
}

static WNDPROC CurrentWndProc(HWND h) {
  return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(h, GWLP_WNDPROC));
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!Attach(hWnd)) return FALSE;
  PreSubclassWindow();
  auto& kept = AfxGetThreadState().keptSupers;
  auto it = kept.find(hWnd);
  if (it != kept.end()) {
    // Our procedure is still in the window's chain: take over the procedure it passes to.
    m_pfnSuper = it->second;
    kept.erase(it);
    return TRUE;
  }
  WNDPROC old = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)&AfxWndProc);
  if (old != &AfxWndProc) m_pfnSuper = old;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  HWND h = ::GetDlgItem(pParent->GetSafeHwnd(), (int)nID);
  return h ? SubclassWindow(h) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
  HWND h = m_hWnd;
  if (h && m_pfnSuper && ::IsWindow(h)) {
    // Only our own subclass can be taken back: a later one (a tooltip's, say) keeps calling
    // our procedure, which then passes the window's messages on for us.
    if (CurrentWndProc(h) == &AfxWndProc) ::SetWindowLongPtrA(h, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    else AfxGetThreadState().keptSupers[h] = m_pfnSuper;
  }
  m_pfnSuper = nullptr;
  return Detach();
}

// ---------------------------------------------------------------------------------------
// Creation: a thread CBT hook attaches the object to its window before the window gets its
// first message, so that WM_NCCREATE/WM_CREATE/WM_INITDIALOG reach the message map. The hook
// goes once it attached its window, or when the window procedure call during which it was
// armed returns (a property page that failed to be created never used it).
// ---------------------------------------------------------------------------------------
// A handler threw: the exception must not unwind through the system's code that called us.
// It is kept for the modal loop running on this thread, which rethrows it after the dispatch;
// with no loop of ours running (or one kept already) it is reported. Called in a catch block.
static void KeepHandlerException(AfxThreadState& st) {
  std::exception_ptr e = std::current_exception();
  if (st.modalDepth > 0 && !st.pendingException) st.pendingException = e;
  else AfxReportDroppedException(e);
}

static void RemoveCreateHook(AfxThreadState& st) {
  st.pWndInit = nullptr;
  if (st.hHookCreate) {
    ::UnhookWindowsHookEx(st.hHookCreate);
    st.hHookCreate = nullptr;
  }
}

static LRESULT CALLBACK CbtCreateHook(int code, WPARAM wParam, LPARAM lParam) {
  AfxThreadState& st = AfxGetThreadState();
  if (code != HCBT_CREATEWND || !st.pWndInit) return ::CallNextHookEx(nullptr, code, wParam, lParam);
  CWnd* p = st.pWndInit;
  st.pWndInit = nullptr;
  LRESULT r = 0;
  try {
    p->SubclassWindow(reinterpret_cast<HWND>(wParam));
  } catch (...) {  // from PreSubclassWindow: the window is not created
    KeepHandlerException(st);
    r = 1;
  }
  if (r == 0) r = ::CallNextHookEx(nullptr, code, wParam, lParam);
  RemoveCreateHook(st);
  return r;
}

void AFXAPI AfxHookWindowCreate(CWnd* pWnd) {
  AfxThreadState& st = AfxGetThreadState();
  if (!st.hHookCreate) {
    st.hHookCreate = ::SetWindowsHookExA(WH_CBT, &CbtCreateHook, nullptr, ::GetCurrentThreadId());
  }
  st.pWndInit = pWnd;
  st.hookDepth = st.wndProcDepth;
}

BOOL AFXAPI AfxUnhookWindowCreate() {
  AfxThreadState& st = AfxGetThreadState();
  bool used = (st.pWndInit == nullptr);
  RemoveCreateHook(st);
  return used;
}

LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                  HICON hIcon) {
  // One class per combination, named after it, as the class library does; each name is
  // stored once and lives as long as the process.
  static std::mutex* lock = new std::mutex;
  static std::set<std::string>* names = new std::set<std::string>;
  char buf[128];
  wsprintfA(buf, "Afx:%p:%x:%p:%p:%p", (void*)AfxGetInstanceHandle(), nClassStyle, (void*)hCursor,
            (void*)hbrBackground, (void*)hIcon);
  std::lock_guard<std::mutex> guard(*lock);
  WNDCLASSA wc{};
  if (!::GetClassInfoA(AfxGetInstanceHandle(), buf, &wc)) {
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = buf;
    ::RegisterClassA(&wc);
  }
  return names->insert(buf).first->c_str();
}

static void RegisterDefaultClass() {
  WNDCLASSA wc{};
  if (::GetClassInfoA(AfxGetInstanceHandle(), AFX_WND_CLASS, &wc)) return;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = ::DefWindowProcA;
  wc.hInstance = AfxGetInstanceHandle();
  wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = AFX_WND_CLASS;
  ::RegisterClassA(&wc);
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs) {
  if (cs.lpszClass == nullptr) {
    RegisterDefaultClass();
    cs.lpszClass = AFX_WND_CLASS;
  }
  return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam) {
  CREATESTRUCTA cs{};
  cs.dwExStyle = (LONG)dwExStyle;
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.style = (LONG)dwStyle;
  cs.x = x;
  cs.y = y;
  cs.cx = nWidth;
  cs.cy = nHeight;
  cs.hwndParent = hWndParent;
  cs.hMenu = nIDorHMenu;
  cs.hInstance = AfxGetInstanceHandle();
  cs.lpCreateParams = lpParam;
  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }
  AfxHookWindowCreate(this);
  HWND h = ::CreateWindowExA((DWORD)cs.dwExStyle, cs.lpszClass, cs.lpszName, (DWORD)cs.style, cs.x,
                             cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance,
                             cs.lpCreateParams);
  AfxUnhookWindowCreate();
  if (!h) return FALSE;
  if (m_hWnd != h) {  // the hook did not see it (a window created by another thread?)
    SubclassWindow(h);
  }
  return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
  return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                  reinterpret_cast<HMENU>((UINT_PTR)nID), lpParam);
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, void*) {
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  return ::DestroyWindow(m_hWnd);
}

void CWnd::PostNcDestroy() {}
void CWnd::PreSubclassWindow() {}
void CWnd::DoDataExchange(CDataExchange*) {}

// ---------------------------------------------------------------------------------------
// The window procedure
// ---------------------------------------------------------------------------------------
struct AfxWndInternals {
  // WM_NCDESTROY has been handled: the window is gone, so detach, then let the object clean
  // up (it may delete itself).
  static void Destroyed(CWnd* pWnd, HWND hWnd) {
    if (pWnd->m_pfnSuper && CurrentWndProc(hWnd) == &AfxWndProc)
      ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)pWnd->m_pfnSuper);
    pWnd->m_pfnSuper = nullptr;
    pWnd->m_hWndToolTip = nullptr;  // owned by the window, so destroyed with it
    pWnd->m_bToolTips = FALSE;
    pWnd->Detach();
    pWnd->PostNcDestroy();
  }
};

static std::atomic<AfxDroppedExceptionReporter> g_pfnDroppedExceptionReporter{nullptr};

AfxDroppedExceptionReporter AFXAPI AfxSetDroppedExceptionReporter(AfxDroppedExceptionReporter pfnReporter) {
  return g_pfnDroppedExceptionReporter.exchange(pfnReporter);
}

BOOL AFXAPI AfxReplaceDroppedExceptionReporter(AfxDroppedExceptionReporter pfnExpected,
                                               AfxDroppedExceptionReporter pfnReporter) {
  return g_pfnDroppedExceptionReporter.compare_exchange_strong(pfnExpected, pfnReporter);
}

void AfxReportDroppedException(const std::exception_ptr& e) {
  std::string text = "Exception in a message handler, not rethrown: ";
  try {
    std::rethrow_exception(e);
  } catch (const std::exception& x) {
    text += x.what();
  } catch (...) {
    text += "(not a std::exception)";
  }
  ::OutputDebugStringA((text + "\n").c_str());
  if (AfxDroppedExceptionReporter report = g_pfnDroppedExceptionReporter.load()) {
    try {
      report(text.c_str());
    } catch (...) {  // a report never becomes a new exception in the system's code
    }
  }
}

void AfxRethrowPendingException() {
  AfxThreadState& st = AfxGetThreadState();
  if (!st.pendingException) return;
  std::exception_ptr e = st.pendingException;
  st.pendingException = nullptr;
  std::rethrow_exception(e);
}

// Called in the catch block of a handler's exception; returns what the window procedure
// answers instead.
static LRESULT HandlerFailed(AfxThreadState& st, HWND hWnd, UINT nMsg) {
  KeepHandlerException(st);
  if (nMsg == WM_PAINT) ::ValidateRect(hWnd, nullptr);  // or it is asked for again and again
  return nMsg == WM_CREATE ? -1 : 0;                     // a failed creation fails the window
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  AfxThreadState& st = AfxGetThreadState();
  CWnd* pWnd = st.windows.LookupPermanent(hWnd);
  if (!pWnd) {
    auto kept = st.keptSupers.find(hWnd);
    if (kept == st.keptSupers.end()) return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    WNDPROC super = kept->second;
    if (nMsg == WM_NCDESTROY) st.keptSupers.erase(kept);
    return ::CallWindowProcA(super, hWnd, nMsg, wParam, lParam);
  }
  // The message being handled is the thread's, not the object's: a handler may destroy its
  // window and delete its object, which nothing here touches after the handler returns.
  const MSG saved = st.lastSentMsg;
  st.lastSentMsg = MSG{hWnd, nMsg, wParam, lParam, 0, {0, 0}};
  ++st.wndProcDepth;
  LRESULT r = 0;
  try {
    r = pWnd->WindowProc(nMsg, wParam, lParam);
  } catch (...) {
    r = HandlerFailed(st, hWnd, nMsg);
  }
  if (nMsg == WM_NCDESTROY && st.windows.LookupPermanent(hWnd) == pWnd) {
    try {
      AfxWndInternals::Destroyed(pWnd, hWnd);
    } catch (...) {
      HandlerFailed(st, hWnd, nMsg);
    }
  }
  if (st.pWndInit && st.hookDepth >= st.wndProcDepth) RemoveCreateHook(st);
  --st.wndProcDepth;
  st.lastSentMsg = saved;
  return r;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT lResult = 0;
  if (!OnWndMsg(message, wParam, lParam, &lResult)) lResult = DefWindowProc(message, wParam, lParam);
  return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage() { return &AfxGetThreadState().lastSentMsg; }

LRESULT CWnd::Default() {
  const MSG& msg = AfxGetThreadState().lastSentMsg;
  return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT lResult = 0;
  if (message == WM_COMMAND) {
    if (OnCommand(wParam, lParam)) {
      if (pResult) *pResult = 1;
      return TRUE;
    }
    return FALSE;
  }
  if (message == WM_NOTIFY) {
    NMHDR* hdr = reinterpret_cast<NMHDR*>(lParam);
    if (hdr && hdr->hwndFrom && OnNotify(wParam, lParam, &lResult)) {
      if (pResult) *pResult = lResult;
      return TRUE;
    }
    return FALSE;
  }
  // Owner-draw and colour messages go to the control first.
  if (message == WM_DRAWITEM || message == WM_MEASUREITEM || message == WM_DELETEITEM ||
      message == WM_COMPAREITEM || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)) {
    HWND hCtl = nullptr;
    if (message == WM_DRAWITEM) hCtl = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)->hwndItem;
    else if (message == WM_DELETEITEM) hCtl = reinterpret_cast<LPDELETEITEMSTRUCT>(lParam)->hwndItem;
    else if (message == WM_COMPAREITEM) hCtl = reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam)->hwndItem;
    else if (message == WM_MEASUREITEM) {
      auto* mis = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
      if (mis->CtlType != ODT_MENU) hCtl = ::GetDlgItem(m_hWnd, (int)mis->CtlID);
    } else hCtl = reinterpret_cast<HWND>(lParam);
    if (message == WM_DRAWITEM && reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)->CtlType == ODT_MENU)
      hCtl = nullptr;
    if (CWnd* pChild = FromHandlePermanent(hCtl)) {
      if (pChild != this && pChild->OnChildNotify(message, wParam, lParam, pResult)) return TRUE;
    }
  }
  const AFX_MSGMAP_ENTRY* e = FindMessageEntry(message, 0, 0);
  if (!e) return AfxRouteMenuMessage(this, message, wParam, lParam, pResult);
  e->pfn(this, 0, wParam, lParam, &lResult);
  if (pResult) *pResult = lResult;
  return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  UINT nID = LOWORD(wParam);
  HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
  int nCode = HIWORD(wParam);
  if (hWndCtrl) {
    if (hWndCtrl == m_hWnd) return FALSE;  // never reflect to ourselves
    CWnd* pChild = FromHandlePermanent(hWndCtrl);
    if (pChild && pChild->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr)) return TRUE;
  } else {
    nCode = 0;  // menu and accelerator commands
  }
  return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
  NMHDR* hdr = reinterpret_cast<NMHDR*>(lParam);
  HWND hWndCtrl = hdr->hwndFrom;
  UINT nID = (UINT)hdr->idFrom;
  // Tooltip texts are asked for with id 0, whichever tool the tip is for.
  if (hdr->code == TTN_NEEDTEXTA || hdr->code == TTN_NEEDTEXTW) nID = 0;
  else if (CWnd* pChild = FromHandlePermanent(hWndCtrl)) {
    if (pChild != this && pChild->OnChildNotify(WM_NOTIFY, 0, lParam, pResult)) return TRUE;
  }
  AFX_NOTIFY notify{pResult, hdr};
  return OnCmdMsg(nID, (int)MAKELONG(hdr->code, WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT r = 0;
  const AFX_MSGMAP_ENTRY* e = nullptr;
  if (message == WM_COMMAND) {
    e = FindMessageEntry(WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0);
  } else if (message == WM_NOTIFY) {
    e = FindMessageEntry(WM_REFLECT_BASE + WM_NOTIFY, reinterpret_cast<NMHDR*>(lParam)->code, 0);
  } else {
    e = FindMessageEntry(WM_REFLECT_BASE + message, 0, 0);
  }
  if (!e) return FALSE;
  e->pfn(this, 0, wParam, lParam, &r);
  if (pResult) *pResult = r;
  return TRUE;
}

namespace {

// A disabled child gets no mouse messages: the window under it gets them. The tips treat them as
// the child's: the first visible child of the window, in z-order, whose rectangle holds a point of
// the window's client area, disabled ones included; null for none. Children without an id (-1, or
// 0xFFFF from a 16-bit template: group boxes, labels) are passed over, so that a group box lying
// over its controls does not take their tips.
HWND ToolChildAt(HWND window, POINT pt) {
  ::ClientToScreen(window, &pt);
  for (HWND h = ::GetWindow(window, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    if (LOWORD(::GetDlgCtrlID(h)) == 0xFFFF || !::IsWindowVisible(h)) continue;
    RECT rc;
    if (::GetWindowRect(h, &rc) && ::PtInRect(&rc, pt)) return h;
  }
  return nullptr;
}

// A mouse message of the window, relayed as the child's under its point so that it finds the
// child's tool. The wheel's messages carry screen coordinates and show no tip.
MSG AsToolMessage(const MSG& msg, HWND window) {
  MSG relayed = msg;
  if (msg.hwnd != window || msg.message == WM_MOUSEWHEEL || msg.message == WM_MOUSEHWHEEL) return relayed;
  POINT pt = {static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
  HWND child = ToolChildAt(window, pt);
  if (!child) return relayed;
  ::MapWindowPoints(window, child, &pt, 1);
  relayed.hwnd = child;
  relayed.lParam = MAKELPARAM(pt.x, pt.y);
  return relayed;
}

// Before it shows a tip the control asks which window is under the mouse, and the system names
// the window of a disabled child: the child is named instead, as the relay has it.
LRESULT CALLBACK ToolTipProc(HWND tip, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR window) {
  if (message == TTM_WINDOWFROMPOINT && lParam) {
    HWND under = reinterpret_cast<HWND>(::DefSubclassProc(tip, message, wParam, lParam));
    HWND owner = reinterpret_cast<HWND>(window);
    POINT pt = *reinterpret_cast<const POINT*>(lParam);
    if (under != owner || !::ScreenToClient(owner, &pt)) return reinterpret_cast<LRESULT>(under);
    HWND child = ToolChildAt(owner, pt);
    return reinterpret_cast<LRESULT>(child ? child : under);
  }
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(tip, &ToolTipProc, 0);
  return ::DefSubclassProc(tip, message, wParam, lParam);
}

}  // namespace

BOOL CWnd::PreTranslateMessage(MSG* pMsg) {
  if (m_bToolTips && pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST) {
    if (HWND tip = GetToolTipHandle()) {
      MSG relayed = AsToolMessage(*pMsg, m_hWnd);
      ::SendMessageA(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
  }
  return FALSE;
}

// Default handlers: pass the message on to the window's previous procedure.
int CWnd::OnCreate(LPCREATESTRUCT) { return (int)Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT p) {
  if (!AfxRouteMenuMessage(this, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(p), nullptr)) Default();
}
void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT p) {
  if (!AfxRouteMenuMessage(this, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(p), nullptr)) Default();
}
LRESULT CWnd::OnMenuChar(UINT, UINT, CMenu*) { return Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
UINT CWnd::OnGetDlgCode() { return (UINT)Default(); }
void CWnd::OnEnterIdle(UINT, CWnd*) { Default(); }

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
  static const AFX_MSGMAP m = {&CCmdTarget::GetThisMessageMap, entries};
  return &m;
}
const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

// ---------------------------------------------------------------------------------------
// Data exchange
// ---------------------------------------------------------------------------------------
BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  return !dx.m_bFailed;
}

// ---------------------------------------------------------------------------------------
// Thin members over the window
// ---------------------------------------------------------------------------------------
void CWnd::SetWindowText(LPCSTR s) { ::SetWindowTextA(m_hWnd, s); }
int CWnd::GetWindowText(LPSTR buf, int n) const { return ::GetWindowTextA(m_hWnd, buf, n); }
void CWnd::GetWindowText(CString& s) const {
  int n = ::GetWindowTextLengthA(m_hWnd);
  char* p = s.GetBufferSetLength(n);
  ::GetWindowTextA(m_hWnd, p, n + 1);
  s.ReleaseBuffer();
}
int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
void CWnd::GetDlgItem(int nID, HWND* phWnd) const { *phWnd = ::GetDlgItem(m_hWnd, nID); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
int CWnd::SetDlgCtrlID(int nID) { return (int)::SetWindowLongPtrA(m_hWnd, GWLP_ID, nID); }
void CWnd::SetDlgItemText(int nID, LPCSTR s) { ::SetDlgItemTextA(m_hWnd, nID, s); }
int CWnd::GetDlgItemText(int nID, CString& s) const {
  HWND h = ::GetDlgItem(m_hWnd, nID);
  s.Empty();
  if (h) FromHandle(h)->GetWindowText(s);
  return s.GetLength();
}
UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const {
  return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}
void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned) { ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned); }
void CWnd::CheckDlgButton(int nID, UINT nCheck) { ::CheckDlgButton(m_hWnd, nID, nCheck); }
UINT CWnd::IsDlgButtonChecked(int nID) const { return ::IsDlgButtonChecked(m_hWnd, nID); }
void CWnd::CheckRadioButton(int a, int b, int c) { ::CheckRadioButton(m_hWnd, a, b, c); }
CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
CWnd* CWnd::GetOwner() const { return FromHandle(::GetWindow(m_hWnd, GW_OWNER)); }
CWnd* CWnd::GetTopLevelParent() const {
  HWND h = m_hWnd, p;
  while ((p = ::GetParent(h)) != nullptr && (::GetWindowLongA(h, GWL_STYLE) & WS_CHILD)) h = p;
  return FromHandle(h);
}
CWnd* CWnd::GetWindow(UINT nCmd) const { return FromHandle(::GetWindow(m_hWnd, nCmd)); }
CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const {
  return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
}
CWnd* CWnd::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const {
  return FromHandle(::GetNextDlgGroupItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
}
CWnd* CWnd::SetParent(CWnd* p) { return FromHandle(::SetParent(m_hWnd, p->GetSafeHwnd())); }
CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
BOOL CWnd::ShowWindow(int n) { return ::ShowWindow(m_hWnd, n); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::EnableWindow(BOOL b) { return ::EnableWindow(m_hWnd, b); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::IsZoomed() const { return ::IsZoomed(m_hWnd); }
BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
BOOL CWnd::IsChild(const CWnd* p) const { return ::IsChild(m_hWnd, p->GetSafeHwnd()); }
DWORD CWnd::GetStyle() const { return (DWORD)::GetWindowLongA(m_hWnd, GWL_STYLE); }
DWORD CWnd::GetExStyle() const { return (DWORD)::GetWindowLongA(m_hWnd, GWL_EXSTYLE); }

static BOOL ModifyStyleImpl(HWND h, int idx, DWORD remove, DWORD add, UINT nFlags) {
  DWORD style = (DWORD)::GetWindowLongA(h, idx);
  DWORD newStyle = (style & ~remove) | add;
  if (style == newStyle) return FALSE;
  ::SetWindowLongA(h, idx, (LONG)newStyle);
  if (nFlags) {
    ::SetWindowPos(h, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
  }
  return TRUE;
}
BOOL CWnd::ModifyStyle(DWORD r, DWORD a, UINT f) { return ModifyStyleImpl(m_hWnd, GWL_STYLE, r, a, f); }
BOOL CWnd::ModifyStyleEx(DWORD r, DWORD a, UINT f) { return ModifyStyleImpl(m_hWnd, GWL_EXSTYLE, r, a, f); }
void CWnd::GetClientRect(LPRECT r) const { ::GetClientRect(m_hWnd, r); }
void CWnd::GetWindowRect(LPRECT r) const { ::GetWindowRect(m_hWnd, r); }
void CWnd::ScreenToClient(LPPOINT p) const { ::ScreenToClient(m_hWnd, p); }
void CWnd::ScreenToClient(LPRECT r) const {
  ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(r));
  ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(r) + 1);
  if (GetExStyle() & WS_EX_LAYOUTRTL) std::swap(r->left, r->right);
}
void CWnd::ClientToScreen(LPPOINT p) const { ::ClientToScreen(m_hWnd, p); }
void CWnd::ClientToScreen(LPRECT r) const {
  ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(r));
  ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(r) + 1);
  if (GetExStyle() & WS_EX_LAYOUTRTL) std::swap(r->left, r->right);
}
void CWnd::MapWindowPoints(CWnd* to, LPRECT r) const {
  ::MapWindowPoints(m_hWnd, to->GetSafeHwnd(), reinterpret_cast<LPPOINT>(r), 2);
}
void CWnd::MapWindowPoints(CWnd* to, LPPOINT p, UINT n) const {
  ::MapWindowPoints(m_hWnd, to->GetSafeHwnd(), p, n);
}
void CWnd::MoveWindow(int x, int y, int w, int h, BOOL rp) { ::MoveWindow(m_hWnd, x, y, w, h, rp); }
void CWnd::MoveWindow(LPCRECT r, BOOL rp) {
  ::MoveWindow(m_hWnd, r->left, r->top, r->right - r->left, r->bottom - r->top, rp);
}
BOOL CWnd::SetWindowPos(const CWnd* after, int x, int y, int cx, int cy, UINT f) {
  // The special insert-after values (HWND_TOP, HWND_BOTTOM, ...) arrive as fake CWnd pointers.
  HWND hAfter = reinterpret_cast<HWND>(const_cast<CWnd*>(after));
  LONG_PTR v = reinterpret_cast<LONG_PTR>(after);
  if (v > 1 || v < -2) hAfter = after->m_hWnd;
  return ::SetWindowPos(m_hWnd, hAfter, x, y, cx, cy, f);
}
BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* p) const { return ::GetWindowPlacement(m_hWnd, p); }
BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* p) { return ::SetWindowPlacement(m_hWnd, p); }
int CWnd::GetWindowRgn(HRGN h) const { return ::GetWindowRgn(m_hWnd, h); }
int CWnd::SetWindowRgn(HRGN h, BOOL b) { return ::SetWindowRgn(m_hWnd, h, b); }
int CWnd::GetScrollPos(int n) const { return ::GetScrollPos(m_hWnd, n); }
int CWnd::SetScrollPos(int n, int pos, BOOL b) { return ::SetScrollPos(m_hWnd, n, pos, b); }
int CWnd::GetScrollLimit(int nBar) const {
  SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
  if (!::GetScrollInfo(m_hWnd, nBar, &si)) return 0;
  int limit = si.nMax - (si.nPage > 0 ? (int)si.nPage - 1 : 0);
  return limit < si.nMin ? si.nMin : limit;
}
void CWnd::CenterWindow(CWnd* pAlternateOwner) {
  HWND hOwner = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
  RECT rcArea{}, rc{};
  if (hOwner) ::GetWindowRect(hOwner, &rcArea);
  else ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcArea, 0);
  ::GetWindowRect(m_hWnd, &rc);
  int w = rc.right - rc.left, h = rc.bottom - rc.top;
  ::SetWindowPos(m_hWnd, nullptr, (rcArea.left + rcArea.right - w) / 2,
                 (rcArea.top + rcArea.bottom - h) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
void CWnd::BringWindowToTop() { ::BringWindowToTop(m_hWnd); }
void CWnd::Invalidate(BOOL e) { ::InvalidateRect(m_hWnd, nullptr, e); }
void CWnd::InvalidateRect(LPCRECT r, BOOL e) { ::InvalidateRect(m_hWnd, r, e); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
BOOL CWnd::RedrawWindow(LPCRECT r, HRGN h, UINT f) { return ::RedrawWindow(m_hWnd, r, h, f); }
void CWnd::SetRedraw(BOOL b) { ::SendMessageA(m_hWnd, WM_SETREDRAW, b, 0); }
CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
int CWnd::ReleaseDC(CDC* pDC) {
  HDC h = pDC->GetSafeHdc();
  if (!h) return 0;
  // The temporary handed out goes at the next idle time: the handle is given back now.
  AfxGetThreadState().dcs.RetireTemporary(h, pDC);
  return ::ReleaseDC(m_hWnd, h);
}
void CWnd::SetFont(CFont* f, BOOL b) {
  ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(f ? f->m_hObject : nullptr), b);
}
CFont* CWnd::GetFont() const {
  return CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
}
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* PASCAL CWnd::GetFocus() { return FromHandle(::GetFocus()); }
CWnd* PASCAL CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
CWnd* CWnd::SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
CWnd* PASCAL CWnd::GetCapture() { return FromHandle(::GetCapture()); }
UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT ms, void(CALLBACK* fn)(HWND, UINT, UINT_PTR, DWORD)) {
  return ::SetTimer(m_hWnd, id, ms, fn);
}
BOOL CWnd::KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
LRESULT CWnd::SendMessage(UINT m, WPARAM w, LPARAM l) const { return ::SendMessageA(m_hWnd, m, w, l); }
BOOL CWnd::PostMessage(UINT m, WPARAM w, LPARAM l) const { return ::PostMessageA(m_hWnd, m, w, l); }
LRESULT CWnd::SendDlgItemMessage(int id, UINT m, WPARAM w, LPARAM l) const {
  return ::SendDlgItemMessageA(m_hWnd, id, m, w, l);
}
void CWnd::SendMessageToDescendants(UINT m, WPARAM w, LPARAM l, BOOL bDeep) {
  for (HWND h = ::GetWindow(m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    ::SendMessageA(h, m, w, l);
    if (bDeep && ::GetWindow(h, GW_CHILD)) FromHandle(h)->SendMessageToDescendants(m, w, l, TRUE);
  }
}
int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type) {
  return AfxMessageBoxOwned(m_hWnd, text, caption, type);
}

BOOL CWnd::EnableToolTips(BOOL bEnable) {
  m_bToolTips = bEnable;
  if (!bEnable) {
    if (m_hWndToolTip) ::SendMessageA(m_hWndToolTip, TTM_ACTIVATE, FALSE, 0);
    return TRUE;
  }
  // A window that has its control already gains tools for children made since; one without
  // waits for the mouse: making the control and its tools is a good part of a small dialog's
  // start, and many dialogs close before the mouse comes near them.
  return m_hWndToolTip ? AddToolTipTools() : TRUE;
}

HWND CWnd::GetToolTipHandle() {
  if (m_hWndToolTip || !m_bToolTips || !::IsWindow(m_hWnd)) return m_hWndToolTip;
  m_hWndToolTip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                                    AfxGetInstanceHandle(), nullptr);
  if (m_hWndToolTip) {
    ::SetWindowSubclass(m_hWndToolTip, &ToolTipProc, 0, reinterpret_cast<DWORD_PTR>(m_hWnd));
    AddToolTipTools();
  }
  return m_hWndToolTip;
}

BOOL CWnd::AddToolTipTools() {
  // Every child is a tool; the text is asked for when the tip shows (TTN_NEEDTEXT). The tools do
  // not subclass their windows: the mouse messages reach the tip through PreTranslateMessage, and
  // a subclassing tool would put the tooltip's procedure in front of every message to a control
  // (costly on a large list) and stay there even after the tool is deleted.
  for (HWND h = ::GetWindow(m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    TTTOOLINFOA ti{};
    ti.cbSize = sizeof(ti);
    ti.hwnd = m_hWnd;
    ti.uId = reinterpret_cast<UINT_PTR>(h);
    if (::SendMessageA(m_hWndToolTip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti))) continue;
    ti.uFlags = TTF_IDISHWND;
    ti.lpszText = LPSTR_TEXTCALLBACKA;
    ::SendMessageA(m_hWndToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  }
  ::SendMessageA(m_hWndToolTip, TTM_ACTIVATE, TRUE, 0);
  return TRUE;
}
