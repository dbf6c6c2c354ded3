// The shared logger and the recording logger.
#include "MpLogging.h"

namespace {

// The default logger lives as long as the library: this holder keeps a reference of its own, so
// that a test or host that empties g_spLogger can put it back. Defined before g_spLogger, so it is
// destroyed after it.
struct DefaultLoggerHolder {
  MpRecordingLogger* logger = new MpRecordingLogger;
  ~DefaultLoggerHolder() { logger->Release(); }
};
DefaultLoggerHolder g_defaultLogger;

}  // namespace

MpSmartPointer<IMpLogger, &IID_IMpLogger> g_spLogger(g_defaultLogger.logger, true);

MpRecordingLogger* MpDefaultLogger() { return g_defaultLogger.logger; }

void MpResetLogger() {
  g_spLogger = g_defaultLogger.logger;
  g_defaultLogger.logger->clear();
}

MpRecordingLogger::MpRecordingLogger() = default;
MpRecordingLogger::~MpRecordingLogger() = default;

void* MpRecordingLogger::findInterface(REFIID iid) {
  return IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IMpLogger) ? static_cast<IMpLogger*>(this) : nullptr;
}

void MpRecordingLogger::log(int severity, int flag, const std::string& message, const std::string& sourceFile,
                            int line) {
  MpLogRecord record{severity, flag, message, sourceFile, line};
  std::lock_guard<std::mutex> guard(m_lock);
  if (m_records.size() >= RecordLimit) m_records.pop_front();
  m_records.push_back(record);
  if (message.empty()) return;
  if (m_queue.size() >= QueueLimit) m_queue.pop_front();
  m_queue.push_back(std::move(record));
}

bool MpRecordingLogger::popMessage(int& severity, int& flag, std::string& text) {
  std::lock_guard<std::mutex> guard(m_lock);
  if (m_queue.empty()) {
    severity = 0;
    flag = 0;
    text.clear();
    return false;
  }
  severity = m_queue.front().severity;
  flag = 1;
  text = m_queue.front().message;
  m_queue.pop_front();
  return true;
}

bool MpRecordingLogger::addCategory(int kind, int, const std::string& name, int, int, int) {
  std::lock_guard<std::mutex> guard(m_lock);
  return m_categories.insert({kind, name}).second;
}

bool MpRecordingLogger::removeCategory(int kind, const std::string& name) {
  std::lock_guard<std::mutex> guard(m_lock);
  return m_categories.erase({kind, name}) != 0;
}

bool MpRecordingLogger::getLastMessage(int& severity, std::string& text) {
  std::lock_guard<std::mutex> guard(m_lock);
  if (m_records.empty()) return false;
  severity = m_records.back().severity;
  text = m_records.back().message;
  return true;
}

std::vector<MpLogRecord> MpRecordingLogger::records() const {
  std::lock_guard<std::mutex> guard(m_lock);
  return std::vector<MpLogRecord>(m_records.begin(), m_records.end());
}

size_t MpRecordingLogger::queued() const {
  std::lock_guard<std::mutex> guard(m_lock);
  return m_queue.size();
}

std::set<std::pair<int, std::string>> MpRecordingLogger::categories() const {
  std::lock_guard<std::mutex> guard(m_lock);
  return m_categories;
}

void MpRecordingLogger::clear() {
  std::lock_guard<std::mutex> guard(m_lock);
  m_records.clear();
  m_queue.clear();
  m_categories.clear();
}
