// The class library's core header: Windows, the object model, strings, geometry, collections.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN_NOT_SET
#endif
#include <windows.h>
#include <commctrl.h>
#include <cstddef>
#include <cassert>

#ifndef ASSERT
#define ASSERT(f) assert(f)
#endif
#ifndef VERIFY
#define VERIFY(f) ((void)(f))
#endif
#ifndef ASSERT_VALID
#define ASSERT_VALID(p) ((void)0)
#endif
#ifndef TRACE
#define TRACE(...) ((void)0)
#endif
#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#ifndef AFX_EXT_CLASS
#define AFX_EXT_CLASS
#endif

#include "afxobj.h"    // CObject, CRuntimeClass, DECLARE_DYNAMIC/DYNCREATE
#include "afxstr.h"    // CString
#include "atltypes.h"  // CSize, CPoint, CRect
#include "afxcoll.h"   // CPtrArray, CStringArray, ...
