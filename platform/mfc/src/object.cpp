// CObject and the run-time class records.
#include "afx.h"

// The root's record: no base, not creatable.
const CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)),
                                             AFX_NO_SCHEMA, NULL, &CObject::_GetBaseClass};

CRuntimeClass* PASCAL CObject::_GetBaseClass() { return NULL; }

CRuntimeClass* PASCAL CObject::GetThisClass() {
  return const_cast<CRuntimeClass*>(&CObject::classCObject);
}

CRuntimeClass* CObject::GetRuntimeClass() const { return CObject::GetThisClass(); }

CObject::~CObject() = default;

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
  return GetRuntimeClass()->IsDerivedFrom(pClass);
}

CObject* CRuntimeClass::CreateObject() {
  if (m_pfnCreateObject == NULL) return NULL;
  // A failing constructor must not unwind into the caller's module.
  try {
    return (*m_pfnCreateObject)();
  } catch (...) {
    return NULL;
  }
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
  if (pBaseClass == NULL) return FALSE;
  // Records are unique per class (each lives once, in its class's module), so identity suffices.
  for (const CRuntimeClass* pClass = this; pClass != NULL;
       pClass = pClass->m_pfnGetBaseClass ? pClass->m_pfnGetBaseClass() : NULL) {
    if (pClass == pBaseClass) return TRUE;
  }
  return FALSE;
}

CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject) {
  if (pObject != NULL && pObject->IsKindOf(pClass)) return pObject;
  return NULL;
}
