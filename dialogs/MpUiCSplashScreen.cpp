#include "MpUiCSplashScreen.h"
#include <string>
#include "MpSmartPointers.h"
#include "resource.h"

namespace {

const UINT_PTR kCloseTimer = 1;
const UINT kCloseDelay = 750;
const RECT kTextRect = {438, 120, 510, 144};
const COLORREF kTextColour = RGB(205, 205, 205);

}  // namespace

int MpUiCSplashScreen::c_bShowSplashWnd = 0;
MpUiCSplashScreen* MpUiCSplashScreen::c_pSplashWnd = nullptr;

BEGIN_MESSAGE_MAP(MpUiCSplashScreen, CWnd)
  ON_WM_CREATE()
  ON_WM_PAINT()
  ON_WM_TIMER()
END_MESSAGE_MAP()

MpUiCSplashScreen::MpUiCSplashScreen() = default;

MpUiCSplashScreen::~MpUiCSplashScreen() {
  if (c_pSplashWnd == this) c_pSplashWnd = nullptr;
}

void MpUiCSplashScreen::enableSplashScreen(int enable) { c_bShowSplashWnd = enable; }

void MpUiCSplashScreen::showSplashScreen(CWnd* parent) {
  if (!c_bShowSplashWnd || c_pSplashWnd) return;
  MpUiCSplashScreen* splash = new MpUiCSplashScreen;
  c_pSplashWnd = splash;
  if (!splash->Create(parent)) {
    // A window that came and went during its creation has deleted the object already.
    if (c_pSplashWnd == splash) delete splash;
  } else {
    splash->UpdateWindow();
  }
}

void MpUiCSplashScreen::removeSplashScreen() {
  if (c_pSplashWnd) c_pSplashWnd->hideSplashScreen();
}

int MpUiCSplashScreen::PreTranslateAppMessage(MSG* pMsg) {
  if (!c_pSplashWnd || !pMsg) return FALSE;
  switch (pMsg->message) {
    case WM_KEYDOWN: case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
      c_pSplashWnd->hideSplashScreen();
      return TRUE;
    default:
      return FALSE;
  }
}

int MpUiCSplashScreen::Create(CWnd* parent) {
  if (!m_bitmap.LoadBitmap(IDB_SPLASH)) return FALSE;
  BITMAP bm{};
  m_bitmap.GetBitmap(&bm);
  LPCSTR windowClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
  return CreateEx(0, windowClass, nullptr, WS_POPUP | WS_VISIBLE, 0, 0, bm.bmWidth, bm.bmHeight,
                  parent ? parent->GetSafeHwnd() : nullptr, nullptr);
}

int MpUiCSplashScreen::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  CenterWindow();
  SetTimer(kCloseTimer, kCloseDelay, nullptr);
  return 0;
}

void MpUiCSplashScreen::OnPaint() {
  CPaintDC dc(this);
  CDC memory;
  if (!memory.CreateCompatibleDC(&dc)) return;
  BITMAP bm{};
  m_bitmap.GetBitmap(&bm);
  CBitmap* oldBitmap = memory.SelectObject(&m_bitmap);
  dc.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &memory, 0, 0, SRCCOPY);
  memory.SelectObject(oldBitmap);

  CFont font;
  font.CreateFont(24, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
  dc.SetTextColor(kTextColour);
  dc.SetBkMode(TRANSPARENT);
  CFont* oldFont = dc.SelectObject(&font);
  IMpSystemInfoPtr info(CLSID_MpSystemInfo, nullptr);
  if (!info.isNull()) {
    std::string first, second, third;
    info->getProductInfo(first, second, third);
    RECT rect = kTextRect;
    if (!second.empty()) dc.DrawText(second.c_str(), (int)second.size(), &rect, DT_CENTER | DT_SINGLELINE);
  }
  dc.SelectObject(oldFont);
  font.DeleteObject();
}

void MpUiCSplashScreen::OnTimer(UINT_PTR) { hideSplashScreen(); }

void MpUiCSplashScreen::hideSplashScreen() {
  DestroyWindow();
  if (CWnd* main = AfxGetMainWnd()) main->UpdateWindow();
}

void MpUiCSplashScreen::PostNcDestroy() { delete this; }
