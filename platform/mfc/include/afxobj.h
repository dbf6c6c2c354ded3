// CObject, the root of the class library, and its run-time class records.
//
// Every dynamic class owns one static CRuntimeClass record. RUNTIME_CLASS reaches it through the
// class's static GetThisClass() function rather than through the record's address, so a module
// that derives from a class of another DLL needs no data import; the record's base link is a
// function for the same reason.
#pragma once

#include <windows.h>
#include "afxexport_.h"

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#ifndef ASSERT
#include <cassert>
#define ASSERT(f) assert(f)
#endif

class CObject;

// Marks a class record whose objects cannot be serialized.
#define AFX_NO_SCHEMA 0xFFFF

struct AFX_API CRuntimeClass {
  LPCSTR m_lpszClassName;
  int m_nObjectSize;
  UINT m_wSchema;
  CObject*(PASCAL* m_pfnCreateObject)();        // NULL: not dynamically creatable
  CRuntimeClass*(PASCAL* m_pfnGetBaseClass)();  // NULL or returning NULL: the root

  // A new object of this class, or NULL when the class is not creatable or creation failed.
  CObject* CreateObject();
  // TRUE when this class is pBaseClass or derives from it, however indirectly.
  BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)             \
 protected:                                     \
  static CRuntimeClass* PASCAL _GetBaseClass(); \
                                                \
 public:                                        \
  static const CRuntimeClass class##class_name; \
  static CRuntimeClass* PASCAL GetThisClass();  \
  virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name) \
  DECLARE_DYNAMIC(class_name)         \
  static CObject* PASCAL CreateObject();

// The record itself and the three functions that reach it; pfnNew is the creator or NULL.
#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)               \
  CRuntimeClass* PASCAL class_name::_GetBaseClass() { return RUNTIME_CLASS(base_class_name); } \
  const CRuntimeClass class_name::class##class_name = {                                        \
      #class_name, static_cast<int>(sizeof(class class_name)), wSchema, pfnNew,                \
      &class_name::_GetBaseClass};                                                             \
  CRuntimeClass* PASCAL class_name::GetThisClass() {                                           \
    return const_cast<CRuntimeClass*>(&class_name::class##class_name);                         \
  }                                                                                            \
  CRuntimeClass* class_name::GetRuntimeClass() const { return class_name::GetThisClass(); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
  AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, AFX_NO_SCHEMA, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                \
  CObject* PASCAL class_name::CreateObject() { return new class_name; } \
  AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, AFX_NO_SCHEMA, &class_name::CreateObject)

class AFX_API CObject {
 public:
  static const CRuntimeClass classCObject;
  static CRuntimeClass* PASCAL GetThisClass();
  virtual CRuntimeClass* GetRuntimeClass() const;
  virtual ~CObject();

  BOOL IsKindOf(const CRuntimeClass* pClass) const;

 protected:
  static CRuntimeClass* PASCAL _GetBaseClass();
  CObject() = default;

 private:
  // Objects of the library are identities (windows, menus, collections): no copies.
  CObject(const CObject&) = delete;
  CObject& operator=(const CObject&) = delete;
};

// pObject when it is of class pClass (or derives from it), otherwise NULL.
AFX_API CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);

#define DYNAMIC_DOWNCAST(class_name, object) \
  (static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), (object))))
