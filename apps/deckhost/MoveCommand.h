#pragma once

// Shows the move/rotate dialog over the sample's part model, with the host's move command;
// scripted, it types offsets, applies them, applies the absolute placement with one value changed
// and closes the dialog. Prints every command the host received. Returns 0 when all went as
// expected.
extern "C" __declspec(dllexport) int RunMoveCommand(bool scripted);
