// CMFCLinkCtrl: a button drawn as a link (its text, underlined, in the link colour) that opens
// its address through the shell when clicked. Give the control BS_OWNERDRAW in its template.
#pragma once
#include "afxwin.h"

// Opens an address for the user; the default hands it to the shell ("open"). Tests and
// unattended runs put their own in place so that nothing is launched.
typedef BOOL (*AfxLinkOpener)(LPCSTR lpszURL);
// Installs an opener (null: the shell again) and returns the one it replaces.
AFX_API AfxLinkOpener AFXAPI AfxSetLinkOpener(AfxLinkOpener pfnOpener);

class AFX_API CMFCLinkCtrl : public CButton {
  DECLARE_DYNAMIC(CMFCLinkCtrl)
public:
  CMFCLinkCtrl() = default;
  ~CMFCLinkCtrl() override;

  void SetURL(LPCSTR lpszURL);
  CString GetURL() const { return m_strURL; }
  // Fits the control to its text; the centring flags keep the text's centre where it was.
  CSize SizeToContent(BOOL bVCenter = FALSE, BOOL bHCenter = FALSE);

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
  // The control's font, underlined; made on first use.
  CFont* LinkFont();

  CString m_strURL;
  CFont m_fontLink;
};
