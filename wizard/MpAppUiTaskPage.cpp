// What the task pages share.
#include "MpAppUiTaskPage.h"
#include <commctrl.h>
#include <cstring>
#include "MpUiResourceString.h"
#include "resource.h"

namespace MpAppUiTaskPage {

namespace {
std::string toString(const CString& text) { return std::string((LPCSTR)text, (size_t)text.GetLength()); }
bool isOneOf(char c, const char* set) { return c != '\0' && std::strchr(set, c) != nullptr; }
}  // namespace

bool createBag(IMpOptionsPtr& bag) { return bag.createInstance(CLSID_MpOptions, nullptr); }

std::string windowText(const CWnd& control) {
  CString text;
  control.GetWindowText(text);
  return toString(text);
}

void setWindowText(CWnd& control, const std::string& text) { control.SetWindowText(text.c_str()); }

std::string selectedText(const CComboBox& combo) {
  const int selected = combo.GetCurSel();
  if (selected == CB_ERR) return std::string();
  CString text;
  combo.GetLBText(selected, text);
  return toString(text);
}

bool requireSelection(const CComboBox& combo, std::string& text) {
  if (combo.GetCurSel() == CB_ERR) {
    showInputError(IDS_TASK_NO_TYPE);
    return false;
  }
  text = selectedText(combo);
  return true;
}

int findExact(const CComboBox& combo, const std::string& text) {
  // The combo box's own searches ignore case, and FindString/SelectString match prefixes too.
  const int count = combo.GetCount();
  for (int i = 0; i < count; ++i) {
    CString entry;
    combo.GetLBText(i, entry);
    if (toString(entry) == text) return i;
  }
  return CB_ERR;
}

void showInputError(UINT messageId, const std::string& insert1) {
  const std::string text = getResourceString(messageId, insert1, "", "", "");
  AfxMessageBox(text.c_str(), MB_ICONERROR);
}

void showNotice(UINT messageId, const std::string& insert1) {
  const std::string text = getResourceString(messageId, insert1, "", "", "");
  AfxMessageBox(text.c_str(), MB_ICONINFORMATION);
}

const char* onOff(const CButton& box) { return box.GetCheck() != BST_UNCHECKED ? "on" : "off"; }

bool profileOnOff(const char* section, const char* entry) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return true;
  return toString(app->GetProfileString(section, entry, "on")) != "off";
}

BOOL answerToolTip(NMHDR* header, std::string& keep) {
  TOOLTIPTEXTA* tip = reinterpret_cast<TOOLTIPTEXTA*>(header);
  if (!(tip->uFlags & TTF_IDISHWND)) return FALSE;
  const UINT id = static_cast<UINT>(::GetDlgCtrlID(reinterpret_cast<HWND>(header->idFrom)));
  // Long texts wrap; a tip stays up as long as the tooltip control allows (its times are 16-bit).
  ::SendMessageA(header->hwndFrom, TTM_SETMAXTIPWIDTH, 0, 300);
  ::SendMessageA(header->hwndFrom, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(32767, 0));
  CString text;
  text.LoadString(id);  // none: an empty text, which the tooltip does not show
  keep = toString(text);
  // Given by pointer: with an instance the tooltip control would take the pointer for a string id.
  tip->lpszText = const_cast<LPSTR>(keep.c_str());
  tip->hinst = nullptr;
  return TRUE;
}

bool listHolds(IMpOptions* bag, const char* key, const std::string& name) {
  if (bag == nullptr) return false;
  for (const std::string& taken : bag->getStringList(key))
    if (taken == name) return true;
  return false;
}

bool isSingleIntFormat(const std::string& format) {
  int conversions = 0;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') continue;
    ++i;
    if (i < format.size() && format[i] == '%') continue;
    while (i < format.size() && isOneOf(format[i], "-+ #0")) ++i;
    // A '*' would take an int argument of its own.
    while (i < format.size() && format[i] >= '0' && format[i] <= '9') ++i;
    if (i < format.size() && format[i] == '.') {
      ++i;
      while (i < format.size() && format[i] >= '0' && format[i] <= '9') ++i;
    }
    if (i < format.size() && format[i] == 'h') {
      ++i;
      if (i < format.size() && format[i] == 'h') ++i;
    } else if (i < format.size() && format[i] == 'l') {
      ++i;
    }
    if (i >= format.size() || !isOneOf(format[i], "diouxX")) return false;
    ++conversions;
  }
  return conversions == 1;
}

}  // namespace MpAppUiTaskPage
