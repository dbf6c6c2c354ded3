// Keys of host objects and the data library's context record.
#pragma once
#include <cstdint>

// The key of a host object, copied as a whole value. The first 32-bit word is the object
// identifier and alone decides identity: two keys name the same object when their object
// identifiers are equal. 0xFFFFFFFF is "no object". The other words are the host's own.
struct ZulObjectKey {
  static constexpr uint32_t None = 0xFFFFFFFFu;

  uint32_t objectId = None;  // first word: the object identifier
  uint32_t classId = 0;      // the host class of the object
  uint32_t storeId = 0;      // the data store that holds it
  uint32_t revision = 0;     // the host's revision counter

  ZulObjectKey() = default;
  explicit ZulObjectKey(uint32_t id, uint32_t cls = 0, uint32_t store = 0, uint32_t rev = 0)
      : objectId(id), classId(cls), storeId(store), revision(rev) {}

  bool isNone() const { return objectId == None; }
  // The identifier as the signed 32-bit word that list rows and state words carry.
  int32_t id() const { return static_cast<int32_t>(objectId); }

  // Identity only: the object identifier.
  friend bool operator==(const ZulObjectKey& a, const ZulObjectKey& b) { return a.objectId == b.objectId; }
  friend bool operator!=(const ZulObjectKey& a, const ZulObjectKey& b) { return !(a == b); }
  friend bool operator<(const ZulObjectKey& a, const ZulObjectKey& b) { return a.objectId < b.objectId; }
};
static_assert(sizeof(ZulObjectKey) == 16, "ZulObjectKey is four 32-bit words");

// The data library's record of the current session. The third word is the object identifier of
// the current variant filter: 1 or more when one is set, 0 when none.
struct ZulContextData {
  int32_t userId = 0;           // the logged-in user, 0 before a login
  int32_t projectId = 0;        // the open project, 0 when none
  int32_t variantFilterId = 0;  // third word: the current variant filter
  int32_t flags = 0;            // the host's own
};
static_assert(sizeof(ZulContextData) == 16, "ZulContextData is four 32-bit words");
