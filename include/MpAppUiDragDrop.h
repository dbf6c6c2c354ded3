// Drag and drop of host nodes or classes between windows, in this process or another, as a
// block of object keys under a clipboard format named after the open data store and its user.
// Only windows of the same store and user see each other's blocks.
#pragma once
#include <afxole.h>
#include "MpSmartList.h"
#include "MpSmartPointers.h"
#include "WidgetDeckApi.h"

class WIDGETDECK_API MpAppUiDragDrop {
 public:
  // useClasses: carry host classes instead of nodes.
  MpAppUiDragDrop(IMpData* data, bool useClasses);
  MpAppUiDragDrop(const MpAppUiDragDrop& other);
  MpAppUiDragDrop& operator=(const MpAppUiDragDrop& other);

  void setUseClasses(bool useClasses);
  // Runs a drag of the objects (for nodes, with their parents: the parents list is walked in step
  // and may be shorter) from the window, with the drop source or, when null, the library's own.
  // True when a drop target accepted the drop with some effect.
  bool setDraggedNodes(COleDropSource* dropSource, HWND window, MpZulSmartList& objects,
                       MpZulSmartList& parents);
  // Reads a dropped block of this store and user: the dragging window, and the objects and parents
  // that are found are appended to the lists. False when the data holds no such block or the
  // block has no key.
  bool getDraggedNodes(COleDataObject* dataObject, HWND& window, MpZulSmartList& objects,
                       MpZulSmartList& parents);

 private:
  UINT getHalcyonClipBoardFormat();
  HGLOBAL copyDataToGlobalMemory(HWND window, MpZulSmartList& objects, MpZulSmartList& parents);
  HGLOBAL copyNodesToGlobalMemory(HWND window, MpZulSmartList& objects, MpZulSmartList& parents);
  HGLOBAL copyClassesToGlobalMemory(HWND window, MpZulSmartList& objects);
  bool copyDataFromGlobalMemory(HGLOBAL block, HWND& window, MpZulSmartList& objects, MpZulSmartList& parents);
  bool copyNodesFromGlobalMemory(HGLOBAL block, HWND& window, MpZulSmartList& objects, MpZulSmartList& parents);
  bool copyClassesFromGlobalMemory(HGLOBAL block, HWND& window, MpZulSmartList& objects);

  IMpDataPtr m_spData;
  bool m_bUseClasses;
};
