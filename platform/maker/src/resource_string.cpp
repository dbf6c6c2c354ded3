// Strings of the registered resource modules.
#include "MpResourceString.h"
#include <algorithm>
#include <mutex>
#include <vector>

namespace {

struct Modules {
  std::mutex lock;
  std::vector<HINSTANCE> list;  // newest last
};

Modules& modules() {
  static Modules m;
  return m;
}

// The longest text a string-table entry can hold is 4097 characters.
const int MaxResourceString = 4100;

}  // namespace

bool MpRegisterResourceModule(HINSTANCE module) {
  if (!module) return false;
  Modules& m = modules();
  std::lock_guard<std::mutex> guard(m.lock);
  if (std::find(m.list.begin(), m.list.end(), module) != m.list.end()) return true;
  m.list.push_back(module);
  return true;
}

bool MpUnregisterResourceModule(HINSTANCE module) {
  Modules& m = modules();
  std::lock_guard<std::mutex> guard(m.lock);
  auto it = std::find(m.list.begin(), m.list.end(), module);
  if (it == m.list.end()) return false;
  m.list.erase(it);
  return true;
}

std::string MpInsertStrings(const std::string& text, const std::string* inserts, int count) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '6') {
      const int index = text[i + 1] - '1';
      if (index < count) result += inserts[index];
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

std::string MpGetResourceString(unsigned int id, const std::string& insert1, const std::string& insert2,
                                const std::string& insert3, const std::string& insert4, const std::string& insert5,
                                const std::string& insert6) {
  std::vector<HINSTANCE> searched;
  {
    Modules& m = modules();
    std::lock_guard<std::mutex> guard(m.lock);
    searched.assign(m.list.rbegin(), m.list.rend());
  }
  std::vector<char> buffer(MaxResourceString);
  for (HINSTANCE module : searched) {
    const int length = LoadStringA(module, id, buffer.data(), MaxResourceString);
    if (length > 0) {
      const std::string inserts[6] = {insert1, insert2, insert3, insert4, insert5, insert6};
      return MpInsertStrings(std::string(buffer.data(), static_cast<size_t>(length)), inserts, 6);
    }
  }
  return std::string();
}
