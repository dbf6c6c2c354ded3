// Size limits of a resizable dialog while it is dragged or maximized.
#include "MpAppUiResizableDialog.h"

MpAppUiResizableMinMax::MpAppUiResizableMinMax()
    : m_bUseMaxTrack(FALSE),
      m_bUseMinTrack(FALSE),
      m_bUseMaxRect(FALSE),
      m_ptMinTrackSize{0, 0},
      m_ptMaxTrackSize{0, 0},
      m_ptMaxPos{0, 0},
      m_ptMaxSize{0, 0} {}

MpAppUiResizableMinMax::~MpAppUiResizableMinMax() = default;

void MpAppUiResizableMinMax::SetMinimumTrackSize(const CSize& size) {
  m_ptMinTrackSize.x = size.cx;
  m_ptMinTrackSize.y = size.cy;
  m_bUseMinTrack = TRUE;
}

void MpAppUiResizableMinMax::ResetMinimumTrackSize() { m_bUseMinTrack = FALSE; }

void MpAppUiResizableMinMax::SetMaximumTrackSize(const CSize& size) {
  m_ptMaxTrackSize.x = size.cx;
  m_ptMaxTrackSize.y = size.cy;
  m_bUseMaxTrack = TRUE;
}

void MpAppUiResizableMinMax::ResetMaximumTrackSize() { m_bUseMaxTrack = FALSE; }

void MpAppUiResizableMinMax::SetMaximizedRect(const CRect& rc) {
  m_ptMaxPos.x = rc.left;
  m_ptMaxPos.y = rc.top;
  m_ptMaxSize.x = rc.Width();
  m_ptMaxSize.y = rc.Height();
  m_bUseMaxRect = TRUE;
}

void MpAppUiResizableMinMax::ResetMaximizedRect() { m_bUseMaxRect = FALSE; }

void MpAppUiResizableMinMax::ApplyMinMaxInfo(MINMAXINFO* lpMMI) {
  if (m_bUseMinTrack) lpMMI->ptMinTrackSize = m_ptMinTrackSize;
  if (m_bUseMaxTrack) lpMMI->ptMaxTrackSize = m_ptMaxTrackSize;
  if (m_bUseMaxRect) {
    lpMMI->ptMaxPosition = m_ptMaxPos;
    lpMMI->ptMaxSize = m_ptMaxSize;
  }
}
