// CAnimateCtrl: the animation control (an AVI clip without sound). Included by afxcmn.h.
#pragma once

class AFX_API CAnimateCtrl : public CWnd {
  DECLARE_DYNAMIC(CAnimateCtrl)
public:
  CAnimateCtrl() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  // Opens a clip from a file, or (the identifier form) from the AVI resources of the module
  // that holds it in the resource chain.
  BOOL Open(LPCSTR lpszFileName);
  BOOL Open(UINT nID);
  BOOL Close();
  // Frames nFrom to nTo (0xFFFF: the last), nRep times (-1: without end).
  BOOL Play(UINT nFrom, UINT nTo, UINT nRep);
  BOOL Stop();
  BOOL Seek(UINT nTo);
  // Whether a clip is playing.
  BOOL IsPlaying() const;
};
