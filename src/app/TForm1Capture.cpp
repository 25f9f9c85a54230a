// The main window's handlers for capturing links and the web cache.
#include "app/TForm1.h"

WENDELMOOR_CAPTURE_HANDLERS(WENDELMOOR_PENDING_HANDLER)
