// An activity indicator on a static control: a gradient "snake" that crawls from left to right
// and back, one step per call.
#pragma once
#include <afxwin.h>
#include "WidgetDeckApi.h"

class WIDGETDECK_API CSnakeCtrl : public CStatic {
 public:
  CSnakeCtrl();
  ~CSnakeCtrl() override;

  int GetPos() const { return m_nPos; }
  int GetTail() const { return m_nTail; }
  int GetStep() const { return m_nStep; }
  int GetSize() const { return m_nSize; }
  int GetMax() const { return m_nMax; }
  BOOL IsReverse() const { return m_bReverse; }
  COLORREF GetBkColor() const { return m_clrBk; }
  COLORREF GetGradientStartColor() const { return m_clrGradientStart; }
  COLORREF GetGradientEndColor() const { return m_clrGradientEnd; }

  // A step or maximum of 0 or less is ignored.
  void SetStep(int nStep);
  void SetSize(int nSize);
  void SetMax(int nMax);
  void SetBkColor(COLORREF clr);
  void SetGradientFill(COLORREF clrStart, COLORREF clrEnd);
  // Back to the start: forward at 0, no catch-up, the configured colours.
  void ResetProgress();
  // One step, then the drawing; the head's position.
  int StepIt();

 protected:
  int SafeStepHead();
  int SafeStepTail();
  void OnPaint();
  // The snake and the background around it, on any device context.
  void Draw(CDC* pDC);
  void DrawGradient(CDC* pDC, CRect rect);

  BOOL m_bTailCatchUp = FALSE;
  BOOL m_bReverse = FALSE;
  int m_nStep = 2;
  int m_nPos = 0;
  int m_nTail = 0;
  int m_nSize = 20;
  int m_nMax = 50;
  COLORREF m_clrBk = RGB(255, 255, 255);
  COLORREF m_clrGradientEnd = RGB(0, 255, 255);
  COLORREF m_clrGradientStart = RGB(255, 0, 0);
  COLORREF m_clrCurrentEnd = RGB(0, 255, 255);
  COLORREF m_clrCurrentStart = RGB(255, 0, 0);
  DECLARE_MESSAGE_MAP()
};
