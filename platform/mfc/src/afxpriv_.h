// Internals shared by the stand-in's own sources.
#pragma once
#include "afxwin.h"

struct AFX_NOTIFY {
  LRESULT* pResult;
  NMHDR* pNMHDR;
};

// Message box owned by a window: answered by the script player when one is installed.
int AfxMessageBoxOwned(HWND hOwner, LPCSTR text, LPCSTR caption, UINT type);
