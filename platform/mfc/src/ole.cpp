// OLE data transfer over OLE's own drag loop and registration.
#include "afxole.h"
#include <shlobj.h>
#include <vector>

IMPLEMENT_DYNAMIC(COleDropSource, CCmdTarget)
IMPLEMENT_DYNAMIC(COleDataSource, CCmdTarget)
IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

BOOL AFXAPI AfxOleInit() { return SUCCEEDED(::OleInitialize(nullptr)); }

namespace AfxOleDetail {

// IUnknown for an object with one interface besides IUnknown. Made with one reference.
template <class I>
class OneInterface : public I {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, __uuidof(I))) return E_NOINTERFACE;
    *out = static_cast<I*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_refs)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG refs = ::InterlockedDecrement(&m_refs);
    if (refs == 0) delete this;
    return static_cast<ULONG>(refs);
  }

 protected:
  virtual ~OneInterface() = default;

 private:
  volatile LONG m_refs = 1;
};

// A copy of a global-memory block; null when it cannot be made.
HGLOBAL copyGlobal(HGLOBAL source) {
  const SIZE_T size = ::GlobalSize(source);
  const void* from = ::GlobalLock(source);
  if (!from) return nullptr;
  HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size ? size : 1);
  void* to = copy ? ::GlobalLock(copy) : nullptr;
  if (to) {
    memcpy(to, from, size);
    ::GlobalUnlock(copy);
  } else if (copy) {
    ::GlobalFree(copy);
    copy = nullptr;
  }
  ::GlobalUnlock(source);
  return copy;
}

class DataSourceObject final : public OneInterface<IDataObject> {
 public:
  struct Entry {
    FORMATETC format;
    STGMEDIUM medium;
  };
  std::vector<Entry> entries;

  const Entry* find(const FORMATETC* f) const {
    if (!f) return nullptr;
    for (const Entry& e : entries) {
      if (e.format.cfFormat == f->cfFormat && (e.format.tymed & f->tymed) && e.format.dwAspect == f->dwAspect &&
          (f->lindex == -1 || e.format.lindex == f->lindex))
        return &e;
    }
    return nullptr;
  }

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* f, STGMEDIUM* medium) override {
    if (!medium) return E_POINTER;
    const Entry* e = find(f);
    if (!e) return DV_E_FORMATETC;
    if (e->medium.tymed != TYMED_HGLOBAL) return DV_E_TYMED;
    // The receiver owns what it gets: a copy, so the cached block stays the source's.
    HGLOBAL copy = copyGlobal(e->medium.hGlobal);
    if (!copy) return E_OUTOFMEMORY;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = copy;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* f) override { return find(f) ? S_OK : DV_E_FORMATETC; }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    if (out) out->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (direction != DATADIR_GET) return E_NOTIMPL;
    std::vector<FORMATETC> formats;
    for (const Entry& e : entries) formats.push_back(e.format);
    return ::SHCreateStdEnumFmtEtc(static_cast<UINT>(formats.size()), formats.data(), out);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  ~DataSourceObject() override {
    for (Entry& e : entries) ::ReleaseStgMedium(&e.medium);
  }
};

class DropSourceObject final : public OneInterface<IDropSource> {
 public:
  explicit DropSourceObject(COleDropSource* owner) : m_owner(owner) {}
  void detach() { m_owner = nullptr; }

  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keyState) override {
    if (!m_owner) return DRAGDROP_S_CANCEL;
    try {
      return m_owner->QueryContinueDrag(escape, keyState);
    } catch (...) {
      return DRAGDROP_S_CANCEL;
    }
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
    if (!m_owner) return DRAGDROP_S_USEDEFAULTCURSORS;
    try {
      return m_owner->GiveFeedback(effect);
    } catch (...) {
      return DRAGDROP_S_USEDEFAULTCURSORS;
    }
  }

 private:
  COleDropSource* m_owner;
};

class DropTargetObject final : public OneInterface<IDropTarget> {
 public:
  explicit DropTargetObject(COleDropTarget* owner) : m_owner(owner) {}
  void detach() { m_owner = nullptr; }

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect) override {
    if (!effect) return E_INVALIDARG;
    m_data.Release();
    if (data) data->AddRef();
    m_data.Attach(data, TRUE);
    *effect = call(effect, [&](CWnd* w, CPoint p) { return m_owner->OnDragEnter(w, &m_data, keyState, p); }, pt);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL pt, DWORD* effect) override {
    if (!effect) return E_INVALIDARG;
    *effect = call(effect, [&](CWnd* w, CPoint p) { return m_owner->OnDragOver(w, &m_data, keyState, p); }, pt);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    leave();
    m_data.Release();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect) override {
    if (!effect) return E_INVALIDARG;
    if (data != nullptr) {
      m_data.Release();
      data->AddRef();
      m_data.Attach(data, TRUE);
    }
    const DWORD chosen =
        call(effect, [&](CWnd* w, CPoint p) { return m_owner->OnDragOver(w, &m_data, keyState, p); }, pt);
    BOOL dropped = FALSE;
    if (chosen != DROPEFFECT_NONE) {
      call(effect, [&](CWnd* w, CPoint p) {
        dropped = m_owner->OnDrop(w, &m_data, chosen, p);
        return DWORD(0);
      }, pt);
    } else {
      leave();
    }
    *effect = dropped ? chosen : DROPEFFECT_NONE;
    m_data.Release();
    return S_OK;
  }

 private:
  // Runs a handler with the window and the point in its client coordinates; the handler's effect
  // limited to those allowed, none when it fails.
  template <class F>
  DWORD call(const DWORD* allowed, F handler, POINTL pt) {
    if (!m_owner || !m_owner->m_hWnd) return DROPEFFECT_NONE;
    CPoint point(pt.x, pt.y);
    ::ScreenToClient(m_owner->m_hWnd, &point);
    try {
      return handler(CWnd::FromHandle(m_owner->m_hWnd), point) & *allowed;
    } catch (...) {
      return DROPEFFECT_NONE;
    }
  }
  void leave() {
    if (!m_owner || !m_owner->m_hWnd) return;
    try {
      m_owner->OnDragLeave(CWnd::FromHandle(m_owner->m_hWnd));
    } catch (...) {
    }
  }

  COleDropTarget* m_owner;
  COleDataObject m_data;
};

}  // namespace AfxOleDetail

// ---------------------------------------------------------------------------------------------
// COleDropSource
// ---------------------------------------------------------------------------------------------

COleDropSource::COleDropSource() : m_pObject(new AfxOleDetail::DropSourceObject(this)) {}

COleDropSource::~COleDropSource() {
  m_pObject->detach();
  m_pObject->Release();
}

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState) {
  if (bEscapePressed) return DRAGDROP_S_CANCEL;
  if (!(dwKeyState & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) return DRAGDROP_S_DROP;
  return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT) { return DRAGDROP_S_USEDEFAULTCURSORS; }

LPDROPSOURCE COleDropSource::GetDropSource() { return m_pObject; }

// ---------------------------------------------------------------------------------------------
// COleDataSource
// ---------------------------------------------------------------------------------------------

COleDataSource::COleDataSource() : m_pObject(new AfxOleDetail::DataSourceObject()) {}

COleDataSource::~COleDataSource() { m_pObject->Release(); }

void COleDataSource::CacheData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc) {
  if (!lpStgMedium) return;
  AfxOleDetail::DataSourceObject::Entry e;
  if (lpFormatEtc) {
    e.format = *lpFormatEtc;
  } else {
    e.format.ptd = nullptr;
    e.format.dwAspect = DVASPECT_CONTENT;
    e.format.lindex = -1;
    e.format.tymed = lpStgMedium->tymed;
  }
  e.format.cfFormat = cfFormat;
  e.medium = *lpStgMedium;
  m_pObject->entries.push_back(e);
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT, COleDropSource* pDropSource) {
  COleDropSource defaultSource;
  COleDropSource* source = pDropSource ? pDropSource : &defaultSource;
  DWORD effect = DROPEFFECT_NONE;
  const HRESULT hr = ::DoDragDrop(m_pObject, source->GetDropSource(), dwEffects, &effect);
  return hr == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

LPUNKNOWN COleDataSource::GetInterface(const void* piid) {
  const IID& iid = *static_cast<const IID*>(piid);
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) return m_pObject;
  return nullptr;
}

// ---------------------------------------------------------------------------------------------
// COleDataObject
// ---------------------------------------------------------------------------------------------

COleDataObject::COleDataObject() = default;

COleDataObject::~COleDataObject() { Release(); }

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease) {
  Release();
  m_lpDataObject = lpDataObject;
  m_bAutoRelease = bAutoRelease;
}

LPDATAOBJECT COleDataObject::Detach() {
  LPDATAOBJECT p = m_lpDataObject;
  m_lpDataObject = nullptr;
  m_bAutoRelease = FALSE;
  return p;
}

void COleDataObject::Release() {
  if (m_lpDataObject && m_bAutoRelease) m_lpDataObject->Release();
  m_lpDataObject = nullptr;
  m_bAutoRelease = FALSE;
}

namespace {

FORMATETC globalFormat(CLIPFORMAT cf, LPFORMATETC given) {
  FORMATETC f = given ? *given : FORMATETC{cf, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  f.cfFormat = cf;
  return f;
}

}  // namespace

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc) {
  if (!m_lpDataObject) return FALSE;
  FORMATETC f = globalFormat(cfFormat, lpFormatEtc);
  if (!lpFormatEtc) f.tymed = TYMED_HGLOBAL | TYMED_ISTREAM | TYMED_ISTORAGE | TYMED_FILE | TYMED_GDI | TYMED_MFPICT;
  return m_lpDataObject->QueryGetData(&f) == S_OK;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc) {
  if (!m_lpDataObject) return nullptr;
  FORMATETC f = globalFormat(cfFormat, lpFormatEtc);
  f.tymed = TYMED_HGLOBAL;
  STGMEDIUM medium = {};
  if (FAILED(m_lpDataObject->GetData(&f, &medium))) return nullptr;
  if (medium.tymed != TYMED_HGLOBAL) {
    ::ReleaseStgMedium(&medium);
    return nullptr;
  }
  if (!medium.pUnkForRelease) return medium.hGlobal;
  // The block still belongs to the giver: hand out a copy.
  HGLOBAL copy = AfxOleDetail::copyGlobal(medium.hGlobal);
  ::ReleaseStgMedium(&medium);
  return copy;
}

// ---------------------------------------------------------------------------------------------
// COleDropTarget
// ---------------------------------------------------------------------------------------------

COleDropTarget::COleDropTarget() : m_pObject(new AfxOleDetail::DropTargetObject(this)) {}

COleDropTarget::~COleDropTarget() {
  Revoke();
  m_pObject->detach();
  m_pObject->Release();
}

BOOL COleDropTarget::Register(CWnd* pWnd) {
  HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
  if (!hWnd || m_hWnd) return FALSE;
  if (FAILED(::RegisterDragDrop(hWnd, m_pObject))) return FALSE;
  m_hWnd = hWnd;
  return TRUE;
}

void COleDropTarget::Revoke() {
  if (!m_hWnd) return;
  ::RevokeDragDrop(m_hWnd);
  m_hWnd = nullptr;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }
DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }
void COleDropTarget::OnDragLeave(CWnd*) {}
BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint) { return FALSE; }
