// The activity snake: grows from the left edge to its size, crawls right, waits one step with its
// head at the end, pulls its tail in, turns with its colours swapped and crawls back.
#include "CSnakeCtrl.h"
#include <algorithm>
#include <cstdlib>

BEGIN_MESSAGE_MAP(CSnakeCtrl, CStatic)
END_MESSAGE_MAP()

CSnakeCtrl::CSnakeCtrl() = default;
CSnakeCtrl::~CSnakeCtrl() = default;

void CSnakeCtrl::SetStep(int nStep) {
  if (nStep > 0) m_nStep = nStep;
}
void CSnakeCtrl::SetSize(int nSize) { m_nSize = nSize; }
void CSnakeCtrl::SetMax(int nMax) {
  if (nMax > 0) m_nMax = nMax;
}
void CSnakeCtrl::SetBkColor(COLORREF clr) { m_clrBk = clr; }

void CSnakeCtrl::SetGradientFill(COLORREF clrStart, COLORREF clrEnd) {
  m_clrGradientStart = m_clrCurrentStart = clrStart;
  m_clrGradientEnd = m_clrCurrentEnd = clrEnd;
}

void CSnakeCtrl::ResetProgress() {
  m_nPos = m_nTail = 0;
  m_bReverse = FALSE;
  m_bTailCatchUp = FALSE;
  m_clrCurrentStart = m_clrGradientStart;
  m_clrCurrentEnd = m_clrGradientEnd;
}

namespace {
// Moves one end a step towards the end it runs to; the distance it moved.
int stepEnd(int& pos, int step, int max, BOOL reverse) {
  if (!reverse) {
    if (pos + step >= max) {
      const int moved = max - pos;
      pos = max;
      return moved;
    }
    pos += step;
    return step;
  }
  if (pos - step < 1) {
    const int moved = pos;
    pos = 0;
    return moved;
  }
  pos -= step;
  return step;
}
}  // namespace

int CSnakeCtrl::SafeStepHead() { return stepEnd(m_nPos, m_nStep, m_nMax, m_bReverse); }

int CSnakeCtrl::SafeStepTail() {
  if (!m_bTailCatchUp && (m_bReverse ? m_nMax - m_nPos : m_nPos) < m_nSize) return 0;
  return stepEnd(m_nTail, m_nStep, m_nMax, m_bReverse);
}

int CSnakeCtrl::StepIt() {
  const bool atEnd = m_bReverse ? m_nPos <= 0 : m_nPos >= m_nMax;
  if (!atEnd) {
    SafeStepHead();
    SafeStepTail();
  } else {
    m_nPos = m_bReverse ? 0 : m_nMax;
    if (!m_bTailCatchUp) {
      m_bTailCatchUp = TRUE;
    } else if (m_bReverse ? m_nTail < 1 : m_nTail >= m_nMax) {
      m_bTailCatchUp = FALSE;
      m_nPos = m_bReverse ? m_nStep : m_nMax - m_nStep;
      m_nTail = m_bReverse ? 0 : m_nMax;
      m_bReverse = !m_bReverse;
      m_clrCurrentStart = m_bReverse ? m_clrGradientEnd : m_clrGradientStart;
      m_clrCurrentEnd = m_bReverse ? m_clrGradientStart : m_clrGradientEnd;
    } else {
      SafeStepTail();
    }
  }
  OnPaint();
  return m_nPos;
}

void CSnakeCtrl::OnPaint() {
  if (!m_hWnd) return;
  CDC* pDC = GetDC();
  Draw(pDC);
  ReleaseDC(pDC);
}

void CSnakeCtrl::Draw(CDC* pDC) {
  CRect rc;
  GetClientRect(&rc);
  const float w = (float)rc.right;
  const int xTail = (int)((float)m_nTail / (float)m_nMax * w);
  const int xHead = (int)((float)m_nPos / (float)m_nMax * w);
  CRect snake = rc;
  snake.left = m_bReverse ? xHead : xTail;
  snake.right = m_bReverse ? xTail : xHead;
  DrawGradient(pDC, snake);
  CBrush bk;
  bk.CreateSolidBrush(m_clrBk);
  pDC->FillRect(CRect(rc.left, rc.top, snake.left, rc.bottom), &bk);
  pDC->FillRect(CRect(snake.right, rc.top, rc.right, rc.bottom), &bk);
}

void CSnakeCtrl::DrawGradient(CDC* pDC, CRect rect) {
  const COLORREF s = m_clrCurrentStart, e = m_clrCurrentEnd;
  const int dR = GetRValue(e) - GetRValue(s), dG = GetGValue(e) - GetGValue(s),
            dB = GetBValue(e) - GetBValue(s);
  const int n = std::max(std::abs(dR), std::max(std::abs(dG), std::abs(dB)));
  if (n == 0) {  // one colour: the whole snake in it
    CBrush brush;
    brush.CreateSolidBrush(s);
    pDC->FillRect(rect, &brush);
    return;
  }
  const float w = (float)std::abs(rect.right - rect.left) / (float)n;
  const float incR = (float)dR / (float)n, incG = (float)dG / (float)n, incB = (float)dB / (float)n;
  for (int i = 0; i < n; ++i) {
    const int x1 = (int)((float)rect.left + (float)i * w);
    // The last band reaches the right edge, whatever the rounding of the others.
    const int x2 = i == n - 1 ? rect.right : (int)((float)(i + 1) * w) + rect.left;
    if (x1 < rect.left || x2 > rect.right) break;
    const COLORREF c = RGB((int)((float)GetRValue(s) + incR * (float)i) & 0xFF,
                           (int)((float)GetGValue(s) + incG * (float)i) & 0xFF,
                           (int)((float)GetBValue(s) + incB * (float)i) & 0xFF);
    CBrush brush;
    brush.CreateSolidBrush(c);
    pDC->FillRect(CRect(x1, rect.top, x2, rect.bottom), &brush);
  }
}
