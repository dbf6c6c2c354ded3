#pragma once

// Opens, one after the other, the properties dialog over a sample feature, the folder dialog, the
// batch-run dialog over the sample's machining process and the check-out dialog over four sample
// objects, a prototype among them; scripted, it acts in each as a user would and prints what the host reads back (rows,
// the folder made, files and material, the host's check-out calls). Returns 0 when all went as
// expected.
extern "C" __declspec(dllexport) int RunDialogs2Command(bool scripted);
