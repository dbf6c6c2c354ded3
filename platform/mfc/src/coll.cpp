// Run-time class records of the collection classes; their members live in afxcoll.h.
#include "afx.h"

IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_DYNAMIC(CStringArray, CObject)
