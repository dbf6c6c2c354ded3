#pragma once

// Shows a frame split into two panes: the left keeps two views and switches between them, the
// right shows the activity snake. Scripted, it switches views, hides and shows the left column,
// drags the bar and steps the snake, printing what it sees; otherwise the snake crawls until a
// person closes the frame. Returns 0 when everything came out as expected.
extern "C" __declspec(dllexport) int RunSplitterCommand(bool scripted);
