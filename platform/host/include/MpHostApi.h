// Linkage of the in-memory host's classes, functions and data: exported by its own DLL, imported
// by the tests and the demo host.
#pragma once

#ifdef MPHOST_BUILD
#define MPHOST_API __declspec(dllexport)
#else
#define MPHOST_API __declspec(dllimport)
#endif
