// Internals shared by the stand-in's own sources.
#pragma once
#include "afxwin.h"
#include <exception>
#include <unordered_map>
#include <vector>

class CImageList;

struct AFX_NOTIFY {
  LRESULT* pResult;
  NMHDR* pNMHDR;
};

// The text of entry nIndex of a combo box (CB_GETLBTEXTLEN, CB_GETLBTEXT) or list box
// (LB_GETTEXTLEN, LB_GETTEXT) of any length, as the control holds it; empty when there is none.
void AfxEntryText(HWND h, UINT lengthMsg, UINT textMsg, int nIndex, CString& rString);

// Sends a shown window that is both the active and the foreground window an extra
// WM_NCACTIVATE(TRUE), so that its title bar is drawn active. Why: a window activated while still
// hidden is told it is inactive, not being the foreground window yet, and becoming the foreground
// window as it is shown tells it nothing more under Wine; its title bar would stay grey.
void AfxRedrawCaptionActive(HWND h);

// Message box owned by a window: answered by the script player when one is installed.
int AfxMessageBoxOwned(HWND hOwner, LPCSTR text, LPCSTR caption, UINT type);

// ---------------------------------------------------------------------------------------
// Handle maps: one design for windows, GDI objects, device contexts, menus and image lists.
// Permanent entries are the objects that own their handle (Attach). Temporary entries are the
// wrappers FromHandle made for handles nobody attached; a temporary never frees its handle.
// At idle time (AfxDeleteTempMap) a temporary is freed once its handle is gone, or once it
// was retired (its handle attached to an owner, given back, or wrapped as another class), so
// a pointer held across idle time never dangles while its handle lives.
// ---------------------------------------------------------------------------------------
template <class H, class T>
class AfxHandleMap {
public:
  T* LookupPermanent(H h) const { return Find(m_permanent, h); }
  T* LookupTemporary(H h) const { return Find(m_temporary, h); }
  void SetPermanent(H h, T* p) {
    RetireTemporary(h);
    m_permanent[h] = p;
  }
  void RemovePermanent(H h, const T* p) {
    auto it = m_permanent.find(h);
    if (it != m_permanent.end() && it->second == p) m_permanent.erase(it);
  }
  void SetTemporary(H h, T* p) {
    RetireTemporary(h);
    m_temporary[h] = p;
  }
  // Retires the temporary of h (only when it is p, if p is given).
  void RetireTemporary(H h, const T* p = nullptr) {
    auto it = m_temporary.find(h);
    if (it == m_temporary.end() || (p && it->second != p)) return;
    m_retired.push_back(it->second);
    m_temporary.erase(it);
  }
  template <class Alive>
  void DeleteTemps(Alive alive) {
    std::vector<T*> doomed;
    doomed.swap(m_retired);
    for (auto it = m_temporary.begin(); it != m_temporary.end();) {
      if (alive(it->first)) {
        ++it;
      } else {
        doomed.push_back(it->second);
        it = m_temporary.erase(it);
      }
    }
    for (T* p : doomed) delete p;
  }

private:
  static T* Find(const std::unordered_map<H, T*>& map, H h) {
    auto it = map.find(h);
    return it == map.end() ? nullptr : it->second;
  }
  std::unordered_map<H, T*> m_permanent;
  std::unordered_map<H, T*> m_temporary;
  std::vector<T*> m_retired;
};

// What the class library keeps per thread. Handles belong to the thread that made them, as
// windows do, so the maps are the thread's own and need no lock. A thread's state lives as
// long as the process (static objects may still reach it while the process ends).
struct AfxThreadState {
  AfxHandleMap<HWND, CWnd> windows;
  AfxHandleMap<HGDIOBJ, CGdiObject> gdiObjects;
  AfxHandleMap<HDC, CDC> dcs;
  AfxHandleMap<HMENU, CMenu> menus;
  AfxHandleMap<HIMAGELIST, CImageList> imageLists;
  // The procedures windows had before us, for windows we were detached from while a later
  // subclass still calls our procedure: their messages are passed on to these.
  std::unordered_map<HWND, WNDPROC> keptSupers;
  MSG lastSentMsg{};          // the message the innermost window procedure handles
  int wndProcDepth = 0;       // nesting of our window procedure
  CWnd* pWndInit = nullptr;   // the object the creation hook attaches next
  HHOOK hHookCreate = nullptr;
  int hookDepth = 0;          // wndProcDepth when the creation hook was armed
  int modalDepth = 0;         // our modal loops running
  std::exception_ptr pendingException;  // a handler's, for the innermost modal loop
};
AfxThreadState& AfxGetThreadState();

// Rethrows (and forgets) the exception a handler threw inside this thread's modal loop.
void AfxRethrowPendingException();
// Writes a handler's exception that nobody can rethrow to the debug output.
void AfxReportDroppedException(const std::exception_ptr& e);
