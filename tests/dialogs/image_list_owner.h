// Who owns a dialog's image list: the dialog, not the list view that shows it. The list view
// must leave it alive when the window goes, and the dialog object must destroy it.
#pragma once
#include <windows.h>
#include <commctrl.h>

namespace wdtest {

// The small-image list a list view shows.
inline HIMAGELIST SmallImages(HWND list) {
  return reinterpret_cast<HIMAGELIST>(::SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
}

// Whether the handle still stands for a live image list (a destroyed one has no images).
inline bool ImagesAlive(HIMAGELIST images) { return images && ::ImageList_GetImageCount(images) > 0; }

}  // namespace wdtest
