// The document of the edit control: text, undo, search and colouring. No Windows here.
#include "secedit.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Splits text at "\r\n" or "\n" into at least one line.
std::vector<std::string> SplitLines(const char* text, size_t length) {
  std::vector<std::string> lines;
  size_t begin = 0;
  for (size_t i = 0; i < length; ++i) {
    if (text[i] != '\n') continue;
    size_t end = (i > begin && text[i - 1] == '\r') ? i - 1 : i;
    lines.emplace_back(text + begin, end - begin);
    begin = i + 1;
  }
  lines.emplace_back(text + begin, length - begin);
  return lines;
}

bool StartsWith(const char* p, const char* end, const char* delim) {
  size_t n = std::strlen(delim);
  return n != 0 && (size_t)(end - p) >= n && std::memcmp(p, delim, n) == 0;
}

// Where byte c next occurs in [p, end), or end.
inline char* FindByte(char* p, char* end, char c) {
  void* at = std::memchr(p, c, (size_t)(end - p));
  return at ? static_cast<char*>(at) : end;
}

// Where delim next starts in [p, end), or end; its first byte is found by memchr.
char* FindDelim(char* p, char* end, const char* delim) {
  const size_t n = std::strlen(delim);
  if (n == 0) return end;
  while ((size_t)(end - p) >= n) {
    p = static_cast<char*>(std::memchr(p, delim[0], (size_t)(end - p) - n + 1));
    if (!p) return end;
    if (std::memcmp(p + 1, delim + 1, n - 1) == 0) return p;
    ++p;
  }
  return end;
}

// Appends a run written field by field in place: a run built aside and copied in costs a
// stalled load per run, and a line has many.
inline void AddRun(std::vector<OEColorRun>& runs, int start, int end, OECOLOR colour) {
  OEColorRun& r = runs.emplace_back();
  r.nStart = start;
  r.nEnd = end;
  r.crColor = colour;
}

}  // namespace

SECEdit::SECEdit() : m_lines(1), m_softBreak(1, 0), m_blockAtStart(1, 0), m_runs(1), m_runsValid(1, 0) {}

SECEdit::~SECEdit() { std::free(m_pKeywordTable); }

int SECEdit::GetModified() { return m_bModified; }
void SECEdit::SetModified(int bModified) { m_bModified = bModified; }
void SECEdit::SetFileLocking(int bLock) { m_bFileLocking = bLock; }
int SECEdit::GetFileLocking() { return m_bFileLocking; }
void SECEdit::SetReadOnly(int bReadOnly) { m_bReadOnly = bReadOnly ? 1 : 0; }
int SECEdit::GetReadOnly() { return m_bReadOnly; }
void SECEdit::SetWordWrap(int bWrap) { m_bWordWrap = bWrap ? 1 : 0; }
int SECEdit::GetWordWrap() { return m_bWordWrap; }
void SECEdit::SetInsertMode(int bInsert) { m_nSetting[2] = bInsert ? 0 : 1; }
int SECEdit::GetInsertMode() { return m_nSetting[2] == 0; }
void SECEdit::SetTabSize(int nSize) { m_nSetting[0] = nSize > 0 ? nSize : 4; }
int SECEdit::GetTabSize() { return m_nSetting[0]; }
const char* SECEdit::CommentStart() { return m_szBlockStart; }
const char* SECEdit::CommentEnd() { return m_szBlockEnd; }

void SECEdit::InitChroma() {
  m_nStateValid = 0;
  std::fill(m_runsValid.begin(), m_runsValid.end(), 0);
}

// ---------------------------------------------------------------------------------------
// Keyword table
// ---------------------------------------------------------------------------------------
int SECEdit::GetHashValue(const char* word, int length) {
  // Case-folded, so that a table built from any spelling serves case-insensitive lookups.
  std::uint32_t h = 2166136261u;
  for (int i = 0; i < length && word[i]; ++i) {
    h ^= (unsigned char)FoldCase(word[i]);
    h *= 16777619u;
  }
  return (int)((h ^ (h >> 11)) & (OE_NAMETABLE_SLOTS - 1));
}

void SECEdit::BuildNameTable(char* table, const char* words) {
  for (const char* w = words; *w; w += std::strlen(w) + 1) {
    int len = (int)std::strlen(w);
    if (len > OE_NAMETABLE_WORDMAX) continue;  // does not fit a slot
    int h = GetHashValue(w, len);
    for (int i = 0; i < OE_NAMETABLE_SLOTS; ++i) {
      char* slot = table + ((h + i) & (OE_NAMETABLE_SLOTS - 1)) * OE_NAMETABLE_SLOTSIZE;
      if (slot[0] && std::strcmp(slot, w) != 0) continue;
      std::memcpy(slot, w, (size_t)len + 1);
      std::int32_t unknown = OE_COLOR_UNKNOWN;
      std::memcpy(slot + 28, &unknown, 4);
      break;
    }
  }
}

SECEdit::WordTable::WordTable() : kind() {
  for (int c = 1; c < 256; ++c) kind[c] = std::isalnum(c) || c == '_' || c >= 0x80 ? kWordByte : 0;
  kind[(unsigned char)'\''] = kWordByte | kQuote;
  kind[0] = kLineEnd;
}
const SECEdit::WordTable SECEdit::s_words;

char* SECEdit::GetNextWord(char* text, int* length) {
  char* end = nullptr;
  char* word = ScanWord(text, &end);
  if (word) *length = (int)(end - word);
  return word;
}

int SECEdit::GetKeyWords() { return m_pKeywordTable != nullptr; }

int SECEdit::KeyWord(char** text, int* start, int* end) {
  if (!m_pKeywordTable && (!GetKeyWords() || !m_pKeywordTable)) return 0;
  char* p = *text;
  int len = 0;
  while (char* w = GetNextWord(p, &len)) {
    int h = GetHashValue(w, len);
    for (int i = 0; i < OE_NAMETABLE_SLOTS; ++i) {
      const char* slot = m_pKeywordTable + ((h + i) & (OE_NAMETABLE_SLOTS - 1)) * OE_NAMETABLE_SLOTSIZE;
      if (!slot[0]) break;
      if ((int)std::strlen(slot) == len &&
          (m_bCaseSensitive ? std::strncmp(slot, w, len) : strncasecmp(slot, w, len)) == 0) {
        *start = (int)(w - *text);
        *end = *start + len;
        *text = w;
        std::int32_t c;
        std::memcpy(&c, slot + 28, 4);
        if (c != OE_COLOR_UNKNOWN) m_crColors[0] = (OECOLOR)c;
        return 1;
      }
    }
    p = w + len;
  }
  return 0;
}

// ---------------------------------------------------------------------------------------
// Text and editing
// ---------------------------------------------------------------------------------------
OEPos SECEdit::Clamp(OEPos p) const {
  p.nLine = std::max(0, std::min(p.nLine, GetLineCount() - 1));
  p.nOffset = std::max(0, std::min(p.nOffset, (int)m_lines[(size_t)p.nLine].size()));
  return p;
}

bool SECEdit::SetText(const char* text, size_t length) {
  if (m_bReadOnly) return false;
  OEPos last(GetLineCount() - 1, (int)m_lines.back().size());
  BeginGroup();
  bool ok = Delete(OEPos(), last) && Insert(OEPos(), std::string(text, length));
  EndGroup();
  return ok;
}

std::string SECEdit::GetText(const char* eol) const {
  std::string out;
  for (size_t i = 0; i < m_lines.size(); ++i) {
    if (i) out += eol;
    out += m_lines[i];
  }
  return out;
}

std::string SECEdit::GetRange(OEPos from, OEPos to) const {
  from = Clamp(from);
  to = Clamp(to);
  if (to < from) std::swap(from, to);
  if (from.nLine == to.nLine)
    return m_lines[(size_t)from.nLine].substr((size_t)from.nOffset, (size_t)(to.nOffset - from.nOffset));
  std::string out = m_lines[(size_t)from.nLine].substr((size_t)from.nOffset);
  for (int l = from.nLine + 1; l < to.nLine; ++l) out += "\r\n" + m_lines[(size_t)l];
  return out + "\r\n" + m_lines[(size_t)to.nLine].substr(0, (size_t)to.nOffset);
}

bool SECEdit::IsSoftBreak(int nLine) const {
  return nLine >= 0 && nLine + 1 < GetLineCount() && m_softBreak[(size_t)nLine];
}
void SECEdit::SetSoftBreak(int nLine, bool bSoft) {
  if (nLine >= 0 && nLine + 1 < GetLineCount()) m_softBreak[(size_t)nLine] = bSoft ? 1 : 0;
}

void SECEdit::LinesChanged(int nFirst) {
  m_nStateValid = std::min(m_nStateValid, nFirst + 1);
  m_runsValid[(size_t)nFirst] = 0;
  m_bModified = 1;
}

void SECEdit::RawInsert(OEPos at, const std::string& text, OEPos* end, const std::vector<char>* soft) {
  std::vector<std::string> parts = SplitLines(text.data(), text.size());
  std::string& line = m_lines[(size_t)at.nLine];
  if (parts.size() == 1) {
    line.insert((size_t)at.nOffset, parts[0]);
    if (end) *end = OEPos(at.nLine, at.nOffset + (int)parts[0].size());
  } else {
    std::string tail = line.substr((size_t)at.nOffset);
    line.erase((size_t)at.nOffset);
    line += parts[0];
    size_t added = parts.size() - 1;
    int endOffset = (int)parts.back().size();
    parts.back() += tail;
    m_lines.insert(m_lines.begin() + at.nLine + 1, parts.begin() + 1, parts.end());
    // The line's own break now ends the last inserted line; the inserted breaks are hard
    // unless the record says otherwise.
    const auto first = m_softBreak.begin() + at.nLine;
    const char tailSoft = *first;
    m_softBreak.insert(first + 1, added, 0);
    for (size_t i = 0; i < added; ++i)
      m_softBreak[(size_t)at.nLine + i] = soft && i < soft->size() ? (*soft)[i] : 0;
    m_softBreak[(size_t)at.nLine + added] = tailSoft;
    m_blockAtStart.insert(m_blockAtStart.begin() + at.nLine + 1, added, 0);
    m_runs.insert(m_runs.begin() + at.nLine + 1, added, {});
    m_runsValid.insert(m_runsValid.begin() + at.nLine + 1, added, 0);
    if (end) *end = OEPos(at.nLine + (int)added, endOffset);
  }
  LinesChanged(at.nLine);
}

void SECEdit::RawDelete(OEPos from, OEPos to, std::vector<char>* soft) {
  std::string& first = m_lines[(size_t)from.nLine];
  if (from.nLine == to.nLine) {
    first.erase((size_t)from.nOffset, (size_t)(to.nOffset - from.nOffset));
  } else {
    first = first.substr(0, (size_t)from.nOffset) + m_lines[(size_t)to.nLine].substr((size_t)to.nOffset);
    auto b = (size_t)from.nLine + 1, e = (size_t)to.nLine + 1;
    if (soft) soft->assign(m_softBreak.begin() + from.nLine, m_softBreak.begin() + to.nLine);
    m_softBreak[(size_t)from.nLine] = m_softBreak[(size_t)to.nLine];
    m_softBreak.erase(m_softBreak.begin() + (long)b, m_softBreak.begin() + (long)e);
    m_lines.erase(m_lines.begin() + (long)b, m_lines.begin() + (long)e);
    m_blockAtStart.erase(m_blockAtStart.begin() + (long)b, m_blockAtStart.begin() + (long)e);
    m_runs.erase(m_runs.begin() + (long)b, m_runs.begin() + (long)e);
    m_runsValid.erase(m_runsValid.begin() + (long)b, m_runsValid.begin() + (long)e);
  }
  LinesChanged(from.nLine);
}

void SECEdit::Push(Record r) {
  m_undo.resize((size_t)m_nUndoPos);  // a new edit drops what could have been redone
  r.nGroup = m_nGroupDepth ? m_nGroup : m_nNextGroup++;
  m_undo.push_back(std::move(r));
  m_nUndoPos = (int)m_undo.size();
}

void SECEdit::BeginGroup() {
  if (m_nGroupDepth++ == 0) m_nGroup = m_nNextGroup++;
}

void SECEdit::EndGroup() {
  if (m_nGroupDepth > 0) --m_nGroupDepth;
}

bool SECEdit::Insert(OEPos at, const std::string& text, OEPos* end) {
  if (m_bReadOnly) return false;
  at = Clamp(at);
  if (end) *end = at;
  if (text.empty()) return true;
  RawInsert(at, text, end);
  Push({true, at, text, 0, {}});
  return true;
}

bool SECEdit::Delete(OEPos from, OEPos to) {
  if (m_bReadOnly) return false;
  from = Clamp(from);
  to = Clamp(to);
  if (to < from) std::swap(from, to);
  if (from == to) return true;
  std::string gone = GetRange(from, to);
  std::vector<char> soft;
  RawDelete(from, to, &soft);
  Push({false, from, gone, 0, std::move(soft)});
  return true;
}

void SECEdit::Apply(Record& r, bool forward, OEPos* where) {
  OEPos end;
  if (r.bInsert == forward) {
    RawInsert(r.from, r.text, &end, &r.soft);
    if (where) *where = end;
  } else {
    RawInsert(r.from, "", &end);  // keeps the cache bookkeeping uniform
    std::vector<std::string> parts = SplitLines(r.text.data(), r.text.size());
    OEPos to(r.from.nLine + (int)parts.size() - 1,
             parts.size() == 1 ? r.from.nOffset + (int)parts[0].size() : (int)parts.back().size());
    RawDelete(r.from, to, &r.soft);
    if (where) *where = r.from;
  }
}

bool SECEdit::Undo(OEPos* where) {
  if (m_bReadOnly || !CanUndo()) return false;
  int group = m_undo[(size_t)m_nUndoPos - 1].nGroup;
  while (m_nUndoPos > 0 && m_undo[(size_t)m_nUndoPos - 1].nGroup == group)
    Apply(m_undo[(size_t)--m_nUndoPos], false, where);
  return true;
}

bool SECEdit::Redo(OEPos* where) {
  if (m_bReadOnly || !CanRedo()) return false;
  int group = m_undo[(size_t)m_nUndoPos].nGroup;
  while (m_nUndoPos < (int)m_undo.size() && m_undo[(size_t)m_nUndoPos].nGroup == group)
    Apply(m_undo[(size_t)m_nUndoPos++], true, where);
  return true;
}

int SECEdit::Find(OEPos* start, OEPos* end, const OESearch& search) const {
  const std::string& what = search.strFind;
  if (what.empty() || what.find('\n') != std::string::npos) return 0;
  bool matchCase = search.nFlags & OE_FIND_MATCHCASE;
  bool backward = search.nFlags & OE_FIND_BACKWARD;
  OEPos from = Clamp(*start);
  auto matchAt = [&](const std::string& line, size_t i) {
    if (i + what.size() > line.size()) return false;
    bool same = matchCase ? line.compare(i, what.size(), what) == 0
                          : strncasecmp(line.c_str() + i, what.c_str(), what.size()) == 0;
    if (!same || !(search.nFlags & OE_FIND_WHOLEWORD)) return same;
    auto wordByte = [](char c) { return (s_words.kind[(unsigned char)c] & kWordByte) != 0; };
    return (i == 0 || !wordByte(line[i - 1])) && (i + what.size() == line.size() || !wordByte(line[i + what.size()]));
  };
  int n = GetLineCount();
  for (int k = 0; k < n; ++k) {
    int l = backward ? from.nLine - k : from.nLine + k;
    if (l < 0 || l >= n) break;
    const std::string& line = m_lines[(size_t)l];
    if (!backward) {
      for (size_t i = k == 0 ? (size_t)from.nOffset : 0; i + what.size() <= line.size(); ++i)
        if (matchAt(line, i)) {
          *start = OEPos(l, (int)i);
          *end = OEPos(l, (int)(i + what.size()));
          return 1;
        }
    } else {
      long last = k == 0 ? (long)from.nOffset - (long)what.size() : (long)line.size() - (long)what.size();
      for (long i = last; i >= 0; --i)
        if (matchAt(line, (size_t)i)) {
          *start = OEPos(l, (int)i);
          *end = OEPos(l, (int)i + (int)what.size());
          return 1;
        }
    }
  }
  return 0;
}

// ---------------------------------------------------------------------------------------
// Colouring
// ---------------------------------------------------------------------------------------
int SECEdit::_InComment(int nLine) {
  nLine = std::max(0, std::min(nLine, GetLineCount() - 1));
  if (m_nStateValid < 1) {
    m_blockAtStart[0] = 0;
    m_nStateValid = 1;
  }
  // Carry the state down from the last line known; a line whose state changes is recoloured.
  std::vector<OEColorRun> scratch;
  if (m_nStateValid <= nLine) NoteOperators();
  while (m_nStateValid <= nLine) {
    int l = m_nStateValid - 1;
    bool in = m_blockAtStart[(size_t)l] != 0;
    std::string& line = m_lines[(size_t)l];
    scratch.clear();
    ColorSpan(&line[0], (int)line.size(), &in, scratch, 0, nullptr);
    if ((m_blockAtStart[(size_t)l + 1] != 0) != in) m_runsValid[(size_t)l + 1] = 0;
    m_blockAtStart[(size_t)l + 1] = in;
    ++m_nStateValid;
  }
  return m_blockAtStart[(size_t)nLine];
}

int SECEdit::InComment(int nLine) { return _InComment(nLine); }

void SECEdit::ColorLine(int nLine, std::vector<OEColorRun>& runs) {
  bool in = _InComment(nLine) != 0;
  if (!m_runsValid[(size_t)nLine]) {
    ++m_nLinesColoured;
    std::string& line = m_lines[(size_t)nLine];
    std::vector<OEColorRun>& cache = m_runs[(size_t)nLine];
    cache.clear();
    Ahead ahead;
    NoteOperators();
    ColorSpan(&line[0], (int)line.size(), &in, cache, 0, &ahead);
    m_runsValid[(size_t)nLine] = 1;
  }
  runs = m_runs[(size_t)nLine];
}

void SECEdit::ColorText(const char* text, size_t length, std::vector<OEColorRun>& runs) {
  runs.clear();
  // Line by line, as the document colours its lines, each NUL-ended so that the keyword search
  // ends with the line. Whole lines are copied a block at a time into a buffer that stays in the
  // cache, where each line's end is overwritten by NUL; the text is never copied whole.
  const size_t kBlock = 1 << 16;
  std::vector<char> buffer;
  NoteOperators();
  bool in = false;
  size_t from = 0;
  do {
    // The block ends after its last line feed; a line longer than a block is a block alone.
    size_t to = std::min(length, from + kBlock);
    if (to < length) {
      size_t back = to;
      while (back > from && text[back - 1] != '\n') --back;
      if (back > from) {
        to = back;
      } else {
        const void* nl = std::memchr(text + to, '\n', length - to);
        to = nl ? (size_t)(static_cast<const char*>(nl) - text) + 1 : length;
      }
    }
    buffer.assign(text + from, text + to);
    buffer.push_back(0);
    char* const block = buffer.data();
    const size_t size = to - from;
    size_t begin = 0;
    for (;;) {
      const size_t stop = (size_t)(FindByte(block + begin, block + size, '\n') - block);
      const bool nl = stop < size;
      const size_t end = (nl && stop > begin && block[stop - 1] == '\r') ? stop - 1 : stop;
      block[end] = 0;
      ColorSpan(block + begin, (int)(end - begin), &in, runs, (int)(from + begin), nullptr);
      if (!nl) break;
      begin = stop + 1;
    }
    from = to;
  } while (from < length);
}

void SECEdit::NoteOperators() {
  m_nOpChars = 0;
  for (int c = 0; c < 256; ++c) {
    m_opByte[c] = IsOperator((unsigned char)c);
    if (m_opByte[c] && m_nOpChars++ < kOpCharsMax) std::memset(m_opChars[m_nOpChars - 1], c, 16);
  }
}

std::uint32_t SECEdit::OperatorMask(const char* c, int n, const char* from) const {
#if defined(__SSE2__)
  if (m_nOpChars <= kOpCharsMax && (c - from) + n >= 16) {
    // The 16 bytes that end with the block, compared with each operator byte at once; a short
    // block takes bytes from before it (not copied aside: a narrow store read back wide stalls).
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(c + n - 16));
    __m128i hit = _mm_setzero_si128();
    for (int k = 0; k < m_nOpChars; ++k)
      hit = _mm_or_si128(hit, _mm_cmpeq_epi8(v, _mm_load_si128(reinterpret_cast<const __m128i*>(m_opChars[k]))));
    return (std::uint32_t)_mm_movemask_epi8(hit) >> (16 - n);
  }
#endif
  std::uint32_t m = 0;
  for (int i = 0; i < n; ++i) m |= (std::uint32_t)m_opByte[(unsigned char)c[i]] << i;
  return m;
}

void SECEdit::ColorSpan(char* line, int len, bool* inBlock, std::vector<OEColorRun>& runs, int base,
                        Ahead* ahead) {
  char* p = line;
  char* end = line + len;
  const OECOLOR comment = m_crColors[3];
  Ahead local;
  if (!ahead) ahead = &local;
  // When every comment delimiter begins with the same character, FindByte finds the candidates.
  const char a = m_szLineComment[0], b = m_szLineComment2[0], c = m_szBlockStart[0];
  const char lead = a ? a : b ? b : c;
  const char oneLead = lead && (!a || a == lead) && (!b || b == lead) && (!c || c == lead) ? lead : 0;
  while (p < end) {
    if (*inBlock) {
      char* q = FindDelim(p, end, m_szBlockEnd);
      if (q < end) {
        q += std::strlen(m_szBlockEnd);
        *inBlock = false;
      }
      AddRun(runs, base + (int)(p - line), base + (int)(q - line), comment);
      p = q;
      continue;
    }
    char* q = p;
    bool lineComment = false, block = false;
    for (; q < end; ++q) {
      if (oneLead) {
        q = FindByte(q, end, oneLead);
        if (q == end) break;
      } else if (*q != m_szLineComment[0] && *q != m_szLineComment2[0] && *q != m_szBlockStart[0]) {
        continue;
      }
      if (StartsWith(q, end, m_szLineComment) || StartsWith(q, end, m_szLineComment2)) {
        lineComment = true;
        break;
      }
      if (StartsWith(q, end, m_szBlockStart)) {
        block = true;
        break;
      }
    }
    ColorPlain(p, q, line, runs, base, ahead);
    if (lineComment) {
      AddRun(runs, base + (int)(q - line), base + len, comment);
      return;
    }
    if (block) {
      *inBlock = true;
      char* after = q + std::strlen(m_szBlockStart);
      char* r = FindDelim(after, end, m_szBlockEnd);
      if (r < end) {
        r += std::strlen(m_szBlockEnd);
        *inBlock = false;
      }
      AddRun(runs, base + (int)(q - line), base + (int)(r - line), comment);
      q = r;
    }
    p = q;
  }
}

void SECEdit::ColorPlain(char* p, char* stop, char* line, std::vector<OEColorRun>& runs, int base,
                         Ahead* ahead) {
  const OECOLOR op = m_crColors[1];
  // Operators are found 32 bytes at a time: a mask of the operator bytes gives each run of
  // adjacent operators at once. A branch per byte is mispredicted wherever operators and other
  // text alternate.
  auto operators = [&](char* a, char* b) {
    for (char* c = a; c < b;) {
      const int n = (int)std::min<std::ptrdiff_t>(b - c, 32);
      std::uint64_t m = OperatorMask(c, std::min(n, 16), line);
      if (n > 16) m |= (std::uint64_t)OperatorMask(c + 16, n - 16, line) << 16;
      // Bit 32 is never set, so every run of set bits ends below it. Only a run at the block's
      // start can extend the run before it (from the previous block, or a keyword run of the
      // same colour); the runs within a block are apart.
      while (m) {
        const int s = __builtin_ctzll(m);
        const int e = __builtin_ctzll(~m & (~0ull << s));
        m &= ~0ull << e;
        const int at = base + (int)(c + s - line);
        if (s == 0 && !runs.empty() && runs.back().nEnd == at && runs.back().crColor == op)
          runs.back().nEnd = at + e;
        else
          AddRun(runs, at, at + (e - s), op);
      }
      c += n;
    }
  };
  while (p < stop) {
    // The search result of an earlier call holds while p lies between its start and its find.
    bool known = ahead->from && ahead->from <= p && (!ahead->at || p <= ahead->at);
    if (!known) {
      char* t = p;
      int s = 0, e = 0;
      if (KeyWord(&t, &s, &e)) {
        *ahead = {t, p, e - s, m_crColors[0]};
      } else {
        *ahead = {nullptr, p, 0, 0};
      }
    }
    char* kw = ahead->at && ahead->at < stop ? const_cast<char*>(ahead->at) : stop;
    operators(p, kw);
    if (kw >= stop) return;
    char* kwEnd = std::min(kw + ahead->len, stop);
    AddRun(runs, base + (int)(kw - line), base + (int)(kwEnd - line), ahead->colour);
    p = kwEnd;
    ahead->from = nullptr;
  }
}
