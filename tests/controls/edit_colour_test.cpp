// Keyword colouring of the code editor's document: golden files (a source beside its expected
// colours), one-pass colouring of a whole text against line by line, CRLF against LF, and the
// keyword table's limits.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "MpAppUiEdit.h"

namespace {

std::string ReadFile(const std::string& name) {
  std::ifstream in(std::string(WD_CONTROLS_DATA) + "/" + name, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// A line's colours as letters: '.' text, 'o' operator, 'c' comment, 'A'/'B' keyword groups.
std::string Mask(const std::string& line, const std::vector<OEColorRun>& runs, int base = 0) {
  std::string mask(line.size(), '.');
  for (const OEColorRun& r : runs) {
    char c = r.crColor == 0x0000FF ? 'o' : r.crColor == 0x008000 ? 'c' : r.crColor == 0xAA0000 ? 'A'
           : r.crColor == 0x0000AA ? 'B' : '?';
    for (int i = r.nStart - base; i < r.nEnd - base; ++i)
      if (i >= 0 && i < (int)mask.size()) mask[(size_t)i] = c;
  }
  return mask;
}

struct RuleDoc : MpAppUiEdit {
  RuleDoc() {
    std::vector<std::string> a{"IF", "THEN", "ELSE", "ENDIF"};
    std::vector<std::string> b{"MILL", "'quoted IF text'", "THIS_IS_A_VERY_LONG_KEYWORD_NAME"};
    addKeyWords(a, 0xAA0000);
    addKeyWords(b, 0x0000AA);
    initKeyWordMap();
  }
  std::vector<std::string> Masks() {
    std::vector<std::string> out;
    std::vector<OEColorRun> runs;
    for (int l = 0; l < GetLineCount(); ++l) {
      ColorLine(l, runs);
      out.push_back(Mask(GetLine(l), runs));
    }
    return out;
  }
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::stringstream s(text);
  for (std::string l; std::getline(s, l);) out.push_back(l.empty() || l.back() != '\r' ? l : l.substr(0, l.size() - 1));
  return out;
}

TEST(EditColouring, GoldenLineByLineWholeTextAndLineEnds) {
  const std::string crlf = ReadFile("rule.src");
  ASSERT_FALSE(crlf.empty());
  std::string lf;
  for (char c : crlf)
    if (c != '\r') lf += c;

  RuleDoc doc;
  ASSERT_TRUE(doc.SetText(crlf.data(), crlf.size()));
  std::vector<std::string> masks = doc.Masks();
  masks.pop_back();  // the empty line after the last line end
  EXPECT_EQ(Lines(ReadFile("rule.colours")), masks);

  RuleDoc doc2;
  doc2.SetText(lf.data(), lf.size());
  EXPECT_EQ(doc.Masks(), doc2.Masks());

  // One pass over the whole text colours as line by line does, with either line end.
  for (const std::string* text : {&crlf, (const std::string*)&lf}) {
    std::vector<OEColorRun> whole, line;
    doc.ColorText(text->data(), text->size(), whole);
    std::vector<OEColorRun> expected;
    size_t at = 0;
    for (int l = 0; l < doc.GetLineCount(); ++l) {
      doc.ColorLine(l, line);
      for (OEColorRun r : line) expected.push_back({r.nStart + (int)at, r.nEnd + (int)at, r.crColor});
      at = text->find('\n', at);
      if (at == std::string::npos) break;
      ++at;
    }
    EXPECT_EQ(expected, whole);
  }
}

TEST(EditColouring, KeywordTableRules) {
  MpAppUiEdit doc;
  std::vector<std::string> words{"", "GOTO"};
  doc.addKeyWords(words, 0x00AA00);
  EXPECT_TRUE(doc.initKeyWordMap());  // the empty keyword is skipped, not an end of the list
  char text[] = "x GOTO y";
  char* p = text;
  int s = 0, e = 0;
  ASSERT_EQ(1, doc.KeyWord(&p, &s, &e));
  EXPECT_EQ(2, s);
  EXPECT_EQ(6, e);
  EXPECT_EQ(0x00AA00u, doc.m_crColors[0]);

  // Looking a colour up never makes a word a keyword.
  char other[] = "RAPID";
  EXPECT_EQ(0u, doc.GetColorRef(other));
  std::vector<std::string> all;
  doc.getKeyWords(all);
  EXPECT_EQ((std::vector<std::string>{"", "GOTO"}), all);

  // Added after the table was built: found only once it is built again.
  std::vector<std::string> late{"RAPID"};
  doc.addKeyWords(late, 0xAA0000);
  char t2[] = "RAPID";
  p = t2;
  EXPECT_EQ(0, doc.KeyWord(&p, &s, &e));
  doc.initKeyWordMap();
  p = t2;
  EXPECT_EQ(1, doc.KeyWord(&p, &s, &e));

  // Case-insensitive: long words match only upper-case keys; a 300-character word is
  // compared on its first 259.
  doc.m_bCaseSensitive = 0;
  std::vector<std::string> longs{"ABCDEFGHIJKLMNOPQRSTUVWXYZ", std::string(259, 'Q')};
  doc.addKeyWords(longs, 0x123456);
  doc.initKeyWordMap();
  std::string mixed = "abcdefghijklmnopqrstuvwxyz " + std::string(300, 'q');
  p = &mixed[0];
  ASSERT_EQ(1, doc.KeyWord(&p, &s, &e));
  EXPECT_EQ(0, s);
  p += e;
  ASSERT_EQ(1, doc.KeyWord(&p, &s, &e));
  EXPECT_EQ(301, e - s + 1);
  char gotoLower[] = "goto";
  p = gotoLower;
  EXPECT_EQ(1, doc.KeyWord(&p, &s, &e));

  // An empty map: no table entries, nothing found.
  doc.removeKeyWords();
  EXPECT_FALSE(doc.initKeyWordMap());
  p = gotoLower;
  EXPECT_EQ(0, doc.KeyWord(&p, &s, &e));
}

TEST(EditColouring, CaselessLookupFoldsAsciiLettersOnly) {
  // Keywords with letters of 0x80 and more (code page 1252), one served by the table and one by
  // the map: found as stored and with their ASCII letters in the other case; a letter of 0x80 and
  // more matches only itself.
  MpAppUiEdit doc;
  doc.m_bCaseSensitive = 0;
  const std::string longWord = "\xC4rger_mit_dem_langen_Schl\xFCssel";
  std::vector<std::string> words{"gr\xFCn", "\xC4RGER_MIT_DEM_LANGEN_SCHL\xFCSSEL"};
  doc.addKeyWords(words, 0x00AA00);
  doc.initKeyWordMap();
  const auto found = [&](std::string text) {
    char* p = &text[0];
    int s = 0, e = 0;
    return doc.KeyWord(&p, &s, &e) == 1 && s == 0 && e == (int)text.size();
  };
  EXPECT_TRUE(found("gr\xFCn"));
  EXPECT_TRUE(found("GR\xFCN"));
  EXPECT_FALSE(found("GR\xDCN"));
  EXPECT_TRUE(found(longWord));
  EXPECT_FALSE(found("\xE4rger_mit_dem_langen_Schl\xFCssel"));
  // Coloured where it stands in a line, as it is typed.
  doc.SetText("x = gr\xFCn;", 9);
  std::vector<OEColorRun> runs;
  doc.ColorLine(0, runs);
  EXPECT_EQ((std::vector<OEColorRun>{{2, 3, 0x0000FF}, {4, 8, 0x00AA00}}), runs);
}

TEST(EditColouring, CrowdedTableFallsBackToTheMap) {
  MpAppUiEdit doc;
  std::vector<std::string> words;
  for (int i = 0; i < 3000; ++i) words.push_back("K" + std::to_string(i));
  doc.addKeyWords(words, 0xAA0000);
  doc.initKeyWordMap();
  for (const char* w : {"K0", "K1500", "K2999"}) {
    std::string t = std::string("x ") + w;
    char* p = &t[0];
    int s = 0, e = 0;
    EXPECT_EQ(1, doc.KeyWord(&p, &s, &e)) << w;
  }
}

TEST(EditColouring, OnePassColoursEachLineOnItsOwn) {
  RuleDoc doc;
  // A NUL byte ends a keyword search within its line only; lines after it keep their keywords.
  // Keywords are found where they stand in the line, in either case mode.
  const std::string text("IF x\0 THEN\nMILL = 1 // ELSE\nENDIF", 33);
  std::vector<OEColorRun> runs;
  doc.ColorText(text.data(), text.size(), runs);
  EXPECT_EQ((std::vector<OEColorRun>{{0, 2, 0xAA0000}, {11, 15, 0x0000AA}, {16, 17, 0x0000FF}, {20, 27, 0x008000},
                                     {28, 33, 0xAA0000}}),
            runs);
  doc.m_bCaseSensitive = 0;
  const std::string lower = "endif mill then";
  doc.ColorText(lower.data(), lower.size(), runs);
  EXPECT_EQ((std::vector<OEColorRun>{{0, 5, 0xAA0000}, {6, 10, 0x0000AA}, {11, 15, 0xAA0000}}), runs);
}

TEST(EditColouring, OperatorRunsWhereverTheyFallInALine) {
  RuleDoc doc;
  // Lines shorter and longer than the stretches the colouring looks at together, so that runs of
  // adjacent operators start, end and go on across their edges; with the usual operators, and
  // with more operators than are compared at once.
  for (int many = 0; many < 2; ++many) {
    if (many)
      for (int c = 'a'; c <= 'z'; ++c) doc.m_charClass[0][c] = (std::uint32_t)c;
    for (int len : {1, 5, 15, 16, 17, 31, 32, 33, 47, 48, 64, 70}) {
      std::string line, expected;
      size_t groups = 0;
      for (int i = 0; i < len; ++i) {
        line += "x=+ y-*<>!^ zq"[(i * 7 + len) % 14];
        expected += doc.IsOperator((unsigned char)line.back()) ? 'o' : '.';
        if (expected.back() == 'o' && (i == 0 || expected[(size_t)i - 1] != 'o')) ++groups;
      }
      std::vector<OEColorRun> runs;
      doc.ColorText(line.data(), line.size(), runs);
      EXPECT_EQ(expected, Mask(line, runs)) << "length " << len << ", many " << many;
      EXPECT_EQ(groups, runs.size()) << "adjacent operators share one run; length " << len;
      doc.SetText(line.data(), line.size());
      EXPECT_EQ(std::vector<std::string>{expected}, doc.Masks()) << "length " << len << ", many " << many;
    }
  }
}

}  // namespace
