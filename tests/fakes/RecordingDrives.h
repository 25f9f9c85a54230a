// Drives that answer a list set by the test and count how often they were asked.
#pragma once

#include "platform/Drives.h"

class RecordingDrives : public Drives {
public:
    std::vector<Drive> answer;
    mutable int asked = 0;

    std::vector<Drive> drives() const override {
        ++asked;
        return answer;
    }
};
