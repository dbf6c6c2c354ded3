// Linkage of the class library's classes, functions and data: exported by the library's own DLL,
// imported by every module built against it. Templates and inline functions need no mark.
#pragma once

#ifndef AFX_API
#ifdef _AFX_BUILD
#define AFX_API __declspec(dllexport)
#else
#define AFX_API __declspec(dllimport)
#endif
#endif
