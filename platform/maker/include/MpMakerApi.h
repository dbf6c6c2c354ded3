// Linkage of the maker library's global data. Functions and classes need no mark: the library is
// linked with every symbol exported. Data is imported explicitly by those who use the library.
#pragma once

#ifdef MPMAKER_BUILD
#define MPMAKER_DATA
#else
#define MPMAKER_DATA __declspec(dllimport)
#endif
