// Task page "Find".
#include "MpAppUiFind.h"
#include <string>
#include "MpAppUiTaskPage.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(MpAppUiFind, CPropertyPage)

BEGIN_MESSAGE_MAP(MpAppUiFind, CPropertyPage)
END_MESSAGE_MAP()

namespace {
const char kFindPrompt[] = "FindPrompt";
const char kFindString[] = "FindString";
}  // namespace

MpAppUiFind::MpAppUiFind() : CPropertyPage(IDD_FIND_PAGE) {}

MpAppUiFind::~MpAppUiFind() = default;

bool MpAppUiFind::init(MpZulSmartList& selection, IMpOptions* preset) {
  (void)selection;
  MpAppUiTaskPage::takeBag(m_spOptions, preset, [](IMpOptions* bag) { bag->setString(kFindString, ""); });
  return true;
}

void MpAppUiFind::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_FIND_PROMPT, m_staticPrompt);
  DDX_Control(pDX, IDC_FIND_TEXT, m_editFindString);
}

BOOL MpAppUiFind::OnInitDialog() {
  const BOOL result = CPropertyPage::OnInitDialog();
  if (m_spOptions.isValid()) {
    // Without a prompt of the host's the template's own stays.
    const std::string prompt = m_spOptions->getString(kFindPrompt);
    if (!prompt.empty()) MpAppUiTaskPage::setWindowText(m_staticPrompt, prompt);
    MpAppUiTaskPage::setWindowText(m_editFindString, m_spOptions->getString(kFindString));
  }
  return result;
}

BOOL MpAppUiFind::OnKillActive() {
  // Without a bag there is nowhere to put the text: the user can only cancel.
  if (m_spOptions.isNull()) return FALSE;
  UpdateData(TRUE);
  const std::string text = MpAppUiTaskPage::windowText(m_editFindString);
  // Nothing to search for: the page stays, silently. Blanks are a text like any other.
  if (text.empty()) return FALSE;
  m_spOptions->setString(kFindString, text);

  // The last search text is shared with the code editor's find command through the profile.
  // Without both strings, or with an entry format that does not take exactly the one number,
  // there is no entry to write to.
  CString section;
  CString entryFormat;
  CWinApp* app = AfxGetApp();
  if (app != nullptr && section.LoadString(IDS_FIND_PROFILE_SECTION) &&
      entryFormat.LoadString(IDS_FIND_PROFILE_ENTRY) &&
      MpAppUiTaskPage::isSingleIntFormat(std::string((LPCSTR)entryFormat))) {
    CString entry;
    entry.Format((LPCSTR)entryFormat, 1);
    app->WriteProfileString(section, entry, text.c_str());
  }
  return CPropertyPage::OnKillActive();
}
