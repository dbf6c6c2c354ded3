// The host's logger, reached through the utility library's g_spLogger.
#pragma once
#include <string>
#include <unknwn.h>
#include "MpGuid.h"

MP_IDENTIFIER(IID_IMpLogger, "{19FC4F59-277F-457A-92E6-55924846D7FC}");

// The arguments of log calls. Severity 400 is an error, every other value a warning; programming
// errors and traces go with flag 1, everything else with flag 0.
namespace MpLog {
constexpr int ProgrammingError = 100;
constexpr int Warning = 200;      // rejected input, notices and warnings
constexpr int Unavailable = 300;  // a service that is not available
constexpr int Error = 400;

constexpr int NoFlag = 0;
constexpr int ProgrammingFlag = 1;

// The kind with which a category is registered and removed (addCategory, removeCategory).
constexpr int CategoryKind = 60;
}  // namespace MpLog

struct IMpLogger : public IUnknown {
  // Records one message with the calling source file's name and line.
  virtual void log(int severity, int flag, const std::string& message, const std::string& sourceFile,
                   int line) = 0;
  // Takes the oldest queued message. When none is left, flag is 0 and text empty (and the result
  // false); otherwise flag is 1. The flag says whether a message was taken; it is not the flag of
  // the log call.
  virtual bool popMessage(int& severity, int& flag, std::string& text) = 0;
  // Registers and removes a named logging category.
  virtual bool addCategory(int kind, int severity, const std::string& name, int a, int b, int c) = 0;
  virtual bool removeCategory(int kind, const std::string& name) = 0;
  // The last message logged, false when nothing was logged yet.
  virtual bool getLastMessage(int& severity, std::string& text) = 0;
};
