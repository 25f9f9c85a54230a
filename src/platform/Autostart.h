// Starting with the desktop: an entry in the user's autostart folder that starts the program hidden
// in the notification area at login, so that hot keys and reminders work from then on.
#pragma once

#include <string>

class Autostart {
public:
    virtual ~Autostart() = default;
    // Whether the entry exists now (the check mark of "Start With the Desktop").
    virtual bool enabled() const = 0;
    // Writes or removes the entry: the error text for the user, empty when it is done.
    virtual std::string setEnabled(bool on) = 0;

    // Where no autostart folder is known: never enabled, and every change is refused.
    static Autostart& none();
};
