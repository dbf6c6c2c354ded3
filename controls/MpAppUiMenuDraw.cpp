// Owner-drawn menu: measuring, the classic and flat painters, and the bitmap effects.
#include <afxmt.h>
#include <algorithm>
#include "MpAppUiMenu.h"
#include "MpAppUiMenuSupport.h"
#include "WidgetDeckModule.h"

namespace {
// Ternary raster operations without a name of their own (PSDPxax, DSPDxax): with the colours the
// callers set, each paints the selected brush where the mask is black and keeps the rest.
const DWORD kRopBrushWhereMaskBlack = 0xB8074A;
const DWORD kRopBrushWhereMaskBlackOnBitmap = 0xE20746;

// Whether the list is the one all menus share, which another thread may be adding to at the time:
// work on it is done under the shared-data lock. An item's own list is its menu's alone.
bool isSharedList(const CImageList* list) { return list == &MpAppUiMenu::m_AllImages; }
bool sharedImagesMade() {
  CSingleLock guard(&WidgetDeck::sharedDataLock(), TRUE);
  return MpAppUiMenu::m_AllImages.GetSafeHandle() != nullptr;
}

// The image an item shows: its own list at its index, else the shared list's image.
struct ItemImage {
  CImageList* list = nullptr;
  int index = -1;
  bool own = false;
};
ItemImage imageOf(const MpAppUiMenuData* rec, bool flat) {
  ItemImage img;
  if (!rec) return img;
  if (rec->m_imageSource >= 0 && rec->m_imageList && rec->m_imageIndex >= 0) {
    img.list = rec->m_imageList;
    img.index = rec->m_imageIndex;
    img.own = true;
  } else if (rec->m_imageSource < 0 && rec->m_sharedImageIndex >= 0 &&
             (!flat || rec->m_imageIndex < 0) && sharedImagesMade()) {
    img.list = &MpAppUiMenu::m_AllImages;
    img.index = rec->m_sharedImageIndex;
  }
  return img;
}
void draw(const ItemImage& img, CDC* dc, int index, CPoint pt) {
  CSingleLock guard(&WidgetDeck::sharedDataLock(), isSharedList(img.list));
  img.list->Draw(dc, index, pt, ILD_TRANSPARENT);
}
// How an item's icon column is drawn, one rule for both painters: a checked item without an
// image shows the menu's check image when the menu has one for its state; an item with an image
// shows it, as selected when the item is selected and not grayed, as disabled when grayed.
struct ItemIcon {
  ItemImage image;
  bool checkImage = false, hasImage = false, selected = false, disabled = false;
};
ItemIcon iconOf(const MpAppUiMenu& menu, const MpAppUiMenuData* rec, UINT state, bool flat) {
  ItemIcon icon;
  icon.image = imageOf(rec, flat);
  if (!rec) return icon;
  const bool selected = state & ODS_SELECTED, grayed = state & ODS_GRAYED;
  int checkId = selected ? menu.m_checkedBitmapId : menu.m_uncheckedBitmapId;
  if (checkId <= 0) checkId = menu.m_uncheckedBitmapId;
  if ((state & ODS_CHECKED) && !icon.image.list && checkId > 0 && menu.m_checkImages) {
    icon.checkImage = true;
  } else if (icon.image.list) {
    icon.hasImage = true;
    icon.selected = selected && !grayed;
    icon.disabled = grayed;
  }
  return icon;
}
// An item's text as the painters draw it, wide: the part before the first tab left-aligned, and
// the part after the last tab, if any, right-aligned `m_iconX` short of the right edge.
void drawItemText(CDC* dc, const MpAppUiMenuData* rec, CRect r, COLORREF colour) {
  const std::wstring all = rec && rec->GetText() ? rec->GetText() : L"";
  const size_t firstTab = all.find(L'\t'), lastTab = all.rfind(L'\t');
  const std::wstring left = all.substr(0, firstTab);
  dc->SetTextColor(colour);
  ::DrawTextW(dc->GetSafeHdc(), left.c_str(), (int)left.size(), &r, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
  if (lastTab == std::wstring::npos) return;
  const std::wstring right = all.substr(lastTab + 1);
  r.right -= MpAppUiMenu::m_iconX;
  ::DrawTextW(dc->GetSafeHdc(), right.c_str(), (int)right.size(), &r, DT_RIGHT | DT_SINGLELINE | DT_VCENTER);
}
// The record an item is drawn from: its data when that is a record, whichever menu object is
// called (a host may hand a sub-menu's items to its top menu), else none.
MpAppUiMenuData* drawnRecord(ULONG_PTR data) {
  return isLiveMenuRecord(data) ? reinterpret_cast<MpAppUiMenuData*>(data) : nullptr;
}
void fill(CDC* dc, const CRect& r, COLORREF c) { dc->FillSolidRect(&r, c); }
void frame(CDC* dc, const CRect& r, COLORREF c) { dc->Draw3dRect(&r, c, c); }
// The checked-state bitmap of the item drawn, read by its position in the menu that holds it (the
// one Windows names, else this one): by command, the first item with the id anywhere below would
// answer, a host's too. The item is the owner-drawn one (Windows draws the others) with its data
// and its command: an item without data yet is not taken for another item without data.
HBITMAP itemCheckBitmap(HMENU own, const DRAWITEMSTRUCT* dis) {
  HMENU menu = ::IsMenu(reinterpret_cast<HMENU>(dis->hwndItem)) ? reinterpret_cast<HMENU>(dis->hwndItem) : own;
  const int count = ::GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_CHECKMARKS | MIIM_ID;
    if (::GetMenuItemInfoA(menu, i, TRUE, &info) && (info.fType & MFT_OWNERDRAW) &&
        info.dwItemData == dis->itemData && info.wID == dis->itemID)
      return info.hbmpChecked;
  }
  return nullptr;
}
// The reference colour: what the bitmap selected into the context makes of a colour (tried
// on its first pixel, which is put back), so that it compares with the bitmap's own pixels.
COLORREF rendered(CDC* mem, COLORREF colour) {
  const COLORREF keep = mem->GetPixel(0, 0);
  mem->SetPixel(0, 0, colour);
  const COLORREF back = mem->GetPixel(0, 0);
  mem->SetPixel(0, 0, keep);
  return back;
}
template <class F>
void eachPixel(CBitmap& bmp, F f) {
  BITMAP bm{};
  if (!bmp.GetSafeHandle() || !bmp.GetBitmap(&bm)) return;
  CDC mem;
  mem.CreateCompatibleDC(nullptr);
  CBitmap* old = mem.SelectObject(&bmp);
  const COLORREF face = rendered(&mem, ::GetSysColor(COLOR_3DFACE));
  for (int x = 0; x < bm.bmWidth; ++x)
    for (int y = 0; y < bm.bmHeight; ++y) {
      const COLORREF p = mem.GetPixel(x, y);
      const COLORREF q = f(p, face);
      if (q != p) mem.SetPixel(x, y, q);
    }
  mem.SelectObject(old);
}
}  // namespace

COLORREF MpAppUiMenu::LightenColor(COLORREF c, double f) {
  if (!(f > 0.0 && f <= 1.0)) return c;
  auto up = [f](int v) { return (BYTE)(v + f * (255 - v)); };
  return RGB(up(GetRValue(c)), up(GetGValue(c)), up(GetBValue(c)));
}
COLORREF MpAppUiMenu::DarkenColor(COLORREF c, double f) {
  if (!(f > 0.0 && f <= 1.0)) return c;
  auto down = [f](int v) { return (BYTE)(v - f * v); };
  return RGB(down(GetRValue(c)), down(GetGValue(c)), down(GetBValue(c)));
}

// ---------------------------------------------------------------------------------------
// Measuring and the choice of painter
// ---------------------------------------------------------------------------------------
void MpAppUiMenu::MeasureItem(LPMEASUREITEMSTRUCT mis) {
  const bool flat = IsLunaMenuStyle();
  const int pad = (flat && xp_draw_3D_bitmaps) ? 7 : 4;
  MpAppUiMenuData* rec = drawnRecord(mis->itemData);
  if (rec && (rec->m_flags & MF_SEPARATOR)) {
    mis->itemWidth = 0;
    mis->itemHeight = flat ? 3 : std::max(::GetSystemMetrics(SM_CYMENU) / 2, (m_iconY + pad) / 2);
    return;
  }
  MainWindowDC dc;
  MenuFont font;
  HGDIOBJ old = IsNewShell() ? ::SelectObject(dc.hdc(), font.handle()) : nullptr;
  SIZE size{};
  if (rec && rec->GetText())
    ::GetTextExtentPoint32W(dc.hdc(), rec->GetText(), (int)wcslen(rec->GetText()), &size);
  if (old) ::SelectObject(dc.hdc(), old);
  mis->itemWidth = flat ? m_iconX + pad + size.cx + 8 : m_iconX + size.cx + m_iconX + 1;
  mis->itemHeight = std::max(::GetSystemMetrics(SM_CYMENU), m_iconY + pad);
}

void MpAppUiMenu::DrawItem(LPDRAWITEMSTRUCT dis) {
  CDC* dc = CDC::FromHandle(dis->hDC);
  if (dc->GetDeviceCaps(RASTERCAPS) & RC_PALETTE)
    DrawItem_Win9xNT2000(dis);
  else if (GetMenuDrawMode() == 1)
    DrawItem_WinXP(dis);
  else
    DrawItem_Win9xNT2000(dis);
}

// ---------------------------------------------------------------------------------------
// Classic painter
// ---------------------------------------------------------------------------------------
void MpAppUiMenu::DrawItem_Win9xNT2000(LPDRAWITEMSTRUCT dis) {
  if ((dis->itemState & ODS_GRAYED) && !original_select_disabled) dis->itemState &= ~ODS_SELECTED;
  CDC* dc = CDC::FromHandle(dis->hDC);
  const COLORREF bg = ::GetSysColor(IsWinXPLuna() ? COLOR_3DFACE : COLOR_MENU);
  MpAppUiMenuData* rec = drawnRecord(dis->itemData);
  CRect item(dis->rcItem);
  if (rec && (rec->m_flags & MF_SEPARATOR)) {
    fill(dc, item, bg);
    item.top += item.Height() / 2;
    dc->DrawEdge(&item, EDGE_ETCHED, BF_TOP);
    return;
  }
  const bool selected = dis->itemState & ODS_SELECTED, grayed = dis->itemState & ODS_GRAYED;
  const bool checked = dis->itemState & ODS_CHECKED;
  COLORREF text = ::GetSysColor(COLOR_MENUTEXT);
  const ItemIcon icon = iconOf(*this, rec, dis->itemState, false);
  const ItemImage& img = icon.image;
  const bool anyFlag = icon.checkImage || icon.hasImage;
  if (selected) {
    CRect hl = item;
    if (anyFlag || checked) hl.left += m_iconX + 5;
    fill(dc, hl, ::GetSysColor(COLOR_HIGHLIGHT));
    text = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
  } else {
    fill(dc, item, bg);
    frame(dc, item, bg);
  }
  const int dy = std::max(0, (item.Height() - 4 - m_iconY) / 2);
  if (anyFlag) {
    const CRect box(item.left + 1, item.top + dy + 1, item.left + m_iconX + 3,
                    item.top + m_iconY + dy + 3);
    frame(dc, box, bg);
    const CRect outer(item.left, item.top + dy, item.left + m_iconX + 4, item.top + m_iconY + dy + 4);
    const CPoint pt(item.left + 2, item.top + dy + 2);
    const COLORREF shadow = ::GetSysColor(COLOR_3DSHADOW), light = ::GetSysColor(COLOR_3DHILIGHT);
    if (icon.checkImage) {
      fill(dc, box, bg);
      frame(dc, outer, bg);
      m_checkImages->Draw(dc, selected ? 1 : 0, pt, ILD_TRANSPARENT);
    } else if (icon.disabled) {
      CBitmap bmp;
      frame(dc, outer, bg);
      if (GetBitmapFromImageList(dc, img.list, img.index, bmp)) {
        if (m_disableOldStyle)
          DitherBlt(dis->hDC, pt.x, pt.y, m_iconX, m_iconY, bmp, 0, 0, bg);
        else if (hicolor_bitmaps)
          DitherBlt3(dc, pt.x, pt.y, m_iconX, m_iconY, bmp, bg);
        else
          DitherBlt2(dc, pt.x, pt.y, m_iconX, m_iconY, bmp, 0, 0, bg);
      }
    } else if (icon.selected) {
      fill(dc, box, bg);
      if (IsNewShell()) {
        if (checked) dc->Draw3dRect(&outer, shadow, light);
        else dc->Draw3dRect(&outer, light, shadow);
      }
      draw(img, dc, img.index, pt);
    } else {
      if (checked) {
        fill(dc, box, LightenColor(bg, 0.6));
        if (IsNewShell()) dc->Draw3dRect(&outer, shadow, light);
      } else {
        fill(dc, box, bg);
        frame(dc, outer, bg);
      }
      draw(img, dc, img.index, pt);
    }
  }
  if (checked && !img.list && !icon.checkImage) {
    const CRect rc(item.left + 1, item.top + dy + 2, item.left + m_iconX + 1, item.top + m_iconY + dy + 2);
    Draw3DCheckmark(dc, rc, selected, itemCheckBitmap(m_hMenu, dis),
                    m_indeterminateCheck != 0);
  }
  const CRect tr(item.left + m_iconX + 9, item.top - 1, item.right, item.bottom - 1);
  const int oldMode = dc->SetBkMode(TRANSPARENT);
  if (grayed && selected) {
    drawItemText(dc, rec, tr, bg);
  } else if (grayed) {
    CRect off = tr;
    off.OffsetRect(1, 1);
    drawItemText(dc, rec, off, ::GetSysColor(COLOR_3DHILIGHT));
    drawItemText(dc, rec, tr, ::GetSysColor(COLOR_GRAYTEXT));
  } else {
    drawItemText(dc, rec, tr, text);
  }
  dc->SetBkMode(oldMode);
}

// ---------------------------------------------------------------------------------------
// Flat painter
// ---------------------------------------------------------------------------------------
void MpAppUiMenu::DrawItem_WinXP(LPDRAWITEMSTRUCT dis) {
  if ((dis->itemState & ODS_GRAYED) && !xp_select_disabled) dis->itemState &= ~ODS_SELECTED;
  CDC* dc = CDC::FromHandle(dis->hDC);
  const bool luna = IsWinXPLuna();
  COLORREF col = ::GetSysColor(COLOR_3DFACE);
  if (!luna) col = LightenColor(col, 0.25);
  const COLORREF back = DarkenColor(::GetSysColor(COLOR_WINDOW), 0.02);
  const int pad = xp_draw_3D_bitmaps ? 7 : 4, barWidth = m_iconX + pad;
  MpAppUiMenuData* rec = drawnRecord(dis->itemData);
  CRect item(dis->rcItem);
  const CRect bar(item.left, item.top, item.left + barWidth, item.bottom);
  if (rec && (rec->m_flags & MF_SEPARATOR)) {
    fill(dc, item, back);
    CRect line = item;
    line.top += item.Height() / 2;
    line.left = bar.right + pad;
    dc->DrawEdge(&line, EDGE_ETCHED, BF_TOP);
    fill(dc, bar, col);
    frame(dc, bar, col);
    return;
  }
  const bool selected = dis->itemState & ODS_SELECTED, grayed = dis->itemState & ODS_GRAYED;
  const bool checked = dis->itemState & ODS_CHECKED;
  const COLORREF sel = ::GetSysColor(COLOR_HIGHLIGHT);
  const COLORREF selFill = LightenColor(sel, luna ? 0.7 : 0.85);
  const ItemIcon icon = iconOf(*this, rec, dis->itemState, true);
  const ItemImage& img = icon.image;
  bool threeD = false;
  int faded = -1, shadow = -1, disabledImage = -1;
  if (icon.hasImage && img.own) {
    threeD = img.index == 0 && xp_draw_3D_bitmaps && rec->m_effectImages && img.list->GetImageCount() > 3;
    if (threeD) faded = 1, shadow = 2, disabledImage = 3;
  } else if (icon.hasImage && xp_draw_3D_bitmaps && CanDraw3DImageList(img.index)) {
    threeD = true;
    faded = img.index + 1, shadow = img.index + 2, disabledImage = img.index + 3;
    CSingleLock guard(&WidgetDeck::sharedDataLock(), TRUE);  // the shared list's count
    if (disabledImage >= img.list->GetImageCount()) threeD = false;
  }
  if (selected) {
    fill(dc, item, selFill);
    frame(dc, item, sel);
  } else {
    fill(dc, item, back);
    fill(dc, bar, col);
    frame(dc, item, back);
    frame(dc, bar, col);
  }
  const int dy = std::max(0, (int)(0.5 + (item.Height() - m_iconY) / 2.0));
  const int dx = std::max(0, (int)(0.5 + (barWidth - m_iconX) / 2.0));
  CPoint pt(item.left + dx, item.top + dy);
  const CRect box(item.left + 1, item.top + 1, item.left + barWidth - 2, item.bottom - 1);
  if (icon.checkImage) {
    fill(dc, box, col);
    m_checkImages->Draw(dc, selected ? 1 : 0, pt, ILD_TRANSPARENT);
  } else if (icon.disabled) {
    if (threeD) {
      draw(img, dc, disabledImage, pt);
    } else {
      CBitmap bmp;
      if (GetBitmapFromImageList(dc, img.list, img.index, bmp)) {
        const COLORREF b = selected ? selFill : col;
        if (m_disableOldStyle) DitherBlt(dis->hDC, pt.x, pt.y, m_iconX, m_iconY, bmp, 0, 0, b);
        else DitherBlt2(dc, pt.x, pt.y, m_iconX, m_iconY, bmp, 0, 0, b);
      }
      if (selected) frame(dc, item, sel);
    }
  } else if (icon.selected) {
    if (checked) {
      fill(dc, box, LightenColor(sel, 0.55));
      frame(dc, box, sel);
      pt = CPoint(pt.x - 1, pt.y - 1);
    } else {
      fill(dc, box, selFill);
    }
    if (threeD && !checked) {
      draw(img, dc, shadow, CPoint(pt.x + 1, pt.y + 1));
      draw(img, dc, img.index, CPoint(pt.x - 1, pt.y - 1));
    } else {
      draw(img, dc, img.index, pt);
    }
  } else if (icon.hasImage && checked) {
    fill(dc, box, LightenColor(sel, 0.85));
    frame(dc, box, sel);
    draw(img, dc, img.index, CPoint(pt.x - 1, pt.y - 1));
  } else if (icon.hasImage) {
    fill(dc, box, col);
    frame(dc, box, col);
    draw(img, dc, threeD ? faded : img.index, pt);
  }
  if (checked && !img.list && !icon.checkImage) {
    // The grey tick belongs to the grayed item alone; the menu-wide switch stays the host's.
    COLORREF c = sel;
    DrawXPCheckmark(dc, box, itemCheckBitmap(m_hMenu, dis), c, selected,
                    grayed || m_indeterminateCheck != 0);
  }
  const CRect tr(item.left + barWidth + 8, item.top - 1, item.right, item.bottom - 1);
  const int oldMode = dc->SetBkMode(TRANSPARENT);
  COLORREF textColour = ::GetSysColor(COLOR_MENUTEXT);
  if (grayed) {
    textColour = ::GetSysColor(COLOR_GRAYTEXT);
    if (!luna && !selected) textColour = LightenColor(textColour, 0.4);
  }
  drawItemText(dc, rec, tr, textColour);
  dc->SetBkMode(oldMode);
}

// ---------------------------------------------------------------------------------------
// Check marks
// ---------------------------------------------------------------------------------------
void MpAppUiMenu::DrawCheckMark(CDC* dc, int x, int y, COLORREF colour, BOOL narrow) {
  CPen pen;
  pen.CreatePen(PS_SOLID, 0, colour);
  CPen* old = dc->SelectObject(&pen);
  static const int starts[7] = {2, 3, 4, 3, 2, 1, 0};
  const int length = narrow ? 2 : 3;
  for (int i = 0; i < 7; ++i) {
    dc->MoveTo(x + i, y + starts[i]);
    dc->LineTo(x + i, y + starts[i] + length);
  }
  dc->SelectObject(old);
}
void MpAppUiMenu::DrawRadioDot(CDC* dc, int x, int y, COLORREF colour) {
  CPen pen;
  pen.CreatePen(PS_SOLID, 0, colour);
  CBrush brush;
  brush.CreateSolidBrush(colour);
  CPen* oldPen = dc->SelectObject(&pen);
  CBrush* oldBrush = dc->SelectObject(&brush);
  dc->Ellipse(x, y, x + 6, y + 6);
  dc->SelectObject(oldBrush);
  dc->SelectObject(oldPen);
}
BOOL MpAppUiMenu::Draw3DCheckmark(CDC* dc, const CRect& rect, BOOL selected, HBITMAP checked,
                                  BOOL grey) {
  COLORREF face = ::GetSysColor(IsWinXPLuna() ? COLOR_3DFACE : COLOR_MENU);
  if (!selected) face = LightenColor(face, 0.6);
  dc->FillSolidRect(&rect, face);
  CRect edge = rect;
  if (IsNewShell()) dc->DrawEdge(&edge, BDR_SUNKENOUTER, BF_RECT);
  if (checked) DrawRadioDot(dc, rect.left + 5, rect.top + 4, ::GetSysColor(COLOR_MENUTEXT));
  else DrawCheckMark(dc, rect.left + 4, rect.top + 4, ::GetSysColor(grey ? COLOR_GRAYTEXT : COLOR_MENUTEXT));
  return TRUE;
}
BOOL MpAppUiMenu::DrawXPCheckmark(CDC* dc, const CRect& rect, HBITMAP checked, COLORREF& colour,
                                  BOOL selected, BOOL grey) {
  const int dx = std::max(0, (int)rect.Width() / 2 - 3), dy = std::max(0, (int)rect.Height() / 2 - 3);
  dc->FillSolidRect(&rect, LightenColor(colour, selected ? 0.55 : 0.85));
  dc->Draw3dRect(&rect, colour, colour);
  const int x = rect.left + dx, y = rect.top + dy;
  if (checked) DrawRadioDot(dc, x, y, ::GetSysColor(COLOR_MENUTEXT));
  else DrawCheckMark(dc, x, y, ::GetSysColor(grey ? COLOR_GRAYTEXT : COLOR_MENUTEXT), TRUE);
  return TRUE;
}

// ---------------------------------------------------------------------------------------
// Bitmap effects
// ---------------------------------------------------------------------------------------
BOOL MpAppUiMenu::GetBitmapFromImageList(CDC* dc, CImageList* il, int index, CBitmap& bmp) {
  CSingleLock guard(&WidgetDeck::sharedDataLock(), isSharedList(il));
  if (!dc || !il || !il->GetSafeHandle() || index < 0) return FALSE;
  HICON icon = il->ExtractIcon(index);
  if (!icon) return FALSE;
  CDC mem;
  BOOL ok = mem.CreateCompatibleDC(dc) && bmp.CreateCompatibleBitmap(dc, m_iconX, m_iconY);
  if (ok) {
    CBitmap* old = mem.SelectObject(&bmp);
    ok = ::DrawIconEx(mem.m_hDC, 0, 0, icon, m_iconX, m_iconY, 0,
                      ::GetSysColorBrush(COLOR_3DFACE), DI_NORMAL);
    mem.SelectObject(old);
  }
  ::DestroyIcon(icon);
  if (!ok) bmp.DeleteObject();
  return ok;
}
void MpAppUiMenu::GetFadedBitmap(CBitmap& bmp) {
  eachPixel(bmp, [](COLORREF p, COLORREF face) { return p == face ? p : LightenColor(p, 0.3); });
}
void MpAppUiMenu::GetShadowBitmap(CBitmap& bmp) {
  COLORREF shadow = ::GetSysColor(COLOR_3DSHADOW);
  if (!IsWinXPLuna()) shadow = LightenColor(shadow, 0.49);
  eachPixel(bmp, [shadow](COLORREF p, COLORREF face) { return p == face ? p : shadow; });
}
void MpAppUiMenu::GetDisabledBitmap(CBitmap& bmp, COLORREF background) {
  const COLORREF shadow = ::GetSysColor(COLOR_3DSHADOW);
  eachPixel(bmp, [=](COLORREF p, COLORREF face) {
    if (p == face) return background ? background : p;
    const int m = (GetRValue(p) + GetGValue(p) + GetBValue(p)) / 3;
    return LightenColor(shadow, m / 255.0);
  });
}
void MpAppUiMenu::GetTransparentBitmap(CBitmap& bmp) {
  const COLORREF face = ::GetSysColor(COLOR_3DFACE);
  BITMAP bm{};
  if (!bmp.GetSafeHandle() || !bmp.GetBitmap(&bm)) return;
  CDC mem;
  mem.CreateCompatibleDC(nullptr);
  CBitmap* old = mem.SelectObject(&bmp);
  const COLORREF grey = rendered(&mem, RGB(192, 192, 192));
  for (int x = 0; x < bm.bmWidth; ++x)
    for (int y = 0; y < bm.bmHeight; ++y)
      if (mem.GetPixel(x, y) == grey) mem.SetPixel(x, y, face);
  mem.SelectObject(old);
}

void MpAppUiMenu::DitherBlt(HDC hdcDest, int x, int y, int w, int h, HBITMAP hbm, int srcX,
                            int srcY, COLORREF background) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  } info{};
  info.header = {sizeof(BITMAPINFOHEADER), w, h, 1, 1, BI_RGB, 0, 0, 0, 0, 0};
  info.colours[1] = {255, 255, 255, 0};
  void* bits = nullptr;
  HBITMAP mono = ::CreateDIBSection(hdcDest, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                    &bits, nullptr, 0);
  if (!mono) return;
  HDC src = ::CreateCompatibleDC(hdcDest), mask = ::CreateCompatibleDC(hdcDest);
  HGDIOBJ oldSrc = ::SelectObject(src, hbm), oldMask = ::SelectObject(mask, mono);
  ::BitBlt(mask, 0, 0, w, h, src, srcX, srcY, SRCCOPY);
  RECT r{x, y, x + w, y + h};
  HBRUSH bg = ::CreateSolidBrush(background);
  ::FillRect(hdcDest, &r, bg);
  ::DeleteObject(bg);
  HBRUSH light = ::CreateSolidBrush(::GetSysColor(COLOR_3DHILIGHT));
  HGDIOBJ oldBrush = ::SelectObject(hdcDest, light);
  ::BitBlt(hdcDest, x + 1, y + 1, w, h, mask, 0, 0, kRopBrushWhereMaskBlack);
  HBRUSH dark = ::CreateSolidBrush(::GetSysColor(COLOR_3DSHADOW));
  ::SelectObject(hdcDest, dark);
  ::BitBlt(hdcDest, x, y, w, h, mask, 0, 0, kRopBrushWhereMaskBlack);
  ::SelectObject(hdcDest, oldBrush);
  ::DeleteObject(light);
  ::DeleteObject(dark);
  ::SelectObject(mask, oldMask);
  ::SelectObject(src, oldSrc);
  ::DeleteDC(mask);
  ::DeleteDC(src);
  ::DeleteObject(mono);
}

void MpAppUiMenu::DitherBlt2(CDC* dc, int x, int y, int w, int h, CBitmap& bmp, int srcX, int srcY,
                             COLORREF background) {
  CDC mem, maskDC;
  CBitmap mask;
  if (!mem.CreateCompatibleDC(dc) || !maskDC.CreateCompatibleDC(dc) ||
      !mask.CreateBitmap(w, h, 1, 1, nullptr))
    return;
  CBitmap* oldMem = mem.SelectObject(&bmp);
  CBitmap* oldMask = maskDC.SelectObject(&mask);
  ::PatBlt(maskDC.m_hDC, 0, 0, w, h, WHITENESS);
  mem.SetBkColor(::GetSysColor(COLOR_3DFACE));
  maskDC.BitBlt(0, 0, w, h, &mem, srcX, srcY, SRCCOPY);
  mem.SetBkColor(::GetSysColor(COLOR_3DHILIGHT));
  maskDC.BitBlt(0, 0, w, h, &mem, srcX, srcY, SRCPAINT);
  mem.FillSolidRect(0, 0, w, h, background);
  mem.SetBkColor(RGB(0, 0, 0));
  mem.SetTextColor(RGB(255, 255, 255));
  CBrush light, dark;
  light.CreateSolidBrush(::GetSysColor(COLOR_3DHILIGHT));
  dark.CreateSolidBrush(::GetSysColor(COLOR_3DSHADOW));
  CBrush* oldBrush = mem.SelectObject(&light);
  mem.BitBlt(0, 0, w, h, &maskDC, 0, 0, kRopBrushWhereMaskBlackOnBitmap);
  dc->BitBlt(x + 1, y + 1, w, h, &mem, 0, 0, SRCCOPY);
  mem.BitBlt(1, 1, w, h, &maskDC, 0, 0, kRopBrushWhereMaskBlackOnBitmap);
  mem.SelectObject(&dark);
  mem.BitBlt(0, 0, w, h, &maskDC, 0, 0, kRopBrushWhereMaskBlackOnBitmap);
  dc->BitBlt(x, y, w, h, &mem, 0, 0, SRCCOPY);
  mem.SelectObject(oldBrush);
  maskDC.SelectObject(oldMask);
  mem.SelectObject(oldMem);
}

void MpAppUiMenu::DitherBlt3(CDC* dc, int x, int y, int w, int h, CBitmap& bmp, COLORREF background) {
  GetDisabledBitmap(bmp, background);
  CDC mem;
  if (!mem.CreateCompatibleDC(dc)) return;
  CBitmap* old = mem.SelectObject(&bmp);
  dc->BitBlt(x, y, w, h, &mem, 0, 0, SRCCOPY);
  mem.SelectObject(old);
}

void MpAppUiMenu::ColorBitmap(CDC* dc, CBitmap& bmp, CSize bitmapSize, CSize iconSize,
                              COLORREF fillColour, COLORREF border, int hatchStyle) {
  const COLORREF background = ::GetSysColor(IsWinXPLuna() ? COLOR_3DFACE : COLOR_MENU);
  CDC mem;
  if (!mem.CreateCompatibleDC(dc) || !bmp.CreateCompatibleBitmap(dc, iconSize.cx, iconSize.cy)) return;
  CBitmap* old = mem.SelectObject(&bmp);
  CRect swatch(0, 0, bitmapSize.cx, bitmapSize.cy);
  if (bitmapSize != iconSize) {
    mem.FillSolidRect(0, 0, iconSize.cx, iconSize.cy, background);
    swatch.OffsetRect((iconSize.cx - bitmapSize.cx) / 2, (iconSize.cy - bitmapSize.cy) / 2);
  }
  CPen pen;
  pen.CreatePen(PS_SOLID, 1, border);
  CBrush brush;
  if (hatchStyle != -1) brush.CreateHatchBrush(hatchStyle, fillColour);
  else brush.CreateSolidBrush(fillColour);
  CPen* oldPen = mem.SelectObject(&pen);
  CBrush* oldBrush = mem.SelectObject(&brush);
  mem.Rectangle(&swatch);
  mem.SelectObject(oldBrush);
  mem.SelectObject(oldPen);
  mem.SelectObject(old);
}

// ---------------------------------------------------------------------------------------
// Adding to image lists
// ---------------------------------------------------------------------------------------
BOOL MpAppUiMenu::AddEffectImages(CImageList* il, int index) {
  MainWindowDC dc;
  CDC* pdc = CDC::FromHandle(dc.hdc());
  for (int effect = 0; effect < 3; ++effect) {
    CBitmap bmp;
    if (!GetBitmapFromImageList(pdc, il, index, bmp)) return FALSE;
    if (effect == 0) GetFadedBitmap(bmp);
    else if (effect == 1) GetShadowBitmap(bmp);
    else GetDisabledBitmap(bmp);
    if (il->Add(&bmp, ::GetSysColor(COLOR_3DFACE)) < 0) return FALSE;
  }
  return TRUE;
}

BOOL MpAppUiMenu::AddBitmapToImageList(CImageList* il, UINT resourceId, BOOL withEffects,
                                       BOOL* effectsAdded) {
  if (effectsAdded) *effectsAdded = FALSE;
  CSingleLock guard(&WidgetDeck::sharedDataLock(), isSharedList(il));  // a host may hand it in
  if (!il || !il->GetSafeHandle()) return FALSE;
  BOOL ok = FALSE;
  if (HBITMAP sys = LoadSysColorBitmap((int)resourceId)) {
    CBitmap bmp;
    bmp.Attach(sys);
    ok = il->Add(&bmp, MaskColour()) >= 0;
  } else {
    CBitmap bmp;
    if (bmp.LoadBitmap(resourceId)) {
      hicolor_bitmaps = 1;
      GetTransparentBitmap(bmp);
      ok = il->Add(&bmp, MaskColour()) >= 0;
    }
  }
  // Effect images follow a single source image only: a strip's images must keep their indices.
  if (ok && withEffects && IsLunaMenuStyle() && xp_draw_3D_bitmaps && il->GetImageCount() == 1) {
    const BOOL added = AddEffectImages(il, 0);
    if (effectsAdded) *effectsAdded = added;
  }
  return ok;
}

BOOL MpAppUiMenu::ImageListDuplicate(CImageList* source, int index, CImageList* target) {
  CSingleLock guard(&WidgetDeck::sharedDataLock(), isSharedList(source) || isSharedList(target));
  if (!source || !source->GetSafeHandle() || !target || index < 0) return FALSE;
  HICON icon = source->ExtractIcon(index);
  if (!icon) return FALSE;
  int cx = 0, cy = 0;
  ::ImageList_GetIconSize(source->GetSafeHandle(), &cx, &cy);
  target->DeleteImageList();
  BOOL ok = target->Create(cx, cy, ILC_COLORDDB | ILC_MASK, 1, 1) && target->Add(icon) >= 0;
  ::DestroyIcon(icon);
  if (ok && IsLunaMenuStyle() && xp_draw_3D_bitmaps) AddEffectImages(target, 0);
  return ok;
}

HBITMAP MpAppUiMenu::LoadSysColorBitmap(int resourceId) {
  LPCSTR name = MAKEINTRESOURCEA(resourceId);
  HINSTANCE hInst = AfxFindResourceHandle(name, RT_BITMAP);
  HRSRC hRsrc = hInst ? ::FindResourceA(hInst, name, RT_BITMAP) : nullptr;
  if (!hRsrc) {
    hInst = ::GetModuleHandleA(nullptr);
    hRsrc = ::FindResourceA(hInst, name, RT_BITMAP);
  }
  HGLOBAL hGlobal = hRsrc ? ::LoadResource(hInst, hRsrc) : nullptr;
  auto* header = hGlobal ? static_cast<LPBITMAPINFOHEADER>(::LockResource(hGlobal)) : nullptr;
  if (!header || ::SizeofResource(hInst, hRsrc) < sizeof(BITMAPINFOHEADER)) return nullptr;
  if (NumBitmapColors(header) != 16) return nullptr;
  return AfxLoadSysColorBitmap(hInst, hRsrc, FALSE);
}

WORD MpAppUiMenu::NumBitmapColors(LPBITMAPINFOHEADER header) {
  if (header->biClrUsed != 0) return (WORD)header->biClrUsed;
  switch (header->biBitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
  }
}

// ---------------------------------------------------------------------------------------
// Shared image list
// ---------------------------------------------------------------------------------------
int MpAppUiMenu::GlobalImageListOffset(int id) {
  CSingleLock guard(&WidgetDeck::sharedDataLock(), TRUE);
  for (INT_PTR i = 0; i < m_AllImagesID.GetSize(); ++i)
    if (m_AllImagesID[i] == id) return (int)i;
  return -1;
}
BOOL MpAppUiMenu::CanDraw3DImageList(int offset) {
  CSingleLock guard(&WidgetDeck::sharedDataLock(), TRUE);
  if (offset < 0 || offset + 2 >= m_AllImagesID.GetSize()) return FALSE;
  return m_AllImagesID[offset + 1] == m_AllImagesID[offset] &&
         m_AllImagesID[offset + 2] == m_AllImagesID[offset];
}

// The images are made first; the look-up of the id and the addition are then one step under the
// shared-data lock, so that two threads adding one command's image file it once.
int MpAppUiMenu::AddToGlobalImageList(CImageList* il, int xoffset, int id) {
  if (!il || !il->GetSafeHandle() || xoffset < 0) return -1;
  HICON icon = nullptr;
  {
    CSingleLock guard(&WidgetDeck::sharedDataLock(), TRUE);
    if (!m_AllImages.GetSafeHandle()) m_AllImages.Create(m_iconX, m_iconY, ILC_COLORDDB | ILC_MASK, 1, 1);
    icon = il->ExtractIcon(xoffset);  // a host may hand in the shared list
  }
  if (!icon) return -1;
  const bool effects = IsLunaMenuStyle() && xp_draw_3D_bitmaps;
  CBitmap images[3];
  if (effects) {
    MainWindowDC dc;
    CDC* pdc = CDC::FromHandle(dc.hdc());
    for (int i = 0; i < 3; ++i) GetBitmapFromImageList(pdc, il, xoffset, images[i]);
    GetFadedBitmap(images[0]);
    GetShadowBitmap(images[1]);
    GetDisabledBitmap(images[2]);
  }
  CSingleLock guard(&WidgetDeck::sharedDataLock(), TRUE);
  int result = GlobalImageListOffset(id);
  if (result >= 0) {
    m_AllImages.Replace(result, icon);
    if (effects && CanDraw3DImageList(result) && result + 3 < m_AllImages.GetImageCount()) {
      CImageList temp;
      temp.Create(m_iconX, m_iconY, ILC_COLORDDB | ILC_MASK, 3, 0);
      for (CBitmap& b : images) temp.Add(&b, ::GetSysColor(COLOR_3DFACE));
      for (int i = 0; i < 3; ++i) {
        HICON e = temp.ExtractIcon(i);
        if (e) {
          m_AllImages.Replace(result + 1 + i, e);
          ::DestroyIcon(e);
        }
      }
    }
  } else {
    result = m_AllImages.Add(icon);
    if (result >= 0) {
      m_AllImagesID.Add(id);
      if (effects)
        for (CBitmap& b : images)
          if (m_AllImages.Add(&b, ::GetSysColor(COLOR_3DFACE)) >= 0) m_AllImagesID.Add(id);
    }
  }
  ::DestroyIcon(icon);
  return result;
}
