// Linkage of the edit-control library's classes: exported by its own DLL, imported by every
// module built against it. Built natively (no Windows), the mark is empty.
#pragma once

#ifndef OBJEDIT_API
#if defined(_WIN32) && !defined(OBJEDIT_STATIC)
#ifdef OBJEDIT_BUILD
#define OBJEDIT_API __declspec(dllexport)
#else
#define OBJEDIT_API __declspec(dllimport)
#endif
#else
#define OBJEDIT_API
#endif
#endif
