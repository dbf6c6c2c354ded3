// Synchronisation objects: a critical section and a lock taken on it for a scope.
#pragma once
#include "afx.h"

class CCriticalSection {
 public:
  CCriticalSection() { ::InitializeCriticalSection(&m_sect); }
  ~CCriticalSection() { ::DeleteCriticalSection(&m_sect); }
  CCriticalSection(const CCriticalSection&) = delete;
  CCriticalSection& operator=(const CCriticalSection&) = delete;
  BOOL Lock() {
    ::EnterCriticalSection(&m_sect);
    return TRUE;
  }
  BOOL Unlock() {
    ::LeaveCriticalSection(&m_sect);
    return TRUE;
  }

 private:
  CRITICAL_SECTION m_sect;
};

// Takes the section on Lock (or at construction with bInitialLock) and gives it back on Unlock or
// at destruction.
class CSingleLock {
 public:
  explicit CSingleLock(CCriticalSection* pObject, BOOL bInitialLock = FALSE) : m_pObject(pObject) {
    if (bInitialLock) Lock();
  }
  ~CSingleLock() { Unlock(); }
  CSingleLock(const CSingleLock&) = delete;
  CSingleLock& operator=(const CSingleLock&) = delete;
  BOOL Lock(DWORD = INFINITE) {
    if (m_bAcquired || !m_pObject) return m_bAcquired;
    m_bAcquired = m_pObject->Lock();
    return m_bAcquired;
  }
  BOOL Unlock() {
    if (m_bAcquired) m_bAcquired = !m_pObject->Unlock();
    return TRUE;
  }
  BOOL IsLocked() const { return m_bAcquired; }

 private:
  CCriticalSection* m_pObject;
  BOOL m_bAcquired = FALSE;
};
