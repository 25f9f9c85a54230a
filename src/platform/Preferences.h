// The few preferences the program keeps beyond the collection (the quick launcher's key), as texts
// under names such as "QuickLauncher/Key".
#pragma once

#include <string>

class Preferences {
public:
    virtual ~Preferences() = default;
    // The stored text, empty when none is stored.
    virtual std::string value(const std::string& name) const = 0;
    // Stores the text at once; false when it could not be written (the error is the caller's to show).
    virtual bool setValue(const std::string& name, const std::string& text) = 0;

    // Keeps nothing: what a part of the program that is given no preferences sees.
    static Preferences& none();
};

inline Preferences& Preferences::none() {
    struct None : Preferences {
        std::string value(const std::string&) const override { return {}; }
        bool setValue(const std::string&, const std::string&) override { return true; }
    };
    static None none;
    return none;
}
