// An unattended run of a DeckHost command: every message box is printed and answered whenever it
// comes, and nothing waits for a person. On request each window is also checked as a person would
// see it (the render check) and its picture saved.
#pragma once
#include <windows.h>

// What DeckHost's options ask of every scripted run: the render check, and a folder for pictures
// (nullptr: none). Set before the command runs.
extern "C" __declspec(dllexport) void SetRenderOptions(bool check, const char* shotsDir);
// Starts the run of the command named (it names the pictures); ends it, printing the render
// check's verdict when it is on and a line counting the pictures written and the windows lost
// when they are taken, and gives the exit code (1 when a window failed the check or was lost).
extern "C" __declspec(dllexport) void BeginScriptedRun(const char* command);
extern "C" __declspec(dllexport) int EndScriptedRun(int exitCode);

namespace deckhost {

// A window the command opened without a modal loop, right after its creation call: checked and
// pictured as the modal windows are when their first step runs. Nothing outside a checked run.
void WindowOpened(HWND h, const char* what);

}  // namespace deckhost
