// OLE data transfer: a data source that offers cached data and runs a drag, the drop source that
// steers the drag, a drop target registered for a window, and a data object over what was
// dropped. Each class keeps its OLE interface in a small COM object of its own, whose life the
// class controls; OLE's own calls (DoDragDrop, RegisterDragDrop) do the work.
#pragma once
#include "afxwin.h"
#include <ole2.h>

// The drop effects OLE combines (DROPEFFECT_COPY, _MOVE, _LINK, _NONE).
typedef DWORD DROPEFFECT;

class COleDropSource;
class COleDataObject;

namespace AfxOleDetail {
class DataSourceObject;
class DropSourceObject;
class DropTargetObject;
}  // namespace AfxOleDetail

// Initialises OLE on the calling thread (OleInitialize); TRUE when OLE is ready.
AFX_API BOOL AFXAPI AfxOleInit();

class AFX_API COleDropSource : public CCmdTarget {
  DECLARE_DYNAMIC(COleDropSource)
public:
  COleDropSource();
  ~COleDropSource() override;

  // Escape cancels; the drop happens once no mouse button is held any more.
  virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
  // DRAGDROP_S_USEDEFAULTCURSORS: OLE shows its standard cursors.
  virtual SCODE GiveFeedback(DROPEFFECT dropEffect);

  // The OLE interface (no reference added).
  LPDROPSOURCE GetDropSource();

private:
  AfxOleDetail::DropSourceObject* m_pObject;  // one reference
};

class AFX_API COleDataSource : public CCmdTarget {
  DECLARE_DYNAMIC(COleDataSource)
public:
  COleDataSource();
  // Frees every cached medium once OLE holds no more references.
  ~COleDataSource() override;

  // Offers the medium under the format; the data source owns it from now on. With no format
  // description: no target device, content aspect, index -1, the medium's own type.
  void CacheData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = nullptr);
  // Runs OLE's modal drag loop with this data; the effect the drop target chose, DROPEFFECT_NONE
  // when the drag was cancelled or failed. The drag starts at once (a start rectangle is not
  // waited for); without a drop source a default one is used.
  DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                        LPCRECT lpRectStartDrag = nullptr, COleDropSource* pDropSource = nullptr);
  // The data object interface when piid is IID_IDataObject or IID_IUnknown (no reference added);
  // null otherwise.
  LPUNKNOWN GetInterface(const void* piid);

private:
  AfxOleDetail::DataSourceObject* m_pObject;  // one reference
};

// A view of data offered by another party: attached to an IDataObject.
class AFX_API COleDataObject {
public:
  COleDataObject();
  ~COleDataObject();
  COleDataObject(const COleDataObject&) = delete;
  COleDataObject& operator=(const COleDataObject&) = delete;

  // With bAutoRelease the object releases the interface when it is released or destroyed.
  void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
  LPDATAOBJECT Detach();
  void Release();

  BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
  // A global-memory block with the data, owned by the caller (free it with GlobalFree); null
  // when the data is not offered as global memory.
  HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);

private:
  LPDATAOBJECT m_lpDataObject = nullptr;
  BOOL m_bAutoRelease = FALSE;
};

// Makes a window a drop target. The handlers get the window, the offered data and the point in
// the window's client coordinates.
class AFX_API COleDropTarget : public CCmdTarget {
  DECLARE_DYNAMIC(COleDropTarget)
public:
  COleDropTarget();
  // Revokes the registration.
  ~COleDropTarget() override;

  BOOL Register(CWnd* pWnd);
  void Revoke();

  // DROPEFFECT_NONE: nothing is accepted.
  virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
  virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
  virtual void OnDragLeave(CWnd* pWnd);
  // Called with the effect OnDragOver chose for the drop point, when that is not none; FALSE
  // refuses the drop.
  virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);

private:
  friend class AfxOleDetail::DropTargetObject;
  AfxOleDetail::DropTargetObject* m_pObject;  // one reference
  HWND m_hWnd = nullptr;
};
