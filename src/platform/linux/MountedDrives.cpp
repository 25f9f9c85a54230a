#include "platform/linux/MountedDrives.h"

#include <QStorageInfo>
#include <QString>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::string unescaped(std::string_view field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() &&
            std::all_of(field.begin() + static_cast<long>(i) + 1, field.begin() + static_cast<long>(i) + 4,
                        [](char c) { return c >= '0' && c <= '7'; })) {
            text += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            text += field[i];
        }
    }
    return text;
}

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool isOneOf(std::string_view type, std::initializer_list<std::string_view> types) {
    return std::find(types.begin(), types.end(), type) != types.end();
}

bool isMediaPlace(std::string_view mountPoint) {
    return startsWith(mountPoint, "/media/") || startsWith(mountPoint, "/run/media/") || startsWith(mountPoint, "/mnt/");
}

// The system's own folders: a disk mounted there (/boot, /var, a container's /etc/hosts) holds
// nothing a user files links to.
bool isSystemPlace(std::string_view mountPoint) {
    for (std::string_view folder : {"/boot", "/efi", "/etc", "/usr", "/var", "/opt", "/tmp", "/snap", "/proc", "/sys",
                                    "/dev", "/run"})
        if (mountPoint == folder || startsWith(mountPoint, std::string(folder) + "/"))
            return true;
    return false;
}

}  // namespace

std::vector<Drive> ParseMountTable(std::string_view table) {
    std::vector<Drive> drives;
    std::istringstream lines{std::string(table)};
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint, type;
        if (!(fields >> device >> mountPoint >> type))
            continue;
        mountPoint = unescaped(mountPoint);
        Drive drive{mountPoint, DriveType::Other, {}};
        if (isOneOf(type, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs", "fuse.sshfs"}))
            drive.type = DriveType::Network;
        else if (isOneOf(type, {"iso9660", "udf"}))
            drive.type = DriveType::CD;
        else if (startsWith(device, "/dev/") && isMediaPlace(mountPoint) && !startsWith(mountPoint, "/mnt/"))
            drive.type = DriveType::Removable;
        else if (startsWith(device, "/dev/") && !startsWith(device, "/dev/loop") &&
                 !isOneOf(type, {"squashfs", "devtmpfs"}) && !isSystemPlace(mountPoint))
            drive.type = DriveType::Fixed;
        else if (!isMediaPlace(mountPoint))
            continue;  // proc, sysfs, tmpfs, cgroup, overlay and the like
        std::erase_if(drives, [&](const Drive& d) { return d.mountPoint == drive.mountPoint; });
        drives.push_back(drive);
    }
    return drives;
}

std::vector<Drive> MountedDrives::drives() const {
    std::ifstream file("/proc/self/mounts");
    const std::string table((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<Drive> drives = ParseMountTable(table);
    for (Drive& drive : drives)
        if (drive.type == DriveType::Fixed)
            drive.label = QStorageInfo(QString::fromStdString(drive.mountPoint)).name().toStdString();
    return drives;
}
