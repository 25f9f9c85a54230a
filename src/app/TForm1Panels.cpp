// The main window's handlers for layouts, skins, tips and help.
#include "app/TForm1.h"

WENDELMOOR_PANEL_HANDLERS(WENDELMOOR_PENDING_HANDLER)
