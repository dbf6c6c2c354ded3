// The result viewer's rows as its list shows them: kind and message.
#pragma once
#include <afxwin.h>
#include <commctrl.h>
#include <string>
#include <utility>
#include <vector>
#include "resource.h"

using Rows = std::vector<std::pair<std::string, std::string>>;

inline std::string ItemText(HWND list, int row, int column) {
  char buf[256] = {};
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = buf;
  item.cchTextMax = sizeof(buf);
  ::SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return buf;
}

inline Rows ViewerRows(HWND dlg) {
  HWND list = ::GetDlgItem(dlg, IDC_EVENT_VIEWER_LIST);
  Rows rows;
  for (int i = 0; i < (int)::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0); ++i)
    rows.emplace_back(ItemText(list, i, 0), ItemText(list, i, 1));
  return rows;
}
