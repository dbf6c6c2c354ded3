// Dialog data exchange and validation.
#include "afxwin.h"
#include <cfloat>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <climits>
#include <string>

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

// An optionally signed decimal int.
ParseResult ParseInt(const char* text, int* pValue) {
  std::string t = Trimmed(text);
  size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    negative = t[i] == '-';
    ++i;
  }
  if (i == t.size()) return ParseResult::kNotNumber;
  long long m = 0;
  bool overflow = false;
  for (; i < t.size(); ++i) {
    if (t[i] < '0' || t[i] > '9') return ParseResult::kNotNumber;
    if (!overflow) m = m * 10 + (t[i] - '0');
    if (m > 2147483648LL) overflow = true;
  }
  if (negative) m = -m;
  if (overflow || m < INT_MIN || m > INT_MAX) return ParseResult::kOutOfRange;
  *pValue = (int)m;
  return ParseResult::kOk;
}

// A decimal number: sign, digits with at most one point, an optional exponent. No
// hexadecimal, infinity or not-a-number forms. The point is always '.', whatever the C
// runtime's locale says, so that what FormatReal wrote reads back.
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
  const char* first = t.c_str() + (t[0] == '+' ? 1 : 0);  // from_chars takes no plus sign
  double v = 0;
  if (std::from_chars(first, t.c_str() + t.size(), v).ec != std::errc()) return ParseResult::kOutOfRange;
  *pValue = v;
  return ParseResult::kOk;
}

// DBL_DIG significant digits as "%g" gives them, but with '.' in any locale.
std::string FormatReal(double v) {
  char buf[64];
  const std::to_chars_result r = std::to_chars(buf, buf + sizeof(buf), v, std::chars_format::general, DBL_DIG);
  return std::string(buf, r.ptr);
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

std::string RangePrompt(int minVal, int maxVal) {
  return "Enter an integer between " + std::to_string(minVal) + " and " + std::to_string(maxVal) +
         ".";
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

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
  HWND h = Prepare(pDX, nIDC, true);
  if (h == nullptr) return;
  if (!pDX->m_bSaveAndValidate) {
    SetTextIfChanged(h, std::to_string(value).c_str());
    return;
  }
  int v = 0;
  ParseResult r = ParseInt(WindowText(h).GetString(), &v);
  if (r == ParseResult::kOk)
    value = v;
  else if (r == ParseResult::kOutOfRange)
    FailWith(pDX, RangePrompt(INT_MIN, INT_MAX));
  else
    FailWith(pDX, "Enter an integer.");
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
  HWND h = Prepare(pDX, nIDC, true);
  if (h == nullptr) return;
  if (!pDX->m_bSaveAndValidate) {
    SetTextIfChanged(h, FormatReal(value).c_str());
    return;
  }
  double v = 0;
  if (ParseDouble(WindowText(h).GetString(), &v) == ParseResult::kOk)
    value = v;
  else
    FailWith(pDX, "Enter a number.");
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

// ---------------------------------------------------------------------------------------
// DDV_
// ---------------------------------------------------------------------------------------
void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
  if (pDX->m_bFailed || !pDX->m_bSaveAndValidate) return;
  if (value < minVal || value > maxVal) FailWith(pDX, RangePrompt(minVal, maxVal));
}

void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal,
                             double maxVal) {
  if (pDX->m_bFailed || !pDX->m_bSaveAndValidate) return;
  if (value < minVal || value > maxVal) {
    FailWith(pDX, "Enter a number between " + FormatReal(minVal) + " and " + FormatReal(maxVal) +
                      ".");
  }
}
