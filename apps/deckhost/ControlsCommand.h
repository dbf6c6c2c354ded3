#pragma once

// Shows a window with an owner-drawn menu and a toolbar whose Copy button drops a menu down.
// Scripted, it chooses "Open" from the File pop-up and "Exit" from the drop-down and prints
// the commands chosen; otherwise it prints each command a person chooses until the window closes.
// Returns 0 when the commands came back as expected.
extern "C" __declspec(dllexport) int RunControlsCommand(bool scripted);
