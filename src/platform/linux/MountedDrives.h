// The drives of this computer: /proc/self/mounts, with the volume labels of fixed file systems.
#pragma once

#include "platform/Drives.h"

class MountedDrives : public Drives {
public:
    std::vector<Drive> drives() const override;
};
