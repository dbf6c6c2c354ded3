// Linkage of the maker library's classes, functions and data: exported by its own DLL, imported
// by every module that uses it.
#pragma once

#ifdef MPMAKER_BUILD
#define MPMAKER_API __declspec(dllexport)
#else
#define MPMAKER_API __declspec(dllimport)
#endif
