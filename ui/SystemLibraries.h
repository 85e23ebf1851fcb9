#pragma once
// COM and the common controls are prepared on first need rather than at start-up:
// their libraries are bound on first call, and a program that never opens a shell
// folder, a list view or an image list never loads them.

// COM for the calling (main) thread, once; later calls do nothing. Every user of the
// shell's folder objects or ShellExecute calls it first.
void UseCom();
// Undoes UseCom at the end of the program; does nothing when COM was never prepared.
void ReleaseCom();

// Registers the common control classes, once. A control that creates a window of one
// of those classes calls it first.
void UseCommonControls();
