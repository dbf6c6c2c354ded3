// Fuzz target: the code editor's document and keyword table. Input: a settings byte, a wrap
// byte, eight bytes of four edits, then keywords separated by blanks up to a NUL byte, then the
// text (typed, pasted or loaded). The text is coloured in one pass, its words are scanned and its
// keywords looked up; it is loaded as it is or wrapped (soft breaks), coloured line by line (as in
// one pass), edited (block-comment delimiters, line breaks, keywords, deletions), searched, undone
// and redone, and each time the document's colours are those of one pass over its text and the
// wrapped text reads back as it was.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "MpAppUiEdit.h"

namespace {

const size_t kHeader = 10;

// The document's rule of a word, written out plainly.
bool IsWord(unsigned char c) { return std::isalnum(c) || c == '_' || c == '\'' || c >= 0x80; }

// The word scan finds every word whole, and nothing between words.
void CheckWords(const char* text, size_t length) {
  std::string line;
  for (size_t i = 0; i <= length; ++i) {
    if (i < length && text[i] != 0 && text[i] != '\n') {
      line += text[i];
      continue;
    }
    char* p = &line[0];
    int len = -1;
    for (char* w; (w = SECEdit::GetNextWord(p, &len)) != nullptr; p = w + len) {
      if (len < 1) std::abort();
      for (char* q = p; q < w; ++q)
        if (IsWord((unsigned char)*q)) std::abort();
      for (char* q = w; q < w + len; ++q)
        if (!IsWord((unsigned char)*q)) std::abort();
      if (IsWord((unsigned char)w[len])) std::abort();
    }
    for (; *p; ++p)
      if (IsWord((unsigned char)*p)) std::abort();
    line.clear();
  }
}

// Every keyword that is one word is found standing alone, in its own colour when the lookup is
// case-sensitive.
void CheckKeywords(MpAppUiEdit& doc, const std::vector<std::string>& words, const std::map<std::string, OECOLOR>& colours) {
  for (const std::string& w : words) {
    if (w.size() > 259) continue;  // compared on its first 259 characters only
    bool oneWord = true;
    for (char c : w) oneWord = oneWord && IsWord((unsigned char)c);
    std::string upper = w;
    for (char& c : upper) c = SECEdit::FoldCase(c);
    // Caseless, a word the table does not hold (a long one, or one of a crowded table) is looked
    // up in the map upper-cased.
    if (!oneWord || (!doc.m_bCaseSensitive && (w.size() >= 23 || words.size() > 1024) && upper != w)) continue;
    std::string text = " " + w + " ";
    char* p = &text[0];
    int s = 0, e = 0;
    if (doc.KeyWord(&p, &s, &e) != 1 || s != 1 || e != 1 + (int)w.size() || p != &text[1]) std::abort();
    if (doc.m_bCaseSensitive && doc.m_crColors[0] != colours.at(w)) std::abort();
  }
}

// The document colours each line as one pass over its text does.
void CheckColours(MpAppUiEdit& doc) {
  // A line may end with a carriage return of its own: one pass takes one off before a line feed.
  const std::string text = doc.GetText("\r\n");
  std::vector<OEColorRun> whole, line;
  doc.ColorText(text.data(), text.size(), whole);
  size_t next = 0;
  int lineStart = 0;
  for (int l = 0; l < doc.GetLineCount(); ++l) {
    doc.ColorLine(l, line);
    for (const OEColorRun& r : line) {
      if (next >= whole.size() || whole[next].nStart != r.nStart + lineStart ||
          whole[next].nEnd != r.nEnd + lineStart || whole[next].crColor != r.crColor)
        std::abort();
      ++next;
    }
    lineStart += (int)doc.GetLine(l).size() + 2;
  }
  if (next != whole.size()) std::abort();
}

// The text as the editor reads it back: the breaks a wrap made go, the text's own stay.
std::string ReadBack(const SECEdit& doc) {
  std::string out;
  for (int l = 0; l < doc.GetLineCount(); ++l) {
    out += doc.GetLine(l);
    if (l + 1 < doc.GetLineCount() && !doc.IsSoftBreak(l)) out += '\n';
  }
  return out;
}

// Loads the text wrapped, as the editor control loads it: each of its lines broken into pieces
// (here of the column's width), the breaks between the pieces soft. One undo step.
void LoadWrapped(SECEdit& doc, const char* text, size_t length, size_t column) {
  doc.BeginGroup();
  OEPos end;
  size_t begin = 0;
  for (size_t i = 0; i <= length; ++i) {
    if (i < length && text[i] != '\n') continue;
    const size_t stop = i > begin && i < length && text[i - 1] == '\r' ? i - 1 : i;
    for (size_t at = begin; at < stop || at == begin; at += column) {
      if (at > begin) {
        doc.Insert(end, "\r\n", &end);
        doc.SetSoftBreak(end.nLine - 1, true);
      }
      doc.Insert(end, std::string(text + at, std::min(column, stop - at)), &end);
    }
    if (i < length) doc.Insert(end, "\r\n", &end);
    begin = i + 1;
  }
  doc.EndGroup();
}

// One edit at a place the input chooses: a block-comment delimiter, a line comment, a line break,
// an apostrophe, a keyword, or a deletion within a line or across lines.
void Edit(SECEdit& doc, unsigned char a, unsigned char b, const std::string& keyword) {
  const int line = (a >> 3) % doc.GetLineCount();
  const OEPos at(line, b % ((int)doc.GetLine(line).size() + 1));
  static const char* const kInserts[] = {"/*", "*/", "//", "\r\n", "'"};
  switch (a & 7) {
    case 5: doc.Insert(at, keyword); break;
    case 6: doc.Delete(at, OEPos(at.nLine, at.nOffset + 1 + (b >> 5))); break;
    case 7: doc.Delete(at, OEPos(at.nLine + 1 + (b >> 7), b >> 5)); break;
    default: doc.Insert(at, kInserts[a & 7]); break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < kHeader) return 0;
  const uint8_t settings = data[0];
  const size_t column = data[1] & 31;    // 0: not wrapped
  const int coloured = data[1] >> 5;     // lines coloured after each edit, as a window shows them
  const uint8_t* edits = data + 2;
  const uint8_t* p = data + kHeader;
  const uint8_t* end = data + size;
  const uint8_t* nul = static_cast<const uint8_t*>(std::memchr(p, 0, size - kHeader));
  const uint8_t* textStart = nul ? nul + 1 : end;
  std::vector<std::string> words(1);
  for (const uint8_t* q = p; q < (nul ? nul : end); ++q) {
    if (*q == ' ' || *q == '\n') {
      if (!words.back().empty()) words.emplace_back();
    } else {
      words.back() += static_cast<char>(*q);
    }
  }
  if (words.back().empty()) words.pop_back();

  MpAppUiEdit doc;
  doc.m_bCaseSensitive = settings & 1;
  if (settings & 2) std::strcpy(doc.m_szLineComment2, "!");
  // Operator bytes of the settings' choosing: a few, or more than are compared at once.
  if (settings & 4)
    for (int c = 0x21; c < 0x100; c += settings & 8 ? 3 : 29) doc.m_charClass[0][c] = static_cast<uint32_t>(c);
  const OECOLOR op = doc.m_crColors[1];
  // Two colours, so that a lookup that finds the wrong keyword shows.
  std::map<std::string, OECOLOR> colours;
  for (size_t i = 0; i < words.size(); ++i) colours[words[i]] = i % 2 ? 0x0000AA : 0x00AA00;
  doc.addKeyWords(colours);
  doc.initKeyWordMap();
  CheckKeywords(doc, words, colours);

  // One pass over a text that is not NUL-ended: a read past it is caught.
  const size_t length = static_cast<size_t>(end - textStart);
  char* text = static_cast<char*>(std::malloc(length ? length : 1));
  if (length) std::memcpy(text, textStart, length);
  CheckWords(text, length);
  std::vector<OEColorRun> runs;
  doc.ColorText(text, length, runs);
  for (const OEColorRun& r : runs)
    if (r.nStart < 0 || r.nEnd < r.nStart || static_cast<size_t>(r.nEnd) > length) std::abort();
  // Byte by byte: outside the other runs every operator byte, and only those, is in an operator
  // run, and adjacent operators share one run.
  std::vector<char> covered(length, 0);
  for (size_t i = 0; i < runs.size(); ++i) {
    const OEColorRun& r = runs[i];
    for (int b = r.nStart; b < r.nEnd; ++b) covered[(size_t)b] = r.crColor == op ? 'o' : 'x';
    if (r.crColor == op && i > 0 && runs[i - 1].crColor == op && runs[i - 1].nEnd == r.nStart) std::abort();
  }
  for (size_t b = 0; b < length; ++b)
    if (covered[b] != 'x' && (covered[b] == 'o') != doc.IsOperator(static_cast<unsigned char>(text[b])))
      std::abort();

  // Line by line the document colours the same text alike, offsets aside.
  doc.SetText(text, length);
  std::vector<OEColorRun> lineRuns;
  size_t next = 0, lineStart = 0;
  for (int line = 0; line < doc.GetLineCount(); ++line) {
    doc.ColorLine(line, lineRuns);
    for (const OEColorRun& r : lineRuns) {
      if (next >= runs.size() || runs[next].nStart != r.nStart + (int)lineStart ||
          runs[next].nEnd != r.nEnd + (int)lineStart || runs[next].crColor != r.crColor)
        std::abort();
      ++next;
    }
    const void* nl = std::memchr(text + lineStart, '\n', length - lineStart);
    lineStart = nl ? (size_t)(static_cast<const char*>(nl) - text) + 1 : length;
  }
  if (next != runs.size()) std::abort();

  // Loaded or wrapped, the text reads back as it is, line ends as line feeds.
  std::string expected;
  for (size_t i = 0; i < length; ++i)
    if (!(text[i] == '\r' && i + 1 < length && text[i + 1] == '\n')) expected += text[i];
  if (column) {
    doc.SetText("", 0);
    LoadWrapped(doc, text, length, column);
  }
  if (ReadBack(doc) != expected) std::abort();
  std::free(text);
  const int loaded = doc.m_nUndoPos;

  // Edits, with some lines coloured in between as a window paints them; their colours then are
  // those of one pass, whatever the edits did to the block comments. Undone, the text is back
  // with its soft breaks; redone, it is as edited.
  for (int k = 0; k < 4; ++k) {
    Edit(doc, edits[2 * k], edits[2 * k + 1], words.empty() ? std::string("x") : words[(size_t)k % words.size()]);
    for (int l = 0; l < coloured && l < doc.GetLineCount(); ++l) doc.ColorLine(l, lineRuns);
  }
  CheckColours(doc);
  const std::string edited = ReadBack(doc);
  OESearch search;
  search.strFind = words.empty() ? std::string("a") : words.back();
  search.nFlags = settings & (OE_FIND_MATCHCASE | OE_FIND_WHOLEWORD | OE_FIND_BACKWARD);
  OEPos from = doc.Clamp(OEPos(doc.GetLineCount() / 2, 0)), to;
  doc.Find(&from, &to, search);
  while (doc.m_nUndoPos > loaded && doc.Undo()) {}
  if (ReadBack(doc) != expected) std::abort();
  CheckColours(doc);
  while (doc.Redo()) {}
  if (ReadBack(doc) != edited) std::abort();
  CheckColours(doc);
  while (doc.Undo()) {}
  doc.GetRange(OEPos(0, 0), doc.Clamp(OEPos(1 << 20, 1 << 20)));
  return 0;
}
