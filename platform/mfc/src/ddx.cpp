// Dialog data exchange and validation.
#include "afxwin.h"
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <type_traits>

// ---------------------------------------------------------------------------------------
// CDataExchange
// ---------------------------------------------------------------------------------------
CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  HWND h = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
  m_idLastControl = h;
  m_bEditLastControl = FALSE;
  return h;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
  HWND h = PrepareCtrl(nIDC);
  m_bEditLastControl = TRUE;
  return h;
}

namespace {
bool IsComboBox(HWND h) {
  char cls[32] = {};
  ::GetClassNameA(h, cls, sizeof(cls));
  return ::lstrcmpiA(cls, "ComboBox") == 0;
}
}  // namespace

void CDataExchange::Fail() {
  m_bFailed = TRUE;
  if (!m_bSaveAndValidate) return;  // a bad value from the program: nothing to hand back
  HWND h = m_idLastControl;
  if (h == nullptr || !::IsWindow(h)) return;
  // Back to the control that failed, its text selected so the user can type over it.
  ::SetFocus(h);
  if (m_bEditLastControl) {
    if (IsComboBox(h))
      ::SendMessageA(h, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    else
      ::SendMessageA(h, EM_SETSEL, 0, -1);
  }
}

// ---------------------------------------------------------------------------------------
// Helpers
// ---------------------------------------------------------------------------------------
namespace {
enum class ParseResult { kOk, kNotNumber, kOutOfRange };

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The text without the blanks around it.
std::string Trimmed(const char* s) {
  const char* b = s;
  while (*b && IsBlank(*b)) ++b;
  const char* e = b + std::strlen(b);
  while (e > b && IsBlank(e[-1])) --e;
  return std::string(b, e);
}

// An optionally signed decimal integer; its magnitude and sign.
ParseResult ParseMagnitude(const std::string& t, bool allowMinus, bool* pNegative,
                           unsigned long long* pMagnitude) {
  size_t i = 0;
  *pNegative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    *pNegative = t[i] == '-';
    ++i;
  }
  if (i == t.size()) return ParseResult::kNotNumber;
  unsigned long long m = 0;
  bool overflow = false;
  for (; i < t.size(); ++i) {
    if (t[i] < '0' || t[i] > '9') return ParseResult::kNotNumber;
    unsigned d = (unsigned)(t[i] - '0');
    if (m > (std::numeric_limits<unsigned long long>::max() - d) / 10)
      overflow = true;
    else
      m = m * 10 + d;
  }
  if (*pNegative && !allowMinus && (m != 0 || overflow)) return ParseResult::kOutOfRange;
  if (overflow) return ParseResult::kOutOfRange;
  *pMagnitude = m;
  return ParseResult::kOk;
}

template <class T>
ParseResult ParseSigned(const char* text, T* pValue) {
  bool negative;
  unsigned long long m;
  ParseResult r = ParseMagnitude(Trimmed(text), true, &negative, &m);
  if (r != ParseResult::kOk) return r;
  const unsigned long long maxPos = (unsigned long long)std::numeric_limits<T>::max();
  if (negative) {
    if (m > maxPos + 1) return ParseResult::kOutOfRange;
    *pValue = m == maxPos + 1 ? std::numeric_limits<T>::min() : (T)(-(long long)m);
  } else {
    if (m > maxPos) return ParseResult::kOutOfRange;
    *pValue = (T)m;
  }
  return ParseResult::kOk;
}

template <class T>
ParseResult ParseUnsigned(const char* text, T* pValue) {
  bool negative;
  unsigned long long m;
  ParseResult r = ParseMagnitude(Trimmed(text), false, &negative, &m);
  if (r != ParseResult::kOk) return r;
  if (m > (unsigned long long)std::numeric_limits<T>::max()) return ParseResult::kOutOfRange;
  *pValue = (T)m;
  return ParseResult::kOk;
}

// A decimal number: sign, digits with at most one point, an optional exponent. No
// hexadecimal, infinity or not-a-number forms.
ParseResult ParseDouble(const char* text, double* pValue) {
  std::string t = Trimmed(text);
  size_t i = 0, digits = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) ++digits;
  }
  if (digits == 0) return ParseResult::kNotNumber;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t expDigits = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) ++expDigits;
    if (expDigits == 0) return ParseResult::kNotNumber;
  }
  if (i != t.size()) return ParseResult::kNotNumber;
  double v = std::strtod(t.c_str(), nullptr);
  if (!std::isfinite(v)) return ParseResult::kOutOfRange;
  *pValue = v;
  return ParseResult::kOk;
}

std::string FormatReal(double v, int nDigits) {
  char buf[64];
  std::snprintf(buf, sizeof(buf), "%.*g", nDigits, v);
  return buf;
}

template <class T>
std::string FormatInteger(T v) {
  if constexpr (std::is_signed<T>::value)
    return std::to_string((long long)v);
  else
    return std::to_string((unsigned long long)v);
}

CString WindowText(HWND h) {
  CString s;
  int n = ::GetWindowTextLengthA(h);
  int got = ::GetWindowTextA(h, s.GetBuffer(n), n + 1);
  s.ReleaseBuffer(got);
  return s;
}

// Sets the text only when it differs, so that loading unchanged values raises no change
// notifications.
void SetTextIfChanged(HWND h, LPCSTR text) {
  if (WindowText(h).Compare(text) != 0) ::SetWindowTextA(h, text);
}

// One prompt, then the focus goes back to the control.
void FailWith(CDataExchange* pDX, const std::string& prompt) {
  AfxMessageBox(prompt.c_str(), MB_ICONEXCLAMATION);
  pDX->Fail();
}

// A control the template lacks: a fault of the program, not of the user. The exchange
// fails so that nothing reads or writes the wrong values.
void MissingControl(CDataExchange* pDX, int nIDC) {
  char msg[96];
  std::snprintf(msg, sizeof(msg), "DDX: dialog has no control %d\n", nIDC);
  ::OutputDebugStringA(msg);
  pDX->m_bFailed = TRUE;
}

HWND Prepare(CDataExchange* pDX, int nIDC, bool edit) {
  if (pDX->m_bFailed) return nullptr;
  HWND h = edit ? pDX->PrepareEditCtrl(nIDC) : pDX->PrepareCtrl(nIDC);
  if (h == nullptr) MissingControl(pDX, nIDC);
  return h;
}

template <class T>
std::string RangePrompt(T minVal, T maxVal) {
  return "Enter an integer between " + FormatInteger(minVal) + " and " + FormatInteger(maxVal) +
         ".";
}

template <class T>
void TextInteger(CDataExchange* pDX, int nIDC, T& value) {
  HWND h = Prepare(pDX, nIDC, true);
  if (h == nullptr) return;
  if (!pDX->m_bSaveAndValidate) {
    SetTextIfChanged(h, FormatInteger(value).c_str());
    return;
  }
  CString text = WindowText(h);
  T v{};
  ParseResult r;
  if constexpr (std::is_signed<T>::value)
    r = ParseSigned(text.GetString(), &v);
  else
    r = ParseUnsigned(text.GetString(), &v);
  if (r == ParseResult::kOk) {
    value = v;
  } else if (r == ParseResult::kOutOfRange) {
    FailWith(pDX, RangePrompt(std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
  } else {
    FailWith(pDX,
             std::is_signed<T>::value ? "Enter an integer." : "Enter an integer of 0 or more.");
  }
}

template <class T>
void TextReal(CDataExchange* pDX, int nIDC, T& value, int nDigits) {
  HWND h = Prepare(pDX, nIDC, true);
  if (h == nullptr) return;
  if (!pDX->m_bSaveAndValidate) {
    SetTextIfChanged(h, FormatReal(value, nDigits).c_str());
    return;
  }
  double v = 0;
  ParseResult r = ParseDouble(WindowText(h).GetString(), &v);
  if (r == ParseResult::kOk && std::fabs(v) > (double)std::numeric_limits<T>::max())
    r = ParseResult::kOutOfRange;
  if (r == ParseResult::kOk)
    value = (T)v;
  else
    FailWith(pDX, "Enter a number.");
}

template <class T>
void MinMaxInteger(CDataExchange* pDX, T value, T minVal, T maxVal) {
  if (pDX->m_bFailed || !pDX->m_bSaveAndValidate) return;
  if (value < minVal || value > maxVal) FailWith(pDX, RangePrompt(minVal, maxVal));
}

void MinMaxReal(CDataExchange* pDX, double value, double minVal, double maxVal, int nDigits) {
  if (pDX->m_bFailed || !pDX->m_bSaveAndValidate) return;
  if (value < minVal || value > maxVal) {
    FailWith(pDX, "Enter a number between " + FormatReal(minVal, nDigits) + " and " +
                      FormatReal(maxVal, nDigits) + ".");
  }
}

bool HasEditField(HWND hCombo) {
  DWORD type = (DWORD)::GetWindowLongA(hCombo, GWL_STYLE) & 3;
  return type != CBS_DROPDOWNLIST;
}

// Loads a string into a combo box: the item found (by prefix or whole text), else no
// selection and, with an edit field, the text itself.
void LoadComboString(HWND h, const CString& value, bool exact) {
  LRESULT found = CB_ERR;
  if (!value.IsEmpty()) {
    if (exact) {
      found = ::SendMessageA(h, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)value.GetString());
      if (found != CB_ERR) ::SendMessageA(h, CB_SETCURSEL, (WPARAM)found, 0);
    } else {
      found = ::SendMessageA(h, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)value.GetString());
    }
  }
  if (found == CB_ERR) {
    if (::SendMessageA(h, CB_GETCURSEL, 0, 0) != CB_ERR)
      ::SendMessageA(h, CB_SETCURSEL, (WPARAM)-1, 0);
    if (HasEditField(h)) SetTextIfChanged(h, value.GetString());
  }
}

void SaveComboString(HWND h, CString& value) {
  if (HasEditField(h)) {
    value = WindowText(h);
    return;
  }
  // A drop-down list shows its selected item.
  int sel = (int)::SendMessageA(h, CB_GETCURSEL, 0, 0);
  int n = sel == CB_ERR ? CB_ERR : (int)::SendMessageA(h, CB_GETLBTEXTLEN, (WPARAM)sel, 0);
  if (n == CB_ERR) {
    value.Empty();
    return;
  }
  int got = (int)::SendMessageA(h, CB_GETLBTEXT, (WPARAM)sel, (LPARAM)value.GetBuffer(n));
  value.ReleaseBuffer(got == CB_ERR ? 0 : got);
}

void LoadListString(HWND h, const CString& value, bool exact) {
  LRESULT found = LB_ERR;
  if (!value.IsEmpty()) {
    if (exact) {
      found = ::SendMessageA(h, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)value.GetString());
      if (found != LB_ERR) ::SendMessageA(h, LB_SETCURSEL, (WPARAM)found, 0);
    } else {
      found = ::SendMessageA(h, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)value.GetString());
    }
  }
  if (found == LB_ERR) ::SendMessageA(h, LB_SETCURSEL, (WPARAM)-1, 0);
}

void SaveListString(HWND h, CString& value) {
  int sel = (int)::SendMessageA(h, LB_GETCURSEL, 0, 0);
  int n = sel == LB_ERR ? LB_ERR : (int)::SendMessageA(h, LB_GETTEXTLEN, (WPARAM)sel, 0);
  if (n == LB_ERR) {
    value.Empty();
    return;
  }
  int got = (int)::SendMessageA(h, LB_GETTEXT, (WPARAM)sel, (LPARAM)value.GetBuffer(n));
  value.ReleaseBuffer(got == LB_ERR ? 0 : got);
}
}  // namespace

// ---------------------------------------------------------------------------------------
// DDX_
// ---------------------------------------------------------------------------------------
void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  HWND h = Prepare(pDX, nIDC, false);
  if (h == nullptr || rControl.m_hWnd != nullptr) return;
  if (!rControl.SubclassWindow(h)) {
    char msg[96];
    std::snprintf(msg, sizeof(msg), "DDX_Control: control %d cannot be bound\n", nIDC);
    ::OutputDebugStringA(msg);
    pDX->m_bFailed = TRUE;
  }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  HWND h = Prepare(pDX, nIDC, true);
  if (h == nullptr) return;
  if (pDX->m_bSaveAndValidate)
    value = WindowText(h);
  else
    SetTextIfChanged(h, value.GetString());
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, LPSTR value, int nMaxLen) {
  HWND h = Prepare(pDX, nIDC, true);
  if (h == nullptr) return;
  if (pDX->m_bSaveAndValidate) {
    if (nMaxLen > 0) ::GetWindowTextA(h, value, nMaxLen);
  } else {
    SetTextIfChanged(h, value);
  }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value) { TextInteger(pDX, nIDC, value); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) { TextInteger(pDX, nIDC, value); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value) { TextInteger(pDX, nIDC, value); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value) { TextInteger(pDX, nIDC, value); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value) { TextInteger(pDX, nIDC, value); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value) { TextInteger(pDX, nIDC, value); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, LONGLONG& value) {
  TextInteger(pDX, nIDC, value);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, ULONGLONG& value) {
  TextInteger(pDX, nIDC, value);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
  TextReal(pDX, nIDC, value, DBL_DIG);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value) {
  TextReal(pDX, nIDC, value, FLT_DIG);
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  HWND h = Prepare(pDX, nIDC, false);
  if (h == nullptr) return;
  if (pDX->m_bSaveAndValidate)
    value = (int)::SendMessageA(h, BM_GETCHECK, 0, 0);
  else
    ::SendMessageA(h, BM_SETCHECK, (WPARAM)value, 0);
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  HWND hFirst = Prepare(pDX, nIDC, false);
  if (hFirst == nullptr) return;
  if (pDX->m_bSaveAndValidate) value = -1;
  int index = 0;
  HWND h = hFirst;
  do {
    // Only radio buttons count; other controls inside the group are passed over.
    if (::SendMessageA(h, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
      if (pDX->m_bSaveAndValidate) {
        if (value == -1 && ::SendMessageA(h, BM_GETCHECK, 0, 0) != BST_UNCHECKED) value = index;
      } else {
        ::SendMessageA(h, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
      }
      ++index;
    }
    h = ::GetWindow(h, GW_HWNDNEXT);
  } while (h != nullptr && !(::GetWindowLongA(h, GWL_STYLE) & WS_GROUP));
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
  HWND h = Prepare(pDX, nIDC, false);
  if (h == nullptr) return;
  if (pDX->m_bSaveAndValidate)
    index = (int)::SendMessageA(h, CB_GETCURSEL, 0, 0);
  else
    ::SendMessageA(h, CB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
  HWND h = Prepare(pDX, nIDC, true);
  if (h == nullptr) return;
  if (pDX->m_bSaveAndValidate)
    SaveComboString(h, value);
  else
    LoadComboString(h, value, false);
}

void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
  HWND h = Prepare(pDX, nIDC, true);
  if (h == nullptr) return;
  if (pDX->m_bSaveAndValidate)
    SaveComboString(h, value);
  else
    LoadComboString(h, value, true);
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
  HWND h = Prepare(pDX, nIDC, false);
  if (h == nullptr) return;
  if (pDX->m_bSaveAndValidate)
    index = (int)::SendMessageA(h, LB_GETCURSEL, 0, 0);
  else
    ::SendMessageA(h, LB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value) {
  HWND h = Prepare(pDX, nIDC, false);
  if (h == nullptr) return;
  if (pDX->m_bSaveAndValidate)
    SaveListString(h, value);
  else
    LoadListString(h, value, false);
}

void AFXAPI DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
  HWND h = Prepare(pDX, nIDC, false);
  if (h == nullptr) return;
  if (pDX->m_bSaveAndValidate)
    SaveListString(h, value);
  else
    LoadListString(h, value, true);
}

// ---------------------------------------------------------------------------------------
// DDV_
// ---------------------------------------------------------------------------------------
void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
  MinMaxInteger(pDX, value, minVal, maxVal);
}
void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal) {
  MinMaxInteger(pDX, value, minVal, maxVal);
}
void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal) {
  MinMaxInteger(pDX, value, minVal, maxVal);
}
void AFXAPI DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal) {
  MinMaxInteger(pDX, value, minVal, maxVal);
}
void AFXAPI DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal) {
  MinMaxInteger(pDX, value, minVal, maxVal);
}
void AFXAPI DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal) {
  MinMaxInteger(pDX, value, minVal, maxVal);
}
void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal,
                             double maxVal) {
  MinMaxReal(pDX, value, minVal, maxVal, DBL_DIG);
}
void AFXAPI DDV_MinMaxFloat(CDataExchange* pDX, const float& value, float minVal, float maxVal) {
  MinMaxReal(pDX, value, minVal, maxVal, FLT_DIG);
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
  if (pDX->m_bFailed) return;
  if (!pDX->m_bSaveAndValidate) {
    HWND h = pDX->m_idLastControl;
    if (h != nullptr && pDX->m_bEditLastControl)
      ::SendMessageA(h, IsComboBox(h) ? CB_LIMITTEXT : EM_LIMITTEXT, (WPARAM)nChars, 0);
    return;
  }
  if (value.GetLength() > nChars)
    FailWith(pDX, "Enter no more than " + std::to_string(nChars) + " characters.");
}
