// CString: storage, editing, searching, formatting and string-table loading.
#include "afx.h"

#include <oleauto.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <utility>

namespace {

// The block every empty string points to; it is never written.
struct NilBlock {
  CStringData header;
  char terminator;
};
NilBlock g_nil = {{0, 0}, '\0'};
static_assert(offsetof(NilBlock, terminator) == sizeof(CStringData),
              "the empty string's characters must follow its header");

char* NilChars() { return g_nil.header.data(); }

CStringData* AllocBlock(int nCapacity) {
  void* p = std::malloc(sizeof(CStringData) + static_cast<size_t>(nCapacity) + 1);
  // Running out of memory for text is not recoverable here, and nothing may unwind into the
  // caller's module.
  if (p == NULL) std::abort();
  CStringData* pData = static_cast<CStringData*>(p);
  pData->nDataLength = 0;
  pData->nAllocLength = nCapacity;
  pData->data()[0] = '\0';
  return pData;
}

int SafeLength(LPCSTR lpsz) { return lpsz ? static_cast<int>(std::strlen(lpsz)) : 0; }

bool IsWhite(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

char AsciiLower(char ch) {
  return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
}
char AsciiUpper(char ch) {
  return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

bool InSet(char ch, LPCSTR lpszSet) { return ch != '\0' && lpszSet && std::strchr(lpszSet, ch); }

}  // namespace

// ---- storage -------------------------------------------------------------------------------

CString::CString() : m_pchData(NilChars()) {}

CString::CString(const CString& stringSrc) : m_pchData(NilChars()) {
  Assign(stringSrc.m_pchData, stringSrc.GetLength());
}

CString::CString(CString&& stringSrc) noexcept : m_pchData(stringSrc.m_pchData) {
  stringSrc.m_pchData = NilChars();
}

CString::CString(LPCSTR lpsz) : m_pchData(NilChars()) {
  if (lpsz != NULL && IS_INTRESOURCE(lpsz))
    LoadString(LOWORD(reinterpret_cast<ULONG_PTR>(lpsz)));
  else
    Assign(lpsz, SafeLength(lpsz));
}

CString::CString(LPCSTR lpch, int nLength) : m_pchData(NilChars()) {
  if (lpch != NULL && nLength > 0) Assign(lpch, nLength);
}

CString::CString(char ch, int nRepeat) : m_pchData(NilChars()) {
  if (nRepeat > 0) {
    Reserve(nRepeat);
    std::memset(m_pchData, ch, static_cast<size_t>(nRepeat));
    SetLength(nRepeat);
  }
}

CString::CString(LPCWSTR lpsz) : CString(lpsz, lpsz ? static_cast<int>(std::wcslen(lpsz)) : 0) {}

CString::CString(LPCWSTR lpch, int nLength) : m_pchData(NilChars()) {
  if (lpch == NULL || nLength <= 0) return;
  int n = WideCharToMultiByte(CP_THREAD_ACP, 0, lpch, nLength, NULL, 0, NULL, NULL);
  if (n <= 0) return;
  Reserve(n);
  WideCharToMultiByte(CP_THREAD_ACP, 0, lpch, nLength, m_pchData, n, NULL, NULL);
  SetLength(n);
}

CString::~CString() { Release(); }

void CString::Release() {
  if (m_pchData != NilChars()) std::free(GetData());
  m_pchData = NilChars();
}

void CString::Reserve(int nLength) {
  CStringData* pOld = GetData();
  if (nLength <= pOld->nAllocLength) return;
  // Grow by half again at least, so that repeated appends stay linear.
  int nCapacity = pOld->nAllocLength + pOld->nAllocLength / 2;
  if (nCapacity < nLength) nCapacity = nLength;
  CStringData* pNew = AllocBlock(nCapacity);
  std::memcpy(pNew->data(), m_pchData, static_cast<size_t>(pOld->nDataLength) + 1);
  pNew->nDataLength = pOld->nDataLength;
  Release();
  m_pchData = pNew->data();
}

void CString::SetLength(int nLength) {
  if (m_pchData == NilChars()) {
    ASSERT(nLength == 0);
    return;
  }
  ASSERT(nLength >= 0 && nLength <= GetData()->nAllocLength);
  GetData()->nDataLength = nLength;
  m_pchData[nLength] = '\0';
}

void CString::Assign(LPCSTR lpch, int nLength) {
  if (nLength <= 0) {
    if (m_pchData != NilChars()) SetLength(0);
    return;
  }
  // A source inside our own text always fits the current block, so memmove covers it.
  Reserve(nLength);
  std::memmove(m_pchData, lpch, static_cast<size_t>(nLength));
  SetLength(nLength);
}

CString& CString::operator=(const CString& stringSrc) {
  if (this != &stringSrc) Assign(stringSrc.m_pchData, stringSrc.GetLength());
  return *this;
}

CString& CString::operator=(CString&& stringSrc) noexcept {
  if (this != &stringSrc) {
    Release();
    m_pchData = stringSrc.m_pchData;
    stringSrc.m_pchData = NilChars();
  }
  return *this;
}

CString& CString::operator=(LPCSTR lpsz) {
  Assign(lpsz, SafeLength(lpsz));
  return *this;
}

CString& CString::operator=(LPCWSTR lpsz) {
  *this = CString(lpsz);
  return *this;
}

CString& CString::operator=(char ch) {
  Assign(&ch, 1);
  return *this;
}

void CString::Empty() { Release(); }

char CString::GetAt(int nIndex) const {
  ASSERT(nIndex >= 0 && nIndex < GetLength());
  if (nIndex < 0 || nIndex >= GetLength()) return '\0';
  return m_pchData[nIndex];
}

void CString::SetAt(int nIndex, char ch) {
  ASSERT(nIndex >= 0 && nIndex < GetLength());
  if (nIndex >= 0 && nIndex < GetLength()) m_pchData[nIndex] = ch;
}

void CString::SetString(LPCSTR lpsz) { Assign(lpsz, SafeLength(lpsz)); }

void CString::SetString(LPCSTR lpch, int nLength) {
  Assign(lpch, lpch != NULL && nLength > 0 ? nLength : 0);
}

// ---- appending -----------------------------------------------------------------------------

void CString::Append(LPCSTR lpch, int nLength) {
  if (lpch == NULL || nLength <= 0) return;
  int nOld = GetLength();
  // The source may be our own text, which a reallocation would free.
  ptrdiff_t nOffset = lpch - m_pchData;
  bool bOwn = m_pchData != NilChars() && nOffset >= 0 && nOffset <= nOld;
  Reserve(nOld + nLength);
  if (bOwn) lpch = m_pchData + nOffset;
  std::memmove(m_pchData + nOld, lpch, static_cast<size_t>(nLength));
  SetLength(nOld + nLength);
}

void CString::Append(const CString& string) { Append(string.m_pchData, string.GetLength()); }
void CString::Append(LPCSTR lpsz) { Append(lpsz, SafeLength(lpsz)); }
void CString::AppendChar(char ch) { Append(&ch, 1); }

CString& CString::operator+=(const CString& string) {
  Append(string);
  return *this;
}

CString& CString::operator+=(LPCSTR lpsz) {
  Append(lpsz);
  return *this;
}

CString& CString::operator+=(char ch) {
  AppendChar(ch);
  return *this;
}

CString AFXAPI operator+(const CString& string1, const CString& string2) {
  CString s;
  s.Preallocate(string1.GetLength() + string2.GetLength());
  s.Append(string1);
  s.Append(string2);
  return s;
}

CString AFXAPI operator+(const CString& string, LPCSTR lpsz) {
  CString s(string);
  s.Append(lpsz);
  return s;
}

CString AFXAPI operator+(LPCSTR lpsz, const CString& string) {
  CString s(lpsz);
  s.Append(string);
  return s;
}

CString AFXAPI operator+(const CString& string, char ch) {
  CString s(string);
  s.AppendChar(ch);
  return s;
}

CString AFXAPI operator+(char ch, const CString& string) {
  CString s(ch);
  s.Append(string);
  return s;
}

// ---- comparison ----------------------------------------------------------------------------

int CString::Compare(LPCSTR lpsz) const { return std::strcmp(m_pchData, lpsz ? lpsz : ""); }

int CString::CompareNoCase(LPCSTR lpsz) const {
  const unsigned char* p1 = reinterpret_cast<const unsigned char*>(m_pchData);
  const unsigned char* p2 = reinterpret_cast<const unsigned char*>(lpsz ? lpsz : "");
  for (;; ++p1, ++p2) {
    int c1 = static_cast<unsigned char>(AsciiLower(static_cast<char>(*p1)));
    int c2 = static_cast<unsigned char>(AsciiLower(static_cast<char>(*p2)));
    if (c1 != c2) return c1 < c2 ? -1 : 1;
    if (c1 == 0) return 0;
  }
}

// ---- extraction ----------------------------------------------------------------------------

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Mid(int nFirst, int nCount) const {
  int nLength = GetLength();
  if (nFirst < 0) nFirst = 0;
  if (nCount < 0) nCount = 0;
  if (nFirst > nLength) nFirst = nLength;
  if (nCount > nLength - nFirst) nCount = nLength - nFirst;
  return CString(m_pchData + nFirst, nCount);
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const {
  int nLength = GetLength();
  if (nCount < 0) nCount = 0;
  if (nCount > nLength) nCount = nLength;
  return CString(m_pchData + nLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR lpszCharSet) const {
  return Left(static_cast<int>(std::strspn(m_pchData, lpszCharSet ? lpszCharSet : "")));
}

CString CString::SpanExcluding(LPCSTR lpszCharSet) const {
  return Left(static_cast<int>(std::strcspn(m_pchData, lpszCharSet ? lpszCharSet : "")));
}

CString CString::Tokenize(LPCSTR pszTokens, int& iStart) const {
  int nLength = GetLength();
  if (iStart < 0 || iStart >= nLength) {
    iStart = -1;
    return CString();
  }
  if (pszTokens == NULL || *pszTokens == '\0') {
    // No delimiters: the rest is one token, and the next call ends the walk.
    CString token = Mid(iStart);
    iStart = nLength + 1;
    return token;
  }
  int nFrom = iStart;
  while (nFrom < nLength && InSet(m_pchData[nFrom], pszTokens)) ++nFrom;
  if (nFrom >= nLength) {
    iStart = -1;
    return CString();
  }
  int nUntil = nFrom;
  while (nUntil < nLength && !InSet(m_pchData[nUntil], pszTokens)) ++nUntil;
  iStart = nUntil + 1;
  return Mid(nFrom, nUntil - nFrom);
}

// ---- searching -----------------------------------------------------------------------------

int CString::Find(char ch, int nStart) const {
  int nLength = GetLength();
  if (nStart < 0 || nStart >= nLength) return -1;
  const void* p = std::memchr(m_pchData + nStart, ch, static_cast<size_t>(nLength - nStart));
  return p ? static_cast<int>(static_cast<const char*>(p) - m_pchData) : -1;
}

int CString::Find(LPCSTR lpszSub, int nStart) const {
  if (lpszSub == NULL || nStart < 0 || nStart > GetLength()) return -1;
  const char* p = std::strstr(m_pchData + nStart, lpszSub);
  return p ? static_cast<int>(p - m_pchData) : -1;
}

int CString::ReverseFind(char ch) const {
  for (int i = GetLength() - 1; i >= 0; --i)
    if (m_pchData[i] == ch) return i;
  return -1;
}

int CString::FindOneOf(LPCSTR lpszCharSet) const {
  const char* p = std::strpbrk(m_pchData, lpszCharSet ? lpszCharSet : "");
  return p ? static_cast<int>(p - m_pchData) : -1;
}

// ---- editing -------------------------------------------------------------------------------

int CString::Replace(char chOld, char chNew) {
  if (chOld == chNew) return 0;
  int nCount = 0;
  for (int i = 0; i < GetLength(); ++i) {
    if (m_pchData[i] == chOld) {
      m_pchData[i] = chNew;
      ++nCount;
    }
  }
  return nCount;
}

int CString::Replace(LPCSTR lpszOld, LPCSTR lpszNew) {
  int nOld = SafeLength(lpszOld);
  if (nOld == 0) return 0;
  int nNew = SafeLength(lpszNew);
  // Built apart, so that either argument may point into this string.
  CString result;
  int nCount = 0;
  const char* pStart = m_pchData;
  const char* pEnd = m_pchData + GetLength();
  while (pStart < pEnd) {
    const char* pHit = std::strstr(pStart, lpszOld);
    if (pHit == NULL) break;
    result.Append(pStart, static_cast<int>(pHit - pStart));
    result.Append(lpszNew, nNew);
    pStart = pHit + nOld;
    ++nCount;
  }
  if (nCount == 0) return 0;
  result.Append(pStart, static_cast<int>(pEnd - pStart));
  *this = std::move(result);
  return nCount;
}

int CString::Remove(char ch) {
  int nLength = GetLength();
  int nKept = 0;
  for (int i = 0; i < nLength; ++i)
    if (m_pchData[i] != ch) m_pchData[nKept++] = m_pchData[i];
  SetLength(nKept);
  return nLength - nKept;
}

int CString::Insert(int nIndex, char ch) {
  char text[2] = {ch, '\0'};
  CString piece(text, 1);
  return Insert(nIndex, piece);
}

int CString::Insert(int nIndex, LPCSTR pstr) {
  int nLength = GetLength();
  if (nIndex < 0) nIndex = 0;
  if (nIndex > nLength) nIndex = nLength;
  int nInsert = SafeLength(pstr);
  if (nInsert > 0) {
    CString piece(pstr, nInsert);  // pstr may point into this string
    Reserve(nLength + nInsert);
    std::memmove(m_pchData + nIndex + nInsert, m_pchData + nIndex,
                 static_cast<size_t>(nLength - nIndex));
    std::memcpy(m_pchData + nIndex, piece.m_pchData, static_cast<size_t>(nInsert));
    SetLength(nLength + nInsert);
  }
  return GetLength();
}

int CString::Delete(int nIndex, int nCount) {
  int nLength = GetLength();
  if (nIndex < 0) nIndex = 0;
  if (nCount > 0 && nIndex < nLength) {
    if (nCount > nLength - nIndex) nCount = nLength - nIndex;
    std::memmove(m_pchData + nIndex, m_pchData + nIndex + nCount,
                 static_cast<size_t>(nLength - nIndex - nCount));
    SetLength(nLength - nCount);
  }
  return GetLength();
}

void CString::Truncate(int nNewLength) {
  ASSERT(nNewLength >= 0 && nNewLength <= GetLength());
  if (nNewLength >= 0 && nNewLength < GetLength()) SetLength(nNewLength);
}

CString& CString::MakeUpper() {
  for (int i = 0; i < GetLength(); ++i) m_pchData[i] = AsciiUpper(m_pchData[i]);
  return *this;
}

CString& CString::MakeLower() {
  for (int i = 0; i < GetLength(); ++i) m_pchData[i] = AsciiLower(m_pchData[i]);
  return *this;
}

CString& CString::MakeReverse() {
  for (int i = 0, j = GetLength() - 1; i < j; ++i, --j) std::swap(m_pchData[i], m_pchData[j]);
  return *this;
}

// ---- trimming ------------------------------------------------------------------------------

namespace {

template <class Pred>
void TrimEnds(CString& s, bool bLeft, bool bRight, Pred trimmed) {
  int nLength = s.GetLength();
  LPCSTR p = s.GetString();
  int nEnd = nLength;
  if (bRight)
    while (nEnd > 0 && trimmed(p[nEnd - 1])) --nEnd;
  int nBegin = 0;
  if (bLeft)
    while (nBegin < nEnd && trimmed(p[nBegin])) ++nBegin;
  if (nBegin == 0 && nEnd == nLength) return;
  if (nBegin == 0)
    s.Truncate(nEnd);
  else
    s = s.Mid(nBegin, nEnd - nBegin);
}

}  // namespace

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(char chTarget) { return TrimRight(chTarget).TrimLeft(chTarget); }
CString& CString::Trim(LPCSTR lpszTargets) { return TrimRight(lpszTargets).TrimLeft(lpszTargets); }

CString& CString::TrimLeft() {
  TrimEnds(*this, true, false, IsWhite);
  return *this;
}

CString& CString::TrimLeft(char chTarget) {
  TrimEnds(*this, true, false, [chTarget](char ch) { return ch == chTarget; });
  return *this;
}

CString& CString::TrimLeft(LPCSTR lpszTargets) {
  TrimEnds(*this, true, false, [lpszTargets](char ch) { return InSet(ch, lpszTargets); });
  return *this;
}

CString& CString::TrimRight() {
  TrimEnds(*this, false, true, IsWhite);
  return *this;
}

CString& CString::TrimRight(char chTarget) {
  TrimEnds(*this, false, true, [chTarget](char ch) { return ch == chTarget; });
  return *this;
}

CString& CString::TrimRight(LPCSTR lpszTargets) {
  TrimEnds(*this, false, true, [lpszTargets](char ch) { return InSet(ch, lpszTargets); });
  return *this;
}

// ---- formatting ----------------------------------------------------------------------------

void CString::AppendFormatV(LPCSTR lpszFormat, va_list argList) {
  if (lpszFormat == NULL) return;
  va_list argsForLength;
  va_copy(argsForLength, argList);
  int nLength = std::vsnprintf(NULL, 0, lpszFormat, argsForLength);
  va_end(argsForLength);
  if (nLength <= 0) return;
  // Formatted apart: the arguments may point into this string.
  CString piece;
  piece.Reserve(nLength);
  std::vsnprintf(piece.m_pchData, static_cast<size_t>(nLength) + 1, lpszFormat, argList);
  piece.SetLength(nLength);
  Append(piece);
}

void CString::FormatV(LPCSTR lpszFormat, va_list argList) {
  CString result;
  result.AppendFormatV(lpszFormat, argList);
  *this = std::move(result);
}

void CString::Format(LPCSTR lpszFormat, ...) {
  va_list args;
  va_start(args, lpszFormat);
  FormatV(lpszFormat, args);
  va_end(args);
}

void CString::Format(UINT nFormatID, ...) {
  CString format;
  if (!format.LoadString(nFormatID)) {
    Empty();
    return;
  }
  va_list args;
  va_start(args, nFormatID);
  FormatV(format, args);
  va_end(args);
}

void CString::AppendFormat(LPCSTR lpszFormat, ...) {
  va_list args;
  va_start(args, lpszFormat);
  AppendFormatV(lpszFormat, args);
  va_end(args);
}

// ---- resources -----------------------------------------------------------------------------

BOOL CString::LoadString(UINT nID) {
  HINSTANCE hInstance = AfxFindStringResourceHandle(nID);
  if (hInstance == NULL) return FALSE;
  return LoadString(hInstance, nID);
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID) {
  // String tables hold sixteen counted UTF-16 strings per block; an empty entry is no string.
  HRSRC hResource = FindResourceA(hInstance, MAKEINTRESOURCEA((nID >> 4) + 1), RT_STRING);
  if (hResource == NULL) return FALSE;
  HGLOBAL hGlobal = LoadResource(hInstance, hResource);
  const WORD* p = hGlobal ? static_cast<const WORD*>(LockResource(hGlobal)) : NULL;
  if (p == NULL) return FALSE;
  const WORD* pEnd = p + SizeofResource(hInstance, hResource) / sizeof(WORD);
  for (UINT i = 0; i < (nID & 15); ++i) {
    if (p >= pEnd) return FALSE;
    p += 1 + *p;
  }
  if (p >= pEnd || *p == 0 || p + 1 + *p > pEnd) return FALSE;
  *this = CString(reinterpret_cast<LPCWSTR>(p + 1), *p);
  return TRUE;
}

// ---- buffer access -------------------------------------------------------------------------

LPSTR CString::GetBuffer() { return GetBuffer(0); }

LPSTR CString::GetBuffer(int nMinBufLength) {
  int nLength = GetLength();
  int nWanted = nMinBufLength > nLength ? nMinBufLength : nLength;
  // Always a block of our own, even for 0: callers write at least the terminator.
  Reserve(nWanted > 0 ? nWanted : 1);
  return m_pchData;
}

LPSTR CString::GetBufferSetLength(int nNewLength) {
  if (nNewLength < 0) nNewLength = 0;
  int nOld = GetLength();
  GetBuffer(nNewLength);
  if (nNewLength > nOld) std::memset(m_pchData + nOld, 0, static_cast<size_t>(nNewLength - nOld));
  SetLength(nNewLength);
  return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength) {
  int nAlloc = GetAllocLength();
  if (nNewLength < 0) {
    const void* pNul = std::memchr(m_pchData, '\0', static_cast<size_t>(nAlloc) + 1);
    nNewLength = pNul ? static_cast<int>(static_cast<const char*>(pNul) - m_pchData) : nAlloc;
  }
  if (nNewLength > nAlloc) nNewLength = nAlloc;
  SetLength(nNewLength);
}

void CString::ReleaseBufferSetLength(int nNewLength) {
  ReleaseBuffer(nNewLength < 0 ? 0 : nNewLength);
}

void CString::Preallocate(int nLength) {
  if (nLength > 0) Reserve(nLength);
}

void CString::FreeExtra() {
  if (m_pchData == NilChars() || GetLength() == GetAllocLength()) return;
  CString copy(m_pchData, GetLength());
  *this = std::move(copy);
}

BSTR CString::AllocSysString() const {
  int nLength = GetLength();
  int nWide = nLength ? MultiByteToWideChar(CP_THREAD_ACP, 0, m_pchData, nLength, NULL, 0) : 0;
  BSTR bstr = SysAllocStringLen(NULL, static_cast<UINT>(nWide));
  if (bstr != NULL && nWide > 0)
    MultiByteToWideChar(CP_THREAD_ACP, 0, m_pchData, nLength, bstr, nWide);
  return bstr;
}
