// The edit control's document without a window: undo and redo in groups, read-only refusal,
// search, and recolouring only what an edit changed.
#include <gtest/gtest.h>

#include "secedit.h"

namespace {

TEST(EditDocument, SoftBreakMarksStayWithTheirLinesThroughEditsUndoAndRedo) {
  SECEdit doc;
  doc.Insert(OEPos(), "aa\r\nbb\r\ncc");
  doc.SetSoftBreak(0, true);
  EXPECT_TRUE(doc.IsSoftBreak(0));
  EXPECT_FALSE(doc.IsSoftBreak(1));
  EXPECT_FALSE(doc.IsSoftBreak(2));  // the last line has no break
  doc.Insert(OEPos(0, 1), "x\r\ny");  // a typed break is hard; the soft one moves down
  EXPECT_FALSE(doc.IsSoftBreak(0));
  EXPECT_TRUE(doc.IsSoftBreak(1));
  doc.Delete(OEPos(1, 2), OEPos(2, 0));  // joined: the joined line takes the lower break
  EXPECT_EQ("ax\r\nyabb\r\ncc", doc.GetText());
  EXPECT_FALSE(doc.IsSoftBreak(1));
  doc.Undo();
  EXPECT_TRUE(doc.IsSoftBreak(1));
  doc.Undo();
  EXPECT_TRUE(doc.IsSoftBreak(0));
  doc.Redo();
  doc.Redo();
  doc.Undo();
  EXPECT_TRUE(doc.IsSoftBreak(1));
}

TEST(EditDocument, UndoRedoReadOnlyAndSearch) {
  SECEdit doc;
  doc.Insert(OEPos(), "one two\r\nthree");
  doc.BeginGroup();
  doc.Delete(OEPos(0, 3), OEPos(1, 0));
  doc.Insert(OEPos(0, 3), "-");
  doc.EndGroup();
  EXPECT_EQ("one-three", doc.GetText());
  EXPECT_TRUE(doc.Undo());  // the group at once
  EXPECT_EQ("one two\r\nthree", doc.GetText());
  EXPECT_TRUE(doc.Redo());
  EXPECT_EQ("one-three", doc.GetText());
  doc.Undo();
  doc.Insert(OEPos(1, 5), "!");  // a new edit drops what could be redone
  EXPECT_FALSE(doc.CanRedo());

  doc.SetReadOnly(1);
  EXPECT_FALSE(doc.Insert(OEPos(), "x"));
  EXPECT_FALSE(doc.Delete(OEPos(), OEPos(0, 3)));
  EXPECT_FALSE(doc.Undo());
  EXPECT_FALSE(doc.SetText("x", 1));
  EXPECT_EQ("one two\r\nthree!", doc.GetText());

  OEPos at(0, 0), end;
  OESearch s{"THREE", 0};
  ASSERT_TRUE(doc.Find(&at, &end, s));
  EXPECT_EQ(OEPos(1, 0), at);
  s.nFlags = OE_FIND_MATCHCASE;
  at = OEPos();
  EXPECT_FALSE(doc.Find(&at, &end, s));
  s = {"o", OE_FIND_BACKWARD};
  at = OEPos(1, 5);
  ASSERT_TRUE(doc.Find(&at, &end, s));
  EXPECT_EQ(OEPos(0, 6), at);
  s = {"tw", OE_FIND_WHOLEWORD};
  at = OEPos();
  EXPECT_FALSE(doc.Find(&at, &end, s));
}

TEST(EditDocument, AnEditRecoloursOnlyWhatItChanged) {
  SECEdit doc;
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "a = b + c\n";
  doc.SetText(text.data(), text.size());
  std::vector<OEColorRun> runs;
  for (int l = 0; l < doc.GetLineCount(); ++l) doc.ColorLine(l, runs);
  long long before = doc.m_nLinesColoured;
  doc.Insert(OEPos(500, 1), "x");
  for (int l = 0; l < doc.GetLineCount(); ++l) doc.ColorLine(l, runs);
  EXPECT_EQ(before + 1, doc.m_nLinesColoured);

  // Opening a block comment changes every line below it.
  doc.Insert(OEPos(997, 0), "/*");
  for (int l = 0; l < doc.GetLineCount(); ++l) doc.ColorLine(l, runs);
  EXPECT_EQ(before + 1 + 4, doc.m_nLinesColoured);
  doc.ColorLine(999, runs);
  EXPECT_EQ((std::vector<OEColorRun>{{0, 9, doc.m_crColors[3]}}), runs);
}

}  // namespace
