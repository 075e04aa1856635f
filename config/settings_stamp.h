// Writing the chosen printer and fax device into the suite's settings files.
#pragma once

// Writes the printer text into every copy settings file and the fax text into every
// fax settings file (files found through the SETTING patterns of KOVELT.INI).
void StampSettingsFiles();
