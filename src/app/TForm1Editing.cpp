// The main window's handlers for creating, clipboard, deletion, restructuring.
#include "app/TForm1.h"

WENDELMOOR_EDITING_HANDLERS(WENDELMOOR_PENDING_HANDLER)
