// Frame windows and views: a frame lays its client window (the child with the first pane
// identifier) over its client area; views are created from run-time classes and delete
// themselves when their window is destroyed, as frames do.
#pragma once

#define AFX_IDW_PANE_FIRST 0xE900
#define AFX_IDW_PANE_LAST 0xE9FF

class CDocument;
class CDocTemplate;
class CView;
class CFrameWnd;

// What a frame hands to the views it creates.
struct AFX_API CCreateContext {
  CRuntimeClass* m_pNewViewClass = nullptr;
  CDocument* m_pCurrentDoc = nullptr;
  CDocTemplate* m_pNewDocTemplate = nullptr;
  CView* m_pLastView = nullptr;
  CFrameWnd* m_pCurrentFrame = nullptr;
};

class AFX_API CFrameWnd : public CWnd {
  DECLARE_DYNCREATE(CFrameWnd)
public:
  CFrameWnd() = default;
  // lpszMenuName: a menu resource found through the resource chain, or null.
  BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
              CWnd* pParentWnd = nullptr, LPCSTR lpszMenuName = nullptr, DWORD dwExStyle = 0,
              CCreateContext* pContext = nullptr);
  CView* GetActiveView() const { return m_pViewActive; }
  // Makes the view active and gives it the focus.
  void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
  // Lays the client window (AFX_IDW_PANE_FIRST) over the whole client area.
  virtual void RecalcLayout(BOOL bNotify = TRUE);
  // Called while the frame is created: creates the context's view, if it names one.
  virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
  // A view of the context's class as a child of the frame; null when it cannot be made.
  CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnSize(UINT nType, int cx, int cy);

protected:
  void PostNcDestroy() override;
  CView* m_pViewActive = nullptr;
  friend class CView;
  DECLARE_MESSAGE_MAP()
};

class AFX_API CView : public CWnd {
  DECLARE_DYNAMIC(CView)
public:
  // The context travels to WM_CREATE as the creation parameter.
  BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
              CWnd* pParentWnd, UINT nID, void* pContext = nullptr) override;
  // The nearest frame among the window's parents, or null.
  CFrameWnd* GetParentFrame() const;
  virtual void OnDraw(CDC* pDC) = 0;

  afx_msg void OnPaint();
  afx_msg void OnDestroy();

protected:
  CView() = default;
  void PostNcDestroy() override;
  DECLARE_MESSAGE_MAP()
};

// The nearest frame among pWnd's parents, or null.
AFX_API CFrameWnd* AFXAPI AfxGetParentFrame(const CWnd* pWnd);
