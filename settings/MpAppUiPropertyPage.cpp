// The base of every settings page, and the pattern most settings pages follow.
#include "MpAppUiPropertyPage.h"
#include <commctrl.h>
#include <cstring>
#include "MpAppUiNumberText.h"
#include "MpLogging.h"
#include "MpUiResourceString.h"
#include "resource.h"

// ---------------------------------------------------------------------------------------
// MpAppUiPropertyPage
// ---------------------------------------------------------------------------------------
IMPLEMENT_DYNCREATE(MpAppUiPropertyPage, CPropertyPage)

BEGIN_MESSAGE_MAP(MpAppUiPropertyPage, CPropertyPage)
  ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipNotify)
END_MESSAGE_MAP()

MpAppUiPropertyPage::MpAppUiPropertyPage() : CPropertyPage() {}

MpAppUiPropertyPage::MpAppUiPropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CPropertyPage(nIDTemplate, nIDCaption, sizeof(PROPSHEETPAGEA)) {}

MpAppUiPropertyPage::MpAppUiPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption)
    : CPropertyPage(lpszTemplateName, nIDCaption, sizeof(PROPSHEETPAGEA)) {}

MpAppUiPropertyPage::~MpAppUiPropertyPage() {}

BOOL MpAppUiPropertyPage::OnInitDialog() {
  BOOL bResult = CPropertyPage::OnInitDialog();
  EnableToolTips(TRUE);
  return bResult;
}

BOOL MpAppUiPropertyPage::OnToolTipNotify(UINT id, NMHDR* pNMHDR, LRESULT* pResult) {
  (void)id;
  (void)pResult;
  TOOLTIPTEXTA* pTTT = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
  if (!(pTTT->uFlags & TTF_IDISHWND)) return FALSE;
  return answerToolTip(pNMHDR, static_cast<UINT>(::GetDlgCtrlID(reinterpret_cast<HWND>(pNMHDR->idFrom))));
}

BOOL MpAppUiPropertyPage::answerToolTip(NMHDR* pNMHDR, UINT nIDText) {
  TOOLTIPTEXTA* pTTT = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
  // Long texts wrap, and a tip stays up while the mouse rests on the control: as long as the
  // tooltip control allows (its times are 16-bit; a larger value would be cut to its low word).
  ::SendMessageA(pNMHDR->hwndFrom, TTM_SETMAXTIPWIDTH, 0, 300);
  ::SendMessageA(pNMHDR->hwndFrom, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(32767, 0));
  // A control without a string gets an empty text, which the tooltip control does not show.
  CString text;
  text.LoadString(nIDText);
  m_strToolTipText = static_cast<LPCSTR>(text);
  // Given by pointer: with an instance the tooltip control would take the pointer for a string id.
  pTTT->lpszText = const_cast<LPSTR>(m_strToolTipText.c_str());
  pTTT->hinst = nullptr;
  return TRUE;
}

void MpAppUiPropertyPage::restoreDefaults() {}

void MpAppUiPropertyPage::save() {}

bool MpAppUiPropertyPage::getNotifications(std::vector<std::string>& notifications) {
  (void)notifications;
  return false;
}

// ---------------------------------------------------------------------------------------
// MpAppUiSettingsPage
// ---------------------------------------------------------------------------------------
namespace {

// An edit field that knows, while it loses the focus, which window gains it.
class MpAppUiPageEdit : public CEdit {
 public:
  bool losingFocus() const { return m_nLosing > 0; }
  HWND newFocus() const { return m_hWndNewFocus; }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_KILLFOCUS) return CEdit::WindowProc(message, wParam, lParam);
    HWND hWndSaved = m_hWndNewFocus;
    m_hWndNewFocus = reinterpret_cast<HWND>(wParam);
    ++m_nLosing;
    LRESULT lResult = CEdit::WindowProc(message, wParam, lParam);
    --m_nLosing;
    m_hWndNewFocus = hWndSaved;
    return lResult;
  }

 private:
  HWND m_hWndNewFocus = nullptr;
  int m_nLosing = 0;
};

bool isPageWindow(HWND hWnd) {
  char className[16] = {};
  ::GetClassNameA(hWnd, className, sizeof(className));
  return std::strcmp(className, "#32770") == 0;
}

}  // namespace

IMPLEMENT_DYNAMIC(MpAppUiSettingsPage, MpAppUiPropertyPage)

MpAppUiSettingsPage::MpAppUiSettingsPage(UINT nIDTemplate, const MpAppUiPageKey* keys, size_t keyCount,
                                         GroupGetter getter, GroupReset reset, UINT nIDRefused,
                                         bool bRulesAtFirstShow, int nRefusalLine)
    : MpAppUiPropertyPage(nIDTemplate, 0),
      m_keys(keys),
      m_keyCount(keyCount),
      m_getter(getter),
      m_reset(reset),
      m_nIDRefused(nIDRefused),
      m_bRulesAtFirstShow(bRulesAtFirstShow),
      m_nRefusalLine(nRefusalLine) {
  m_controls.reserve(keyCount);
  for (size_t i = 0; i < keyCount; ++i) {
    switch (keys[i].kind) {
      case MpAppUiKeyKind::CheckBox:
      case MpAppUiKeyKind::RadioButton:
        m_controls.emplace_back(new CButton);
        break;
      case MpAppUiKeyKind::EditField:
        m_controls.emplace_back(new MpAppUiPageEdit);
        break;
      case MpAppUiKeyKind::ComboBox:
        m_controls.emplace_back(new CComboBox);
        break;
    }
  }
}

MpAppUiSettingsPage::~MpAppUiSettingsPage() {}

void MpAppUiSettingsPage::DoDataExchange(CDataExchange* pDX) {
  MpAppUiPropertyPage::DoDataExchange(pDX);
  for (size_t i = 0; i < m_keyCount; ++i) {
    // A control the template lacks is left out here and skipped everywhere else.
    if (::GetDlgItem(m_hWnd, m_keys[i].id)) DDX_Control(pDX, m_keys[i].id, *m_controls[i]);
  }
}

BOOL MpAppUiSettingsPage::OnInitDialog() {
  MpAppUiPropertyPage::OnInitDialog();
  {
    IMpPmUtSettingsBasePtr spService(CLSID_MpPmUtSettings, nullptr);
    // The getter hands out the group without a reference of ours: the member takes one.
    if (!spService.isNull()) {
      prepareService(spService.get());
      m_spSettings = (spService.get()->*m_getter)();
    }
  }
  prepareControls();
  fillControls();
  if (m_bRulesAtFirstShow) applyEnableRules();
  return TRUE;
}

void MpAppUiSettingsPage::fillControls() {
  m_nRefusedForLeave = 0;
  m_strRefusedForLeave.clear();
  if (m_spSettings.isNull()) return;
  for (size_t i = 0; i < m_keyCount; ++i) {
    const MpAppUiPageKey& key = m_keys[i];
    const std::string value = m_spSettings->getString(key.key);
    // An empty value leaves the control as it is.
    if (value.empty() || !m_controls[i]->m_hWnd) continue;
    switch (key.kind) {
      case MpAppUiKeyKind::CheckBox:
      case MpAppUiKeyKind::RadioButton:
        static_cast<CButton*>(m_controls[i].get())->SetCheck(value == "on" ? BST_CHECKED : BST_UNCHECKED);
        break;
      case MpAppUiKeyKind::EditField:
        m_controls[i]->SetWindowText(value.c_str());
        break;
      case MpAppUiKeyKind::ComboBox: {
        CComboBox* pCombo = static_cast<CComboBox*>(m_controls[i].get());
        const int nIndex = pCombo->FindStringExact(-1, value.c_str());
        if (nIndex != CB_ERR) pCombo->SetCurSel(nIndex);
        break;
      }
    }
  }
}

void MpAppUiSettingsPage::applyEnableRules() {}

void MpAppUiSettingsPage::logRefusal(UINT nIDMessage) {
  g_spLogger->log(MpLog::Warning, MpLog::NoFlag, getResourceString(nIDMessage, "", "", "", ""),
                  GetRuntimeClass()->m_lpszClassName, m_nRefusalLine);
}

void MpAppUiSettingsPage::prepareService(IMpPmUtSettingsBase* pService) { (void)pService; }

void MpAppUiSettingsPage::prepareControls() {}

void MpAppUiSettingsPage::onRefusal() {}

void MpAppUiSettingsPage::refill() {
  fillControls();
  applyEnableRules();
}

void MpAppUiSettingsPage::enableControl(int id, bool bEnable) {
  if (CWnd* pWnd = GetDlgItem(id)) pWnd->EnableWindow(bEnable ? TRUE : FALSE);
}

bool MpAppUiSettingsPage::isChecked(int id) const {
  HWND hWnd = ::GetDlgItem(m_hWnd, id);
  return hWnd && ::SendMessageA(hWnd, BM_GETCHECK, 0, 0) != BST_UNCHECKED;
}

const MpAppUiPageKey* MpAppUiSettingsPage::findKey(int id, MpAppUiKeyKind kind) const {
  for (size_t i = 0; i < m_keyCount; ++i) {
    if (m_keys[i].id == id && m_keys[i].kind == kind) return &m_keys[i];
  }
  return nullptr;
}

std::string MpAppUiSettingsPage::controlText(int id) const {
  CString text;
  GetDlgItemText(id, text);
  return static_cast<LPCSTR>(text);
}

bool MpAppUiSettingsPage::passesTest(MpAppUiNumberTest test, const std::string& text) {
  switch (test) {
    case MpAppUiNumberTest::Positive: {
      double value = 0.0;
      return MpAppUiTextToDouble(text, value) && value > 0.0;
    }
    case MpAppUiNumberTest::PositiveCount: {
      int value = 0;
      return MpAppUiTextToInt(text, value) && value >= 1;
    }
    case MpAppUiNumberTest::NonNegative: {
      double value = 0.0;
      return MpAppUiHasNumber(text) && MpAppUiTextToDouble(text, value) && value >= 0.0;
    }
    case MpAppUiNumberTest::Fraction: {
      double value = 0.0;
      return MpAppUiTextToDouble(text, value) && value > 0.0 && value <= 1.0;
    }
    case MpAppUiNumberTest::None:
      break;
  }
  return true;
}

void MpAppUiSettingsPage::OnKeyClicked(UINT id) {
  const MpAppUiPageKey* key = findKey(static_cast<int>(id), MpAppUiKeyKind::CheckBox);
  if (key) {
    if (!m_spSettings.isNull()) m_spSettings->setString(key->key, isChecked(key->id) ? "on" : "off");
    if (key->flags & MpAppUiPageKey::DrivesRules) applyEnableRules();
    return;
  }
  key = findKey(static_cast<int>(id), MpAppUiKeyKind::RadioButton);
  if (!key || m_spSettings.isNull()) return;
  // The clicked button is the choice; the controls are not read.
  m_spSettings->setString(key->key, "on");
  for (size_t i = 0; i < m_keyCount; ++i) {
    const MpAppUiPageKey& other = m_keys[i];
    if (&other != key && other.kind == MpAppUiKeyKind::RadioButton && other.radioGroup == key->radioGroup)
      m_spSettings->setString(other.key, "off");
  }
}

void MpAppUiSettingsPage::OnKeySelChange(UINT id) {
  const MpAppUiPageKey* key = findKey(static_cast<int>(id), MpAppUiKeyKind::ComboBox);
  if (!key || m_spSettings.isNull()) return;
  UpdateData(TRUE);
  m_spSettings->setString(key->key, controlText(key->id));
}

void MpAppUiSettingsPage::OnKeyKillFocus(UINT id) {
  const MpAppUiPageKey* key = findKey(static_cast<int>(id), MpAppUiKeyKind::EditField);
  if (!key) return;
  bool bMayRefuse = true, bForLeave = false;
  const MpAppUiPageEdit* pEdit = dynamic_cast<const MpAppUiPageEdit*>(m_controls[key - m_keys].get());
  if (pEdit && pEdit->losingFocus()) {
    HWND hWndNew = pEdit->newFocus();
    bMayRefuse = mayRefuseFocusLossTo(hWndNew);
    // On its way to a button or the tabs of the sheet the text is about to be checked again.
    bForLeave = bMayRefuse && ::GetParent(hWndNew) == ::GetParent(m_hWnd);
  }
  // A refusal remembered for the page check holds only until a field is left again.
  m_nRefusedForLeave = 0;
  m_strRefusedForLeave.clear();
  if (!leaveField(*key, bMayRefuse) && bForLeave) {
    m_nRefusedForLeave = key->id;
    m_strRefusedForLeave = controlText(key->id);
  }
}

bool MpAppUiSettingsPage::mayRefuseFocusLossTo(HWND hWndNew) const {
  // A page that is no longer shown, or the focus leaving for another page, the sheet's Cancel
  // button or another window altogether: nothing may pull the focus back here.
  if (!::IsWindowVisible(m_hWnd)) return false;
  HWND hWndSheet = ::GetParent(m_hWnd);
  if (!hWndNew || !hWndSheet) return false;
  if (hWndNew == m_hWnd || ::IsChild(m_hWnd, hWndNew)) return true;
  if (hWndNew == hWndSheet) return true;
  if (::GetParent(hWndNew) == hWndSheet) return ::GetDlgCtrlID(hWndNew) != IDCANCEL && !isPageWindow(hWndNew);
  return false;
}

bool MpAppUiSettingsPage::leaveField(const MpAppUiPageKey& key, bool bMayRefuse) {
  if (m_spSettings.isNull() || !::GetDlgItem(m_hWnd, key.id)) return true;
  const std::string text = controlText(key.id);
  if (text.empty() && !(key.flags & MpAppUiPageKey::EmptyTested)) return true;
  if (passesTest(key.test, text)) {
    m_spSettings->setString(key.key, text);
    return true;
  }
  // While another refusal moves the focus, this field only keeps its text unwritten.
  if (bMayRefuse && !m_bRefusing) refuse(key, true);
  return false;
}

void MpAppUiSettingsPage::refuse(const MpAppUiPageKey& key, bool bLog) {
  if (bLog) onRefusal();
  if (bLog && g_spLogger.get()) logRefusal(key.message ? key.message : m_nIDRefused);
  CEdit* pEdit = static_cast<CEdit*>(m_controls[&key - m_keys].get());
  if (!pEdit->m_hWnd) return;
  const bool bWasRefusing = m_bRefusing;
  m_bRefusing = true;
  pEdit->SetFocus();
  pEdit->SetSel(0, -1);
  m_bRefusing = bWasRefusing;
}

bool MpAppUiSettingsPage::failsPageCheck(const MpAppUiPageKey& key) const {
  if (!(key.flags & MpAppUiPageKey::TestedOnLeave)) return false;
  CWnd* pField = GetDlgItem(key.id);
  if (!pField) return false;
  // An empty or disabled field lets the user go, unless the field says otherwise.
  const std::string text = controlText(key.id);
  if (key.flags & MpAppUiPageKey::StrictOnLeave) return !passesTest(key.test, text);
  return !text.empty() && pField->IsWindowEnabled() && !passesTest(key.test, text);
}

BOOL MpAppUiSettingsPage::OnKillActive() {
  // Without a group nothing would be written: no check keeps the user, and no data exchange
  // either (its own range checks would refuse the template's values).
  if (m_spSettings.isNull()) return TRUE;
  // A value confirmed with Enter, or left by a switch of pages, still has the focus: it is
  // checked and written as if it had been left with Tab. A text refused on its way to the
  // sheet's buttons was logged then and is not logged again.
  const MpAppUiPageKey* logged = nullptr;
  HWND hWndFocus = ::GetFocus();
  if (hWndFocus && ::GetParent(hWndFocus) == m_hWnd && ::IsWindowEnabled(hWndFocus)) {
    const MpAppUiPageKey* key = findKey(::GetDlgCtrlID(hWndFocus), MpAppUiKeyKind::EditField);
    if (key && key->id == m_nRefusedForLeave && controlText(key->id) == m_strRefusedForLeave) logged = key;
    else if (key && !leaveField(*key, true)) logged = key;
  }
  m_nRefusedForLeave = 0;
  m_strRefusedForLeave.clear();

  // The page check, in the page's order; the field just refused is not logged a second time.
  for (size_t i = 0; i < m_keyCount; ++i) {
    if (!failsPageCheck(m_keys[i])) continue;
    refuse(m_keys[i], &m_keys[i] != logged);
    return FALSE;
  }
  return MpAppUiPropertyPage::OnKillActive();
}

void MpAppUiSettingsPage::restoreDefaults() {
  {
    IMpPmUtSettingsBasePtr spService(CLSID_MpPmUtSettings, nullptr);
    if (!spService.isNull()) prepareService(spService.get());
    // The group object is reset in place: the page keeps its reference to it.
    if (!spService.isNull() && !m_spSettings.isNull()) (spService.get()->*m_reset)(m_spSettings.get());
  }
  fillControls();
  applyEnableRules();
  if (m_pGroupPartner && m_pGroupPartner->m_hWnd) m_pGroupPartner->refill();
}

void MpAppUiSettingsPage::save() {
  if (m_spSettings.isNull()) return;
  if (!m_spSettings->commit() && g_spLogger.get()) {
    const std::string pageName = GetRuntimeClass()->m_lpszClassName;
    g_spLogger->log(MpLog::Error, MpLog::NoFlag, pageName + " - settings could not be committed", "MpAppUiPropertyPage",
                    __LINE__);
  }
}
