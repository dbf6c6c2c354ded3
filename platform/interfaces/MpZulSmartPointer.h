// Reference-holding pointer to one interface of an object of the host's object model, with a
// state word.
//
// Reference rule as for MpSmartPointer. The state word is the object identifier (first word of
// the key) after construction by key, -1 after every construction or assignment from a pointer,
// a query, another smart pointer or a class identifier, 0 after default construction and after
// destruction.
#pragma once
#include <cstddef>
#include <cstdint>
#include <unknwn.h>
#include "MpClassFactory.h"
#include "MpKeys.h"
#include "MpZul.h"

template <class I, const GUID* piid>
class MpZulSmartPointer {
 public:
  MpZulSmartPointer() : m_p(nullptr), m_state(0) {}
  MpZulSmartPointer(std::nullptr_t, bool) : m_p(nullptr), m_state(-1) {}

  // From a pointer of the interface: addRef true adds a reference, false takes over the caller's.
  MpZulSmartPointer(I* p, bool addRef) : m_p(p), m_state(-1) {
    if (m_p && addRef) m_p->AddRef();
  }

  // From a pointer of any interface, asked for I. keep true leaves the source its reference;
  // false releases the source afterwards (its reference is taken over), also when it lacks I.
  MpZulSmartPointer(IUnknown* source, bool keep) : m_p(nullptr), m_state(-1) {
    if (source) {
      source->QueryInterface(*piid, reinterpret_cast<void**>(&m_p));
      if (!keep) source->Release();
    }
  }

  // A new object of the class, made by the class factory; empty when that fails.
  MpZulSmartPointer(const GUID& classId, IUnknown* outer) : m_p(nullptr), m_state(-1) {
    IMpClassFactory* factory = theMpClassFactory();
    if (factory) factory->createInstance(classId, outer, *piid, reinterpret_cast<void**>(&m_p));
  }

  // The object of a data object with the given key, found by the host object factory. The state
  // word takes the key's object identifier first and keeps it also when nothing is found.
  MpZulSmartPointer(IMpData* data, const ZulObjectKey& key, int flags)
      : m_p(nullptr), m_state(static_cast<int32_t>(key.objectId)) {
    IMpZulClassFactory* factory = theMpZulClassFactory();
    if (factory) factory->getObject(data, key, flags, *piid, reinterpret_cast<void**>(&m_p));
  }

  // Copy: shares the other's object with a reference of its own; the state word is not copied.
  MpZulSmartPointer(const MpZulSmartPointer& other) : m_p(other.m_p), m_state(-1) {
    if (m_p) m_p->AddRef();
  }

  virtual ~MpZulSmartPointer() {
    if (m_p) {
      I* old = m_p;
      m_p = nullptr;
      old->Release();
    }
    m_state = 0;
  }

  I* get() const { return m_p; }
  I* operator->() const { return m_p; }

  I* addRefGet() const {
    if (m_p) m_p->AddRef();
    return m_p;
  }

  bool isValid() const { return m_p != nullptr; }
  bool isNull() const { return m_p == nullptr; }

  // The state word (see the head of this file).
  int32_t getStateWord() const { return m_state; }

  // Holds p with a reference of its own; assigning the held pointer changes no count. State -1.
  MpZulSmartPointer& operator=(I* p) {
    if (p != m_p) replace(p, true);
    m_state = -1;
    return *this;
  }

  // Shares the other's object; the other's state word is not copied. State -1.
  MpZulSmartPointer& operator=(const MpZulSmartPointer& other) {
    if (&other != this && other.m_p != m_p) replace(other.m_p, true);
    m_state = -1;
    return *this;
  }

  // From a pointer of any interface, asked for I; the source keeps its reference. The source is
  // asked before the held pointer is released, so a source kept alive only by the held reference
  // is still alive when it is asked. Assigning the held pointer itself changes nothing.
  MpZulSmartPointer& operator=(IUnknown* source) {
    if (source == static_cast<IUnknown*>(m_p)) return *this;
    I* p = nullptr;
    if (source) source->QueryInterface(*piid, reinterpret_cast<void**>(&p));
    replace(p, false);
    m_state = -1;
    return *this;
  }

  // Null assignment (sp = 0, sp = nullptr); the value of the integer is not looked at.
  MpZulSmartPointer& operator=(int) { return *this = static_cast<I*>(nullptr); }
  MpZulSmartPointer& operator=(std::nullptr_t) { return *this = static_cast<I*>(nullptr); }

  // Takes over the caller's reference to p without adding one. State -1.
  void attach(I* p) {
    replace(p, false);
    m_state = -1;
  }

  void attach(std::nullptr_t) { attach(static_cast<I*>(nullptr)); }

  // Takes over the caller's reference to the source, holding the object as I: the source is
  // asked for I, then released. When the source is the held pointer itself, the caller's
  // reference is given up at once, since one is held already. State -1.
  void attach(IUnknown* source) {
    if (source && source == static_cast<IUnknown*>(m_p)) {
      source->Release();
      m_state = -1;
      return;
    }
    I* p = nullptr;
    if (source) {
      source->QueryInterface(*piid, reinterpret_cast<void**>(&p));
      source->Release();
    }
    replace(p, false);
    m_state = -1;
  }

  // Whether the held object and another are the same object of the host: both must offer
  // IMpZulNode, and the object identifiers of their keys must be equal.
  bool isSameObject(IUnknown* other) const {
    if (!m_p || !other) return false;
    IMpZulNode* mine = nullptr;
    m_p->QueryInterface(IID_IMpZulNode, reinterpret_cast<void**>(&mine));
    if (!mine) return false;
    IMpZulNode* theirs = nullptr;
    other->QueryInterface(IID_IMpZulNode, reinterpret_cast<void**>(&theirs));
    if (!theirs) {
      mine->Release();
      return false;
    }
    const bool same = mine->getObjectKey().objectId == theirs->getObjectKey().objectId;
    mine->Release();
    theirs->Release();
    return same;
  }

 private:
  // The new pointer is stored before the old one is released.
  void replace(I* p, bool addRef) {
    if (p && addRef) p->AddRef();
    I* old = m_p;
    m_p = p;
    if (old) old->Release();
  }

  I* m_p;
  int32_t m_state;
};
