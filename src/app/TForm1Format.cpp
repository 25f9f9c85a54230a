// The main window's handlers for the formatting commands and notes.
#include "app/TForm1.h"

WENDELMOOR_FORMAT_HANDLERS(WENDELMOOR_PENDING_HANDLER)
