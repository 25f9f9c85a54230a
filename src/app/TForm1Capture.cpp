// The main window's handlers for capturing links and the web cache.
#include "app/TForm1.h"

#include "launch/LinkCapture.h"

void TForm1::AddActiveLinks1Click() { AddActiveLinks(linksTree_, services_.browserWindows, services_.dialogs); }

void TForm1::mp_DeleteTemporaryInternetFilesClick() { DeleteIECache(services_.urlCache); }

// "Get All Links", "Save Page" and the bookmarklet "All Links" have no function.
void TForm1::GetAllLinks1Click() {}

void TForm1::SavePage1Click() {}

void TForm1::AllLinks1Click() {}
