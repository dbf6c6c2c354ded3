#include "MpAppUiHyperlinkDlg.h"
#include <cstring>
#include "MpLogging.h"
#include "MpStrings.h"
#include "resource.h"

namespace {

// Addresses that open a page or a mail, never a program, a file or another handler.
bool isWebAddress(const std::string& url) {
  for (const char* scheme : {"http://", "https://", "mailto:"})
    if (_strnicmp(url.c_str(), scheme, std::strlen(scheme)) == 0) return true;
  return false;
}

}  // namespace

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
  if (m_url.empty()) return TRUE;
  if (isWebAddress(m_url)) {
    m_link.SetURL(m_url.c_str());
    m_link.SizeToContent(FALSE, FALSE);
  } else if (g_spLogger.get()) {
    // The link keeps no address, so a click opens nothing.
    g_spLogger->log(MpLog::Unavailable, MpLog::NoFlag,
                    MpStrFormat("MpAppUiHyperlinkDlg - address not opened: %s", m_url.c_str()),
                    "MpAppUiHyperlinkDlg", __LINE__);
  }
  return TRUE;
}
