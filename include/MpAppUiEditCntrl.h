// The code editor control: keyword colouring set by the host, word completion with a pop-up
// list, its own shortcuts and context menu, word wrap of text set through SetWindowTextA and a
// read-only mode with a tinted background.
#pragma once

#include <afxwin.h>
#include <seceditctrl.h>

#include <map>
#include <string>
#include <vector>

#include "editor/CIntellisenseListBox.h"
#include "editor/MpAppUiCompletion.h"
#include "MpAppUiEdit.h"
#include "WidgetDeckApi.h"

struct IMpDataParameterSet;
struct IMpZulNode;

class WIDGETDECK_API MpAppUiEditCntrl : public SECEditCtrl {
public:
  enum { IDC_COMPLETION_LIST = 2651 };
  MpAppUiEditCntrl();
  ~MpAppUiEditCntrl() override;

  // Keywords, forwarded to the document (false while there is none).
  bool addKeyWords(std::vector<std::string>& words, COLORREF colour);
  bool addKeyWords(std::map<std::string, COLORREF>& keywords);
  bool removeKeyWords();
  bool initKeyWordMap();
  bool getKeyWords(std::vector<std::string>& words);

  void ShowGutter(bool show);
  COLORREF GetGutterColor(COLORREF colour) override;
  void setReadOnly(bool readOnly);
  bool getReadOnly();
  BOOL DoError(int nError, LPCSTR text, int nValue) override;
  BOOL DoError(int nError, int nValue) override;
  BOOL OnMouseWheel(UINT flags, short delta, CPoint point);

  virtual void SetWindowTextA(LPCSTR text);
  void GetWindowTextA(CString& text);
  void redrawText();

  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL ExtendContextMenu(CMenu* menu) override;

  // The text as a value of a field of the node, in a new parameter set (the caller releases
  // it), and whether the node holds that value already; null when the field, its kind or the
  // text does not serve. The node is never written to.
  IMpDataParameterSet* getFieldValue(IMpZulNode* node, std::string& fieldName, std::string& value, bool& equal);

  // ---- completion ----
  void activateIntellisense(UINT key, UINT modifiers, UINT minLength);
  void addIntellisenseWords(std::string& prefix, std::vector<std::string>& words);
  int AddKeyword(const std::string& word);
  bool IsKeyword(const std::string& word);
  void CaseSensitive(int on);
  void Enable(int on);
  void ListAllWords(int on);
  void ShowListBox(int show);
  bool isHotKeyPressed(UINT key);
  bool ResetDictionary(const std::string& text);
  CIntellisenseListBox& CompletionList() { return m_list; }
  bool CompletionActive() const { return m_bActive != 0; }

  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnEditLeft();
  afx_msg void OnEditRight();
  afx_msg void OnEditUp();
  afx_msg void OnEditDown();
  afx_msg void OnEditHome();
  afx_msg void OnEditEnd();
  afx_msg void OnEditTab();
  afx_msg void OnEditBackspace();

protected:
  void CreateNewEdit() override;
  BOOL InitView() override;
  void MySetScrollRange() override;
  std::vector<std::string>& getKeywords();
  void setKeywords(std::vector<std::string>& words);
  void cleanupPrefix(std::string& prefix);
  int GetCurWord(CString& word, int clearSelection);
  CString complete(const CString& word, const CString& selection, CStringArray& matches);
  void Autocomplete(int clearSelection, int listMode, int useCompletion);
  void RemoveListbox();
  void DropProposal();
  MpAppUiEdit* Document() const { return m_pOwnEdit; }

  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnListBoxChanged();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnKillFocus(CWnd* pNewWnd);

private:
  virtual bool showTypeAheadDlg(UINT key);
  virtual bool getTypeAheadDlg(std::string& text);
  virtual bool getTypeAheadStrings(std::string& text, std::vector<std::string>& words);
  virtual std::string getLookupIntellisenseValue(UINT typedChar, std::string& word);
  int WrapLine(CString& text);
  void FillList(const std::vector<std::string>& words);
  // Places the list under the given text position (line, column).
  void PlaceList(int rows, int line, int col);
  const std::vector<std::string>& ActiveDictionary();
  bool IsCaseSensitive() const;

  std::vector<UINT> m_keys, m_modifiers, m_minLengths;
  int m_nFired = -1;
  BOOL m_bActive = 0;
  // The words the host gave (getKeywords/setKeywords, AddKeyword); the working list that
  // ResetDictionary fills from the prefix lists is kept apart, so the host's words survive.
  MpAppUiWordList m_dictionary;
  BOOL m_bEnabled = 1;
  int m_nMaxRows = 7;
  CString m_strTyped;
  CString m_strCompleted;  // the word the last completion put in the text
  CIntellisenseListBox m_list;
  BOOL m_bListAll = 0;
  bool m_bGutter = true;
  int (*m_pfnCompare)(const char*, const char*);
  int (*m_pfnCompareN)(const char*, const char*, size_t);
  MpAppUiEdit* m_pOwnEdit = nullptr;
  std::map<std::string, std::vector<std::string>> m_prefixes;
  std::vector<std::string> m_working;
  bool m_bWorking = false;
  DECLARE_MESSAGE_MAP()
};
