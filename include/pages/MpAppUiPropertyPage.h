// The base of every settings page, and the pattern most settings pages follow.
//
// MpAppUiPropertyPage gives a page its tooltips (the string whose identifier equals the control's)
// and the three operations through which a settings sheet resets the active page, saves the
// pages and collects their change notifications.
//
// MpAppUiSettingsPage is the pattern of a page that edits one settings group of the host's
// settings service through a table of keys: the group is fetched when the page is first shown,
// the controls are filled from it, every control writes its key as soon as it changes (an edit
// field when it loses the focus and its text passes the field's test), typed numbers that fail
// their test are refused with a logged message and the focus back on the field, the Default
// button resets the group in place, and save commits it. A page is its key table, its enable
// rules and its log line.
#pragma once
#include <afxdlgs.h>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>
#include "MpSmartPointers.h"

class MpAppUiPropertyPage : public CPropertyPage {
  DECLARE_DYNCREATE(MpAppUiPropertyPage)

 public:
  MpAppUiPropertyPage();
  MpAppUiPropertyPage(UINT nIDTemplate, UINT nIDCaption);
  MpAppUiPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption);
  ~MpAppUiPropertyPage() override;

  BOOL OnInitDialog() override;

  // Puts the page's settings back to their defaults (the sheet's Default button).
  virtual void restoreDefaults();
  // Stores the page's settings for good.
  virtual void save();
  // Appends the page's change words to notifications; whether it appended any.
  virtual bool getNotifications(std::vector<std::string>& notifications);

 protected:
  afx_msg BOOL OnToolTipNotify(UINT id, NMHDR* pNMHDR, LRESULT* pResult);
  // Answers a tooltip's request for text with the string nIDText (long texts wrap, the tip stays
  // up while the mouse rests); TRUE.
  BOOL answerToolTip(NMHDR* pNMHDR, UINT nIDText);

  // The text of the last tooltip asked for: the tooltip control reads it after the handler.
  std::string m_strToolTipText;

  DECLARE_MESSAGE_MAP()
};

// How a control shows its key.
enum class MpAppUiKeyKind {
  CheckBox,     // "on" when checked, "off" otherwise
  RadioButton,  // "on" under its own key and "off" under the other keys of its group
  EditField,    // the text as typed, when it passes the field's test
  ComboBox,     // the text of the chosen entry
};

// The test a typed number passes.
enum class MpAppUiNumberTest {
  None,
  Positive,       // a decimal number greater than zero (tolerances, factors)
  PositiveCount,  // an int of at least 1
  NonNegative,    // a decimal number of at least zero; a text without a number is refused
  Fraction,       // a decimal number greater than zero and at most one
};

// One row of a page's key table.
struct MpAppUiPageKey {
  enum Flags : unsigned {
    DrivesRules = 1u << 0,        // a click applies the page's enable rules
    EmptyTested = 1u << 1,        // an empty text is tested on focus loss instead of skipped
    TestedOnLeave = 1u << 2,      // the page check tests the field when the page is left
    StrictOnLeave = 1u << 3,      // the page check tests the field also when empty or disabled
  };
  const char* key;
  int id;
  MpAppUiKeyKind kind;
  int radioGroup;              // radio buttons with the same group are one choice
  MpAppUiNumberTest test;
  unsigned flags;
  unsigned message;            // the message logged when the field refuses; 0: the page's

  static constexpr MpAppUiPageKey checkBox(const char* key, int id, unsigned flags = 0) {
    return MpAppUiPageKey{key, id, MpAppUiKeyKind::CheckBox, 0, MpAppUiNumberTest::None, flags, 0};
  }
  static constexpr MpAppUiPageKey radioButton(const char* key, int id, int group) {
    return MpAppUiPageKey{key, id, MpAppUiKeyKind::RadioButton, group, MpAppUiNumberTest::None, 0, 0};
  }
  static constexpr MpAppUiPageKey editField(const char* key, int id, MpAppUiNumberTest test,
                                            unsigned flags, unsigned message = 0) {
    return MpAppUiPageKey{key, id, MpAppUiKeyKind::EditField, 0, test, flags, message};
  }
  // A text field written as typed, an empty text included.
  static constexpr MpAppUiPageKey textField(const char* key, int id) {
    return MpAppUiPageKey{key, id, MpAppUiKeyKind::EditField, 0, MpAppUiNumberTest::None, EmptyTested, 0};
  }
  static constexpr MpAppUiPageKey comboBox(const char* key, int id) {
    return MpAppUiPageKey{key, id, MpAppUiKeyKind::ComboBox, 0, MpAppUiNumberTest::None, 0, 0};
  }
};

class MpAppUiSettingsPage : public MpAppUiPropertyPage {
  DECLARE_DYNAMIC(MpAppUiSettingsPage)

 public:
  // The settings service's getter and reset of the page's group.
  typedef IMpOptions* (IMpPmUtSettingsBase::*GroupGetter)();
  typedef bool (IMpPmUtSettingsBase::*GroupReset)(IMpOptions*);

  ~MpAppUiSettingsPage() override;

  BOOL OnInitDialog() override;
  BOOL OnKillActive() override;
  void restoreDefaults() override;
  void save() override;

  // The page's settings group: null until the page is first shown, and without settings service.
  IMpOptions* settings() const { return m_spSettings.get(); }

  // Whether a typed text passes the test of a field.
  static bool passesTest(MpAppUiNumberTest test, const std::string& text);

  // Fills the controls from the group again and applies the enable rules (the group was reset
  // by another page of the same group).
  void refill();
  // Another page that edits the same group: Default on either page refills the other one when
  // its window exists.
  void shareGroupWith(MpAppUiSettingsPage* pOther) { m_pGroupPartner = pOther; }

 protected:
  // keys: the page's table, in fill order; it outlives the page. nIDRefused: the message logged
  // when a typed number is refused. bRulesAtFirstShow: whether showing the page applies the
  // enable rules. nRefusalLine: the line a refusal's log names with the page's source file (its
  // class name); a page whose fields refuse gives a line of its own source.
  MpAppUiSettingsPage(UINT nIDTemplate, const MpAppUiPageKey* keys, size_t keyCount, GroupGetter getter,
                      GroupReset reset, UINT nIDRefused, bool bRulesAtFirstShow, int nRefusalLine = 0);

  void DoDataExchange(CDataExchange* pDX) override;

  // The page's enable rules; none in the base.
  virtual void applyEnableRules();
  // Called with the settings service before the group is fetched or reset.
  virtual void prepareService(IMpPmUtSettingsBase* pService);
  // Called once the group is fetched, before the controls are first filled.
  virtual void prepareControls();
  // Called as a refusal begins, before it is logged (the operation page beeps).
  virtual void onRefusal();
  // Fills the controls from the group (nothing without a group); a page with controls outside
  // its table fills those after calling this.
  virtual void fillControls();
  // Enables or disables a control; a control the page does not have is skipped.
  void enableControl(int id, bool bEnable);
  bool isChecked(int id) const;

  // Handlers that a page maps its controls' notifications to.
  afx_msg void OnKeyClicked(UINT id);
  afx_msg void OnKeySelChange(UINT id);
  afx_msg void OnKeyKillFocus(UINT id);

 private:
  const MpAppUiPageKey* findKey(int id, MpAppUiKeyKind kind) const;
  std::string controlText(int id) const;
  // Checks and writes an edit field that is being left; false when its text is not written
  // because it failed its test (refused, unless bMayRefuse is false).
  bool leaveField(const MpAppUiPageKey& key, bool bMayRefuse);
  // Whether the page check keeps the user on the page because of this field.
  bool failsPageCheck(const MpAppUiPageKey& key) const;
  // Logs a refused number: severity 200, flag 0, the text of nIDMessage, the page's source file
  // and line. Called only while g_spLogger is present.
  void logRefusal(UINT nIDMessage);
  // Logs (unless bLog is false), gives the field the focus back and selects its text.
  void refuse(const MpAppUiPageKey& key, bool bLog);
  // Whether losing the focus to hWndNew may refuse the field's text.
  bool mayRefuseFocusLossTo(HWND hWndNew) const;

  const MpAppUiPageKey* m_keys;
  size_t m_keyCount;
  GroupGetter m_getter;
  GroupReset m_reset;
  UINT m_nIDRefused;
  bool m_bRulesAtFirstShow;
  int m_nRefusalLine;
  std::vector<std::unique_ptr<CWnd>> m_controls;  // one per key, bound by DDX_Control
  IMpOptionsPtr m_spSettings;
  MpAppUiSettingsPage* m_pGroupPartner = nullptr;
  // Set while a refusal moves the focus: the field that loses it then does not refuse in turn.
  bool m_bRefusing = false;
  // The field refused on its way to the sheet's buttons, until a field is left again, so that
  // the page check does not log the same text a second time.
  int m_nRefusedForLeave = 0;
  std::string m_strRefusedForLeave;
};
