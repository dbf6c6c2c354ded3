// The host's commands: the move command and the input and output records it runs with. The
// command does not move anything in the store; it records what it was asked, so that tests and the
// demo host can show the command the host received.
#pragma once
#include "MpHostApi.h"
#include <string>
#include <vector>
#include "MpInterfaces.h"

// The move command (IMpAppCommand), registered by MpHostInstall. Its execute needs an input record
// that answers IMpInput and has been given a move; it then records one line and returns true.
MP_IDENTIFIER(CLSID_MpHostMoveCommand, "{6A0B8E51-3C2D-4F7A-9B1E-2D4C5A6F7081}");

// A fresh input record (IMpAppInput, also answering IMpInput) and output record (IMpAppOutput),
// each with one reference for the caller.
MPHOST_API IMpAppInput* MpHostCreateCommandInput();
MPHOST_API IMpAppOutput* MpHostCreateCommandOutput();

// The commands executed since the last clear, one line each, oldest first:
//   "move relative position 1 2 3 rotation 0 0 90" ("absolute" for a placement).
MPHOST_API std::vector<std::string> MpHostExecutedCommands();
MPHOST_API void MpHostClearExecutedCommands();
