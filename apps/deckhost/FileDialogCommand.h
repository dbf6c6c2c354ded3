#pragma once

// Opens the CAD file dialog and then the attachment dialog over the CAD filter lists; scripted,
// it chooses a file type and a file in each and prints what the host reads back. Returns 0
// when both dialogs came up as expected.
extern "C" __declspec(dllexport) int RunFileDialogCommand(bool scripted);
