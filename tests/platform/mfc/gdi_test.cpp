// GDI objects and menus in the handle maps: owners, temporaries of the right kind, and who
// deletes the handle.
#include "wdtest.h"

TEST(Gdi, HandleMapsGiveOwnersOrTemporariesOfTheRightKind) {
  CFont font;
  ASSERT_TRUE(font.CreateFont(24, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH | FF_SWISS, "MS Sans Serif"));
  EXPECT_EQ(CGdiObject::FromHandle(font.m_hObject), &font);
  EXPECT_FALSE(font.CreateFont(10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "x"));  // holds one already

  HFONT loose = ::CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
  CGdiObject* any = CGdiObject::FromHandle(loose);
  EXPECT_TRUE(any->IsKindOf(RUNTIME_CLASS(CFont)));  // made for the handle's kind
  EXPECT_EQ(CFont::FromHandle(loose), any);
  AfxDeleteTempMap();
  // Idle time keeps the wrapper of a live handle, and no temporary deletes its handle.
  EXPECT_EQ(CGdiObject::FromHandle(loose), any);
  CFont adopted;
  EXPECT_TRUE(adopted.Attach(loose));
  EXPECT_EQ(CFont::FromHandle(loose), &adopted);
  EXPECT_EQ(adopted.Detach(), loose);
  EXPECT_NE(CFont::FromHandle(loose), &adopted);
  ::DeleteObject(loose);

  HFONT owned;
  {
    CFont scoped;
    ASSERT_TRUE(scoped.CreateFont(13, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma"));
    owned = scoped;
  }
  EXPECT_EQ(::GetObjectType(owned), 0u);  // the owner deleted its font
  CDC mem;
  ASSERT_TRUE(mem.CreateCompatibleDC(nullptr));
  EXPECT_EQ(CDC::FromHandle(mem.m_hDC), &mem);
}

TEST(Gdi, MenuTemporariesLeaveTheMenuToItsOwner) {
  CMenu bar, popup;
  ASSERT_TRUE(bar.CreateMenu());
  ASSERT_TRUE(popup.CreatePopupMenu());
  popup.AppendMenu(MF_STRING, 101, "Close");
  HMENU hPopup = popup.Detach();
  EXPECT_EQ(CMenu::FromHandlePermanent(hPopup), nullptr);
  bar.AppendMenu(MF_POPUP, (UINT_PTR)hPopup, "File");
  CMenu* sub = bar.GetSubMenu(0);
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(sub->m_hMenu, hPopup);
  CString text;
  EXPECT_EQ(sub->GetMenuString(0, text, MF_BYPOSITION), 5);
  EXPECT_STREQ(text, "Close");
  AfxDeleteTempMap();
  EXPECT_TRUE(::IsMenu(hPopup));  // temporaries leave the menu alone
  EXPECT_EQ(bar.GetSubMenu(0), sub);
  EXPECT_TRUE(bar.RemoveMenu(0, MF_BYPOSITION));
  EXPECT_TRUE(::IsMenu(hPopup));  // removed, not destroyed
  {
    CMenu owner;
    owner.Attach(hPopup);
  }
  EXPECT_FALSE(::IsMenu(hPopup));  // the owner destroyed it
}
