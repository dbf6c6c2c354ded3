// The collection classes: arrays and lists of pointers, numbers and strings.
//
// All arrays share one element store (afx_impl::ArrayT) and all lists one node chain
// (afx_impl::ListT); the typed templates of afxtempl.h are built on the same two. Elements are
// constructed, assigned and destroyed as objects, never copied as raw bytes, so any copyable,
// default-constructible type may be stored.
#pragma once

#include "afxobj.h"
#include "afxstr.h"

#include <new>
#include <utility>

// An opaque place in a list or map, valid until that element is removed.
struct AfxPositionTag {};
typedef AfxPositionTag* POSITION;

// The position a map hands out before the first GetNextAssoc.
#define BEFORE_START_POSITION (reinterpret_cast<POSITION>(static_cast<INT_PTR>(-1)))

namespace afx_impl {

// A growable array of TYPE; ARG_TYPE is how elements are passed in.
template <class TYPE, class ARG_TYPE>
class ArrayT : public CObject {
 public:
  ArrayT() = default;
  ~ArrayT() override { SetSize(0); }

  INT_PTR GetSize() const { return m_nSize; }
  INT_PTR GetCount() const { return m_nSize; }
  BOOL IsEmpty() const { return m_nSize == 0; }
  INT_PTR GetUpperBound() const { return m_nSize - 1; }

  // New elements are value-initialized (zero for numbers and pointers); nGrowBy >= 0 also sets
  // how many slots a later growth adds (0: chosen from the size).
  void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1) {
    if (nGrowBy >= 0) m_nGrowBy = nGrowBy;
    if (nNewSize < 0) nNewSize = 0;
    if (nNewSize == 0) {
      Destroy(0, m_nSize);
      ::operator delete(m_pData);
      m_pData = NULL;
      m_nSize = m_nMaxSize = 0;
      return;
    }
    if (nNewSize > m_nSize) {
      Reserve(nNewSize);
      for (; m_nSize < nNewSize; ++m_nSize) new (static_cast<void*>(m_pData + m_nSize)) TYPE();
    } else {
      Destroy(nNewSize, m_nSize);
      m_nSize = nNewSize;
    }
  }
  void FreeExtra() {
    if (m_nSize != m_nMaxSize) Reallocate(m_nSize);
  }
  void RemoveAll() { SetSize(0); }

  const TYPE& GetAt(INT_PTR nIndex) const {
    ASSERT(nIndex >= 0 && nIndex < m_nSize);
    return m_pData[nIndex];
  }
  TYPE& GetAt(INT_PTR nIndex) {
    ASSERT(nIndex >= 0 && nIndex < m_nSize);
    return m_pData[nIndex];
  }
  void SetAt(INT_PTR nIndex, ARG_TYPE newElement) {
    ASSERT(nIndex >= 0 && nIndex < m_nSize);
    m_pData[nIndex] = newElement;
  }
  TYPE& ElementAt(INT_PTR nIndex) { return GetAt(nIndex); }
  const TYPE& ElementAt(INT_PTR nIndex) const { return GetAt(nIndex); }
  const TYPE* GetData() const { return m_pData; }
  TYPE* GetData() { return m_pData; }
  const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
  TYPE& operator[](INT_PTR nIndex) { return GetAt(nIndex); }

  // Sets element nIndex, growing the array first when needed.
  void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement) {
    ASSERT(nIndex >= 0);
    if (nIndex < 0) return;
    TYPE value(newElement);  // newElement may be one of our own elements
    if (nIndex >= m_nSize) SetSize(nIndex + 1);
    m_pData[nIndex] = std::move(value);
  }
  INT_PTR Add(ARG_TYPE newElement) {
    INT_PTR nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
  }
  // Appends a copy of src (which may be this array); returns the index of the first copy.
  INT_PTR Append(const ArrayT& src) {
    INT_PTR nOldSize = m_nSize;
    INT_PTR nCount = src.m_nSize;
    SetSize(nOldSize + nCount);
    for (INT_PTR i = 0; i < nCount; ++i) m_pData[nOldSize + i] = src.m_pData[i];
    return nOldSize;
  }
  void Copy(const ArrayT& src) {
    if (this == &src) return;
    SetSize(src.m_nSize);
    for (INT_PTR i = 0; i < m_nSize; ++i) m_pData[i] = src.m_pData[i];
  }

  // Inserts nCount copies of newElement before nIndex; past the end, the gap is filled with
  // value-initialized elements.
  void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1) {
    ASSERT(nIndex >= 0 && nCount > 0);
    if (nIndex < 0 || nCount <= 0) return;
    TYPE value(newElement);  // newElement may be one of our own elements
    INT_PTR nOldSize = m_nSize;
    if (nIndex >= nOldSize) {
      SetSize(nIndex + nCount);
    } else {
      SetSize(nOldSize + nCount);
      for (INT_PTR i = nOldSize - 1; i >= nIndex; --i) m_pData[i + nCount] = std::move(m_pData[i]);
    }
    for (INT_PTR i = nIndex; i < nIndex + nCount; ++i) m_pData[i] = value;
  }
  // Inserts a copy of every element of pNewArray (which may be this array) before nStartIndex.
  void InsertAt(INT_PTR nStartIndex, const ArrayT* pNewArray) {
    if (pNewArray == NULL || pNewArray->m_nSize == 0) return;
    ArrayT copy;
    copy.Copy(*pNewArray);
    InsertAt(nStartIndex, copy.m_pData[0], copy.m_nSize);
    for (INT_PTR i = 1; i < copy.m_nSize; ++i) m_pData[nStartIndex + i] = copy.m_pData[i];
  }
  void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1) {
    ASSERT(nIndex >= 0 && nCount >= 0 && nIndex + nCount <= m_nSize);
    if (nIndex < 0 || nCount <= 0 || nIndex >= m_nSize) return;
    if (nCount > m_nSize - nIndex) nCount = m_nSize - nIndex;
    for (INT_PTR i = nIndex; i + nCount < m_nSize; ++i) m_pData[i] = std::move(m_pData[i + nCount]);
    Destroy(m_nSize - nCount, m_nSize);
    m_nSize -= nCount;
  }

 protected:
  TYPE* m_pData = NULL;
  INT_PTR m_nSize = 0;
  INT_PTR m_nMaxSize = 0;
  INT_PTR m_nGrowBy = 0;

 private:
  void Destroy(INT_PTR nFrom, INT_PTR nTo) {
    for (INT_PTR i = nFrom; i < nTo; ++i) m_pData[i].~TYPE();
  }
  void Reserve(INT_PTR nMinCapacity) {
    if (nMinCapacity <= m_nMaxSize) return;
    INT_PTR nGrow = m_nGrowBy;
    if (nGrow <= 0) nGrow = m_nMaxSize / 2 > 4 ? m_nMaxSize / 2 : 4;
    Reallocate(nMinCapacity > m_nMaxSize + nGrow ? nMinCapacity : m_nMaxSize + nGrow);
  }
  void Reallocate(INT_PTR nCapacity) {
    TYPE* pNew = NULL;
    if (nCapacity > 0) {
      pNew = static_cast<TYPE*>(::operator new(static_cast<size_t>(nCapacity) * sizeof(TYPE)));
      for (INT_PTR i = 0; i < m_nSize; ++i)
        new (static_cast<void*>(pNew + i)) TYPE(std::move(m_pData[i]));
    }
    Destroy(0, m_nSize);
    ::operator delete(m_pData);
    m_pData = pNew;
    m_nMaxSize = nCapacity;
  }
};

// A doubly linked list of TYPE; a POSITION is a node.
template <class TYPE, class ARG_TYPE>
class ListT : public CObject {
 protected:
  struct CNode {
    CNode* pNext;
    CNode* pPrev;
    TYPE data;
  };

 public:
  ListT() = default;
  ~ListT() override { RemoveAll(); }

  INT_PTR GetCount() const { return m_nCount; }
  INT_PTR GetSize() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }

  TYPE& GetHead() {
    ASSERT(m_pNodeHead != NULL);
    return m_pNodeHead->data;
  }
  const TYPE& GetHead() const {
    ASSERT(m_pNodeHead != NULL);
    return m_pNodeHead->data;
  }
  TYPE& GetTail() {
    ASSERT(m_pNodeTail != NULL);
    return m_pNodeTail->data;
  }
  const TYPE& GetTail() const {
    ASSERT(m_pNodeTail != NULL);
    return m_pNodeTail->data;
  }
  // Remove the first or last element and return it; the list must not be empty.
  TYPE RemoveHead() {
    ASSERT(m_pNodeHead != NULL);
    TYPE value(std::move(m_pNodeHead->data));
    RemoveAt(reinterpret_cast<POSITION>(m_pNodeHead));
    return value;
  }
  TYPE RemoveTail() {
    ASSERT(m_pNodeTail != NULL);
    TYPE value(std::move(m_pNodeTail->data));
    RemoveAt(reinterpret_cast<POSITION>(m_pNodeTail));
    return value;
  }

  POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(GetHeadPosition(), newElement); }
  POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(GetTailPosition(), newElement); }
  // Copies of every element of pNewList (which may be this list), in order.
  void AddHead(const ListT* pNewList) {
    if (pNewList == NULL) return;
    ListT copy;
    copy.AddTail(pNewList);
    for (CNode* p = copy.m_pNodeTail; p != NULL; p = p->pPrev) AddHead(p->data);
  }
  void AddTail(const ListT* pNewList) {
    if (pNewList == NULL) return;
    INT_PTR nCount = pNewList->m_nCount;  // fixed first: pNewList may be this list
    CNode* p = pNewList->m_pNodeHead;
    for (INT_PTR i = 0; i < nCount; ++i, p = p->pNext) AddTail(p->data);
  }
  void RemoveAll() {
    for (CNode* p = m_pNodeHead; p != NULL;) {
      CNode* pNext = p->pNext;
      delete p;
      p = pNext;
    }
    m_pNodeHead = m_pNodeTail = NULL;
    m_nCount = 0;
  }

  POSITION GetHeadPosition() const { return reinterpret_cast<POSITION>(m_pNodeHead); }
  POSITION GetTailPosition() const { return reinterpret_cast<POSITION>(m_pNodeTail); }
  // The element at rPosition; rPosition moves to the next (or previous) one, NULL at the end.
  TYPE& GetNext(POSITION& rPosition) {
    CNode* pNode = Node(rPosition);
    rPosition = reinterpret_cast<POSITION>(pNode->pNext);
    return pNode->data;
  }
  const TYPE& GetNext(POSITION& rPosition) const {
    CNode* pNode = Node(rPosition);
    rPosition = reinterpret_cast<POSITION>(pNode->pNext);
    return pNode->data;
  }
  TYPE& GetPrev(POSITION& rPosition) {
    CNode* pNode = Node(rPosition);
    rPosition = reinterpret_cast<POSITION>(pNode->pPrev);
    return pNode->data;
  }
  const TYPE& GetPrev(POSITION& rPosition) const {
    CNode* pNode = Node(rPosition);
    rPosition = reinterpret_cast<POSITION>(pNode->pPrev);
    return pNode->data;
  }
  TYPE& GetAt(POSITION position) { return Node(position)->data; }
  const TYPE& GetAt(POSITION position) const { return Node(position)->data; }
  void SetAt(POSITION pos, ARG_TYPE newElement) { Node(pos)->data = newElement; }
  void RemoveAt(POSITION position) {
    CNode* pNode = Node(position);
    (pNode->pPrev ? pNode->pPrev->pNext : m_pNodeHead) = pNode->pNext;
    (pNode->pNext ? pNode->pNext->pPrev : m_pNodeTail) = pNode->pPrev;
    delete pNode;
    --m_nCount;
  }

  // A NULL position inserts at the head (InsertBefore) or the tail (InsertAfter).
  POSITION InsertBefore(POSITION position, ARG_TYPE newElement) {
    CNode* pNext = reinterpret_cast<CNode*>(position);
    CNode* pPrev = pNext ? pNext->pPrev : NULL;
    if (pNext == NULL) pNext = m_pNodeHead;
    return Link(pPrev, pNext, newElement);
  }
  POSITION InsertAfter(POSITION position, ARG_TYPE newElement) {
    CNode* pPrev = reinterpret_cast<CNode*>(position);
    CNode* pNext = pPrev ? pPrev->pNext : NULL;
    if (pPrev == NULL) pPrev = m_pNodeTail;
    return Link(pPrev, pNext, newElement);
  }

  // The first element equal to searchValue after startAfter (from the head when NULL).
  POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const {
    CNode* pNode = startAfter ? Node(startAfter)->pNext : m_pNodeHead;
    for (; pNode != NULL; pNode = pNode->pNext)
      if (pNode->data == searchValue) return reinterpret_cast<POSITION>(pNode);
    return NULL;
  }
  // The position of the element with zero-based index nIndex, or NULL.
  POSITION FindIndex(INT_PTR nIndex) const {
    if (nIndex < 0 || nIndex >= m_nCount) return NULL;
    CNode* pNode = m_pNodeHead;
    while (nIndex-- > 0) pNode = pNode->pNext;
    return reinterpret_cast<POSITION>(pNode);
  }

 protected:
  CNode* m_pNodeHead = NULL;
  CNode* m_pNodeTail = NULL;
  INT_PTR m_nCount = 0;

 private:
  static CNode* Node(POSITION position) {
    ASSERT(position != NULL);
    return reinterpret_cast<CNode*>(position);
  }
  POSITION Link(CNode* pPrev, CNode* pNext, ARG_TYPE newElement) {
    CNode* pNode = new CNode{pNext, pPrev, TYPE(newElement)};
    (pPrev ? pPrev->pNext : m_pNodeHead) = pNode;
    (pNext ? pNext->pPrev : m_pNodeTail) = pNode;
    ++m_nCount;
    return reinterpret_cast<POSITION>(pNode);
  }
};

}  // namespace afx_impl

class CObArray : public afx_impl::ArrayT<CObject*, CObject*> {
  DECLARE_DYNAMIC(CObArray)
 public:
  CObArray() = default;
};

class CPtrArray : public afx_impl::ArrayT<void*, void*> {
  DECLARE_DYNAMIC(CPtrArray)
 public:
  CPtrArray() = default;
};

class CDWordArray : public afx_impl::ArrayT<DWORD, DWORD> {
  DECLARE_DYNAMIC(CDWordArray)
 public:
  CDWordArray() = default;
};

class CUIntArray : public afx_impl::ArrayT<UINT, UINT> {
  DECLARE_DYNAMIC(CUIntArray)
 public:
  CUIntArray() = default;
};

class CStringArray : public afx_impl::ArrayT<CString, const CString&> {
  DECLARE_DYNAMIC(CStringArray)
 public:
  CStringArray() = default;
};

class CObList : public afx_impl::ListT<CObject*, CObject*> {
  DECLARE_DYNAMIC(CObList)
 public:
  CObList() = default;
};

class CPtrList : public afx_impl::ListT<void*, void*> {
  DECLARE_DYNAMIC(CPtrList)
 public:
  CPtrList() = default;
};

class CStringList : public afx_impl::ListT<CString, const CString&> {
  DECLARE_DYNAMIC(CStringList)
 public:
  CStringList() = default;
};
