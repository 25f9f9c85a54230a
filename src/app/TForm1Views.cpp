// The main window's handlers for level views, expanding, goto and selection.
#include "app/TForm1.h"

WENDELMOOR_VIEW_HANDLERS(WENDELMOOR_PENDING_HANDLER)
