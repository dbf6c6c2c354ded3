// The code editor control under Wine, key by key as a host's message loop delivers them:
// typing, selection, clipboard, undo, shortcuts, wrap, read-only, completion, find and replace.
#include <afxwin.h>

#include "MpAppUiEditCntrl.h"
#include "MpAppUiEditField.h"
#include "MpHostData.h"
#include "MpUiResourceString.h"
#include "hosted.h"
#include "resource.h"

namespace {

// A host's loop: each message is offered to its window's PreTranslateMessage first.
void Pump() {
  MSG m;
  while (::PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    CWnd* w = CWnd::FromHandlePermanent(m.hwnd);
    if (w && w->PreTranslateMessage(&m)) continue;
    ::TranslateMessage(&m);
    ::DispatchMessageA(&m);
  }
}

void Modifiers(bool ctrl, bool shift = false, bool alt = false) {
  BYTE ks[256];
  ::GetKeyboardState(ks);
  ks[VK_CONTROL] = ctrl ? 0x80 : 0;
  ks[VK_SHIFT] = shift ? 0x80 : 0;
  ks[VK_MENU] = alt ? 0x80 : 0;
  ::SetKeyboardState(ks);
}

struct Editor : MpAppUiEditCntrl {
  using MpAppUiEditCntrl::complete;
  using MpAppUiEditCntrl::getKeywords;
};

class EditorTest : public HostedTest {
protected:
  CWinApp app{"WdEditorTest"};
  Editor ed;
  void SetUp() override {
    ASSERT_TRUE(wdtest::HostWindow()) << ::GetLastError();  // before the script player, which refuses windows it does not expect
    HostedTest::SetUp();
    BOOL ok = ed.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 200), CWnd::FromHandle(wdtest::HostWindow()), 100);
    ASSERT_TRUE(ok);
    ::ShowWindow(wdtest::HostWindow(), SW_SHOW);
    ed.SetFocus();
  }
  void TearDown() override {
    Modifiers(false);
    ed.DestroyWindow();
    Pump();
    HostedTest::TearDown();
  }
  void Key(UINT vk, bool ctrl = false, bool shift = false, bool alt = false) {
    Modifiers(ctrl, shift, alt);
    ::PostMessageA(ed.m_hWnd, WM_KEYDOWN, vk, 1);
    Pump();
    Modifiers(false);
  }
  void Type(const char* text) {
    for (; *text; ++text) {
      ::PostMessageA(ed.m_hWnd, WM_CHAR, (BYTE)*text, 1);
      Pump();
    }
  }
  std::string Text() {
    CString t;
    ed.GetWindowTextA(t);
    return (LPCSTR)t;
  }
  std::string Sel() { return (LPCSTR)ed.GetSelection(); }
};

TEST_F(EditorTest, TypingSelectionClipboardUndoAndReadOnly) {
  Type("abc def");
  Key(VK_LEFT, false, true);
  Key(VK_LEFT, false, true);
  Key(VK_LEFT, false, true);
  EXPECT_EQ("def", Sel());
  Key('C', true);
  Key(VK_END);
  Key('V', true);
  EXPECT_EQ("abc defdef", Text());
  Key('Z', true, false, true);  // AltGr+Z types, it does not undo
  EXPECT_EQ("abc defdef", Text());
  Key('Z', true);
  EXPECT_EQ("abc def", Text());
  Key('Y', true);
  EXPECT_EQ("abc defdef", Text());
  Key(VK_HOME);
  Key(VK_DELETE);
  Key(VK_BACK);  // nothing before the caret
  EXPECT_EQ("bc defdef", Text());
  Type("\r");
  Key(VK_UP);
  Type("x");
  EXPECT_EQ("x\r\nbc defdef", Text());

  // The context menu: texts from the resource module, greyed as the state says.
  CMenu menu;
  menu.CreatePopupMenu();
  ed.ExtendContextMenu(&menu);
  ASSERT_EQ(8, menu.GetMenuItemCount());
  EXPECT_EQ(0u, menu.GetMenuState(ID_EDIT_UNDO, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_NE(0u, menu.GetMenuState(ID_EDIT_CUT, MF_BYCOMMAND) & MF_GRAYED);  // no selection
  CString label;
  menu.GetMenuString(ID_OE_SELECTALL, label, MF_BYCOMMAND);
  EXPECT_EQ(getResourceString(IDS_EDIT_SELECT_ALL, "", "", "", ""), (LPCSTR)label);

  // Read-only: nothing changes the text, and the background is tinted.
  ed.setReadOnly(true);
  EXPECT_TRUE(ed.getReadOnly());
  EXPECT_EQ(0xD4E6ECu, ed.GetEdit()->m_crColors[5]);
  Key(VK_END, false, true);
  Type("zz\r");
  Key('X', true);
  Key('V', true);
  Key('Z', true);
  Key(VK_DELETE);
  EXPECT_EQ("x\r\nbc defdef", Text());
  ed.SetWindowTextA("set by the host");  // the host still sets the text
  EXPECT_EQ("set by the host", Text());
  EXPECT_TRUE(ed.getReadOnly());
}

TEST_F(EditorTest, WrapSetsBreaksAndReadsThemBack) {
  ed.GetEdit()->SetWordWrap(1);
  ed.m_nWrapColumn = 10;
  const char* text = "alpha beta gamma+delta_epsilonzeta\r\nsecond";
  ed.SetWindowTextA(text);
  const SECEdit* doc = ed.GetEdit();
  ASSERT_EQ(5, doc->GetLineCount());
  EXPECT_EQ("alpha beta ", doc->GetLine(0));  // after the last space up to the column
  EXPECT_EQ("gamma+", doc->GetLine(1));       // after an operator
  EXPECT_EQ("delta_epsi", doc->GetLine(2));   // hard at the column
  EXPECT_EQ("lonzeta", doc->GetLine(3));      // the text's own line end
  EXPECT_EQ("second", doc->GetLine(4));       // wrapped apart from the line above
  EXPECT_EQ(text, Text());                    // the text's own line end stays
  ed.SetCaret(OEPos(0, 0));
  Type("x");  // after an edit only the wrap's own breaks go
  EXPECT_EQ(5, doc->GetLineCount());
  EXPECT_EQ(std::string("x") + text, Text());
  // Joining two wrapped lines and undoing it brings the soft break back as it was.
  ed.SetCaret(OEPos(1, 0));
  Key(VK_BACK);
  EXPECT_EQ(4, doc->GetLineCount());
  Key('Z', true);
  EXPECT_EQ(5, doc->GetLineCount());
  EXPECT_EQ(std::string("x") + text, Text());
  Key('Y', true);
  Key('Z', true);
  EXPECT_EQ(std::string("x") + text, Text());

  // A line end at the wrap point, or with the wrap point between its CR and LF, stays whole.
  for (const char* t : {"abcdefghij\r\nxyz", "abcdefghi\r\nxyz", "abcdefghi\r\n\r\nxyz abcdefghijk"}) {
    ed.SetWindowTextA(t);
    EXPECT_EQ(t, Text());
    for (int i = 0; i < doc->GetLineCount(); ++i) EXPECT_EQ(std::string::npos, doc->GetLine(i).find('\r')) << t;
  }
  ed.m_nWrapColumn = 0;                       // no wrapping: the text is set as it is
  ed.SetWindowTextA("one two three four five");
  EXPECT_EQ(1, ed.GetEdit()->GetLineCount());
}

TEST_F(EditorTest, WrapWhileTypingMovesAWordOnlyWhenSomethingPrecedesIt) {
  ed.GetEdit()->SetWordWrap(1);
  const SECEdit* doc = ed.GetEdit();
  ed.m_nWrapColumn = 10;
  ed.SetWindowTextA("");
  Type("abcdefghijkl");  // one long word: broken at the column, no empty lines
  ASSERT_EQ(2, doc->GetLineCount());
  EXPECT_EQ("abcdefghij", doc->GetLine(0));
  EXPECT_EQ("kl", doc->GetLine(1));
  EXPECT_EQ("abcdefghijkl", Text());
  ed.SetWindowTextA("");
  Type("ab cdefgh");  // the word moves to a new line, once
  ASSERT_EQ(2, doc->GetLineCount());
  EXPECT_EQ("ab ", doc->GetLine(0));
  EXPECT_EQ("cdefgh", doc->GetLine(1));
  EXPECT_EQ("ab cdefgh", Text());
  ed.m_nWrapColumn = 3;  // a narrow column wraps, it does not split every keystroke
  ed.SetWindowTextA("");
  Type("abcde");
  ASSERT_EQ(2, doc->GetLineCount());
  EXPECT_EQ("abc", doc->GetLine(0));
  EXPECT_EQ("abcde", Text());
  ed.m_nWrapColumn = 0;  // no wrap at all
  ed.SetWindowTextA("");
  Type("abcdef");
  EXPECT_EQ(1, doc->GetLineCount());
}

TEST_F(EditorTest, CompletionProposesListsAcceptsAndWithdraws) {
  for (const char* w : {"gamma", "alpha", "alpine", "Alps", "beta"}) EXPECT_EQ(1, ed.AddKeyword(w));
  EXPECT_EQ(0, ed.AddKeyword("alpha"));
  EXPECT_EQ((std::vector<std::string>{"Alps", "alpha", "alpine", "beta", "gamma"}), ed.getKeywords());
  ed.CaseSensitive(0);
  EXPECT_EQ((std::vector<std::string>{"alpha", "alpine", "Alps", "beta", "gamma"}), ed.getKeywords());
  ed.CaseSensitive(1);

  // complete steps through the candidates and comes round to the first.
  CStringArray m;
  EXPECT_STREQ("ha", ed.complete("alp", "", m));
  EXPECT_EQ(2, m.GetSize());
  EXPECT_STREQ("ine", ed.complete("alp", "ha", m));
  EXPECT_STREQ("ha", ed.complete("alp", "ine", m));

  ed.Enable(0);
  Type("al");
  Key(VK_F8);
  EXPECT_FALSE(ed.CompletionList().GetSafeHwnd());
  ed.Enable(1);
  Key(VK_F8);
  EXPECT_EQ("alpha", Text());
  EXPECT_EQ("alpha", Sel());
  ASSERT_TRUE(ed.CompletionList().GetSafeHwnd());
  EXPECT_EQ(2, ed.CompletionList().GetCount());
  Key(VK_DOWN);  // moves in the list, not in the text
  EXPECT_EQ(1, ed.CompletionList().GetCurSel());
  ed.SendMessage(WM_COMMAND, MAKEWPARAM(2651, LBN_SELCHANGE), (LPARAM)ed.CompletionList().GetSafeHwnd());
  EXPECT_EQ("alpine", Text());
  Key(VK_ESCAPE);  // withdraws the proposal
  EXPECT_EQ("al", Text());

  // F8 again on what F8 completed offers the next candidate, and comes round to the first.
  Key(VK_F8);
  EXPECT_EQ("alpha", Text());
  // The list stands under the word's start, just below the line.
  CRect list;
  ed.CompletionList().GetWindowRect(&list);
  CPoint under(ed.m_nLeftMargin - ed.m_nLeftCol * ed.m_nCharWidth, ed.m_nLineHeight);
  ed.ClientToScreen(&under);
  EXPECT_EQ(under, list.TopLeft());
  Key(VK_F8);
  EXPECT_EQ("alpine", Text());
  EXPECT_EQ("alpine", Sel());
  EXPECT_EQ(1, ed.CompletionList().GetCurSel());
  ed.CompletionList().GetWindowRect(&list);
  EXPECT_EQ(under, list.TopLeft());
  Key(VK_F8);
  EXPECT_EQ("alpha", Text());
  Key(VK_ESCAPE);  // the word typed comes back
  EXPECT_EQ("al", Text());

  // Near the bottom of the work area the list is moved up by its own height.
  RECT work;
  ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
  CRect host;
  ::GetWindowRect(wdtest::HostWindow(), &host);
  ::SetWindowPos(wdtest::HostWindow(), nullptr, host.left, work.bottom - 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Key(VK_F8);
  ed.CompletionList().GetWindowRect(&list);
  under = CPoint(ed.m_nLeftMargin - ed.m_nLeftCol * ed.m_nCharWidth, ed.m_nLineHeight);
  ed.ClientToScreen(&under);
  EXPECT_EQ(under.y - 3 * ed.CompletionList().GetItemHeight(0), list.top);  // two matches and a row
  ::SetWindowPos(wdtest::HostWindow(), nullptr, host.left, host.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Key(VK_ESCAPE);
  EXPECT_EQ("al", Text());
  EXPECT_FALSE(ed.CompletionList().GetSafeHwnd());

  // Left drops the proposal without touching the clipboard.
  ed.SetWindowTextA("kept");
  ed.SelectAll(1);
  Key('C', true);
  ed.SetWindowTextA("");
  Type("ga");
  Key(VK_F8);
  Key(VK_LEFT);
  Key('V', true);
  EXPECT_EQ("gkepta", Text());

  ed.SetWindowTextA("");
  Type("ga");
  Key(VK_F8);
  Key(VK_TAB);  // accepts
  EXPECT_EQ("gamma", Text());
  EXPECT_FALSE(ed.CompletionList().GetSafeHwnd());

  // A trigger after a word opens the list of that prefix; the host's words stay.
  std::string obj = "OBJ";
  std::vector<std::string> members{"width", "depth"};
  ed.addIntellisenseWords(obj, members);
  ed.activateIntellisense('.', 0, 0);
  ed.SetWindowTextA("");
  Type("OBJ.");
  EXPECT_EQ("OBJ.depth", Text());
  EXPECT_EQ(2, ed.CompletionList().GetCount());
  Type("w");  // a letter moves the list to the next entry starting with it
  EXPECT_EQ("OBJ.width", Text());
  Key(VK_TAB);
  Type("%");  // not a letter: ends nothing special, types itself
  EXPECT_EQ("OBJ.width%", Text());
  EXPECT_EQ(5u, ed.getKeywords().size());
  // A trigger after a word that has no list: F8 still finds the host's own words.
  ed.SetWindowTextA("");
  Type("xyz.be");
  EXPECT_EQ("xyz.be", Text());
  Key(VK_F8);
  EXPECT_EQ("xyz.beta", Text());
  Key(VK_TAB);
  EXPECT_FALSE(ed.ResetDictionary("OBJ.xy"));
  EXPECT_FALSE(ed.ResetDictionary("A.OBJ."));
  EXPECT_TRUE(ed.ResetDictionary("ABCDEF.OBJ."));
  EXPECT_EQ(5u, ed.getKeywords().size());
}

TEST_F(EditorTest, DictionaryStaysSortedUnderTheActiveComparisonWithoutDuplicates) {
  ed.CaseSensitive(0);
  std::vector<std::string> added;
  for (int i = 0; i < 500; ++i) {  // many words in no order, with case variants and repeats
    const std::string w = std::string(1, (char)((i % 2 ? 'a' : 'A') + (i * 7) % 26)) + std::to_string((i * 37) % 101);
    const bool fresh = std::find(added.begin(), added.end(), w) == added.end();
    EXPECT_EQ(fresh ? 1 : 0, ed.AddKeyword(w)) << w;
    if (fresh) added.push_back(w);
    EXPECT_TRUE(ed.IsKeyword(w));
  }
  EXPECT_EQ(0, ed.AddKeyword(""));
  std::vector<std::string> expected = added;
  std::stable_sort(expected.begin(), expected.end(),
                   [](const std::string& a, const std::string& b) { return _stricmp(a.c_str(), b.c_str()) < 0; });
  EXPECT_EQ(expected, ed.getKeywords());
  // Words added after a read are merged in their places; exact duplicates only are refused.
  EXPECT_EQ(1, ed.AddKeyword("a0x"));
  EXPECT_EQ(1, ed.AddKeyword("A0X"));
  EXPECT_EQ(0, ed.AddKeyword("a0x"));
  EXPECT_FALSE(ed.IsKeyword("a0X"));
  ed.CaseSensitive(1);
  expected = ed.getKeywords();
  EXPECT_TRUE(std::is_sorted(expected.begin(), expected.end()));
  EXPECT_EQ(added.size() + 2, expected.size());
  CStringArray m;
  EXPECT_STREQ("X", ed.complete("A0", "", m));  // the binary search finds the merged words
}

TEST_F(EditorTest, ShortcutsFindAndReplace) {
  ed.SetWindowTextA("drill a hole; drill another hole");
  Key('H', true);
  OEFindDlg* dlg = ed.GetFindDlg();
  ASSERT_TRUE(dlg && dlg->GetSafeHwnd());
  dlg->SetDlgItemText(OEFindDlg::IDC_FIND, "drill");
  dlg->SetDlgItemText(OEFindDlg::IDC_REPLACE, "mill");
  dlg->SendMessage(WM_COMMAND, OEFindDlg::IDC_REPLACEALL, 0);
  EXPECT_EQ(2, dlg->m_nReplaced);
  EXPECT_EQ("mill a hole; mill another hole", Text());
  Key('Z', true);  // one step undoes the whole replacement
  EXPECT_EQ("drill a hole; drill another hole", Text());
  dlg->SendMessage(WM_COMMAND, IDCANCEL, 0);

  // F3 repeats the remembered search; Shift+F3 searches upwards.
  Key(VK_HOME);
  Key(VK_F3);
  EXPECT_EQ(0, ed.CaretLine());
  EXPECT_EQ("drill", Sel());
  Key(VK_F3);
  Key(VK_F3, false, true);
  EXPECT_EQ(0, app.GetProfileInt(getResourceString(22600, "", "", "", "").c_str(),
                                 getResourceString(22603, "", "", "", "").c_str(), 1));
}

TEST_F(EditorTest, FieldTakesNoLineBreak) {
  MpAppUiEditField field;
  ASSERT_TRUE(field.Create(WS_CHILD | WS_VISIBLE, CRect(0, 30, 200, 50), CWnd::FromHandle(wdtest::HostWindow()), 101));
  field.SetFocus();
  for (char c : std::string("a\rb")) {
    ::PostMessageA(field.m_hWnd, WM_CHAR, (BYTE)c, 1);
    Pump();
  }
  CString t;
  field.GetWindowTextA(t);
  EXPECT_STREQ("ab", t);
  EXPECT_EQ(0xFFFFFFu, field.GetGutterColor(0xFFFFFF) & 0xFFFFFF);
  field.DestroyWindow();
}

}  // namespace

namespace {

TEST_F(EditorTest, FieldValuesOfAHostNode) {
  MpHostData* data = MpHostData::create();
  MpHostFieldDef steps, tags;
  steps.name = "Steps", steps.type = MpHostFieldDouble, steps.dimension = 3;
  tags.name = "Tags", tags.type = MpHostFieldString, tags.dimension = 3;
  ASSERT_TRUE(data->customization()->addField("ToolAssembly", steps));
  ASSERT_TRUE(data->customization()->addField("ToolAssembly", tags));
  ZulObjectKey key = data->addNode("ToolAssembly", "Drill 8", ZulObjectKey(),
                                   {{"Diameter", "8"}, {"Steps", "1.5,2"}, {"Tags", "a,b"}});
  MpHostNode* node = data->node(key);
  ASSERT_TRUE(node);
  node->setField("Name", "Drill 8   ");
  struct Case {
    const char* field;
    const char* value;
    bool made, equal;
    const char* stored;
  } cases[] = {
      {"Diameter", " 8.00005 ", true, true, "8.00005"}, {"Diameter", "9", true, false, "9"},
      {"Diameter", "8mm", false, false, ""},            {"Name", "Drill 8", true, true, "Drill 8"},
      {"Steps", "1.5", true, true, "1.5"},              {"Steps", "1.5,2", false, false, ""},
      {"Tags", "a,b", true, true, "a,b"},               {"Tags", "a, b", true, false, "a, b"},
      {"Nothing", "1", false, false, ""},
  };
  for (const Case& c : cases) {
    std::string field = c.field, value = c.value;
    bool equal = !c.equal;
    IMpDataParameterSet* set = ed.getFieldValue(node, field, value, equal);
    EXPECT_EQ(c.made, set != nullptr) << c.field << " " << c.value;
    EXPECT_EQ(c.equal, equal) << c.field << " " << c.value;
    if (set) {
      EXPECT_EQ(c.stored, MpHostParameterValue(set, c.field));
      set->Release();
    }
  }
  data->Release();
}

}  // namespace

namespace {

// Words that begin with bytes of 0x80 and more (code page 1252): each case mode sorts them where
// its lookup searches, so the host's words, F8 and the prefix lists all still find every word.
TEST_F(EditorTest, CompletionFindsWordsBeyondAsciiInBothCaseModes) {
  const std::vector<std::string> words{"\xC4rger", "\xD6l", "\xDC" "ber", "\xE4hnlich", "\xF6" "de", "alpha", "Beta"};
  for (const std::string& w : words) EXPECT_EQ(1, ed.AddKeyword(w));
  auto complete = [&](const char* word, int count) {
    CStringArray m;
    const CString rest = ed.complete(word, "", m);
    EXPECT_EQ(count, m.GetSize()) << word;
    return std::string((LPCSTR)rest);
  };
  struct Completion { const char* word; int count; const char* rest; };
  const struct {
    int caseSensitive;
    std::vector<std::string> sorted;
    std::vector<Completion> completions;
  } modes[] = {
      {0, {"alpha", "Beta", "\xC4rger", "\xD6l", "\xDC" "ber", "\xE4hnlich", "\xF6" "de"},
       {{"AL", 1, "pha"}, {"b", 1, "eta"}, {"\xDC", 1, "ber"}, {"\xE4", 1, "hnlich"}}},  // only ASCII letters have cases
      {1, {"Beta", "alpha", "\xC4rger", "\xD6l", "\xDC" "ber", "\xE4hnlich", "\xF6" "de"},
       {{"al", 1, "pha"}, {"b", 0, ""}, {"\xF6", 1, "de"}}},
  };
  for (const auto& mode : modes) {
    ed.CaseSensitive(mode.caseSensitive);
    EXPECT_EQ(mode.sorted, ed.getKeywords()) << "case sensitive: " << mode.caseSensitive;
    for (const Completion& c : mode.completions)
      EXPECT_EQ(c.rest, complete(c.word, c.count)) << "case sensitive: " << mode.caseSensitive;
    ed.SetWindowTextA("");
    Type("al");
    Key(VK_F8);
    EXPECT_EQ("alpha", Text()) << "case sensitive: " << mode.caseSensitive;
    Key(VK_TAB);
  }

  // The working lists that a trigger takes are sorted for the lookup as well, in either mode:
  // one prefix's list, and all of them with the host's words.
  std::string obj = "OBJ";
  std::vector<std::string> members = words;
  ed.addIntellisenseWords(obj, members);
  for (int caseSensitive : {0, 1}) {
    ed.CaseSensitive(caseSensitive);
    EXPECT_FALSE(ed.ResetDictionary("OBJ.al"));
    EXPECT_EQ("pha", complete("al", 1));
    EXPECT_EQ("l", complete("\xD6", 1));
    EXPECT_TRUE(ed.ResetDictionary("al"));
    EXPECT_EQ("pha", complete("al", 2));  // the word twice, from two lists
    EXPECT_EQ("ber", complete("\xDC", 2));
  }
}

}  // namespace
