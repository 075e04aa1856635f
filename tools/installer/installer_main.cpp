// The installer stand-in: starts rlyoset.exe the way the suite's installing program
// does and reports what came back.
//
//   installer.exe [--no-handle] [--confirm PICTURE_DIR] [PATH\rlyoset.exe]
//
// --confirm plays the person at the screen: it saves a picture of each page as
// PICTURE_DIR\selection.bmp and PICTURE_DIR\confirmation.bmp and presses OK on both.
// Prints "notice: yes|no" and "exit: N"; its own exit code is 0 when the wizard
// ended within two minutes, 1 otherwise.
#include <stdio.h>
#include <string.h>

#include "app/bounded_text.h"
#include "resources/resource_ids.h"
#include "tools/installer/installer_driver.h"

// Shows the pages' choices, saves their pictures and confirms them.
static void ConfirmBothPages(const char *pictureDir)
{
    char path[MAX_PATH];
    char text[512];
    HWND selection = WaitForPage(IDC_PRINTER_LIST, 30000);
    if (selection == NULL) {
        printf("the first page did not open\n");
        return;
    }
    JoinText(path, sizeof path, pictureDir, "\\selection.bmp", NULL);
    SaveWindowPicture(selection, path);
    PressButton(selection, IDOK);

    HWND confirmation = WaitForPage(IDC_PRINTER_TEXT, 30000);
    if (confirmation == NULL) {
        printf("the confirmation page did not open\n");
        return;
    }
    static const struct {
        int id;
        const char *label;
    } kFields[] = {
        {IDC_PRINTER_TEXT, "printer"},
        {IDC_FAX_TEXT, "fax"},
        {IDC_WORD_PROCESSOR_TEXT, "word processor"},
    };
    for (const auto &field : kFields) {
        ControlText(confirmation, field.id, text, sizeof text);
        printf("%s: %s\n", field.label, text);
    }
    JoinText(path, sizeof path, pictureDir, "\\confirmation.bmp", NULL);
    SaveWindowPicture(confirmation, path);
    PressButton(confirmation, IDOK);
}

int main(int argc, char **argv)
{
    bool writeHandle = true;
    const char *pictureDir = NULL;
    char program[MAX_PATH] = "";
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--no-handle") == 0)
            writeHandle = false;
        else if (strcmp(argv[i], "--confirm") == 0 && i + 1 < argc)
            pictureDir = argv[++i];
        else
            CopyText(program, sizeof program, argv[i]);
    }
    if (program[0] == '\0')
        ProgramBesideMe("rlyoset.exe", program, sizeof program);

    if (!InstallerBegin(writeHandle) || !InstallerStartWizard(program)) {
        printf("could not start %s\n", program);
        return 1;
    }
    if (pictureDir != NULL)
        ConfirmBothPages(pictureDir);
    DWORD exitCode = 0;
    bool ended = InstallerWaitForEnd(pictureDir != NULL ? 60000 : INFINITE, &exitCode);
    printf("notice: %s\n", InstallerNoticeCount() > 0 ? "yes" : "no");
    if (ended)
        printf("exit: %lu\n", exitCode);
    else
        printf("exit: still running\n");
    fflush(stdout);
    InstallerEnd();
    return ended ? 0 : 1;
}
