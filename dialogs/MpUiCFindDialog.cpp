#include "MpUiCFindDialog.h"
#include "resource.h"

MpUiCFindDialog::MpUiCFindDialog(std::string& title, CWnd* parent)
    : CDialog(IDD_FIND, parent), m_nMatchWholeWord(0), m_nSearchPlace(0), m_title(title) {}

MpUiCFindDialog::~MpUiCFindDialog() = default;

void MpUiCFindDialog::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_FIND_WHAT, m_strFind);
  DDX_Check(pDX, IDC_FIND_WHOLE_WORD, m_nMatchWholeWord);
  DDX_Radio(pDX, IDC_FIND_IN_NAME, m_nSearchPlace);
}

BOOL MpUiCFindDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(m_title.c_str());
  return TRUE;
}

std::string MpUiCFindDialog::getFindString() { return std::string(m_strFind); }

bool MpUiCFindDialog::isMatchWholeWord() { return m_nMatchWholeWord == 1; }

bool MpUiCFindDialog::isUseName() { return m_nSearchPlace == 0; }
