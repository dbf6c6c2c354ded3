// The find and replace dialog of the edit control, built from an in-memory template (the
// library has no resources of its own).
#include <vector>

#include "seceditctrl.h"

namespace {

// A DLGTEMPLATE with its items, in the layout CreateDialogIndirect reads (WORD-aligned strings,
// DWORD-aligned items).
class TemplateWriter {
public:
  TemplateWriter(const char* caption, short cx, short cy) {
    // Visible: the dialog is modeless, and nothing shows it after its creation.
    DWORD style = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    Put(style);
    Put((DWORD)0);
    m_countAt = m_data.size();
    Put((WORD)0);
    Put((short)10), Put((short)10), Put(cx), Put(cy);
    Put((WORD)0), Put((WORD)0);  // no menu, default class
    Text(caption);
    Put((WORD)8);
    Text("MS Shell Dlg");
  }
  void Item(WORD cls, DWORD style, short x, short y, short cx, short cy, WORD id, const char* text) {
    while (m_data.size() % 4) m_data.push_back(0);
    Put(style | WS_CHILD | WS_VISIBLE), Put((DWORD)0);
    Put(x), Put(y), Put(cx), Put(cy), Put(id);
    Put((WORD)0xFFFF), Put(cls);
    Text(text);
    Put((WORD)0);
    ++*reinterpret_cast<WORD*>(&m_data[m_countAt]);
  }
  LPCDLGTEMPLATEA Get() const { return reinterpret_cast<LPCDLGTEMPLATEA>(m_data.data()); }

private:
  template <class T>
  void Put(T v) {
    const BYTE* p = reinterpret_cast<const BYTE*>(&v);
    m_data.insert(m_data.end(), p, p + sizeof v);
  }
  void Text(const char* s) {
    for (; *s; ++s) Put((WORD)(BYTE)*s);
    Put((WORD)0);
  }
  std::vector<BYTE> m_data;
  size_t m_countAt = 0;
};

CString ResourceText(UINT id) {
  CString s;
  s.LoadString(id);
  return s;
}

}  // namespace

BEGIN_MESSAGE_MAP(OEFindDlg, CDialog)
  ON_BN_CLICKED(IDC_FINDNEXT, OnFindNext)
  ON_BN_CLICKED(IDC_REPLACEONE, OnReplaceOne)
  ON_BN_CLICKED(IDC_REPLACEALL, OnReplaceAll)
END_MESSAGE_MAP()

OEFindDlg::OEFindDlg(SECEditCore<CWnd>* pEdit, BOOL bReplace) : m_pEdit(pEdit), m_bReplace(bReplace) {}

BOOL OEFindDlg::CreateModeless(CWnd* pParent) {
  TemplateWriter t(m_bReplace ? "Replace" : "Find", 230, 80);
  t.Item(0x0082, SS_LEFT, 6, 8, 50, 10, 0xFFFF, "Find what:");
  t.Item(0x0081, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 60, 6, 110, 12, IDC_FIND, "");
  if (m_bReplace) {
    t.Item(0x0082, SS_LEFT, 6, 24, 50, 10, 0xFFFF, "Replace with:");
    t.Item(0x0081, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 60, 22, 110, 12, IDC_REPLACE, "");
    t.Item(0x0080, BS_PUSHBUTTON | WS_TABSTOP, 176, 22, 50, 14, IDC_REPLACEONE, "&Replace");
    t.Item(0x0080, BS_PUSHBUTTON | WS_TABSTOP, 176, 38, 50, 14, IDC_REPLACEALL, "Replace &All");
  }
  t.Item(0x0080, BS_AUTOCHECKBOX | WS_TABSTOP, 6, 42, 80, 10, IDC_MATCHCASE, "Match &case");
  t.Item(0x0080, BS_AUTOCHECKBOX | WS_TABSTOP, 6, 54, 80, 10, IDC_WHOLEWORD, "&Whole word");
  t.Item(0x0080, BS_AUTOCHECKBOX | WS_TABSTOP, 6, 66, 80, 10, IDC_UP, "Search &up");
  t.Item(0x0080, BS_DEFPUSHBUTTON | WS_TABSTOP, 176, 6, 50, 14, IDC_FINDNEXT, "&Find Next");
  t.Item(0x0080, BS_PUSHBUTTON | WS_TABSTOP, 176, 60, 50, 14, IDCANCEL, "Close");
  return CreateIndirect(t.Get(), pParent);
}

CString OEFindDlg::ProfileSection() { return ResourceText(22600); }

CString OEFindDlg::ProfileEntry() {
  const CString fmt = ResourceText(22604);
  int conversions = 0;
  bool integer = false;
  for (int i = 0; i < fmt.GetLength(); ++i) {
    if (fmt[i] != '%') continue;
    if (i + 1 < fmt.GetLength() && fmt[i + 1] == '%') {
      ++i;
      continue;
    }
    ++conversions;
    integer = i + 1 < fmt.GetLength() && (fmt[i + 1] == 'd' || fmt[i + 1] == 'i');
  }
  if (conversions != 1 || !integer) return fmt;
  CString entry;
  entry.Format(fmt, 1);
  return entry;
}

CString OEFindDlg::LastSearch() {
  CWinApp* app = AfxGetApp();
  if (!app) return CString();
  return app->GetProfileString(ProfileSection(), ProfileEntry(), "");
}

BOOL OEFindDlg::SearchForward() {
  CWinApp* app = AfxGetApp();
  return !app || app->GetProfileInt(ResourceText(22600), ResourceText(22603), 1) != 0;
}

BOOL OEFindDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CString text = m_pEdit->GetSelection();
  if (text.IsEmpty() || text.Find('\n') >= 0) text = LastSearch();
  SetDlgItemText(IDC_FIND, text);
  CheckDlgButton(IDC_UP, SearchForward() ? BST_UNCHECKED : BST_CHECKED);
  return TRUE;
}

unsigned OEFindDlg::Flags() {
  return (IsDlgButtonChecked(IDC_MATCHCASE) ? (unsigned)OE_FIND_MATCHCASE : 0u) |
         (IsDlgButtonChecked(IDC_WHOLEWORD) ? (unsigned)OE_FIND_WHOLEWORD : 0u);
}

void OEFindDlg::Remember() {
  CWinApp* app = AfxGetApp();
  if (!app) return;
  CString text;
  GetDlgItemText(IDC_FIND, text);
  app->WriteProfileString(ProfileSection(), ProfileEntry(), text);
  app->WriteProfileInt(ResourceText(22600), ResourceText(22603), IsDlgButtonChecked(IDC_UP) ? 0 : 1);
}

void OEFindDlg::OnFindNext() {
  CString text;
  GetDlgItemText(IDC_FIND, text);
  if (text.IsEmpty()) return;
  Remember();
  if (!m_pEdit->FindNext(text, !IsDlgButtonChecked(IDC_UP), Flags())) ::MessageBeep(0);
}

void OEFindDlg::OnReplaceOne() {
  CString find, with;
  GetDlgItemText(IDC_FIND, find);
  GetDlgItemText(IDC_REPLACE, with);
  if (find.IsEmpty()) return;
  CString sel = m_pEdit->GetSelection();
  bool same = (Flags() & OE_FIND_MATCHCASE) ? sel == find : lstrcmpiA(sel, find) == 0;
  if (same) m_pEdit->ReplaceSelection(with, FALSE, TRUE);
  OnFindNext();
}

void OEFindDlg::OnReplaceAll() {
  CString find, with;
  GetDlgItemText(IDC_FIND, find);
  GetDlgItemText(IDC_REPLACE, with);
  m_nReplaced = 0;
  if (find.IsEmpty()) return;
  Remember();
  SECEdit* doc = m_pEdit->GetEdit();
  OESearch search;
  search.strFind = (LPCSTR)find;
  search.nFlags = Flags();
  OEPos at, end;
  doc->BeginGroup();
  while (doc->Find(&at, &end, search)) {
    m_pEdit->SetSelection(at, end, FALSE);
    if (!m_pEdit->ReplaceSelection(with, FALSE, FALSE)) break;
    at = OEPos(at.nLine, at.nOffset + with.GetLength());
    ++m_nReplaced;
  }
  doc->EndGroup();
  m_pEdit->Invalidate(FALSE);
  m_pEdit->UpdateEditor();
}

void OEFindDlg::OnOK() { OnFindNext(); }
void OEFindDlg::OnCancel() { DestroyWindow(); }
void OEFindDlg::PostNcDestroy() {}
