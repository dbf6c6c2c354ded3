// The move command and its input and output records.
#include "MpHostCommands.h"
#include <mutex>
#include "MpStrings.h"
#include "host_internal.h"
#include "host_registry.h"

namespace {

std::mutex g_logLock;
std::vector<std::string> g_executed;

MP_IDENTIFIER(IID_MpHostMoveInputImpl, "{0E7B9D2C-5A41-4C8E-8F3B-71D2A6C4E915}");

class MoveInput final : public MpUnknown<IMpAppInput, IMpInput> {
 public:
  bool setMove(const double position[3], const double rotation[3], bool relative) override {
    m_move = MpStrFormat("move %s position %g %g %g rotation %g %g %g", relative ? "relative" : "absolute",
                         position[0], position[1], position[2], rotation[0], rotation[1], rotation[2]);
    return true;
  }
  const std::string& move() const { return m_move; }

 private:
  void* findInterface(REFIID iid) override {
    if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IMpAppInput)) return static_cast<IMpAppInput*>(this);
    if (IsEqualGUID(iid, IID_IMpInput)) return static_cast<IMpInput*>(this);
    if (IsEqualGUID(iid, IID_MpHostMoveInputImpl)) return this;
    return nullptr;
  }

  mphost::LiveObject m_live;
  std::string m_move;  // empty until a move is set
};

class MoveCommand final : public mphost::SingleInterfaceObject<IMpAppCommand, IID_IMpAppCommand> {
 public:
  bool execute(IMpAppInput* input, IMpAppOutput*) override {
    const MoveInput* record = mphost::implementationOf<MoveInput>(input, IID_MpHostMoveInputImpl);
    if (!record || record->move().empty()) return false;
    std::lock_guard<std::mutex> guard(g_logLock);
    g_executed.push_back(record->move());
    return true;
  }
};

class MoveOutput final : public mphost::SingleInterfaceObject<IMpAppOutput, IID_IMpAppOutput> {};

}  // namespace

namespace mphost {

HRESULT createMoveCommand(REFIID iid, void** out) { return handOut(new MoveCommand(), iid, out); }

}  // namespace mphost

IMpAppInput* MpHostCreateCommandInput() { return new MoveInput(); }
IMpAppOutput* MpHostCreateCommandOutput() { return new MoveOutput(); }

std::vector<std::string> MpHostExecutedCommands() {
  std::lock_guard<std::mutex> guard(g_logLock);
  return g_executed;
}

void MpHostClearExecutedCommands() {
  std::lock_guard<std::mutex> guard(g_logLock);
  g_executed.clear();
}
