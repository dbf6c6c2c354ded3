// Helpers shared by the owner-drawn menu and the toolbar.
#include "MpAppUiMenuSupport.h"

MenuFont::MenuFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = 340;  // the form without the padded-border field
  if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
    m_font = ::CreateFontIndirectA(&metrics.lfMenuFont);
  m_owned = m_font != nullptr;
  if (!m_font) m_font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}
MenuFont::~MenuFont() {
  if (m_owned) ::DeleteObject(m_font);
}

MainWindowDC::MainWindowDC() {
  CWnd* main = AfxGetMainWnd();
  m_hWnd = main && main->GetSafeHwnd() ? main->GetSafeHwnd() : ::GetDesktopWindow();
  m_hDC = ::GetDC(m_hWnd);
}
MainWindowDC::~MainWindowDC() {
  if (m_hDC) ::ReleaseDC(m_hWnd, m_hDC);
}

HBITMAP loadDibSection(UINT bitmapId) {
  LPCSTR name = MAKEINTRESOURCEA(bitmapId);
  HINSTANCE hInst = AfxFindResourceHandle(name, RT_BITMAP);
  if (!hInst) return nullptr;
  return static_cast<HBITMAP>(
      ::LoadImageA(hInst, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION | LR_DEFAULTSIZE));
}

COLORREF firstMemoryPixel(HBITMAP bitmap) {
  DIBSECTION dib{};
  if (::GetObjectA(bitmap, sizeof(dib), &dib) != sizeof(dib)) return CLR_INVALID;
  const int y = dib.dsBmih.biHeight > 0 ? dib.dsBm.bmHeight - 1 : 0;
  HDC hdc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(hdc, bitmap);
  const COLORREF colour = ::GetPixel(hdc, 0, y);
  ::SelectObject(hdc, old);
  ::DeleteDC(hdc);
  return colour;
}
