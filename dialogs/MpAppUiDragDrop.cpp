#include "MpAppUiDragDrop.h"
#include <cstring>
#include "MpAppUiDragBlock.h"
#include "MpAppUiDropSource.h"
#include "MpStrings.h"

namespace {

// A global-memory block holding the words, movable and shareable; null when it cannot be made.
HGLOBAL blockOf(const std::vector<uint32_t>& words) {
  const SIZE_T bytes = words.size() * sizeof(uint32_t);
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes);
  if (!block) return nullptr;
  void* p = ::GlobalLock(block);
  if (!p) {
    ::GlobalFree(block);
    return nullptr;
  }
  memcpy(p, words.data(), bytes);
  ::GlobalUnlock(block);
  return block;
}

uint32_t windowWord(HWND window) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)); }

// Reads the block within its own size.
bool readBlock(HGLOBAL block, MpAppUiDragBlock::Contents& contents) {
  if (!block) return false;
  const void* p = ::GlobalLock(block);
  if (!p) return false;
  const bool ok = MpAppUiDragBlock::read(p, ::GlobalSize(block), contents);
  ::GlobalUnlock(block);
  return ok;
}

}  // namespace

MpAppUiDragDrop::MpAppUiDragDrop(IMpData* data, bool useClasses) : m_spData(data, true), m_bUseClasses(useClasses) {}

MpAppUiDragDrop::MpAppUiDragDrop(const MpAppUiDragDrop& other)
    : m_spData(other.m_spData), m_bUseClasses(other.m_bUseClasses) {}

MpAppUiDragDrop& MpAppUiDragDrop::operator=(const MpAppUiDragDrop& other) {
  m_spData = other.m_spData;
  m_bUseClasses = other.m_bUseClasses;
  return *this;
}

void MpAppUiDragDrop::setUseClasses(bool useClasses) { m_bUseClasses = useClasses; }

UINT MpAppUiDragDrop::getHalcyonClipBoardFormat() {
  if (m_spData.isNull()) return 0;
  long userId = 0, number = 0, first = 0, second = 0;
  if (!m_spData->getCurrentUserId(userId) || !m_spData->getIdentityNumber(number) ||
      !m_spData->getIdentityPair(first, second))
    return 0;
  const std::string name =
      MpStrFormat("Larkspur Physical Object-ID %ld %ld %ld %ld", second, first, userId, number);
  return ::RegisterClipboardFormatA(name.c_str());
}

bool MpAppUiDragDrop::setDraggedNodes(COleDropSource* dropSource, HWND window, MpZulSmartList& objects,
                                      MpZulSmartList& parents) {
  try {
    const UINT format = getHalcyonClipBoardFormat();
    if (format == 0) return false;
    HGLOBAL block = copyDataToGlobalMemory(window, objects, parents);
    if (!block) return false;
    COleDataSource dataSource;
    FORMATETC description = {static_cast<CLIPFORMAT>(format), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = block;
    medium.pUnkForRelease = nullptr;
    dataSource.CacheData(static_cast<CLIPFORMAT>(format), &medium, &description);
    MpAppUiDropSource ownSource;
    const DROPEFFECT effect = dataSource.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, nullptr,
                                                    dropSource ? dropSource : &ownSource);
    return effect != DROPEFFECT_NONE;
  } catch (...) {
    return false;
  }
}

bool MpAppUiDragDrop::getDraggedNodes(COleDataObject* dataObject, HWND& window, MpZulSmartList& objects,
                                      MpZulSmartList& parents) {
  try {
    const UINT format = getHalcyonClipBoardFormat();
    if (format == 0 || !dataObject) return false;
    if (!dataObject->IsDataAvailable(static_cast<CLIPFORMAT>(format))) return false;
    HGLOBAL block = dataObject->GetGlobalData(static_cast<CLIPFORMAT>(format));
    const bool read = copyDataFromGlobalMemory(block, window, objects, parents);
    if (block) ::GlobalFree(block);
    return read;
  } catch (...) {
    return false;
  }
}

HGLOBAL MpAppUiDragDrop::copyDataToGlobalMemory(HWND window, MpZulSmartList& objects, MpZulSmartList& parents) {
  return m_bUseClasses ? copyClassesToGlobalMemory(window, objects)
                       : copyNodesToGlobalMemory(window, objects, parents);
}

HGLOBAL MpAppUiDragDrop::copyNodesToGlobalMemory(HWND window, MpZulSmartList& objects, MpZulSmartList& parents) {
  std::vector<MpAppUiDragBlock::KeyPair> keys;
  MpZulSmartList::iterator parent = parents.begin();
  for (IUnknown* object : objects) {
    IMpZulNodePtr node(object, true);
    MpAppUiDragBlock::KeyPair pair(0, 0);
    if (!node.isNull()) pair.first = node->getObjectKey().objectId;
    if (parent != parents.end()) {
      IMpZulNodePtr parentNode(*parent, true);
      if (!node.isNull() && !parentNode.isNull()) {
        MpZulSmartList children;
        parentNode->getChildren(children);
        if (children.hasElement(object)) pair.second = parentNode->getObjectKey().objectId;
      }
      ++parent;
    }
    keys.push_back(pair);
  }
  return blockOf(MpAppUiDragBlock::write(windowWord(window), keys));
}

HGLOBAL MpAppUiDragDrop::copyClassesToGlobalMemory(HWND window, MpZulSmartList& objects) {
  std::vector<MpAppUiDragBlock::KeyPair> keys;
  for (IUnknown* object : objects) {
    IMpZulClassPtr hostClass(object, true);
    int classId = 0;
    if (hostClass.isNull() || !hostClass->getClassId(classId)) classId = 0;
    keys.emplace_back(static_cast<uint32_t>(classId), 0);
  }
  return blockOf(MpAppUiDragBlock::write(windowWord(window), keys));
}

bool MpAppUiDragDrop::copyDataFromGlobalMemory(HGLOBAL block, HWND& window, MpZulSmartList& objects,
                                               MpZulSmartList& parents) {
  return m_bUseClasses ? copyClassesFromGlobalMemory(block, window, objects)
                       : copyNodesFromGlobalMemory(block, window, objects, parents);
}

bool MpAppUiDragDrop::copyNodesFromGlobalMemory(HGLOBAL block, HWND& window, MpZulSmartList& objects,
                                                MpZulSmartList& parents) {
  MpAppUiDragBlock::Contents contents;
  if (!readBlock(block, contents)) return false;
  window = reinterpret_cast<HWND>(static_cast<intptr_t>(contents.window));
  for (const MpAppUiDragBlock::KeyPair& pair : contents.keys) {
    IMpZulNodePtr node(m_spData.get(), ZulObjectKey(pair.first), 0);
    if (!node.isNull()) objects.push_back(node.get(), true);
    IMpZulNodePtr parent(m_spData.get(), ZulObjectKey(pair.second), 0);
    if (!parent.isNull()) parents.push_back(parent.get(), true);
  }
  return true;
}

bool MpAppUiDragDrop::copyClassesFromGlobalMemory(HGLOBAL block, HWND& window, MpZulSmartList& objects) {
  MpAppUiDragBlock::Contents contents;
  if (!readBlock(block, contents)) return false;
  window = reinterpret_cast<HWND>(static_cast<intptr_t>(contents.window));
  for (const MpAppUiDragBlock::KeyPair& pair : contents.keys) {
    IMpZulClassPtr hostClass(CLSID_MpZulClass, nullptr);
    if (!hostClass.isNull() && hostClass->loadById(m_spData.get(), static_cast<int>(pair.first)))
      objects.push_back(hostClass.get(), true);
  }
  return true;
}
