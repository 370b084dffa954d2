#pragma once

#include <QString>

namespace dayvane {

// The kinds of storage a database path can live on.
enum class DriveType : short {
    Undetermined = 0,
    Removable = 1,
    Fixed = 2,
    Network = 3,
    CdRom = 4,
    RamDisk = 5,
};

// The kind of storage that holds `path`: the file system mounted at the
// longest mount point above it (the nearest existing folder counts for a
// path that does not exist yet). Undetermined when no mount is found.
DriveType drive_type_of(const QString &path);

// The drive type as the database check wants it: 2 (fixed) or 3 (network)
// when the path may hold the database, 0 for anything else (removable,
// optical, RAM disk, undetermined, or a blank path).
short get_drive_type(const QString &path);

// The rule behind drive_type_of, for one mount: its file system type and
// whether its block device reports removable media.
DriveType drive_type_for_mount(const QString &filesystem, bool removable_device);

// The mount that holds `canonical_path` in a /proc/self/mountinfo text:
// its file system type and source device. Empty when none matches.
struct MountEntry
{
    QString mount_point;
    QString filesystem;
    QString source;
};
MountEntry find_mount(const QString &mountinfo, const QString &canonical_path);

} // namespace dayvane
