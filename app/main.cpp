// rlyoset: the setup wizard of the Relayo component of the Kovelt suite.
#include <windows.h>

#include "app/setup_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // The command tail and the show command play no part: the wizard's one window
    // of its own is never shown, and it takes no options.
    return RunWizard(instance);
}
