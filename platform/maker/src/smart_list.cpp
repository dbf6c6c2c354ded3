// Lists of host objects.
#include "MpSmartList.h"
#include "MpStrings.h"

MpSmartList::MpSmartList(const MpSmartList& other) { *this += other; }

MpSmartList& MpSmartList::operator=(const MpSmartList& other) {
  if (&other == this) return *this;
  // Take the new references first: the old elements may be what keeps the new ones alive.
  std::list<IUnknown*> items(other.m_items);
  for (IUnknown* p : items) p->AddRef();
  items.swap(m_items);
  for (IUnknown* p : items) p->Release();
  return *this;
}

MpSmartList::~MpSmartList() { clear(); }

MpSmartList& MpSmartList::operator+=(const MpSmartList& other) {
  // A copy first, so that appending a list to itself appends each element once.
  std::list<IUnknown*> items(other.m_items);
  for (IUnknown* p : items) p->AddRef();
  m_items.splice(m_items.end(), items);
  return *this;
}

void MpSmartList::push_back(IUnknown* p, bool addRef) {
  if (!p) return;
  if (addRef) p->AddRef();
  m_items.push_back(p);
}

MpSmartList::iterator MpSmartList::erase(iterator position) {
  IUnknown* p = *position;
  iterator next = m_items.erase(position);
  p->Release();
  return next;
}

void MpSmartList::clear() {
  std::list<IUnknown*> items;
  items.swap(m_items);
  for (IUnknown* p : items) p->Release();
}

namespace {

typedef MpSmartPointer<IMpZulNode, &IID_IMpZulNode> NodePtr;
typedef MpSmartPointer<IMpZulClass, &IID_IMpZulClass> ClassPtr;

// The COM identity of an object: its IUnknown pointer, with no reference kept.
IUnknown* identity(IUnknown* object) {
  IUnknown* unknown = nullptr;
  if (object) object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown));
  if (unknown) unknown->Release();
  return unknown;
}

// What decides identity: the object identifier of a node, else the COM identity.
struct Identity {
  bool isNode = false;
  uint32_t objectId = 0;
  IUnknown* unknown = nullptr;

  explicit Identity(IUnknown* object) {
    NodePtr node(object, true);
    if (node.isValid()) {
      isNode = true;
      objectId = node->getObjectKey().objectId;
    } else {
      unknown = identity(object);
    }
  }
  bool operator==(const Identity& other) const {
    return isNode == other.isNode && (isNode ? objectId == other.objectId : unknown == other.unknown);
  }
};

}  // namespace

MpZulSmartList::MpZulSmartList(IMpData* data) : m_data(data, true) {}

MpZulSmartList& MpZulSmartList::operator+=(const MpSmartList& other) {
  MpSmartList::operator+=(other);
  return *this;
}

std::vector<ZulObjectKey> MpZulSmartList::getKeys() const {
  std::vector<ZulObjectKey> keys;
  getKeys(keys);
  return keys;
}

bool MpZulSmartList::getKeys(std::vector<ZulObjectKey>& keys) const {
  const size_t before = keys.size();
  for (IUnknown* p : *this) {
    NodePtr node(p, true);
    if (node.isValid()) keys.push_back(node->getObjectKey());
  }
  return keys.size() != before;
}

MpZulSmartList::iterator MpZulSmartList::find(const ZulObjectKey& key) {
  for (iterator it = begin(); it != end(); ++it) {
    NodePtr node(*it, true);
    if (node.isValid() && node->getObjectKey().objectId == key.objectId) return it;
  }
  return end();
}

MpZulSmartList::const_iterator MpZulSmartList::find(const ZulObjectKey& key) const {
  for (const_iterator it = begin(); it != end(); ++it) {
    NodePtr node(*it, true);
    if (node.isValid() && node->getObjectKey().objectId == key.objectId) return it;
  }
  return end();
}

bool MpZulSmartList::hasElement(IUnknown* object) const {
  if (!object) return false;
  const Identity wanted(object);
  for (IUnknown* p : *this) {
    if (Identity(p) == wanted) return true;
  }
  return false;
}

IMpZulNode* MpZulSmartList::getNodeByField(const std::string& fieldName, const std::string& value) const {
  for (IUnknown* p : *this) {
    NodePtr node(p, true);
    if (node.isValid() && node->getStringField(fieldName) == value) return node.addRefGet();
  }
  return nullptr;
}

MpZulSmartList& MpZulSmartList::getUniqueElements() {
  std::vector<Identity> seen;
  for (iterator it = begin(); it != end();) {
    Identity current(*it);
    bool duplicate = false;
    for (const Identity& earlier : seen) {
      if (earlier == current) {
        duplicate = true;
        break;
      }
    }
    if (duplicate) {
      it = erase(it);
    } else {
      seen.push_back(current);
      ++it;
    }
  }
  return *this;
}

MpSmartList MpZulFilterClassesOnAttribute(const MpSmartList& classes, const std::string& attribute,
                                          const std::string& value, bool exclude) {
  MpSmartList result;
  for (IUnknown* p : classes) {
    ClassPtr cls(p, true);
    if (cls.isNull()) continue;
    std::string actual;
    const bool matches = cls->getProperty(attribute, actual) && MpStrCompareNoCase(actual, value) == 0;
    if (matches != exclude) result.push_back(p, true);
  }
  return result;
}
