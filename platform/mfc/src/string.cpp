// CString: storage, editing, searching, formatting and string-table loading.
#include "afx.h"

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

char AsciiLower(char ch) {
  return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
}
char AsciiUpper(char ch) {
  return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

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

std::wstring AFXAPI AfxWideFromAnsi(LPCSTR lpsz, int nLength, UINT nCodePage) {
  if (lpsz == NULL || nLength == 0) return std::wstring();
  const int n = ::MultiByteToWideChar(nCodePage, 0, lpsz, nLength, NULL, 0);
  if (n <= 0) return std::wstring();
  std::wstring text(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(nCodePage, 0, lpsz, nLength, &text[0], n);
  if (nLength < 0) text.pop_back();  // the terminating NUL, converted with the rest
  return text;
}

std::string AFXAPI AfxAnsiFromWide(LPCWSTR lpsz, int nLength, UINT nCodePage) {
  if (lpsz == NULL || nLength == 0) return std::string();
  const int n = ::WideCharToMultiByte(nCodePage, 0, lpsz, nLength, NULL, 0, NULL, NULL);
  if (n <= 0) return std::string();
  std::string text(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(nCodePage, 0, lpsz, nLength, &text[0], n, NULL, NULL);
  if (nLength < 0) text.pop_back();
  return text;
}

CString::CString(LPCWSTR lpsz) : CString(lpsz, lpsz ? static_cast<int>(std::wcslen(lpsz)) : 0) {}

CString::CString(LPCWSTR lpch, int nLength) : m_pchData(NilChars()) {
  if (lpch == NULL || nLength <= 0) return;
  const std::string text = AfxAnsiFromWide(lpch, nLength);
  Assign(text.data(), static_cast<int>(text.size()));
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

void CString::Empty() { Release(); }

char CString::GetAt(int nIndex) const {
  ASSERT(nIndex >= 0 && nIndex < GetLength());
  if (nIndex < 0 || nIndex >= GetLength()) return '\0';
  return m_pchData[nIndex];
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

CString& CString::operator+=(const CString& string) {
  Append(string.m_pchData, string.GetLength());
  return *this;
}

CString& CString::operator+=(LPCSTR lpsz) {
  Append(lpsz, SafeLength(lpsz));
  return *this;
}

CString& CString::operator+=(char ch) {
  Append(&ch, 1);
  return *this;
}

CString AFXAPI operator+(const CString& string1, const CString& string2) {
  CString s(string1);
  s += string2;
  return s;
}

CString AFXAPI operator+(const CString& string, LPCSTR lpsz) {
  CString s(string);
  s += lpsz;
  return s;
}

CString AFXAPI operator+(LPCSTR lpsz, const CString& string) {
  CString s(lpsz);
  s += string;
  return s;
}

CString AFXAPI operator+(const CString& string, char ch) {
  CString s(string);
  s += ch;
  return s;
}

// ---- comparison ----------------------------------------------------------------------------

int CString::Compare(LPCSTR lpsz) const { return std::strcmp(m_pchData, lpsz ? lpsz : ""); }

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

// ---- editing -------------------------------------------------------------------------------

int CString::Remove(char ch) {
  int nLength = GetLength();
  int nKept = 0;
  for (int i = 0; i < nLength; ++i)
    if (m_pchData[i] != ch) m_pchData[nKept++] = m_pchData[i];
  SetLength(nKept);
  return nLength - nKept;
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

CString& CString::MakeUpper() {
  for (int i = 0; i < GetLength(); ++i) m_pchData[i] = AsciiUpper(m_pchData[i]);
  return *this;
}

CString& CString::MakeLower() {
  for (int i = 0; i < GetLength(); ++i) m_pchData[i] = AsciiLower(m_pchData[i]);
  return *this;
}

// ---- formatting ----------------------------------------------------------------------------

void CString::Format(LPCSTR lpszFormat, ...) {
  va_list args;
  va_start(args, lpszFormat);
  va_list argsForLength;
  va_copy(argsForLength, args);
  int nLength = lpszFormat ? std::vsnprintf(NULL, 0, lpszFormat, argsForLength) : 0;
  va_end(argsForLength);
  // Formatted apart: the arguments may point into this string.
  CString result;
  if (nLength > 0) {
    result.Reserve(nLength);
    std::vsnprintf(result.m_pchData, static_cast<size_t>(nLength) + 1, lpszFormat, args);
    result.SetLength(nLength);
  }
  va_end(args);
  *this = std::move(result);
}

// ---- resources -----------------------------------------------------------------------------

BOOL CString::LoadString(UINT nID) {
  HINSTANCE hInstance = AfxFindStringResourceHandle(nID);
  if (hInstance == NULL) return FALSE;
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
  int nAlloc = GetData()->nAllocLength;
  if (nNewLength < 0) {
    const void* pNul = std::memchr(m_pchData, '\0', static_cast<size_t>(nAlloc) + 1);
    nNewLength = pNul ? static_cast<int>(static_cast<const char*>(pNul) - m_pchData) : nAlloc;
  }
  if (nNewLength > nAlloc) nNewLength = nAlloc;
  SetLength(nNewLength);
}
