#include "afxcmn.h"

IMPLEMENT_DYNAMIC(CAnimateCtrl, CWnd)

BOOL CAnimateCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(ANIMATE_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CAnimateCtrl::Open(LPCSTR lpszFileName) {
  return (BOOL)::SendMessageA(m_hWnd, ACM_OPENA, 0, reinterpret_cast<LPARAM>(lpszFileName));
}

BOOL CAnimateCtrl::Open(UINT nID) {
  HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCEA(nID), "AVI");
  return (BOOL)::SendMessageA(m_hWnd, ACM_OPENA, reinterpret_cast<WPARAM>(module), (LPARAM)(UINT_PTR)nID);
}

BOOL CAnimateCtrl::Close() { return (BOOL)::SendMessageA(m_hWnd, ACM_OPENA, 0, 0); }

BOOL CAnimateCtrl::Play(UINT nFrom, UINT nTo, UINT nRep) {
  return (BOOL)::SendMessageA(m_hWnd, ACM_PLAY, (WPARAM)nRep, MAKELPARAM(nFrom, nTo));
}

BOOL CAnimateCtrl::Stop() { return (BOOL)::SendMessageA(m_hWnd, ACM_STOP, 0, 0); }

BOOL CAnimateCtrl::Seek(UINT nTo) { return Play(nTo, nTo, 1); }

BOOL CAnimateCtrl::IsPlaying() const { return (BOOL)::SendMessageA(m_hWnd, ACM_ISPLAYING, 0, 0); }
