// The named-value bag.
#include "MpHostOptions.h"
#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>
#include "host_internal.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string trimmed(const std::string& text) {
  size_t first = 0, last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string lowered(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace

bool MpHostParseInt(const std::string& text, int& value) {
  const std::string t = trimmed(text);
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  if (i == t.size()) return false;
  for (size_t j = i; j < t.size(); ++j)
    if (!isDigit(t[j])) return false;
  // from_chars takes a '-' but not a '+'.
  const char* first = t.data() + (t[0] == '+' ? 1 : 0);
  int v = 0;
  const auto result = std::from_chars(first, t.data() + t.size(), v);
  if (result.ec != std::errc() || result.ptr != t.data() + t.size()) return false;
  value = v;
  return true;
}

bool MpHostParseDouble(const std::string& text, double& value) {
  const std::string t = trimmed(text);
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  size_t digits = 0;
  while (i < t.size() && isDigit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && isDigit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t exponentDigits = 0;
    while (i < t.size() && isDigit(t[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  if (i != t.size()) return false;
  const char* first = t.data() + (t[0] == '+' ? 1 : 0);
  double v = 0;
  const auto result = std::from_chars(first, t.data() + t.size(), v);
  if (result.ec != std::errc() || result.ptr != t.data() + t.size() || !std::isfinite(v)) return false;
  value = v;
  return true;
}

std::string MpHostFormatDouble(double value) {
  if (!std::isfinite(value)) return std::string();
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof(buffer), value);
  return std::string(buffer, result.ptr);
}

MpHostOptions* MpHostOptions::create() { return new MpHostOptions(); }

MpHostOptions::MpHostOptions() { mphost::objectMade(); }
MpHostOptions::~MpHostOptions() { mphost::objectGone(); }

void* MpHostOptions::findInterface(REFIID iid) {
  if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IMpOptions)) return static_cast<IMpOptions*>(this);
  if (IsEqualGUID(iid, IID_MpHostOptionsImpl)) return this;
  return nullptr;
}

bool MpHostOptions::setObjectKey(const std::string& key, const ZulObjectKey& value) {
  if (key.empty()) return false;
  m_values.objectKeys[key] = value;
  return true;
}

bool MpHostOptions::setDouble(const std::string& key, double value) {
  if (!std::isfinite(value)) return false;
  return setString(key, MpHostFormatDouble(value));
}

bool MpHostOptions::setInt(const std::string& key, int value) { return setString(key, std::to_string(value)); }

bool MpHostOptions::setBool(const std::string& key, bool value) { return setString(key, value ? "on" : "off"); }

bool MpHostOptions::setString(const std::string& key, const std::string& value) {
  if (key.empty()) return false;
  m_values.strings[key] = value;
  return true;
}

bool MpHostOptions::setStringList(const std::string& key, const std::vector<std::string>& value) {
  if (key.empty()) return false;
  m_values.lists[key] = value;
  return true;
}

std::vector<std::string> MpHostOptions::getStringList(const std::string& key) {
  const auto it = m_values.lists.find(key);
  return it == m_values.lists.end() ? std::vector<std::string>() : it->second;
}

std::string MpHostOptions::getString(const std::string& key) {
  const auto it = m_values.strings.find(key);
  return it == m_values.strings.end() ? std::string() : it->second;
}

bool MpHostOptions::getBool(const std::string& key) {
  const std::string value = lowered(trimmed(getString(key)));
  return value == "on" || value == "true" || value == "1";
}

int MpHostOptions::getInt(const std::string& key) {
  int value = 0;
  return MpHostParseInt(getString(key), value) ? value : 0;
}

double MpHostOptions::getDouble(const std::string& key) {
  double value = 0;
  return MpHostParseDouble(getString(key), value) ? value : 0.0;
}

ZulObjectKey MpHostOptions::getObjectKey(const std::string& key) {
  const auto it = m_values.objectKeys.find(key);
  return it == m_values.objectKeys.end() ? ZulObjectKey() : it->second;
}

std::vector<std::string> MpHostOptions::keys() const {
  std::set<std::string> all;
  for (const auto& v : m_values.strings) all.insert(v.first);
  for (const auto& v : m_values.lists) all.insert(v.first);
  for (const auto& v : m_values.objectKeys) all.insert(v.first);
  return std::vector<std::string>(all.begin(), all.end());
}

std::string MpHostOptions::text() const {
  std::string out;
  for (const std::string& key : keys()) {
    const auto s = m_values.strings.find(key);
    if (s != m_values.strings.end()) out += key + " = " + quoted(s->second) + "\n";
    const auto l = m_values.lists.find(key);
    if (l != m_values.lists.end()) {
      out += key + "[] =";
      for (size_t i = 0; i < l->second.size(); ++i) out += (i ? ", " : " ") + quoted(l->second[i]);
      out += "\n";
    }
    const auto k = m_values.objectKeys.find(key);
    if (k != m_values.objectKeys.end())
      out += key + "# = " + (k->second.isNone() ? std::string("none") : std::to_string(k->second.objectId)) + "\n";
  }
  return out;
}

MpHostOptions* MpHostOptionsOf(IUnknown* bag) {
  return mphost::implementationOf<MpHostOptions>(bag, IID_MpHostOptionsImpl);
}

IMpOptions* MpHostCreateOptions() { return MpHostOptions::create(); }

std::vector<std::string> MpHostOptionsKeys(IMpOptions* bag) {
  const MpHostOptions* options = MpHostOptionsOf(bag);
  return options ? options->keys() : std::vector<std::string>();
}

std::string MpHostOptionsText(IMpOptions* bag) {
  const MpHostOptions* options = MpHostOptionsOf(bag);
  return options ? options->text() : std::string();
}
