// CString: the library's 8-bit text string.
//
// The object is one pointer to NUL-terminated characters, preceded in the same heap block by
// the length and the capacity. Every CString owns its block; an empty string points to a shared
// read-only empty block until something is written. Allocation and release happen only inside
// this DLL, so strings pass freely between modules.
#pragma once

#include <windows.h>
#include <wtypes.h>
#include <cstdarg>
#include <cstdio>
#include <string>
#include "afxexport_.h"

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif

#if defined(__GNUC__)
#define AFX_PRINTF_LIKE(fmt, first) __attribute__((format(__MINGW_PRINTF_FORMAT, fmt, first)))
#else
#define AFX_PRINTF_LIKE(fmt, first)
#endif

// 8-bit text to UTF-16 and back, by default in the ANSI code page (CP_ACP) that the 8-bit `A`
// entry points use, so that text converted here reads as the system's own 8-bit calls would read
// it; a caller whose 8-bit text follows the thread's locale passes CP_THREAD_ACP. nLength counts
// characters; -1 reads to the terminating NUL. The result holds no terminating NUL; a null
// pointer gives an empty string.
AFX_API std::wstring AFXAPI AfxWideFromAnsi(LPCSTR lpsz, int nLength = -1, UINT nCodePage = CP_ACP);
AFX_API std::string AFXAPI AfxAnsiFromWide(LPCWSTR lpsz, int nLength = -1, UINT nCodePage = CP_ACP);

// The module whose string table holds string nID (searched along the resource chain), or NULL.
AFX_API HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID);

struct CStringData {
  int nDataLength;   // characters, without the terminating NUL
  int nAllocLength;  // characters that fit, without the terminating NUL; 0 for the shared empty
  char* data() { return reinterpret_cast<char*>(this + 1); }
};

class AFX_API CString {
 public:
  CString();
  CString(const CString& stringSrc);
  CString(CString&& stringSrc) noexcept;
  // A MAKEINTRESOURCE value loads that string from the resources; NULL gives "".
  CString(LPCSTR lpsz);
  CString(LPCSTR lpch, int nLength);
  // Wide text, converted as AfxAnsiFromWide does.
  CString(LPCWSTR lpsz);
  CString(LPCWSTR lpch, int nLength);
  ~CString();

  CString& operator=(const CString& stringSrc);
  CString& operator=(CString&& stringSrc) noexcept;
  CString& operator=(LPCSTR lpsz);

  // Access
  int GetLength() const { return GetData()->nDataLength; }
  BOOL IsEmpty() const { return GetData()->nDataLength == 0; }
  void Empty();
  operator LPCSTR() const { return m_pchData; }
  LPCSTR GetString() const { return m_pchData; }
  char GetAt(int nIndex) const;
  char operator[](int nIndex) const { return GetAt(nIndex); }

  // Appending
  CString& operator+=(const CString& string);
  CString& operator+=(LPCSTR lpsz);
  CString& operator+=(char ch);

  // Comparison by character code (bytes as unsigned).
  int Compare(LPCSTR lpsz) const;

  // Extraction; out-of-range positions and counts are clamped to the string.
  CString Mid(int nFirst) const;
  CString Mid(int nFirst, int nCount) const;
  CString Left(int nCount) const;
  CString Right(int nCount) const;

  // Searching; -1 when not found or when nStart lies outside the string.
  int Find(char ch, int nStart = 0) const;
  int Find(LPCSTR lpszSub, int nStart = 0) const;
  int ReverseFind(char ch) const;

  // Editing; each returns the count of characters removed or the new length.
  int Remove(char ch);
  int Delete(int nIndex, int nCount = 1);

  // Case (ASCII letters only, as the C locale).
  CString& MakeUpper();
  CString& MakeLower();

  // printf-style formatting, any length.
  void Format(LPCSTR lpszFormat, ...) AFX_PRINTF_LIKE(2, 3);

  // A string-table resource from the module chain.
  BOOL LoadString(UINT nID);

  // Direct buffer access. The buffer holds at least nMinBufLength characters plus a NUL;
  // ReleaseBuffer(-1) takes the length up to the first NUL.
  LPSTR GetBuffer(int nMinBufLength);
  LPSTR GetBufferSetLength(int nNewLength);
  void ReleaseBuffer(int nNewLength = -1);

 private:
  CStringData* GetData() const { return reinterpret_cast<CStringData*>(m_pchData) - 1; }
  // Makes room for nLength characters, keeping the current text; the length is unchanged.
  void Reserve(int nLength);
  void SetLength(int nLength);
  void Assign(LPCSTR lpch, int nLength);
  void Append(LPCSTR lpch, int nLength);
  void Release();

  LPSTR m_pchData;
};

AFX_API CString AFXAPI operator+(const CString& string1, const CString& string2);
AFX_API CString AFXAPI operator+(const CString& string, LPCSTR lpsz);
AFX_API CString AFXAPI operator+(LPCSTR lpsz, const CString& string);
AFX_API CString AFXAPI operator+(const CString& string, char ch);

inline bool operator==(const CString& s1, const CString& s2) { return s1.Compare(s2) == 0; }
inline bool operator==(const CString& s1, LPCSTR s2) { return s1.Compare(s2) == 0; }
inline bool operator==(LPCSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
inline bool operator!=(const CString& s1, const CString& s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) != 0; }
inline bool operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
