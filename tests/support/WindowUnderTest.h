// A main window as the program puts it together (recorded services, the drives the test gives, the
// properties dialog) over a scratch program folder of its own.
#pragma once

#include "app/TForm1.h"
#include "fakes/RecordedWindowServices.h"
#include "fakes/RecordingBrowserWindows.h"
#include "fakes/RecordingDrives.h"
#include "support/ScratchProgramFolder.h"
#include "ui/TLinkPropForm.h"

#include <memory>
#include <string>

struct WindowUnderTest : RecordedWindowServices {
    explicit WindowUnderTest(const std::string& folderPrefix) : scratch(folderPrefix) {}
    ~WindowUnderTest() { close(); }

    // Makes the window and runs its creation handler, which reads the folder's collection.
    void start() {
        form = std::make_unique<TForm1>(scratch.programFolder(),
                                        TForm1Services{dialogs, hotKeys, clipboard, shell, clock, tray, browserWindows});
        form->setDrives(drives);
        form->FormCreate();
        propForm = std::make_unique<TLinkPropForm>(form->LinksTree(), dialogs, hotKeys);
        form->setLinkPropForm(propForm.get());
    }
    // The dialog goes first: it works on the window's outline.
    void close() {
        propForm.reset();
        form.reset();
    }

    ScratchProgramFolder scratch;
    RecordingDrives drives;
    RecordingBrowserWindows browserWindows;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TLinkPropForm> propForm;
};
