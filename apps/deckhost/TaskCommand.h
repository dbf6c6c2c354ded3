// DeckHost's "task" command: runs the task sheet for one task, unattended, with preset values
// and a script of user actions, and prints what the host reads back. Without any action the
// sheet is left to a person (refused under the null display driver, where nobody sees it).
//
//   DeckHost task <TaskName> [options] [actions]
//   DeckHost task --help   prints the options and actions below
//
// Options (set-up of the sheet):
//   --sample              preset from the sample data set: the rule constants' names taken and
//                         the value types offered, as the lists "Name" and "Type"
//   --preset KEY=VALUE    a string value in the preset
//   --preset-list KEY=A,B,C
//                         a string list in the preset (comma-separated)
//   --empty-preset        hand in an empty preset (without any preset option the page makes
//                         a fresh bag of its own)
//   --data                set up through the open data object (the sample data set) instead of
//                         an empty selection
// Actions, done on the task page in this order:
//   --type KEY=TEXT       type TEXT into the control that shows KEY
//   --choose KEY=TEXT     choose the entry TEXT in the chooser that shows KEY
//   --ok | --cancel       press the sheet's OK or Cancel button
// Each --ok or --cancel ends one round of actions; when the page refuses to be left, the next
// round runs. Actions after the last --ok or --cancel end with OK. Every message box shown is
// printed and answered with OK. Keys with controls: RuleConstant "Name", "Type", "Default",
// "Factor", "Explantion"; Find "FindString".
//
// Prints the sheet's result, the message boxes, the log lines and profile values written, and
// the bags of both getters. Exit code 0 when every round ran and nothing unexpected came up,
// 1 otherwise, 2 for a usage error or a sheet for a person where none can see it.
#pragma once

// argv[0] is the command word "task", argv[1] the task name, then the options and actions.
extern "C" __declspec(dllexport) int RunTaskCommand(int argc, char** argv);
