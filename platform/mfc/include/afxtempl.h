// The collection templates: CArray, CList, CMap and the typed pointer collections.
#pragma once

#include "afx.h"

// Element equality as the lists and maps use it; specialize for types without operator==.
template <class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2) {
  return *pElement1 == *pElement2;
}

// The bucket hash of a map key. Integral keys and pointers hash by value (pointers mixed with
// their higher bits, whose low bits are alignment); strings by their characters.
template <class ARG_KEY>
inline UINT AFXAPI HashKey(ARG_KEY key) {
  DWORD_PTR value = (DWORD_PTR)key;
  return static_cast<UINT>(value ^ (value >> 4) ^ (static_cast<unsigned long long>(value) >> 32));
}

template <>
inline UINT AFXAPI HashKey<LPCSTR>(LPCSTR key) {
  UINT nHash = 5381;
  if (key != NULL)
    for (; *key != '\0'; ++key) nHash = nHash * 33 + static_cast<unsigned char>(*key);
  return nHash;
}
template <>
inline UINT AFXAPI HashKey<LPSTR>(LPSTR key) {
  return HashKey<LPCSTR>(key);
}
template <>
inline UINT AFXAPI HashKey<const CString&>(const CString& key) {
  return HashKey<LPCSTR>(key.GetString());
}
template <>
inline UINT AFXAPI HashKey<CString>(CString key) {
  return HashKey<LPCSTR>(key.GetString());
}

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public afx_impl::ArrayT<TYPE, ARG_TYPE> {
 public:
  CArray() = default;
};

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public afx_impl::ListT<TYPE, ARG_TYPE> {
 public:
  CList() = default;
  // nBlockSize is how many nodes MFC allocates at a time; nodes here are allocated singly.
  explicit CList(INT_PTR nBlockSize) { (void)nBlockSize; }
};

// A hash map from KEY to VALUE. Iteration order is unspecified.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
 public:
  // An entry as PLookup and the PGet...Assoc walk expose it.
  class CPair {
   public:
    const KEY key;
    VALUE value;

   protected:
    explicit CPair(ARG_KEY keyval) : key(keyval), value() {}
  };

 protected:
  class CAssoc : public CPair {
   public:
    CAssoc(ARG_KEY keyval, UINT nHash) : CPair(keyval), pNext(NULL), nHashValue(nHash) {}
    CAssoc* pNext;
    UINT nHashValue;  // the full hash, so that growth can rehash without recomputing
  };

 public:
  explicit CMap(INT_PTR nBlockSize = 10) { (void)nBlockSize; }
  ~CMap() override { RemoveAll(); }

  INT_PTR GetCount() const { return m_nCount; }
  INT_PTR GetSize() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }
  UINT GetHashTableSize() const { return m_nHashTableSize; }

  BOOL Lookup(ARG_KEY key, VALUE& rValue) const {
    const CAssoc* pAssoc = Find(key);
    if (pAssoc == NULL) return FALSE;
    rValue = pAssoc->value;
    return TRUE;
  }
  const CPair* PLookup(ARG_KEY key) const { return Find(key); }
  CPair* PLookup(ARG_KEY key) { return Find(key); }

  // The value under key, added value-initialized when the key is new.
  VALUE& operator[](ARG_KEY key) {
    UINT nHash = HashKey<ARG_KEY>(key);
    CAssoc* pAssoc = Find(key, nHash);
    if (pAssoc != NULL) return pAssoc->value;
    if (m_pHashTable == NULL)
      InitHashTable(m_nHashTableSize);
    else if (static_cast<UINT_PTR>(m_nCount) >= 2 * static_cast<UINT_PTR>(m_nHashTableSize))
      Rehash(m_nHashTableSize * 2 + 1);
    pAssoc = new CAssoc(key, nHash);
    CAssoc*& rBucket = m_pHashTable[nHash % m_nHashTableSize];
    pAssoc->pNext = rBucket;
    rBucket = pAssoc;
    ++m_nCount;
    return pAssoc->value;
  }
  void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }

  BOOL RemoveKey(ARG_KEY key) {
    if (m_pHashTable == NULL) return FALSE;
    UINT nHash = HashKey<ARG_KEY>(key);
    for (CAssoc** ppAssoc = &m_pHashTable[nHash % m_nHashTableSize]; *ppAssoc != NULL;
         ppAssoc = &(*ppAssoc)->pNext) {
      CAssoc* pAssoc = *ppAssoc;
      if (pAssoc->nHashValue == nHash && CompareElements(&pAssoc->key, &key)) {
        *ppAssoc = pAssoc->pNext;
        delete pAssoc;
        --m_nCount;
        return TRUE;
      }
    }
    return FALSE;
  }
  void RemoveAll() {
    if (m_pHashTable != NULL) {
      for (UINT i = 0; i < m_nHashTableSize; ++i) {
        for (CAssoc* pAssoc = m_pHashTable[i]; pAssoc != NULL;) {
          CAssoc* pNext = pAssoc->pNext;
          delete pAssoc;
          pAssoc = pNext;
        }
      }
      delete[] m_pHashTable;
      m_pHashTable = NULL;
    }
    m_nCount = 0;
  }

  // NULL for an empty map; otherwise a start for GetNextAssoc.
  POSITION GetStartPosition() const { return m_nCount == 0 ? NULL : BEFORE_START_POSITION; }
  // Reads the entry at rNextPosition and moves it on (NULL after the last entry). The entry
  // just read may then be removed without disturbing the walk.
  void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const {
    const CAssoc* pAssoc = rNextPosition == BEFORE_START_POSITION
                               ? First()
                               : reinterpret_cast<const CAssoc*>(rNextPosition);
    ASSERT(pAssoc != NULL);
    rKey = pAssoc->key;
    rValue = pAssoc->value;
    rNextPosition = reinterpret_cast<POSITION>(const_cast<CAssoc*>(Next(pAssoc)));
  }
  const CPair* PGetFirstAssoc() const { return First(); }
  CPair* PGetFirstAssoc() { return const_cast<CAssoc*>(First()); }
  const CPair* PGetNextAssoc(const CPair* pAssocRet) const {
    return Next(static_cast<const CAssoc*>(pAssocRet));
  }
  CPair* PGetNextAssoc(const CPair* pAssocRet) {
    return const_cast<CAssoc*>(Next(static_cast<const CAssoc*>(pAssocRet)));
  }

  // Sets the bucket count; existing entries are redistributed.
  void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE) {
    if (hashSize == 0) hashSize = 17;
    if (m_pHashTable != NULL) {
      Rehash(hashSize);
      return;
    }
    m_nHashTableSize = hashSize;
    if (bAllocNow) m_pHashTable = new CAssoc*[hashSize]();
  }

 protected:
  CAssoc** m_pHashTable = NULL;
  UINT m_nHashTableSize = 17;
  INT_PTR m_nCount = 0;

 private:
  CAssoc* Find(ARG_KEY key, UINT nHash) const {
    if (m_pHashTable == NULL) return NULL;
    for (CAssoc* pAssoc = m_pHashTable[nHash % m_nHashTableSize]; pAssoc != NULL;
         pAssoc = pAssoc->pNext)
      if (pAssoc->nHashValue == nHash && CompareElements(&pAssoc->key, &key)) return pAssoc;
    return NULL;
  }
  CAssoc* Find(ARG_KEY key) const { return Find(key, HashKey<ARG_KEY>(key)); }
  const CAssoc* First() const {
    if (m_pHashTable == NULL) return NULL;
    for (UINT i = 0; i < m_nHashTableSize; ++i)
      if (m_pHashTable[i] != NULL) return m_pHashTable[i];
    return NULL;
  }
  const CAssoc* Next(const CAssoc* pAssoc) const {
    if (pAssoc->pNext != NULL) return pAssoc->pNext;
    for (UINT i = pAssoc->nHashValue % m_nHashTableSize + 1; i < m_nHashTableSize; ++i)
      if (m_pHashTable[i] != NULL) return m_pHashTable[i];
    return NULL;
  }
  void Rehash(UINT nNewSize) {
    CAssoc** pNewTable = new CAssoc*[nNewSize]();
    for (UINT i = 0; i < m_nHashTableSize; ++i) {
      for (CAssoc* pAssoc = m_pHashTable[i]; pAssoc != NULL;) {
        CAssoc* pNext = pAssoc->pNext;
        CAssoc*& rBucket = pNewTable[pAssoc->nHashValue % nNewSize];
        pAssoc->pNext = rBucket;
        rBucket = pAssoc;
        pAssoc = pNext;
      }
    }
    delete[] m_pHashTable;
    m_pHashTable = pNewTable;
    m_nHashTableSize = nNewSize;
  }
};

// An array of TYPE pointers kept in a CPtrArray or CObArray.
template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS {
 public:
  TYPE GetAt(INT_PTR nIndex) const { return (TYPE)BASE_CLASS::GetAt(nIndex); }
  TYPE& ElementAt(INT_PTR nIndex) { return reinterpret_cast<TYPE&>(BASE_CLASS::ElementAt(nIndex)); }
  void SetAt(INT_PTR nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
  void SetAtGrow(INT_PTR nIndex, TYPE newElement) { BASE_CLASS::SetAtGrow(nIndex, newElement); }
  INT_PTR Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
  INT_PTR Append(const CTypedPtrArray& src) { return BASE_CLASS::Append(src); }
  void Copy(const CTypedPtrArray& src) { BASE_CLASS::Copy(src); }
  void InsertAt(INT_PTR nIndex, TYPE newElement, INT_PTR nCount = 1) {
    BASE_CLASS::InsertAt(nIndex, newElement, nCount);
  }
  void InsertAt(INT_PTR nStartIndex, CTypedPtrArray* pNewArray) {
    BASE_CLASS::InsertAt(nStartIndex, pNewArray);
  }
  TYPE* GetData() { return reinterpret_cast<TYPE*>(BASE_CLASS::GetData()); }
  const TYPE* GetData() const { return reinterpret_cast<const TYPE*>(BASE_CLASS::GetData()); }
  TYPE operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
  TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
};

// A list of TYPE pointers kept in a CPtrList or CObList.
template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS {
 public:
  CTypedPtrList() = default;
  explicit CTypedPtrList(INT_PTR nBlockSize) { (void)nBlockSize; }

  TYPE& GetHead() { return reinterpret_cast<TYPE&>(BASE_CLASS::GetHead()); }
  TYPE GetHead() const { return (TYPE)BASE_CLASS::GetHead(); }
  TYPE& GetTail() { return reinterpret_cast<TYPE&>(BASE_CLASS::GetTail()); }
  TYPE GetTail() const { return (TYPE)BASE_CLASS::GetTail(); }
  TYPE RemoveHead() { return (TYPE)BASE_CLASS::RemoveHead(); }
  TYPE RemoveTail() { return (TYPE)BASE_CLASS::RemoveTail(); }
  TYPE& GetNext(POSITION& rPosition) {
    return reinterpret_cast<TYPE&>(BASE_CLASS::GetNext(rPosition));
  }
  TYPE GetNext(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetNext(rPosition); }
  TYPE& GetPrev(POSITION& rPosition) {
    return reinterpret_cast<TYPE&>(BASE_CLASS::GetPrev(rPosition));
  }
  TYPE GetPrev(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetPrev(rPosition); }
  TYPE& GetAt(POSITION position) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetAt(position)); }
  TYPE GetAt(POSITION position) const { return (TYPE)BASE_CLASS::GetAt(position); }
  void SetAt(POSITION pos, TYPE newElement) { BASE_CLASS::SetAt(pos, newElement); }
  POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
  POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
  void AddHead(CTypedPtrList* pNewList) { BASE_CLASS::AddHead(pNewList); }
  void AddTail(CTypedPtrList* pNewList) { BASE_CLASS::AddTail(pNewList); }
};
