// The host's named-value bag (IMpOptions), made by the class factory from CLSID_MpOptions and used
// for the settings groups.
//
// Rules of the bag:
//  - Keys are case-sensitive strings; a setter refuses the empty key (false, nothing stored).
//  - A key holds up to three values side by side, each of its own kind: a string, a string list
//    and an object key. Each getter reads its own kind only: getStringList of a key that holds only
//    a string is an empty list, getString of a key that holds only a list is "".
//  - setBool writes the string "on" or "off". getBool is true for "on", "true" and "1" and false
//    for "off", "false", "0", any other text and an unset key; case and surrounding blanks
//    (blank, tab) are ignored.
//  - setInt writes the decimal text ("-12"). setDouble writes the shortest decimal text that reads
//    back as the same double ("0.1", "25.4", "1e+300"); it refuses a value that is not finite.
//  - getInt reads a decimal integer: an optional '+' or '-', then digits, in the range of int,
//    with surrounding blanks ignored. getDouble reads a decimal number: an optional sign, digits
//    with at most one '.', an optional exponent ("1.5", "-.5", "2e3"), finite, surrounding blanks
//    ignored. Every other text ("12x", "1.5" for getInt, "inf", "nan", "0x10", "") gives 0. The
//    reading does not depend on the C locale.
//  - Object keys are kept as whole ZulObjectKey values; getObjectKey of an unset key gives a key
//    whose object identifier is 0xFFFFFFFF (none).
//  - commit stores the bag as its settings group (MpHostSettings.h) and returns whether it could:
//    false for a bag that is no settings group (a fresh bag), for a group whose store is closed,
//    and while MpHostSetCommitFailure(true) is in force.
#pragma once
#include "MpHostApi.h"
#include <map>
#include <memory>
#include <string>
#include <vector>
#include "MpInterfaces.h"
#include "MpUnknown.h"

// The values of a bag, by kind.
struct MpHostOptionValues {
  std::map<std::string, std::string> strings;
  std::map<std::string, std::vector<std::string>> lists;
  std::map<std::string, ZulObjectKey> objectKeys;

  bool empty() const { return strings.empty() && lists.empty() && objectKeys.empty(); }
};

struct MpHostSettingsStore;

class MPHOST_API MpHostOptions final : public MpUnknown<IMpOptions> {
 public:
  // A new, empty bag with one reference, owned by the caller.
  static MpHostOptions* create();

  void reserved1() override {}
  void reserved2() override {}
  bool commit() override;
  bool setObjectKey(const std::string& key, const ZulObjectKey& value) override;
  bool setDouble(const std::string& key, double value) override;
  bool setInt(const std::string& key, int value) override;
  bool setBool(const std::string& key, bool value) override;
  bool setString(const std::string& key, const std::string& value) override;
  bool setStringList(const std::string& key, const std::vector<std::string>& value) override;
  std::vector<std::string> getStringList(const std::string& key) override;
  std::string getString(const std::string& key) override;
  bool getBool(const std::string& key) override;
  int getInt(const std::string& key) override;
  double getDouble(const std::string& key) override;
  ZulObjectKey getObjectKey(const std::string& key) override;

  // Every key that holds a value of any kind, sorted, each once.
  std::vector<std::string> keys() const;
  // One line per value, sorted by key: `key = "text"`, `key[] = "a", "b"` for a list and
  // `key# = 17` (or `none`) for an object key. Quotes, backslashes and line breaks inside a text
  // are written \" \\ \n.
  std::string text() const;
  const MpHostOptionValues& values() const { return m_values; }
  void setValues(const MpHostOptionValues& values) { m_values = values; }
  // Removes every value.
  void clear() { m_values = MpHostOptionValues(); }
  // Whether a key holds a string (also an empty one).
  bool hasString(const std::string& key) const { return m_values.strings.count(key) != 0; }

  // The settings group the bag is (its index in MpHostSettingsGroup), -1 for a plain bag.
  int settingsGroup() const { return m_group; }
  void bindToGroup(int group, const std::shared_ptr<MpHostSettingsStore>& store);

 private:
  MpHostOptions();
  ~MpHostOptions() override;
  void* findInterface(REFIID iid) override;

  MpHostOptionValues m_values;
  int m_group = -1;
  std::weak_ptr<MpHostSettingsStore> m_store;
};

// The host's bag behind an interface pointer (no reference added), null for a bag of another
// implementation or null.
MPHOST_API MpHostOptions* MpHostOptionsOf(IUnknown* bag);
// A new bag with one reference for the caller.
MPHOST_API IMpOptions* MpHostCreateOptions();
// MpHostOptions::keys and ::text of a bag; for a bag of another implementation, none and "".
MPHOST_API std::vector<std::string> MpHostOptionsKeys(IMpOptions* bag);
MPHOST_API std::string MpHostOptionsText(IMpOptions* bag);

// The parsers the bag reads numbers with (rules above); false leaves value untouched.
MPHOST_API bool MpHostParseInt(const std::string& text, int& value);
MPHOST_API bool MpHostParseDouble(const std::string& text, double& value);
// The text setDouble writes; "" for a value that is not finite.
MPHOST_API std::string MpHostFormatDouble(double value);
