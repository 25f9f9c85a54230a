#include "platform/Drives.h"

#include <gtest/gtest.h>

namespace {

TEST(MountTable, KeepsTheFileSystemsAUserCaresAboutGroupedByType) {
    const char* table =
        "sysfs /sys sysfs rw,nosuid 0 0\n"
        "proc /proc proc rw 0 0\n"
        "/dev/nvme0n1p2 / ext4 rw,relatime 0 0\n"
        "tmpfs /run tmpfs rw 0 0\n"
        "/dev/nvme0n1p3 /home ext4 rw 0 0\n"
        "/dev/nvme0n1p1 /boot/efi vfat rw 0 0\n"
        "/dev/nvme0n1p4 /var ext4 rw 0 0\n"
        "/dev/vda1 /etc/hosts ext4 rw 0 0\n"
        "/dev/sdd1 /data ext4 rw 0 0\n"
        "/dev/loop3 /snap/core/1 squashfs ro 0 0\n"
        "/dev/sdb1 /media/user/USB\\040STICK vfat rw 0 0\n"
        "/dev/sr0 /media/cdrom iso9660 ro 0 0\n"
        "server:/export /mnt/share nfs4 rw 0 0\n"
        "//nas/music /mnt/music cifs rw 0 0\n"
        "user@host:/ /home/user/remote fuse.sshfs rw 0 0\n"
        "overlay /var/lib/docker/overlay2/x/merged overlay rw 0 0\n"
        "/dev/sdc1 /run/media/user/CARD exfat rw 0 0\n"
        "\n"
        "broken-line\n";
    const std::vector<Drive> expected{
        {"/", DriveType::Fixed, ""},
        {"/home", DriveType::Fixed, ""},
        {"/data", DriveType::Fixed, ""},
        {"/media/user/USB STICK", DriveType::Removable, ""},
        {"/media/cdrom", DriveType::CD, ""},
        {"/mnt/share", DriveType::Network, ""},
        {"/mnt/music", DriveType::Network, ""},
        {"/home/user/remote", DriveType::Network, ""},
        {"/run/media/user/CARD", DriveType::Removable, ""},
    };
    EXPECT_EQ(ParseMountTable(table), expected);
}

TEST(MountTable, AMountPointMountedTwiceKeepsItsLastMount) {
    EXPECT_EQ(ParseMountTable("/dev/sda1 /data ext4 rw 0 0\nserver:/d /data nfs rw 0 0\n"),
              (std::vector<Drive>{{"/data", DriveType::Network, ""}}));
}

}  // namespace
