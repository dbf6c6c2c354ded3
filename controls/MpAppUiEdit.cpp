#include "MpAppUiEdit.h"

#include <cstdlib>
#include <cstring>

namespace {
const int kTableWordLimit = 23;  // shorter keywords are looked up in the hash table
const char kOperators[] = "=+-/*<>!^";

// A keyword is short: comparing it byte by byte beats a call.
inline bool SameBytes(const char* a, const char* b, int n) {
  for (int i = 0; i < n; ++i)
    if (a[i] != b[i]) return false;
  return true;
}

BYTE CharSetOfCodePage(UINT acp) {
  switch (acp) {
    case 936: return 134;
    case 950: return 136;
    case 949: return 129;
    case 932: return 128;
    case 1253: return 161;
    default: return 0;
  }
}
}  // namespace

MpAppUiEdit::MpAppUiEdit() { addFileTypeSettings(); }

MpAppUiEdit::~MpAppUiEdit() = default;  // the base frees the keyword table

int MpAppUiEdit::addFileTypeSettings() {
  BYTE charSet = CharSetOfCodePage(::GetACP());
  LOGFONTA lf{};
  HFONT font = nullptr;
  if (CWnd* main = AfxGetMainWnd()) font = reinterpret_cast<HFONT>(main->SendMessage(WM_GETFONT));
  if (font && ::GetObjectA(font, sizeof lf, &lf) == (int)sizeof lf) {
    lstrcpynA(m_szFontFace, lf.lfFaceName, sizeof m_szFontFace);
    m_nFontHeight = lf.lfHeight;
    m_nFontWeight = lf.lfWeight;
    m_bFontItalic = lf.lfItalic;
    m_nCharSet = lf.lfCharSet;
  } else {
    lstrcpynA(m_szFontFace, "Courier", sizeof m_szFontFace);
    m_nFontHeight = 10;
    m_nFontWeight = 400;
    m_bFontItalic = 0;
    m_nCharSet = charSet;
  }
  m_nSetting[0] = 4;
  m_nSetting[1] = 1;
  m_nSetting[2] = 0;
  m_bFlag[0] = m_bFlag[1] = 1;
  std::memset(m_charClass, 0, sizeof m_charClass);
  for (const char* c = kOperators; *c; ++c) m_charClass[0][(unsigned char)*c] = (unsigned char)*c;
  lstrcpynA(m_szLineComment, "//", sizeof m_szLineComment);
  m_szLineComment2[0] = 0;
  lstrcpynA(m_szBlockStart, "/*", sizeof m_szBlockStart);
  lstrcpynA(m_szBlockEnd, "*/", sizeof m_szBlockEnd);
  m_bCaseSensitive = 1;
  const OECOLOR colours[6] = {0xFF0000, 0x0000FF, 0x000080, 0x008000, 0x000000, 0xFFFFFF};
  std::memcpy(m_crColors, colours, sizeof colours);
  return 0;
}

bool MpAppUiEdit::addKeyWords(std::vector<std::string>& words, COLORREF colour) {
  for (const std::string& w : words) m_keywords[w] = colour;
  return true;
}

bool MpAppUiEdit::addKeyWords(std::map<std::string, COLORREF>& keywords) {
  for (const auto& kv : keywords) m_keywords[kv.first] = kv.second;
  return true;
}

bool MpAppUiEdit::removeKeyWords() {
  m_keywords.clear();
  return true;
}

bool MpAppUiEdit::initKeyWordMap() {
  // Only words the table serves, each NUL-ended; an empty word would end the list early.
  std::string text;
  size_t shortWords = 0;
  for (const auto& kv : m_keywords) {
    if (kv.first.empty() || kv.first.size() >= (size_t)kTableWordLimit) continue;
    text += kv.first;
    text += '\0';
    ++shortWords;
  }
  if (!m_pKeywordTable) {
    m_pKeywordTable = static_cast<char*>(std::malloc(OE_NAMETABLE_BYTES));
    if (!m_pKeywordTable) {
      m_bFlag[1] = 0;
      return false;
    }
  }
  std::memset(m_pKeywordTable, 0, OE_NAMETABLE_BYTES);
  SECEdit::BuildNameTable(m_pKeywordTable, text.c_str());
  std::memset(m_tableWords, 0, sizeof m_tableWords);
  for (int i = 0; i < OE_NAMETABLE_SLOTS; ++i) {
    const char* slot = m_pKeywordTable + i * OE_NAMETABLE_SLOTSIZE;
    if (slot[0]) m_tableWords[(unsigned char)slot[0]] |= 1u << std::strlen(slot);
  }
  m_bMapFallback = shortWords > OE_NAMETABLE_SLOTS / 2;
  InitChroma();
  return !m_keywords.empty();
}

bool MpAppUiEdit::getKeyWords(std::vector<std::string>& words) {
  words.clear();
  for (const auto& kv : m_keywords) words.push_back(kv.first);
  return !words.empty();
}

COLORREF MpAppUiEdit::GetColorRef(char* word) {
  auto it = m_keywords.find(word);
  return it == m_keywords.end() ? 0 : it->second;
}

int MpAppUiEdit::GetKeyWords() {
  if (m_pKeywordTable) std::memset(m_pKeywordTable, 0, OE_NAMETABLE_BYTES);
  initKeyWordMap();
  if (!m_pKeywordTable) return 0;  // allocation failed
  m_bFlag[1] = 1;
  return 1;
}

int MpAppUiEdit::KeyWord(char** text, int* start, int* end) {
  if (!m_pKeywordTable && (GetKeyWords() == 0 || !m_pKeywordTable)) return 0;
  char* p = *text;
  char upper[260];  // a case-insensitive lookup compares the word upper-cased
  for (;;) {
    char* wordEnd;
    int quotes;
    char* word = SECEdit::ScanWord(p, &wordEnd, &quotes);
    if (!word) return 0;
    int len = (int)(wordEnd - word);
    // Quoted text is one word, quotes included; it never runs past the line. It opens with an
    // apostrophe before the word's last character.
    if (quotes > 1 || (quotes == 1 && wordEnd[-1] != '\'')) {
      for (const char* q = wordEnd - 1; *q && *q != '\r' && *q != '\n'; ++q)
        if (*q == '\'') {
          len = (int)(q - word) + 1;
          break;
        }
    }
    // Compared on at most 259 characters; a case-sensitive lookup reads the word where it stands.
    const int keyLen = (len < 0 || len > 258) ? 259 : len;
    const char* key = word;
    if (m_bCaseSensitive == 0) {
      // Folded as the hash folds, so that a keyword with letters of 0x80 and more is found.
      for (int i = 0; i < keyLen; ++i) upper[i] = SECEdit::FoldCase(word[i]);
      upper[keyLen] = 0;
      key = upper;
    }
    bool found = false;
    COLORREF colour = 0;
    if (keyLen < kTableWordLimit && (!m_bCaseSensitive || (m_tableWords[(unsigned char)key[0]] >> keyLen & 1))) {
      int h = SECEdit::GetHashValue(key, keyLen);
      for (int i = 0; i < OE_NAMETABLE_SLOTS; ++i) {
        char* slot = m_pKeywordTable + ((h + i) & (OE_NAMETABLE_SLOTS - 1)) * OE_NAMETABLE_SLOTSIZE;
        if (!slot[0]) break;
        const bool same = m_bCaseSensitive ? slot[keyLen] == 0 && SameBytes(slot, key, keyLen)
                                           : _stricmp(slot, key) == 0;
        if (!same) continue;
        std::int32_t cached;
        std::memcpy(&cached, slot + 28, 4);
        if (cached == OE_COLOR_UNKNOWN) {
          cached = (std::int32_t)GetColorRef(slot);
          std::memcpy(slot + 28, &cached, 4);
        }
        colour = (COLORREF)cached;
        found = true;
        break;
      }
    }
    if (!found && (keyLen >= kTableWordLimit || m_bMapFallback)) {
      auto it = m_keywords.find(std::string(key, (size_t)keyLen));
      if (it != m_keywords.end()) {
        colour = it->second;
        found = true;
      }
    }
    if (found) {
      *start = (int)(word - *text);
      *end = *start + len;
      *text = word;
      m_crColors[0] = colour;
      return 1;
    }
    p = word + len;
  }
}
