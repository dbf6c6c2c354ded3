// Failures, the process-wide result stack and statuses.
#include "MpResults.h"
#include <algorithm>
#include <mutex>
#include "MpLogging.h"
#include "MpResourceString.h"
#include "MpStrings.h"

namespace {

struct StackEntry {
  unsigned long long serial;
  unsigned int id;
  MpUtils::eSeverity severity;
  std::string text;
};

struct ResultStack {
  std::mutex lock;
  std::vector<StackEntry> entries;
  unsigned long long nextSerial = 1;
  bool hasLast = false;
  unsigned int lastId = 0;
  MpUtils::eSeverity lastSeverity = MpUtils::eError;
  std::string lastText;
  unsigned long long lastSerial = 0;
};

ResultStack& resultStack() {
  static ResultStack stack;
  return stack;
}

std::string failureText(unsigned int id, const char* const inserts[4]) {
  std::string parts[4];
  for (int i = 0; i < 4; ++i) parts[i] = inserts[i] ? inserts[i] : "";
  std::string text = MpGetResourceString(id, parts[0], parts[1], parts[2], parts[3], "", "");
  if (!text.empty()) return text;
  // Without the message text the identifier and the inserts still tell what failed.
  text = MpStrFormat("Message %u", id);
  std::string given;
  for (const std::string& part : parts) {
    if (part.empty()) continue;
    if (!given.empty()) given += ", ";
    given += part;
  }
  if (!given.empty()) text += " (" + given + ")";
  return text;
}

}  // namespace

MpFail::MpFail(unsigned int id, const char* insert1, const char* insert2, const char* insert3, const char* insert4)
    : MpFail(MpUtils::eError, id, insert1, insert2, insert3, insert4) {}

MpFail::MpFail(MpUtils::eSeverity severity, unsigned int id, const char* insert1, const char* insert2,
               const char* insert3, const char* insert4)
    : m_id(id), m_severity(severity), m_serial(0) {
  const char* const inserts[4] = {insert1, insert2, insert3, insert4};
  m_text = failureText(id, inserts);
  ResultStack& stack = resultStack();
  std::lock_guard<std::mutex> guard(stack.lock);
  m_serial = stack.nextSerial++;
  stack.entries.push_back({m_serial, m_id, m_severity, m_text});
  stack.hasLast = true;
  stack.lastId = m_id;
  stack.lastSeverity = m_severity;
  stack.lastText = m_text;
  stack.lastSerial = m_serial;
}

MpFail::MpFail(Again, unsigned int id, MpUtils::eSeverity severity, const std::string& text,
               unsigned long long serial)
    : m_id(id), m_severity(severity), m_text(text), m_serial(serial) {}

MpFail MpFail::lastFailure() {
  ResultStack& stack = resultStack();
  {
    std::lock_guard<std::mutex> guard(stack.lock);
    if (stack.hasLast) return MpFail(Again{}, stack.lastId, stack.lastSeverity, stack.lastText, stack.lastSerial);
  }
  return MpFail(MpUtils::eError, 0);
}

bool MpFail::log(bool removeFromStack) {
  if (removeFromStack) {
    ResultStack& stack = resultStack();
    std::lock_guard<std::mutex> guard(stack.lock);
    auto& entries = stack.entries;
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [this](const StackEntry& e) { return e.serial == m_serial; }),
                  entries.end());
  }
  if (!g_spLogger.get()) return false;
  g_spLogger->log(m_severity, MpLog::NoFlag, m_text, "MpFail", 0);
  return true;
}

void MpFail::getAndClearResultStack(std::vector<unsigned int>& ids, std::vector<MpUtils::eSeverity>& severities,
                                    std::vector<std::string>& texts) {
  std::vector<StackEntry> taken;
  {
    ResultStack& stack = resultStack();
    std::lock_guard<std::mutex> guard(stack.lock);
    taken.swap(stack.entries);
  }
  ids.clear();
  severities.clear();
  texts.clear();
  for (StackEntry& entry : taken) {
    ids.push_back(entry.id);
    severities.push_back(entry.severity);
    texts.push_back(std::move(entry.text));
  }
}

size_t MpFail::resultStackSize() {
  ResultStack& stack = resultStack();
  std::lock_guard<std::mutex> guard(stack.lock);
  return stack.entries.size();
}

void MpResultStatus::assign(bool ok, unsigned int id, const char* insert1, const char* insert2, const char* insert3,
                            const char* insert4) {
  if (ok) return;
  m_status = MpStatus::MpFailure;
  throw MpFail(id, insert1, insert2, insert3, insert4);
}

MpResultStatus& MpResultStatus::operator=(MpStatus status) {
  m_status = status;
  if (status == MpStatus::MpFailure) throw MpFail::lastFailure();
  return *this;
}
