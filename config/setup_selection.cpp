#include "config/setup_selection.h"

SetupSelection g_selection;
