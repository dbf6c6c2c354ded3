// Lists of host objects. Every element carries one reference owned by the list: the list releases
// it when the element is erased, the list is cleared, assigned or destroyed.
#pragma once
#include "MpMakerApi.h"
#include <cstddef>
#include <list>
#include <string>
#include <vector>
#include <unknwn.h>
#include "MpData.h"
#include "MpKeys.h"
#include "MpSmartPointer.h"
#include "MpZul.h"

class MPMAKER_API MpSmartList {
 public:
  typedef std::list<IUnknown*>::iterator iterator;
  typedef std::list<IUnknown*>::const_iterator const_iterator;

  MpSmartList() = default;
  // Copies hold their own references.
  MpSmartList(const MpSmartList& other);
  MpSmartList& operator=(const MpSmartList& other);
  virtual ~MpSmartList();

  // Appends the other list's elements, each with a reference of its own.
  MpSmartList& operator+=(const MpSmartList& other);

  iterator begin() { return m_items.begin(); }
  iterator end() { return m_items.end(); }
  const_iterator begin() const { return m_items.begin(); }
  const_iterator end() const { return m_items.end(); }
  size_t size() const { return m_items.size(); }
  bool empty() const { return m_items.empty(); }
  // The first element without a reference added; null for an empty list.
  IUnknown* front() const { return m_items.empty() ? nullptr : m_items.front(); }

  // Appends p. With addRef true the list adds its own reference; with false it takes over the
  // caller's. A null pointer is not added.
  void push_back(IUnknown* p, bool addRef);
  // Releases the element and removes it; returns the position after it.
  iterator erase(iterator position);
  // Releases and removes every element.
  void clear();

 private:
  std::list<IUnknown*> m_items;
};

// A list of objects of one data object. Elements are compared by identity: two elements are the
// same object when both offer IMpZulNode and their object identifiers are equal, or, for objects
// that are not nodes, when they are the same COM object.
class MPMAKER_API MpZulSmartList : public MpSmartList {
 public:
  MpZulSmartList() = default;
  // A list over the data object; the list holds a reference to it.
  explicit MpZulSmartList(IMpData* data);
  MpZulSmartList(const MpZulSmartList& other) = default;
  MpZulSmartList& operator=(const MpZulSmartList& other) = default;
  // Appends the elements of any list; the data object stays.
  MpZulSmartList& operator+=(const MpSmartList& other);

  // The data object of the list (no reference added); null when the list has none.
  IMpData* getData() const { return m_data.get(); }
  void setData(IMpData* data) { m_data = data; }

  // The keys of the elements that are nodes, in list order; other elements are skipped.
  std::vector<ZulObjectKey> getKeys() const;
  // The same, appended to keys; false when no key was appended.
  bool getKeys(std::vector<ZulObjectKey>& keys) const;

  // The first element that is a node with the key's object identifier; end() when none.
  iterator find(const ZulObjectKey& key);
  const_iterator find(const ZulObjectKey& key) const;
  // Whether the list holds the object (by identity, as above).
  bool hasElement(IUnknown* object) const;
  // The first node whose string field fieldName equals value (IMpZulNode::getStringField), with a
  // reference for the caller; null when none.
  IMpZulNode* getNodeByField(const std::string& fieldName, const std::string& value) const;
  // Removes every element that is the same object as an earlier one, keeping the first of each
  // in its place; returns this list.
  MpZulSmartList& getUniqueElements();

 private:
  MpSmartPointer<IMpData, &IID_IMpData> m_data;
};

// Filters a list of classes on a class attribute (IMpZulClass::getProperty). A class matches when
// it has the attribute and its value equals value, ignoring case. With exclude true the result
// holds the classes that do not match (so ("Abstract", "TRUE", true) leaves the concrete classes);
// with false the classes that match. Elements that are not classes are left out. The result is a
// new list in the input's order; the input is not changed.
MPMAKER_API MpSmartList MpZulFilterClassesOnAttribute(const MpSmartList& classes, const std::string& attribute,
                                                      const std::string& value, bool exclude);
