// Fuzz target: the code editor's document and keyword table. Input: a first byte of settings,
// then keywords separated by blanks up to a NUL byte, then the text (typed, pasted or loaded),
// which is coloured in one pass, loaded, coloured line by line (as in one pass), edited, searched
// and undone.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "MpAppUiEdit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const uint8_t settings = data[0];
  const uint8_t* p = data + 1;
  const uint8_t* end = data + size;
  const uint8_t* nul = static_cast<const uint8_t*>(std::memchr(p, 0, size - 1));
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
  doc.addKeyWords(words, 0x00AA00);
  doc.initKeyWordMap();

  // One pass over a text that is not NUL-ended: a read past it is caught.
  const size_t length = static_cast<size_t>(end - textStart);
  char* text = static_cast<char*>(std::malloc(length ? length : 1));
  if (length) std::memcpy(text, textStart, length);
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
  std::free(text);

  // Edits placed by the settings byte and the text's length, then searched, undone and redone.
  const int lines = doc.GetLineCount();
  const OEPos at(settings % (lines + 1), static_cast<int>(length % 7));
  OEPos after;
  doc.Insert(at, words.empty() ? std::string("x\r\ny") : words.front(), &after);
  doc.Delete(OEPos(0, 1), OEPos(lines / 2, 3));
  if (lines > 0) doc.ColorLine(lines - 1 < doc.GetLineCount() ? lines - 1 : 0, runs);
  OESearch search;
  search.strFind = words.empty() ? std::string("a") : words.back();
  search.nFlags = settings & (OE_FIND_MATCHCASE | OE_FIND_WHOLEWORD | OE_FIND_BACKWARD);
  OEPos from = doc.Clamp(OEPos(lines, 0)), to;
  doc.Find(&from, &to, search);
  while (doc.Undo()) {}
  doc.Redo();
  const std::string back = doc.GetText("\n");
  doc.GetRange(OEPos(0, 0), doc.Clamp(OEPos(1 << 20, 1 << 20)));
  (void)back;
  return 0;
}
