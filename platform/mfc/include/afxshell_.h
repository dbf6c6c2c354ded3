// The shell's folder browser as the class library drives it: SHBrowseForFolderA is the real
// one; a browser given AfxBrowseFolderCallback is offered to the installed script player when
// it opens, as the class library's own modal loops are (afxscript.h). Without a player the
// callback does nothing; a player without a step for the browser cancels it.
#pragma once
#include <windows.h>
#include <shlobj.h>
#include "afxexport_.h"

AFX_API int CALLBACK AfxBrowseFolderCallback(HWND hWnd, UINT uMsg, LPARAM lParam, LPARAM lpData);
