#pragma once

// Opens the settings sheet, then the options sheet, over the host's settings service; scripted,
// a few values are changed on the way, both sheets are confirmed, and the groups committed are
// printed. Returns 0 when both sheets came up and closed as expected.
extern "C" __declspec(dllexport) int RunSettingsCommand(bool scripted);
