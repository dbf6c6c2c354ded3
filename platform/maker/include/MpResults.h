// Result objects: failures with a message of the resource module, the process-wide result stack,
// and statuses.
#pragma once
#include "MpLogger.h"
#include "MpMakerApi.h"
#include <string>
#include <vector>

namespace MpUtils {
// Severities of failures and log lines. eError is an error; every other value a warning.
enum eSeverity {
  eTrace = 60,
  eInfo = MpLog::ProgrammingError,
  eWarning = MpLog::Warning,
  eUnavailable = MpLog::Unavailable,
  eError = MpLog::Error,
};
}  // namespace MpUtils

// A failure: a message identifier of the resource module with up to four insert strings and a
// severity (eError unless given). Making one puts an entry (identifier, severity, text) on the
// process-wide result stack; the text is the resource string with the inserts in place, or, when
// the resource module lacks the identifier, "Message <id>" followed by the non-empty inserts in
// brackets. Copies (as when it is thrown and caught) share the one entry.
class MPMAKER_API MpFail {
 public:
  MpFail(unsigned int id, const char* insert1 = "", const char* insert2 = "", const char* insert3 = "",
         const char* insert4 = "");
  MpFail(MpUtils::eSeverity severity, unsigned int id, const char* insert1 = "", const char* insert2 = "",
         const char* insert3 = "", const char* insert4 = "");

  // The message identifier.
  unsigned int fail() const { return m_id; }
  MpUtils::eSeverity severity() const { return m_severity; }
  const std::string& text() const { return m_text; }

  // Logs the failure on g_spLogger: its severity, flag 0, its text, source "MpFail", line 0.
  // With removeFromStack true its entry also leaves the result stack, as a failure that has been
  // reported. Returns whether a logger took the line.
  bool log(bool removeFromStack);

  // Hands out the result stack as three parallel lists (replacing their contents), oldest entry
  // first, and empties it.
  static void getAndClearResultStack(std::vector<unsigned int>& ids, std::vector<MpUtils::eSeverity>& severities,
                                     std::vector<std::string>& texts);
  // Entries on the result stack.
  static size_t resultStackSize();

 private:
  friend class MpResultStatus;
  struct Again {};
  // A failure made before, raised again: no second stack entry.
  MpFail(Again, unsigned int id, MpUtils::eSeverity severity, const std::string& text, unsigned long long serial);
  // The last failure made (a new one with identifier 0 when there was none).
  static MpFail lastFailure();

  unsigned int m_id;
  MpUtils::eSeverity m_severity;
  std::string m_text;
  unsigned long long m_serial;
};

enum class MpStatus {
  MpSuccess = 0,
  MpFailure = 1,
  // Failed, but only as a warning: the caller may go on.
  MpFailureWarning = 2,
};

// Turns statuses and checks into raised failures, so that a sequence of steps stops at the first
// failure.
class MPMAKER_API MpResultStatus {
 public:
  MpResultStatus() = default;

  // Raises MpFail(id, inserts) when ok is false.
  void assign(bool ok, unsigned int id, const char* insert1 = "", const char* insert2 = "",
              const char* insert3 = "", const char* insert4 = "");

  // Keeps the status. MpFailure raises the last failure made again (same identifier, severity and
  // text, no second stack entry), so a step's failure reaches its caller's caller as such.
  // MpFailureWarning is kept and raises nothing.
  MpResultStatus& operator=(MpStatus status);

  MpStatus status() const { return m_status; }
  bool ok() const { return m_status == MpStatus::MpSuccess; }

 private:
  MpStatus m_status = MpStatus::MpSuccess;
};
