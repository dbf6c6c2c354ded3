#pragma once

// Opens, one after the other over the sample data, the login dialog (the sample store accepts
// the user "demo" with the password "demo"), the open-project dialog, the find dialog, the
// view-name dialog, the hyperlink dialog and the splash screen, and prints what the host reads
// back from each. Scripted, every dialog is answered unattended and the link opens nothing.
// Returns 0 when all went as expected.
extern "C" __declspec(dllexport) int RunDialogs1Command(bool scripted);
