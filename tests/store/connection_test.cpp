#include "store/connection.h"
#include "store/dberror.h"
#include "store/drivetype.h"
#include "store/recordset.h"
#include "testdatabase.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

int open_file_count()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).size());
}

QByteArray file_bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write_file(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(DatabasePath, ChecksDriveLengthAndExactName)
{
    // "/x" does not exist: the drive of the nearest existing folder counts.
    EXPECT_EQ(check_database_path(QStringLiteral("/x/QZDB.mdb")), OpenStep::Opened);  // 11 characters
    EXPECT_EQ(check_database_path(QStringLiteral("/xQZDB.mdb")), OpenStep::PathTooShort);  // 10
    EXPECT_EQ(check_database_path(QStringLiteral("/data/qzdb.mdb")), OpenStep::WrongFileName);
    EXPECT_EQ(check_database_path(QStringLiteral("/data/QZDB.MDB")), OpenStep::WrongFileName);
    EXPECT_EQ(check_database_path(QStringLiteral("/data/QZDB.mdb.bak")), OpenStep::WrongFileName);
    EXPECT_EQ(check_database_path(QStringLiteral("/dev/shm/QZDB.mdb")), OpenStep::UnknownDrive);
    EXPECT_EQ(check_database_path(QStringLiteral("   ")), OpenStep::UnknownDrive);
}

TEST(DriveType, MapsFileSystemsToDriveKindsAndFindsTheInnermostMount)
{
    struct Case
    {
        const char *filesystem;
        bool removable;
        DriveType expected;
    };
    const Case cases[] = {
        {"ext4", false, DriveType::Fixed},        {"fuseblk", false, DriveType::Fixed},
        {"vfat", true, DriveType::Removable},     {"ext4", true, DriveType::Removable},
        {"nfs4", false, DriveType::Network},      {"fuse.sshfs", false, DriveType::Network},
        {"iso9660", true, DriveType::CdRom},      {"tmpfs", false, DriveType::RamDisk},
        {"proc", false, DriveType::Undetermined}, {"", false, DriveType::Undetermined},
    };
    for (const Case &c : cases)
        EXPECT_EQ(drive_type_for_mount(QString::fromUtf8(c.filesystem), c.removable), c.expected) << c.filesystem;
    EXPECT_EQ(get_drive_type(QDir::currentPath()), 2);
    EXPECT_EQ(get_drive_type(QStringLiteral("/dev/shm")), 0);
    EXPECT_EQ(get_drive_type(QString()), 0);
    EXPECT_EQ(get_drive_type(QStringLiteral("/proc/self")), 0);

    const QString mountinfo = QStringLiteral(
        "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
        "2 1 0:40 / /mnt/data rw - nfs4 server:/export rw\n"
        "3 1 8:17 / /mnt/data2 rw - vfat /dev/sdb1 rw\n"
        "4 2 0:41 / /mnt/data/ram rw shared:5 - tmpfs tmpfs rw\n"
        "5 1 0:42 / /media/My\\040Stick rw - vfat /dev/sdc1 rw\n"
        "6 3 0:43 / /mnt/data2 rw - ext4 /dev/sdd1 rw\n"  // later, over the vfat one
        "garbage line\n");
    EXPECT_EQ(find_mount(mountinfo, QStringLiteral("/home/a/QZDB.mdb")).filesystem, QStringLiteral("ext4"));
    EXPECT_EQ(find_mount(mountinfo, QStringLiteral("/mnt/data/QZDB.mdb")).filesystem, QStringLiteral("nfs4"));
    EXPECT_EQ(find_mount(mountinfo, QStringLiteral("/mnt/data2/QZDB.mdb")).filesystem, QStringLiteral("ext4"));
    EXPECT_EQ(find_mount(mountinfo, QStringLiteral("/mnt/data/ram/x")).filesystem, QStringLiteral("tmpfs"));
    const MountEntry stick = find_mount(mountinfo, QStringLiteral("/media/My Stick/QZDB.mdb"));
    EXPECT_EQ(stick.mount_point, QStringLiteral("/media/My Stick"));
    EXPECT_EQ(stick.source, QStringLiteral("/dev/sdc1"));
    EXPECT_EQ(stick.filesystem, QStringLiteral("vfat"));
    EXPECT_TRUE(find_mount(QString(), QStringLiteral("/x")).filesystem.isEmpty());
}

TEST(OpenCalendarDatabase, OpensOnlyWithTheSecondPasswordAndIsNeverCreatedOverAFile)
{
    TestDatabase t;
    fill_sample(t.db());
    EXPECT_EQ(key_from_connect_string(kFirstConnectString), QByteArray("tqd73kw5"));
    EXPECT_EQ(key_from_connect_string(kSecondConnectString), QByteArray("4718305296"));
    try {
        create_calendar_database(t.path());
        ADD_FAILURE() << "overwrote";
    } catch (const DbError &error) {
        EXPECT_EQ(error.number(), DbError::FileExists);
    }
    t.close();

    OpenResult result = open_calendar_database(t.path());
    ASSERT_EQ(result.step, OpenStep::Opened);
    ASSERT_TRUE(result.database);
    EXPECT_EQ(RecordSet::open(*result.database, QStringLiteral("SELECT Q000.* FROM Q000;")).record_count(), 4);  // the sample's
}

TEST(OpenCalendarDatabase, RefusesEveryFileThatIsNotACalendarDatabaseAndLeavesItAsItWas)
{
    QTemporaryDir dir(QDir::current().absoluteFilePath(QStringLiteral("open-XXXXXX")));
    const int files_before = open_file_count();
    using Make = std::function<void(const QString &)>;
    const auto keyed = [](const QString &connect, const char *sql) -> Make {
        return [=](const QString &path) {
            Database::open(path, key_from_connect_string(connect), Database::OpenMode::Create).exec(QString::fromUtf8(sql));
        };
    };
    struct Case { const char *folder; Make make; OpenStep expected; };
    const Case cases[] = {
        // Another program's database, keyed with the first candidate, in WAL mode.
        {"first", keyed(kFirstConnectString, "PRAGMA journal_mode = WAL; CREATE TABLE t (x);"), OpenStep::OpensWithFirstKey},
        {"text", [](const QString &path) { write_file(path, QByteArray(5000, 'x')); }, OpenStep::NotValid},
        // An empty file is an empty database to the engine, whatever the key.
        {"empty", [](const QString &path) { write_file(path, {}); }, OpenStep::OpensWithFirstKey},
        {"missing", [](const QString &) {}, OpenStep::NotValid},
        // Keyed with the right password but holding no calendar schema.
        {"bare", keyed(kSecondConnectString, "CREATE TABLE t (x);"), OpenStep::NotValid},
        // Truncated inside its first page.
        {"truncated", [](const QString &path) { create_calendar_database(path); QFile(path).resize(600); }, OpenStep::NotValid},
        // Written by a newer program.
        {"newer", [](const QString &path) { create_calendar_database(path).exec(QStringLiteral("PRAGMA user_version = 99;")); },
         OpenStep::SchemaTooNew},
    };
    for (const Case &c : cases) {
        QDir(dir.path()).mkpath(QString::fromLatin1(c.folder));
        const QString path = dir.filePath(QString::fromLatin1(c.folder) + QStringLiteral("/QZDB.mdb"));
        c.make(path);
        const QByteArray before = file_bytes(path);
        const OpenResult result = open_calendar_database(path);
        EXPECT_EQ(result.step, c.expected) << c.folder;
        EXPECT_FALSE(result.database.has_value()) << c.folder;
        EXPECT_TRUE(file_bytes(path) == before) << c.folder << " was changed";
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("missing/QZDB.mdb"))));
    EXPECT_EQ(open_file_count(), files_before);
}
