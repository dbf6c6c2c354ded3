// The edit control's window over its document (secedit.h): caret, selection, scrolling,
// clipboard, undo and redo, find and replace, and painting with the document's colours.
//
// Key routing: the navigation keys (arrows, Home, End, Page Up/Down), Backspace and Tab are
// turned into the edit commands below by PreTranslateMessage, which consumes them; OnKeyDown
// therefore never moves the caret itself (it handles Delete only), so a key a derived class
// also hands to OnKeyDown acts once. Typed characters arrive through OnChar.
// Selection: an anchor and the caret; typing or pasting replaces the selection; Cut removes it
// (to the clipboard unless told otherwise). Nothing changes a read-only document.
#pragma once

#include <afxwin.h>

#include <set>

#include "secedit.h"

// Edit commands.
enum : UINT {
  ID_OE_DOWN = 45000, ID_OE_UP = 45001, ID_OE_LEFT = 45002, ID_OE_RIGHT = 45003,
  ID_OE_PAGEUP = 45004, ID_OE_PAGEDOWN = 45005, ID_OE_HOME = 45006, ID_OE_END = 45007,
  ID_OE_BACKSPACE = 45023, ID_OE_TAB = 45024,
  ID_OE_FINDNEXT = 45026,   // repeat the last search (the profile's text and direction)
  ID_OE_SELECTALL = 45027,
};
#ifndef ID_EDIT_COPY
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_FIND 0xE124
#define ID_EDIT_PASTE 0xE125
#define ID_EDIT_REPLACE 0xE129
#define ID_EDIT_UNDO 0xE12B
#define ID_EDIT_REDO 0xE12C
#endif

class OEFindDlg;

// Errors the control reports through DoError.
enum { OE_ERROR_READONLY = 1 };

template <class BASE>
class SECEditCore;

template <>
class OBJEDIT_API SECEditCore<CWnd> : public CWnd {
public:
  SECEditCore();
  ~SECEditCore() override;

  SECEdit* GetEdit();
  // ---- selection and editing ----
  // FALSE when nothing is selected (both positions are then the caret).
  BOOL GetSelection(OEPos& start, OEPos& end) const;
  CString GetSelection() const;
  void GetSelection(CString& text) const { text = GetSelection(); }
  void SetSelection(OEPos start, OEPos end, BOOL bUpdate = TRUE);
  // Selects from the start of the word left of the caret to the caret.
  BOOL SelectWordLeft(int bSelect, int bUpdate);
  void SelectAll(int bUpdate);
  BOOL ReplaceSelection(LPCSTR text, int bSelectNew, int bUpdate);
  // Removes the selection, copying it to the clipboard unless bNoClipboard.
  BOOL Cut(int bNoClipboard, int bUpdate);
  BOOL Copy();
  BOOL Paste();
  // Drops the selection, leaving the caret where it is.
  void ClearSelection(int bUpdate);
  // Breaks the line at the caret (bIndent: the new line takes the old one's indentation).
  BOOL SplitLine(int bIndent, int bUpdate);
  BOOL Undo();
  BOOL Redo();
  // ---- navigation ----
  // Line numbers from 0; throws std::out_of_range past the last line.
  void GotoLine(int nLine);
  void SelectLine(int bUpdate);
  void UpdateEditor();
  void MySetCaretPos();
  void MakeCursorVisible();
  void ToggleBookmark();
  virtual void OnBookmarkprev();
  CFont* GetFont();
  void GetWindowText(CString& text) const;
  int CaretLine() const { return m_nCaretLine; }
  int CaretColumn() const { return m_nCaretCol; }
  void SetCaret(OEPos p, BOOL bKeepSelection = FALSE);
  OEFindDlg* GetFindDlg() const { return m_pFindDlg; }
  BOOL FindNext(const char* text, BOOL bForward, unsigned flags);

  // ---- overridables ----
  virtual BOOL InitView();
  virtual COLORREF GetGutterColor(COLORREF colour);
  virtual BOOL DoError(int nError, LPCSTR text, int nValue);
  virtual BOOL DoError(int nError, int nValue);
  virtual BOOL ExtendContextMenu(CMenu* menu);
  virtual void MySetScrollRange();
  virtual void CreateNewEdit();
  BOOL PreTranslateMessage(MSG* pMsg) override;

  afx_msg virtual void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg int OnCreate(LPCREATESTRUCT cs);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnEditLeft();
  afx_msg void OnEditRight();
  afx_msg void OnEditUp();
  afx_msg void OnEditDown();
  afx_msg void OnEditPageUp();
  afx_msg void OnEditPageDown();
  afx_msg void OnEditHome();
  afx_msg void OnEditEnd();
  afx_msg void OnEditTab();
  afx_msg void OnEditBackspace();
  afx_msg void OnEditCopy();
  afx_msg void OnEditCut();
  afx_msg void OnEditPaste();
  afx_msg void OnEditUndo();
  afx_msg void OnEditRedo();
  afx_msg void OnEditFind();
  afx_msg void OnEditReplace();
  afx_msg void OnEditFindNext();
  afx_msg void OnEditSelectAll();

  // ---- view state ----
  int m_nCaretLine = 0;
  int m_nCaretCol = 0;
  int m_nLeftCol = 0;       // first visible column
  int m_nLeftMargin = 20;   // gutter width in pixels
  int m_nCharWidth = 0;
  int m_nLineHeight = 0;
  int m_nTopLine = 0;
  BOOL m_bSelection = FALSE;
  int m_nWrapColumn = 80;
  int m_bNoScrollRange[2] = {0, 0};

protected:
  void SetDocument(SECEdit* pEdit);  // takes ownership
  void OpenFindDlg(BOOL bReplace);
  void InvalidateLines(int nFirst, int nLast);  // nLast -1: to the bottom
  int VisibleLines() const;
  OEPos PosFromPoint(CPoint pt) const;
  void Moved(OEPos to, BOOL bExtend);
  BOOL Editable();
  BOOL StepHistory(bool forward);  // undo (false) or redo (true) one step
  // Sets the vertical scroll bar's position, and its range end and page when given (>= 0),
  // only where they differ from what was set last: each update costs the window system dearly.
  void SetVertScroll(int nMax, int nPage, int nPos);

  SECEdit* m_pEdit = nullptr;
  OEPos m_anchor;
  CFont m_font;
  std::set<int> m_bookmarks;
  OEFindDlg* m_pFindDlg = nullptr;
  int m_nMarkFirst = -1;  // the lines last painted with the selection or the caret
  int m_nMarkLast = -1;
  int m_nScrollMax = -1;  // the scroll bar as last set; -1: not yet in this window
  int m_nScrollPage = -1;
  int m_nScrollPos = -1;
  CRect m_rcPending;  // what this window invalidated itself since it last painted
  BOOL m_bCaret = FALSE;  // the caret exists (the window has the focus)
  CPoint m_ptCaret{-1, -1};  // where the caret was last put
  DECLARE_MESSAGE_MAP()
};

class OBJEDIT_API SECEditCtrl : public SECEditCore<CWnd> {
public:
  SECEditCtrl() = default;
  // Creates the window with the library's window class when lpszClassName is null.
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);
  BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                const RECT& rect, CWnd* pParent, UINT nID);
  static LPCSTR WindowClass();
};

// Find and replace over an edit control: a modeless dialog; the last search text and direction
// are kept in the application profile (section string 22600, entries 22604 formatted with 1
// and 22603).
class OBJEDIT_API OEFindDlg : public CDialog {
public:
  enum { IDC_FIND = 1001, IDC_REPLACE = 1002, IDC_MATCHCASE = 1003, IDC_WHOLEWORD = 1004,
         IDC_UP = 1005, IDC_FINDNEXT = 1010, IDC_REPLACEONE = 1011, IDC_REPLACEALL = 1012 };
  OEFindDlg(SECEditCore<CWnd>* pEdit, BOOL bReplace);
  BOOL CreateModeless(CWnd* pParent);
  BOOL OnInitDialog() override;
  void OnCancel() override;
  void OnOK() override;
  void PostNcDestroy() override;
  afx_msg void OnFindNext();
  afx_msg void OnReplaceOne();
  afx_msg void OnReplaceAll();
  // How many replacements the last Replace All made.
  int m_nReplaced = 0;
  static CString LastSearch();
  static BOOL SearchForward();
  // The profile section, and the entry of the last search text: string 22604 formatted with 1
  // when it takes exactly one integer, else the string as it is.
  static CString ProfileSection();
  static CString ProfileEntry();

private:
  unsigned Flags();
  void Remember();
  SECEditCore<CWnd>* m_pEdit;
  BOOL m_bReplace;
  DECLARE_MESSAGE_MAP()
};
