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

// --- The wizard's pages, driven from this process as a person would use them.

// Waits for a visible wizard page that has a control of that id (1001 for the
// first page, 1006 for the confirmation page); NULL after timeoutMs.
HWND WaitForPage(int controlId, DWORD timeoutMs);
// True while a page with that control is visible.
bool PageIsShown(int controlId);

// Combo boxes: item count, selected index (CB_ERR for none), an item's text.
int ComboCount(HWND page, int controlId);
int ComboSelection(HWND page, int controlId);
bool ComboItemText(HWND page, int controlId, int index, char *text, int size);
// Chooses an item the way a click does: selection, then CBN_SELCHANGE to the page.
void ComboChoose(HWND page, int controlId, int index);

// Any control's text (for a drop-down list: its selected item).
void ControlText(HWND page, int controlId, char *text, int size);
// The id of the control that has the keyboard focus in the page's thread, 0 if none.
int FocusedControl(HWND page);

void PressButton(HWND page, int controlId);
void PressKey(HWND page, UINT virtualKey);  // to the control that has the focus
void PressCloseBox(HWND page);  // the title bar's close box

// Saves the window as it is on the screen, as a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const char *bmpPath);

// The full path of a program that lies beside the running one.
void ProgramBesideMe(const char *fileName, char *path, DWORD size);
