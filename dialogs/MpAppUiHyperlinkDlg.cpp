#include "MpAppUiHyperlinkDlg.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(MpAppUiHyperlinkDlg, CDialog)
END_MESSAGE_MAP()

MpAppUiHyperlinkDlg::MpAppUiHyperlinkDlg(CWnd* parent) : CDialog(IDD_HYPERLINK, parent) {}

MpAppUiHyperlinkDlg::~MpAppUiHyperlinkDlg() = default;

void MpAppUiHyperlinkDlg::setURL(std::string& url) { m_url = url; }

void MpAppUiHyperlinkDlg::setText(std::string& text) { m_text = text; }

void MpAppUiHyperlinkDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_HYPERLINK, m_link);
}

BOOL MpAppUiHyperlinkDlg::OnInitDialog() {
  if (!CDialog::OnInitDialog()) return FALSE;
  CWinApp* app = AfxGetApp();
  if (app && app->m_pszAppName) SetWindowText(app->m_pszAppName);
  if (!m_text.empty()) m_link.SetWindowText(m_text.c_str());
  if (!m_url.empty()) {
    m_link.SetURL(m_url.c_str());
    m_link.SizeToContent(FALSE, FALSE);
  }
  return TRUE;
}
