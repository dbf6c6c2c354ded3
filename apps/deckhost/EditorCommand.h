#pragma once

// Opens the code editor over a sample rule text and the APT listing window over a sample
// listing, side by side in one window. Scripted, it types and completes a word, selects a
// listing line, double-clicks it, prints what the host sees and closes; otherwise it waits for
// a person to close the window. Returns 0 when everything came up as expected.
extern "C" __declspec(dllexport) int RunEditorCommand(bool scripted);
