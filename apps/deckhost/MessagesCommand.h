#pragma once

// Logs three sample failures and shows the logger's queue in the result viewer; scripted, it
// prints the viewer's rows and closes it. Returns 0 when the viewer came up as expected.
extern "C" __declspec(dllexport) int RunMessagesCommand(bool scripted);
