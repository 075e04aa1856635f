#include "wizard/center_window.h"

bool CenteredPosition(const RECT *reference, const RECT *window, int *x, int *y)
{
    int referenceWidth = reference->right - reference->left;
    int referenceHeight = reference->bottom - reference->top;
    int windowWidth = window->right - window->left;
    int windowHeight = window->bottom - window->top;
    // Integer halving truncates toward zero, so a window one pixel wider than the
    // reference still lands at x 0 rather than -1.
    *x = reference->left + (referenceWidth - windowWidth) / 2;
    *y = reference->top + (referenceHeight - windowHeight) / 2;
    return *x >= 0 && *y >= 0;
}

void CenterWindow(HWND reference, HWND window)
{
    RECT referenceRect;
    RECT windowRect;
    GetWindowRect(reference != NULL ? reference : GetDesktopWindow(), &referenceRect);
    GetWindowRect(window, &windowRect);
    int x;
    int y;
    // A window that would start off the screen's top or left edge stays where the
    // platform put it, so its caption and system menu remain reachable.
    if (!CenteredPosition(&referenceRect, &windowRect, &x, &y))
        return;
    MoveWindow(window, x, y, windowRect.right - windowRect.left,
               windowRect.bottom - windowRect.top, FALSE);
}
