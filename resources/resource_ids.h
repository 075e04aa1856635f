// Resource and control ids, shared by the resource script and the code.
#pragma once

#define IDD_SELECTION 101
#define IDD_CONFIRMATION 102
#define IDI_RELAYO 103

#define IDC_PRINTER_LIST 1001
#define IDC_FAX_LIST 1002
#define IDC_WORD_PROCESSOR_LIST 1003
#define IDC_PREVIOUS_STEP 1005
#define IDC_PRINTER_TEXT 1006
#define IDC_FAX_TEXT 1007
#define IDC_WORD_PROCESSOR_TEXT 1008
#define IDC_HELP_BUTTON 1010
