// Reference-holding pointer to one host service or data interface.
//
// A smart pointer that is not empty owns exactly one reference to the held object and releases
// it when it is destroyed or given another pointer. get() and operator-> add no reference;
// addRefGet() hands one to the caller. Each instantiation over an interface I and the address of
// its interface identifier is a class of its own.
#pragma once
#include <cstddef>
#include <unknwn.h>
#include "MpClassFactory.h"

template <class I, const GUID* piid>
class MpSmartPointer {
 public:
  // Empty.
  MpSmartPointer() : m_p(nullptr) {}
  MpSmartPointer(std::nullptr_t, bool) : m_p(nullptr) {}

  // From a pointer of the interface: with addRef true a reference is added and the caller keeps
  // its own; with false the smart pointer takes over the caller's reference.
  MpSmartPointer(I* p, bool addRef) : m_p(p) {
    if (m_p && addRef) m_p->AddRef();
  }

  // From a pointer of any interface, asked for I. With keep true the source keeps its reference;
  // with false the source is released afterwards (its reference is taken over), also when it
  // lacks I, in which case the smart pointer stays empty.
  MpSmartPointer(IUnknown* source, bool keep) : m_p(nullptr) {
    if (source) {
      source->QueryInterface(*piid, reinterpret_cast<void**>(&m_p));
      if (!keep) source->Release();
    }
  }

  // A new object of the class, made by the class factory; empty when that fails.
  MpSmartPointer(const GUID& classId, IUnknown* outer) : m_p(nullptr) { create(classId, outer); }

  // Copy: shares the other's object, adding a reference when addRef is true. With false the
  // caller hands over a reference it owns apart from the other smart pointer's.
  MpSmartPointer(const MpSmartPointer& other, bool addRef = true) : m_p(other.m_p) {
    if (m_p && addRef) m_p->AddRef();
  }

  virtual ~MpSmartPointer() {
    if (m_p) {
      I* old = m_p;
      m_p = nullptr;
      old->Release();
    }
  }

  I* get() const { return m_p; }
  I* operator->() const { return m_p; }

  // The pointer with one reference added for the caller (null stays null).
  I* addRefGet() const {
    if (m_p) m_p->AddRef();
    return m_p;
  }

  bool isValid() const { return m_p != nullptr; }
  bool isNull() const { return m_p == nullptr; }

  // Holds p with a reference of its own; assigning the held pointer changes nothing.
  MpSmartPointer& operator=(I* p) {
    if (p != m_p) replace(p, true);
    return *this;
  }

  MpSmartPointer& operator=(const MpSmartPointer& other) {
    if (&other != this && other.m_p != m_p) replace(other.m_p, true);
    return *this;
  }

  // Null assignment (sp = 0, sp = nullptr); the value of the integer is not looked at.
  MpSmartPointer& operator=(int) { return *this = static_cast<I*>(nullptr); }
  MpSmartPointer& operator=(std::nullptr_t) { return *this = static_cast<I*>(nullptr); }

  // Takes over the caller's reference to p without adding one; the held pointer is released.
  void attach(I* p) { replace(p, false); }

  // Releases what is held, then makes a new object as the class-identifier constructor does.
  bool createInstance(const GUID& classId, IUnknown* outer) {
    replace(nullptr, false);
    create(classId, outer);
    return m_p != nullptr;
  }

 private:
  void create(const GUID& classId, IUnknown* outer) {
    IMpClassFactory* factory = theMpClassFactory();
    if (factory) factory->createInstance(classId, outer, *piid, reinterpret_cast<void**>(&m_p));
  }

  // The new pointer is stored before the old one is released, so a release that runs code of
  // the host never sees the smart pointer half changed.
  void replace(I* p, bool addRef) {
    if (p && addRef) p->AddRef();
    I* old = m_p;
    m_p = p;
    if (old) old->Release();
  }

  I* m_p;
};
