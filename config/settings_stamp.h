// Writing the chosen printer and fax device into the suite's settings files.
#pragma once

// Writes the printer text into every copy settings file and the fax text into every
// fax settings file (files found through the SETTING patterns of KOVELT.INI).
void StampSettingsFiles();

// Cuts a SETTING pattern in place to its settings directory by dropping the
// five-character file part ("*.cpy"). False, with the pattern unchanged, when what
// would remain is not a directory that ends in a separator: a match joined to it
// would name another file than the one the search found.
bool CutToSettingsDirectory(char *pattern);
