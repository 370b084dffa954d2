#include "store/connection.h"
#include "store/dberror.h"
#include "store/drivetype.h"
#include "store/recordset.h"
#include "testdatabase.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

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
