// What every task page of the task sheet does the same way: taking the preset or making a
// fresh bag, moving texts between controls and bag, reporting rejected input. Internal to the
// library; the pages stay plain property pages.
#pragma once
#include <afxdlgs.h>
#include <map>
#include <string>
#include "MpAppOptionGridCtrl.h"
#include "MpSmartPointers.h"

namespace MpAppUiTaskPage {

// A fresh, empty bag from the class factory into bag; false (and bag empty) when the factory
// cannot make one.
bool createBag(IMpOptionsPtr& bag);

// The page's bag at set-up. A preset is shared (the page takes its own reference) and keeps its
// values; without one a fresh bag is made and seed(IMpOptions*) writes the task's default keys.
// Returns whether the page holds a bag.
template <class Seed>
bool takeBag(IMpOptionsPtr& bag, IMpOptions* preset, Seed seed) {
  if (preset != nullptr) {
    bag = preset;
    return true;
  }
  if (!createBag(bag)) return false;
  seed(bag.get());
  return true;
}

// A control's text.
std::string windowText(const CWnd& control);
void setWindowText(CWnd& control, const std::string& text);
// The text of the combo box's selected entry; empty when nothing is selected.
std::string selectedText(const CComboBox& combo);
// The selected entry's text; with nothing selected the user is told no type is chosen
// (IDS_TASK_NO_TYPE) and the answer is false.
bool requireSelection(const CComboBox& combo, std::string& text);
// The first entry whose text equals text exactly (case included); CB_ERR when none.
int findExact(const CComboBox& combo, const std::string& text);

// Rejected input: the message's text (with its first insert) and the error icon.
void showInputError(UINT messageId, const std::string& insert1 = std::string());
// A notice that does not keep the page: the message with one insert and the information icon.
void showNotice(UINT messageId, const std::string& insert1);

// A check box written back: "on" when it is in any checked state, else "off".
const char* onOff(const CButton& box);
// A remembered switch of the application profile, "on" when missing: false only for "off".
bool profileOnOff(const char* section, const char* entry);

// Answers a tooltip's request for a control's text (TTN_NEEDTEXTA): the string whose identifier
// equals the control's, kept alive in keep. False when the tool is not a control window.
BOOL answerToolTip(NMHDR* header, std::string& keep);

// OnInitDialog of a page that shows its bag in the option grid: the page's own set-up, then the
// grid over the placeholder's area. When the grid was made, fill(bag) builds its properties if
// the page holds a bag, and the grid learns from keyMap which property shows which key; grid
// stays null when it cannot be made. Returns the page's own set-up's result.
template <class Fill>
BOOL initGridPage(CPropertyPage& page, CStatic& placeholder, MpAppOptionGridCtrl*& grid, IMpOptions* bag,
                  const std::map<std::string, int>& keyMap, Fill fill) {
  const BOOL result = page.CPropertyPage::OnInitDialog();
  grid = MpAppOptionGridCtrl::createOver(page, placeholder);
  if (grid == nullptr) return result;
  if (bag != nullptr) fill(bag);
  grid->setKeyMap(keyMap);
  return result;
}

// Whether the bag's string list under key holds name exactly; false without a bag.
bool listHolds(IMpOptions* bag, const char* key, const std::string& name);

// Whether a printf format takes exactly one int and nothing else: one conversion among
// d, i, o, u, x, X (with optional flags, a fixed width and precision, and the length h, hh or l),
// any number of "%%", and no other conversion.
bool isSingleIntFormat(const std::string& format);

}  // namespace MpAppUiTaskPage
