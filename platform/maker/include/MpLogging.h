// The shared logger g_spLogger and the recording logger it holds unless a host installs its own.
#pragma once
#include <deque>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>
#include "MpLogger.h"
#include "MpMakerApi.h"
#include "MpSmartPointer.h"
#include "MpUnknown.h"

// The shared logger. Callers test get() for null and skip the call when it is null. At load it
// holds the default recording logger (MpDefaultLogger). A host that installs a logger of its own
// puts the default back (MpResetLogger) before the library that implements its logger unloads.
extern MPMAKER_API MpSmartPointer<IMpLogger, &IID_IMpLogger> g_spLogger;

// One call of IMpLogger::log, as it was made.
struct MpLogRecord {
  int severity = 0;
  int flag = 0;
  std::string message;
  std::string sourceFile;
  int line = 0;
};

// A logger that keeps every log call in order and queues each message with a text for
// popMessage. An empty text is recorded but not queued, since an empty text marks the end of the
// queue for popMessage's callers. The queue keeps the newest QueueLimit messages, the record the
// newest RecordLimit calls.
//
// Reference counted: made with one reference, which the creator owns (hand it to g_spLogger with
// attach); it deletes itself when the last reference is released.
class MPMAKER_API MpRecordingLogger : public MpUnknown<IMpLogger> {
 public:
  // Constants, not data members: nothing to import from the library.
  enum : size_t { QueueLimit = 1000, RecordLimit = 10000 };

  MpRecordingLogger();

  void log(int severity, int flag, const std::string& message, const std::string& sourceFile,
           int line) override;
  bool popMessage(int& severity, int& flag, std::string& text) override;
  bool addCategory(int kind, int severity, const std::string& name, int a, int b, int c) override;
  bool removeCategory(int kind, const std::string& name) override;
  bool getLastMessage(int& severity, std::string& text) override;

  // What tests look at.
  std::vector<MpLogRecord> records() const;
  size_t queued() const;
  // The registered categories as (kind, name).
  std::set<std::pair<int, std::string>> categories() const;
  // Forgets records, queue and categories.
  void clear();

 protected:
  ~MpRecordingLogger() override;

 private:
  void* findInterface(REFIID iid) override;

  mutable std::mutex m_lock;
  std::deque<MpLogRecord> m_records;
  std::deque<MpLogRecord> m_queue;
  std::set<std::pair<int, std::string>> m_categories;
};

// The recording logger that g_spLogger holds at load. It lives as long as the library.
MPMAKER_API MpRecordingLogger* MpDefaultLogger();

// Puts the default logger back into g_spLogger and clears it.
MPMAKER_API void MpResetLogger();
