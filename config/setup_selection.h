// The user's choices, gathered by the first page and applied by ApplySetup.
#pragma once

enum {
    kDeviceTextSize = 150,   // printer text and fax text: at most 149 characters
    kProgramPathSize = 160,  // the word processor's short path: at most 159 characters
    kProcessorCodeSize = 2,  // one character and the terminator
};

struct SetupSelection {
    char PrinterText[kDeviceTextSize];   // "device, driver, port" as the printer list shows it
    char FaxText[kDeviceTextSize];       // the same for the fax list
    char ProgramPath[kProgramPathSize];  // short path of the chosen word processor
    char ProcessorCode[kProcessorCodeSize];
};

// Static storage, empty at start.
extern SetupSelection g_selection;
