// Plays the help viewer: the platform's WinHelp hands a request to a window of
// class "MS_WINHELP" as WM_COPYDATA, so the tests see which file and command the
// wizard asked for, and no real viewer is started (which could block for long).
#pragma once

#include <windows.h>

#include <string>

struct HelpRequest {
    int count;         // requests received since the last reset
    HWND from;         // the window that asked
    WORD command;      // e.g. HELP_CONTENTS
    std::string file;  // the help file named
};

// Creates the viewer's window in this thread; NULL on failure.
HWND StartHelpViewer();
void StopHelpViewer(HWND viewer);

// The last request received, and clearing it.
const HelpRequest &LastHelpRequest();
void ResetHelpRequests();
