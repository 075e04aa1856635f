// The installer stand-in: starts rlyoset.exe the way the suite's installing program
// does and reports what came back.
//
//   installer.exe [--no-handle] [PATH\rlyoset.exe]
//
// Prints "notice: yes|no" and "exit: N"; its own exit code is 0 when the wizard
// ended within two minutes, 1 otherwise.
#include <stdio.h>
#include <string.h>

#include "tools/installer/installer_driver.h"

int main(int argc, char **argv)
{
    bool writeHandle = true;
    char program[MAX_PATH] = "";
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--no-handle") == 0)
            writeHandle = false;
        else
            lstrcpynA(program, argv[i], sizeof program);
    }
    if (program[0] == '\0')
        ProgramBesideMe("rlyoset.exe", program, sizeof program);

    if (!InstallerBegin(writeHandle) || !InstallerStartWizard(program)) {
        printf("could not start %s\n", program);
        return 1;
    }
    DWORD exitCode = 0;
    bool ended = InstallerWaitForEnd(120000, &exitCode);
    printf("notice: %s\n", InstallerNoticeCount() > 0 ? "yes" : "no");
    if (ended)
        printf("exit: %lu\n", exitCode);
    else
        printf("exit: still running after two minutes\n");
    InstallerEnd();
    return ended ? 0 : 1;
}
