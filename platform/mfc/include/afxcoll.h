// The collection classes: arrays of pointers and strings.
//
// All arrays share one element store (afx_impl::ArrayT); the typed templates of afxtempl.h are
// built on it. Elements are constructed, assigned and destroyed as objects, never copied as
// raw bytes, so any copyable, default-constructible type may be stored.
#pragma once

#include "afxobj.h"
#include "afxstr.h"

#include <new>
#include <utility>

// An opaque place in a sequence (the selected items of a list view, say).
struct AfxPositionTag {};
typedef AfxPositionTag* POSITION;

namespace afx_impl {

// A growable array of TYPE; ARG_TYPE is how elements are passed in.
template <class TYPE, class ARG_TYPE>
class ArrayT : public CObject {
 public:
  ArrayT() = default;
  ~ArrayT() override { SetSize(0); }

  INT_PTR GetSize() const { return m_nSize; }

  // New elements are value-initialized (zero for numbers and pointers).
  void SetSize(INT_PTR nNewSize) {
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
  void RemoveAll() { SetSize(0); }

  const TYPE& GetAt(INT_PTR nIndex) const {
    ASSERT(nIndex >= 0 && nIndex < m_nSize);
    return m_pData[nIndex];
  }
  TYPE& GetAt(INT_PTR nIndex) {
    ASSERT(nIndex >= 0 && nIndex < m_nSize);
    return m_pData[nIndex];
  }
  TYPE& ElementAt(INT_PTR nIndex) { return GetAt(nIndex); }
  const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
  TYPE& operator[](INT_PTR nIndex) { return GetAt(nIndex); }

  INT_PTR Add(ARG_TYPE newElement) {
    TYPE value(newElement);  // newElement may be one of our own elements
    SetSize(m_nSize + 1);
    m_pData[m_nSize - 1] = std::move(value);
    return m_nSize - 1;
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

 private:
  void Destroy(INT_PTR nFrom, INT_PTR nTo) {
    for (INT_PTR i = nFrom; i < nTo; ++i) m_pData[i].~TYPE();
  }
  // Grows by half again at least, so that repeated appends stay linear.
  void Reserve(INT_PTR nMinCapacity) {
    if (nMinCapacity <= m_nMaxSize) return;
    INT_PTR nGrow = m_nMaxSize / 2 > 4 ? m_nMaxSize / 2 : 4;
    INT_PTR nCapacity = nMinCapacity > m_nMaxSize + nGrow ? nMinCapacity : m_nMaxSize + nGrow;
    TYPE* pNew = static_cast<TYPE*>(::operator new(static_cast<size_t>(nCapacity) * sizeof(TYPE)));
    for (INT_PTR i = 0; i < m_nSize; ++i)
      new (static_cast<void*>(pNew + i)) TYPE(std::move(m_pData[i]));
    Destroy(0, m_nSize);
    ::operator delete(m_pData);
    m_pData = pNew;
    m_nMaxSize = nCapacity;
  }
};

}  // namespace afx_impl

class AFX_API CPtrArray : public afx_impl::ArrayT<void*, void*> {
  DECLARE_DYNAMIC(CPtrArray)
 public:
  CPtrArray() = default;
};

class AFX_API CStringArray : public afx_impl::ArrayT<CString, const CString&> {
  DECLARE_DYNAMIC(CStringArray)
 public:
  CStringArray() = default;
};
