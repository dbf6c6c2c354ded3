#include "MpAppUICreateViewDlg.h"
#include "resource.h"

namespace {

const int kMaxViewName = 128;

}  // namespace

BEGIN_MESSAGE_MAP(MpAppUICreateViewDlg, CDialog)
  ON_WM_KEYDOWN()
  ON_EN_CHANGE(IDC_VIEW_NAME, OnChangeViewName)
END_MESSAGE_MAP()

MpAppUICreateViewDlg::MpAppUICreateViewDlg(std::string& title, CWnd* parent)
    : CDialog(IDD_CREATE_VIEW, parent), m_title(title) {}

MpAppUICreateViewDlg::~MpAppUICreateViewDlg() = default;

void MpAppUICreateViewDlg::setViewName(std::string& name) { m_strViewName = name.c_str(); }

std::string MpAppUICreateViewDlg::getViewName() { return std::string(m_strViewName); }

void MpAppUICreateViewDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_VIEW_NAME, m_strViewName);
}

BOOL MpAppUICreateViewDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(m_title.c_str());
  if (CWnd* edit = GetDlgItem(IDC_VIEW_NAME)) edit->SendMessage(EM_LIMITTEXT, kMaxViewName);
  updateOK();
  return TRUE;
}

// OK is offered exactly while the name is not empty.
void MpAppUICreateViewDlg::updateOK() {
  CWnd* edit = GetDlgItem(IDC_VIEW_NAME);
  CWnd* ok = GetDlgItem(IDOK);
  if (edit && ok) ok->EnableWindow(edit->GetWindowTextLength() > 0);
}

void MpAppUICreateViewDlg::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  CDialog::OnKeyDown(nChar, nRepCnt, nFlags);
  updateOK();
}

void MpAppUICreateViewDlg::OnChangeViewName() { updateOK(); }
