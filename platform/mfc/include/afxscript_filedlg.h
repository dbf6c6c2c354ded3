// What a user does in the common file dialog (the window a file-dialog step is given).
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "afxexport_.h"

namespace AfxScript {
// Chooses the file type whose description is exactly this text, as the user would in the type
// list; false when there is none.
AFX_API bool ChooseFileType(HWND dlg, const char* description);
// The descriptions of the file-type list, in order, and the one chosen.
AFX_API std::vector<std::string> FileTypes(HWND dlg);
AFX_API std::string ChosenFileType(HWND dlg);
// Types the file name (several files as "\"a.txt\" \"b.txt\"").
AFX_API void SetFileName(HWND dlg, const char* text);
// Presses Open/Save or Cancel.
AFX_API void FileOK(HWND dlg);
AFX_API void FileCancel(HWND dlg);
}  // namespace AfxScript
