// The main window's handlers for launching, browse sequences and sets, the address bar.
#include "app/TForm1.h"

WENDELMOOR_LAUNCH_HANDLERS(WENDELMOOR_PENDING_HANDLER)
