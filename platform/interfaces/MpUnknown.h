// IUnknown of an object that implements one or more of the host's interfaces: one body of
// reference counting and interface lookup for the in-memory host and the test doubles.
#pragma once
#include <windows.h>
#include <unknwn.h>

// Made with one reference, its maker's; deleted when the last reference goes. The object says
// which of its interfaces answers an identifier (findInterface); QueryInterface adds the reference.
template <class... Interfaces>
class MpUnknown : public Interfaces... {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = findInterface(iid);
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_refs)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG refs = ::InterlockedDecrement(&m_refs);
    if (refs == 0) delete this;
    return static_cast<ULONG>(refs);
  }

  // The references held now.
  long refCount() const { return m_refs; }

 protected:
  MpUnknown() = default;
  MpUnknown(const MpUnknown&) = delete;
  MpUnknown& operator=(const MpUnknown&) = delete;
  virtual ~MpUnknown() = default;

  // The interface pointer that answers iid (IID_IUnknown included), or nullptr; no reference added.
  virtual void* findInterface(REFIID iid) = 0;

 private:
  volatile LONG m_refs = 1;
};
