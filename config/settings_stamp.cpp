#include "config/settings_stamp.h"

#include <windows.h>

#include "app/bounded_text.h"
#include "config/kovelt_ini.h"
#include "config/setup_selection.h"

// A settings file's full path: the settings directory and the match's name.
enum { kSettingsPathSize = 260 };

bool CutToSettingsDirectory(char *pattern)
{
    int end = lstrlenA(pattern);
    while (end > 0 && pattern[end - 1] != '\\' && pattern[end - 1] != '/' &&
           pattern[end - 1] != ':')
        --end;
    if (end == 0)
        return false;
    pattern[end] = '\0';
    return true;
}

// One pass: writes [section] key = value into every file that matches the
// pattern in [section] SETTING of KOVELT.INI. Nothing is read from the files, so
// whatever else they hold stays as it was.
static void StampPass(const char *section, const char *defaultPattern, const char *key,
                      const char *value)
{
    char pattern[kSettingPatternSize];
    ReadKoveltText(section, kKeySettingPattern, defaultPattern, pattern, sizeof pattern);

    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    // A pattern that gives no settings directory cannot name its matches by
    // full path; a bare name would land in the Windows directory instead.
    if (CutToSettingsDirectory(pattern)) {
        do {
            // A path cut at the buffer would name another file: leave that match out.
            char path[kSettingsPathSize];
            if (JoinText(path, sizeof path, pattern, found.cFileName, NULL))
                WritePrivateProfileStringA(section, key, value, path);
        } while (FindNextFileA(search, &found));
    }
    FindClose(search);
}

void StampSettingsFiles()
{
    StampPass(kSectionCopyUtility, kDefaultCopyPattern, kKeyCopyPrinter,
              g_selection.PrinterText);
    StampPass(kSectionFaxUtility, kDefaultFaxPattern, kKeyFaxDevice, g_selection.FaxText);
}
