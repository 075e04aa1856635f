// Plays the suite's installing program around the wizard: a window of its own whose
// handle goes into [INSTALL] HWND of KOVELT.INI, the wizard started as a separate
// process, and a record of the end notice (WM_USER, wParam 1, lParam 0) it receives.
// Used by the installer stand-in program and by the end-to-end tests.
#pragma once

#include <windows.h>

// Creates the installer's window; writes its handle into KOVELT.INI when asked.
bool InstallerBegin(bool writeHandle);
HWND InstallerWindow();

// Starts the wizard program (full path). False when it cannot be started.
bool InstallerStartWizard(const char *programPath);

// Handles messages for the given time, so that the wizard's sent notice gets through.
void InstallerPump(DWORD milliseconds);

// Handles messages until the wizard process ends. True with its exit code when it
// ended within the time given.
bool InstallerWaitForEnd(DWORD timeoutMs, DWORD *exitCode);

// How many end notices arrived, and whether the last one was sent (not posted)
// while the wizard process was still running.
int InstallerNoticeCount();
bool InstallerNoticeSentBeforeExit();

// Waits, handling messages, for a top-level window of the wizard; NULL after timeoutMs.
HWND InstallerWaitForWindow(const char *className, const char *title, DWORD timeoutMs);

// Ends the wizard if it still runs and destroys the installer's window.
void InstallerEnd();

// The full path of a program that lies beside the running one.
void ProgramBesideMe(const char *fileName, char *path, DWORD size);
