// The main window's handlers for the formatting commands and notes: each hands its command to the
// formatting command layer.
#include "app/TForm1.h"

#define WENDELMOOR_FORMAT_HANDLER(name)                                                                                \
    void TForm1::name() { noteEditor_.name(); }
WENDELMOOR_FORMAT_HANDLERS(WENDELMOOR_FORMAT_HANDLER)
#undef WENDELMOOR_FORMAT_HANDLER
