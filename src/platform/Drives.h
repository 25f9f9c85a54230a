// The mounted file systems a user cares about (the program's "drives"): root, home when it is a file
// system of its own, removable media, network shares and optical discs; pseudo file systems are left
// out. Each is known by its mount point.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class DriveType { Removable, Fixed, Network, CD, Other };

struct Drive {
    std::string mountPoint;  // "/", "/home", "/media/usb"
    DriveType type = DriveType::Other;
    std::string label;       // the volume label of a fixed file system; may be empty

    bool operator==(const Drive&) const = default;
};

class Drives {
public:
    virtual ~Drives() = default;
    // In the system's mount order.
    virtual std::vector<Drive> drives() const = 0;
};

// The mounted file systems of a mount table in the text form of /proc/self/mounts ("device mount
// type options 0 0", spaces in paths written as \040), classified by file system type and place:
// network (nfs, nfs4, cifs, smb3, smbfs, sshfs), CD (iso9660, udf), removable (block devices
// under /media or /run/media), fixed (other block devices, loop devices left out), and other (kept
// only when mounted under /media, /run/media or /mnt). Pseudo file systems are left out; a mount point that
// appears twice keeps its last mount. Labels are left empty.
std::vector<Drive> ParseMountTable(std::string_view table);
