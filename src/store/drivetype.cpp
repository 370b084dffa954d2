#include "store/drivetype.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace dayvane {

namespace {

// mountinfo writes blanks and a few other characters as octal escapes.
QString unescape_mount_field(const QString &field)
{
    QString result;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field.at(i) == u'\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                result += QChar(code);
                i += 3;
                continue;
            }
        }
        result += field.at(i);
    }
    return result;
}

bool is_under(const QString &path, const QString &mount_point)
{
    if (mount_point == u'/')
        return path.startsWith(u'/');
    return path == mount_point || path.startsWith(mount_point + u'/');
}

QString nearest_existing(const QString &path)
{
    QFileInfo info(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
    while (!info.exists()) {
        const QString parent = info.absolutePath();
        if (parent == info.absoluteFilePath())
            return {};
        info = QFileInfo(parent);
    }
    return info.canonicalFilePath();
}

bool read_flag(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) && f.readAll().trimmed() == "1";
}

// "/dev/sdb1" -> does sdb (or sdb1) report removable media?
bool device_is_removable(const QString &source)
{
    if (!source.startsWith(QStringLiteral("/dev/")))
        return false;
    const QString device = QFileInfo(source).canonicalFilePath().section(u'/', -1);
    if (device.isEmpty())
        return false;
    const QString block = QStringLiteral("/sys/class/block/") + device;
    return read_flag(block + QStringLiteral("/removable")) || read_flag(block + QStringLiteral("/../removable"));
}

} // namespace

DriveType drive_type_for_mount(const QString &filesystem, bool removable_device)
{
    static const QStringList network = {
        QStringLiteral("nfs"), QStringLiteral("nfs4"), QStringLiteral("cifs"), QStringLiteral("smb3"),
        QStringLiteral("smbfs"), QStringLiteral("ncpfs"), QStringLiteral("afs"), QStringLiteral("9p"),
        QStringLiteral("ceph"), QStringLiteral("glusterfs"), QStringLiteral("davfs"), QStringLiteral("lustre"),
        QStringLiteral("fuse.sshfs"), QStringLiteral("fuse.rclone"), QStringLiteral("fuse.s3fs"),
        QStringLiteral("fuse.glusterfs"), QStringLiteral("fuse.gvfsd-fuse"), QStringLiteral("fuse.davfs2"),
        QStringLiteral("fuse.smbnetfs"), QStringLiteral("fuse.cephfs"),
    };
    static const QStringList optical = {QStringLiteral("iso9660"), QStringLiteral("udf")};
    static const QStringList memory = {QStringLiteral("tmpfs"), QStringLiteral("ramfs")};
    // Kernel views that no one keeps files on.
    static const QStringList pseudo = {
        QStringLiteral("proc"), QStringLiteral("sysfs"), QStringLiteral("devtmpfs"), QStringLiteral("devpts"),
        QStringLiteral("cgroup"), QStringLiteral("cgroup2"), QStringLiteral("securityfs"),
        QStringLiteral("debugfs"), QStringLiteral("tracefs"), QStringLiteral("mqueue"),
    };
    const QString fs = filesystem.toLower();
    if (fs.isEmpty() || pseudo.contains(fs))
        return DriveType::Undetermined;
    if (network.contains(fs))
        return DriveType::Network;
    if (optical.contains(fs))
        return DriveType::CdRom;
    if (memory.contains(fs))
        return DriveType::RamDisk;
    if (removable_device)
        return DriveType::Removable;
    return DriveType::Fixed;
}

MountEntry find_mount(const QString &mountinfo, const QString &canonical_path)
{
    MountEntry best;
    const QStringList lines = mountinfo.split(u'\n', Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        // "36 35 98:0 /root /mnt rw,noatime shared:1 - ext4 /dev/sda1 rw"
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        const qsizetype separator = fields.indexOf(QStringLiteral("-"), 6);
        if (fields.size() < 5 || separator < 0 || separator + 2 >= fields.size())
            continue;
        const QString mount_point = unescape_mount_field(fields.at(4));
        if (!is_under(canonical_path, mount_point) || mount_point.size() < best.mount_point.size())
            continue;
        // A later line for the same mount point mounts over the earlier one.
        best = {mount_point, fields.at(separator + 1), unescape_mount_field(fields.at(separator + 2))};
    }
    return best;
}

DriveType drive_type_of(const QString &path)
{
    const QString canonical = nearest_existing(path);
    if (canonical.isEmpty())
        return DriveType::Undetermined;
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    if (!file.open(QIODevice::ReadOnly))
        return DriveType::Undetermined;
    const MountEntry mount = find_mount(QString::fromUtf8(file.readAll()), canonical);
    if (mount.filesystem.isEmpty())
        return DriveType::Undetermined;
    return drive_type_for_mount(mount.filesystem, device_is_removable(mount.source));
}

short get_drive_type(const QString &path)
{
    if (path.trimmed().isEmpty())
        return 0;
    const DriveType type = drive_type_of(path);
    if (type == DriveType::Fixed || type == DriveType::Network)
        return static_cast<short>(type);
    return 0;
}

} // namespace dayvane
