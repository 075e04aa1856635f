// Writing the chosen printer and fax device into the suite's settings files.
#pragma once

// Writes the printer text into every copy settings file and the fax text into every
// fax settings file (files found through the SETTING patterns of KOVELT.INI).
void StampSettingsFiles();

// Cuts a SETTING pattern in place to its settings directory, separator included:
// "c:\kovelt\settings\*.cpy" gives "c:\kovelt\settings\". For the usual
// five-character file part that is the same as dropping five characters, and it
// stays right for a file part of another length, since the search only allows
// wildcards behind the last separator. False, with the pattern unchanged, when it
// names no directory: a bare name would be looked for in the Windows directory.
bool CutToSettingsDirectory(char *pattern);
