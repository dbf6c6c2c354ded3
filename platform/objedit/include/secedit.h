// The edit control's document: lines of 8-bit text, editing with undo and redo, search, and
// the colouring of a line word by word. Plain C++ without Windows headers, so that it also
// builds natively (tests, fuzzing, benchmarks); the window (seceditctrl.h) draws what it says.
#pragma once

#include "oeexport_.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A colour as 0x00BBGGRR (the same bits as a Windows COLORREF).
typedef std::uint32_t OECOLOR;

// A place in the document: line number (from 0) and byte offset in that line.
struct OBJEDIT_API OEPos {
  int nLine = 0;
  int nOffset = 0;
  OEPos() = default;
  OEPos(int line, int offset) : nLine(line), nOffset(offset) {}
  bool operator==(const OEPos& o) const { return nLine == o.nLine && nOffset == o.nOffset; }
  bool operator!=(const OEPos& o) const { return !(*this == o); }
  bool operator<(const OEPos& o) const {
    return nLine < o.nLine || (nLine == o.nLine && nOffset < o.nOffset);
  }
};

// A coloured stretch of a line (or of a whole text): [nStart, nEnd) in colour crColor.
// Text in the plain colour has no run.
struct OEColorRun {
  int nStart;
  int nEnd;
  OECOLOR crColor;
  bool operator==(const OEColorRun& o) const {
    return nStart == o.nStart && nEnd == o.nEnd && crColor == o.crColor;
  }
};

// What Find looks for.
enum : unsigned {
  OE_FIND_MATCHCASE = 0x8,   // compare case-sensitively
  OE_FIND_WHOLEWORD = 0x10,  // only a whole word matches
  OE_FIND_BACKWARD = 0x40,   // search towards the start of the document
};
struct OBJEDIT_API OESearch {
  std::string strFind;
  unsigned nFlags = 0;
};

// The keyword table: 2048 slots of 32 bytes; a slot holds its word from byte 0 (NUL-ended,
// an empty slot starts with 0) and its colour at byte 28 (0xFFFFFFFF = not looked up yet).
enum { OE_NAMETABLE_SLOTS = 2048, OE_NAMETABLE_SLOTSIZE = 32, OE_NAMETABLE_BYTES = 65536,
       OE_NAMETABLE_WORDMAX = 27, OE_COLOR_UNKNOWN = -1 };

class OBJEDIT_API SECEdit {
public:
  SECEdit();
  SECEdit(const SECEdit&) = delete;
  SECEdit& operator=(const SECEdit&) = delete;

  // ---- overridable state (the order of these virtuals is the library's) ----
  virtual int GetModified();
  virtual void SetModified(int bModified);
  virtual void SetFileLocking(int bLock);
  virtual int GetFileLocking();
  virtual void SetReadOnly(int bReadOnly);
  virtual int GetReadOnly();
  virtual void SetWordWrap(int bWrap);
  virtual int GetWordWrap();
  virtual void SetInsertMode(int bInsert);
  virtual int GetInsertMode();
  virtual void SetTabSize(int nSize);
  virtual int GetTabSize();
  virtual const char* CommentStart();
  virtual const char* CommentEnd();
  // The next keyword at or after *text: 1 with *start/*end its offsets from the entry value of
  // *text, *text moved to it and m_crKeyword its colour; 0 when there is none.
  virtual int KeyWord(char** text, int* start, int* end);
  // Builds the keyword table when it is missing; 0 when there is still none.
  virtual int GetKeyWords();
  // Whether the line starts inside a block comment (state carried from the lines above).
  virtual int _InComment(int nLine);
  virtual int InComment(int nLine);
  // Forgets the colouring state (after the colours or the delimiters changed).
  virtual void InitChroma();
  virtual ~SECEdit();

  // ---- keyword table ----
  static void BuildNameTable(char* table, const char* words);
  static int GetHashValue(const char* word, int length);
  // The case fold of the hash and of caseless keyword lookups: ASCII letters to upper case, every
  // other byte as it is (a letter of 0x80 and more matches only itself).
  static char FoldCase(char c) {
    // Without a branch: the keyword scan folds every byte of every word it looks up.
    const unsigned char u = (unsigned char)c;
    return (char)(u - ((unsigned)(u - 'a') < 26u ? 'a' - 'A' : 0));
  }
  // The next word at or after text (letters, digits, '_', '\'', bytes >= 0x80); null at the end
  // of the line (its NUL).
  static char* GetNextWord(char* text, int* length);
  // The scan behind GetNextWord, inline for the keyword search, which meets every word of a
  // text: the next word's start, with *end behind it and *quotes (when asked for) the number of
  // apostrophes in it; null at the end of the line.
  static char* ScanWord(char* text, char** end, int* quotes = nullptr) {
    const unsigned char* const kind = s_words.kind;
    char* p = text;
    while (!kind[(unsigned char)*p]) ++p;
    if (kind[(unsigned char)*p] == kLineEnd) return nullptr;
    char* const word = p;
    int n = 0;
    for (unsigned k; (k = kind[(unsigned char)*p]) & kWordByte; ++p) n += k >> 1;
    if (quotes) *quotes = n;
    *end = p;
    return word;
  }

  // ---- text ----
  int GetLineCount() const { return (int)m_lines.size(); }
  const std::string& GetLine(int nLine) const { return m_lines[(size_t)nLine]; }
  // Replaces the whole text; lines end at "\r\n" or "\n". False when read-only.
  bool SetText(const char* text, size_t length);
  std::string GetText(const char* eol = "\r\n") const;
  std::string GetRange(OEPos from, OEPos to) const;
  // Whether the break after the line is a soft one (set by a wrap, not by the text). The mark
  // stays with its line through edits, undo and redo; a break typed or inserted is hard.
  bool IsSoftBreak(int nLine) const;
  void SetSoftBreak(int nLine, bool bSoft);
  // Edits; each returns false (changing nothing) on a read-only document. Positions are
  // clamped into the text. Insert gives the position after the inserted text in *end.
  bool Insert(OEPos at, const std::string& text, OEPos* end = nullptr);
  bool Delete(OEPos from, OEPos to);
  // Groups the edits until EndGroup into one undo step.
  void BeginGroup();
  void EndGroup();
  bool CanUndo() const { return m_nUndoPos > 0; }
  bool CanRedo() const { return m_nUndoPos < (int)m_undo.size(); }
  // The position of the change, or false when there is nothing to undo/redo or read-only.
  bool Undo(OEPos* where = nullptr);
  bool Redo(OEPos* where = nullptr);
  OEPos Clamp(OEPos p) const;
  // Searches from *start (forward, or backward before it); found: non-zero, *start and *end
  // the match. The start's line number is the found line.
  int Find(OEPos* start, OEPos* end, const OESearch& search) const;

  // ---- colouring ----
  // The coloured runs of one line, in order, with the block-comment state carried from above.
  void ColorLine(int nLine, std::vector<OEColorRun>& runs);
  // The same colouring over a whole text in one pass (offsets into the text), without a
  // document: lines end at "\r\n" or "\n".
  void ColorText(const char* text, size_t length, std::vector<OEColorRun>& runs);
  bool IsOperator(unsigned char c) const { return m_charClass[0][c] == c && c != 0; }

  // ---- settings the document's owner writes (the library reads them while drawing) ----
  char m_szFontFace[32] = "Courier";
  int m_nFontHeight = 10;
  int m_nFontWeight = 400;
  int m_bFontItalic = 0;
  int m_nCharSet = 0;
  int m_nSetting[3] = {4, 1, 0};    // tab size, auto-indent, overwrite (0: insert)
  int m_bFlag[2] = {1, 1};          // m_bFlag[0]: chroma on; m_bFlag[1]: keywords ready
  int m_bCaseSensitive = 1;
  // 0 current keyword, 1 operators, 2 reserved, 3 comments, 4 text, 5 background.
  OECOLOR m_crColors[6] = {0xFF0000, 0x0000FF, 0x000080, 0x008000, 0x000000, 0xFFFFFF};
  std::uint32_t m_charClass[3][256] = {};
  char m_szLineComment[16] = "//";
  char m_szLineComment2[16] = "";
  char m_szBlockStart[16] = "/*";
  char m_szBlockEnd[16] = "*/";
  // Allocated with malloc by whoever builds it; the document frees it.
  char* m_pKeywordTable = nullptr;

  // Undo bookkeeping read by the editor's menu: records applied, records held.
  int m_nUndoPos = 0;
  int UndoCount() const { return (int)m_undo.size(); }

  // The number of ColorLine calls that had to compute a line (not served from the cache);
  // lets a test show that an edit recolours only what changed.
  long long m_nLinesColoured = 0;

protected:
  struct Record {
    bool bInsert;
    OEPos from;
    std::string text;
    int nGroup;
    // The soft marks of the breaks in text, as they were when it last left the document.
    std::vector<char> soft;
  };
  void Apply(Record& r, bool forward, OEPos* where);
  void RawInsert(OEPos at, const std::string& text, OEPos* end, const std::vector<char>* soft = nullptr);
  void RawDelete(OEPos from, OEPos to, std::vector<char>* soft = nullptr);
  void LinesChanged(int nFirst);
  void Push(Record r);
  // Colours [p, stop) of a line; *inBlock carries the block-comment state. The keyword
  // search may look beyond stop (into a text whose lines are not NUL-ended): a keyword found
  // there is kept in *ahead for the next call.
  struct Ahead { const char* at = nullptr; const char* from = nullptr; int len = 0; OECOLOR colour = 0; };
  void ColorSpan(char* line, int len, bool* inBlock, std::vector<OEColorRun>& runs, int base,
                 Ahead* ahead);
  void ColorPlain(char* p, char* stop, char* line, std::vector<OEColorRun>& runs, int base,
                  Ahead* ahead);
  // Notes the operator bytes (IsOperator) before a colouring pass, as m_charClass may have
  // changed since the last: m_opByte holds 1 for each; m_opChars holds each repeated 16 times
  // for comparing 16 bytes at once, unless there are more than kOpCharsMax (m_nOpChars counts
  // them all), when OperatorMask looks each byte up in m_opByte.
  void NoteOperators();
  // Bit i set where c[i] is an operator, for i < n <= 16; the bytes from `from` up to c may be
  // read too.
  std::uint32_t OperatorMask(const char* c, int n, const char* from) const;
  enum { kOpCharsMax = 16 };
  unsigned char m_opByte[256] = {};
  alignas(16) unsigned char m_opChars[kOpCharsMax][16] = {};
  int m_nOpChars = 0;

  std::vector<std::string> m_lines;
  std::vector<char> m_softBreak;  // per line: the break after it is soft
  std::vector<Record> m_undo;
  int m_nGroup = 0;
  int m_nGroupDepth = 0;
  int m_nNextGroup = 1;
  int m_bReadOnly = 0;
  int m_bWordWrap = 0;
  int m_bModified = 0;
  int m_bFileLocking = 0;
  // Block-comment state at the start of each line, valid for lines below m_nStateValid.
  std::vector<char> m_blockAtStart;
  int m_nStateValid = 0;
  // Colour cache of the lines, valid where m_runsValid is set.
  std::vector<std::vector<OEColorRun>> m_runs;
  std::vector<char> m_runsValid;

private:
  // What each byte is to ScanWord: a word's byte (the apostrophe marked as such, so that the
  // scan counts them as it goes), the NUL that ends a line (so that the search between words
  // needs one test a byte), or neither (0).
  enum : unsigned char { kWordByte = 1, kQuote = 2, kLineEnd = 4 };
  struct WordTable {
    unsigned char kind[256];
    WordTable();
  };
  static const WordTable s_words;
};
