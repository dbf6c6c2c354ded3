// The wait cursor for the life of a scope.
#pragma once

class CWaitCursor {
 public:
  CWaitCursor() : m_previous(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}
  ~CWaitCursor() { ::SetCursor(m_previous ? m_previous : ::LoadCursorA(nullptr, IDC_ARROW)); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
  void Restore() { ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT)); }

 private:
  HCURSOR m_previous;
};
