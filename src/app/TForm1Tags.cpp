// The main window's handlers for the tags panel.
#include "app/TForm1.h"

WENDELMOOR_TAGS_HANDLERS(WENDELMOOR_PENDING_HANDLER)
