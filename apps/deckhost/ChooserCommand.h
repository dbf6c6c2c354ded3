#pragma once

// Opens the node chooser over the sample data in its node, class, amounts and attachment modes;
// scripted, it chooses rows (typing an amount in place) and prints the selection and amounts the
// host reads back. Returns 0 when every chooser came up as expected.
extern "C" __declspec(dllexport) int RunChooserCommand(bool scripted);
