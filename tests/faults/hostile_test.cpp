// Files that are not what the program expects: a settings file of garbage
// or of enormous size, a database file cut short, zeroed, replaced by a
// folder or by a loop of links. Reading them must fail cleanly: defaults
// for the settings, an engine error for the database, never a crash or a
// hang. Each file is read by the fault worker, so a crash or a hang shows as
// that process's failure rather than ending the test run.

#include "faultsupport.h"

#include "calendars/calendarstore.h"
#include "store/connection.h"
#include "store/drivetype.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <iostream>

#include <sys/stat.h>
#include <unistd.h>

using namespace dayvane;
using namespace dayvane::faults;

namespace {

constexpr int kTimeoutMs = 120'000;

struct SettingsRead
{
    bool read = false;
    bool values = false;
    qint64 ms = -1;
    qint64 peak_kib = -1;
};

// Reads `path` in the worker; fails the test when the worker does not
// finish normally.
SettingsRead read_settings_in_worker(const QString &path)
{
    Worker worker({QStringLiteral("settings"), path});
    SettingsRead result;
    EXPECT_TRUE(worker.wait_for_exit(kTimeoutMs)) << "reading the settings file hangs";
    EXPECT_EQ(worker.process().exitStatus(), QProcess::NormalExit) << worker.error_output().toStdString();
    EXPECT_EQ(worker.process().exitCode(), 0) << worker.error_output().toStdString();
    for (const QString &line : worker.lines()) {
        if (!line.startsWith(u"settings "))
            continue;
        for (const QString &field : line.mid(9).split(u' ')) {
            const QString key = field.section(u'=', 0, 0);
            const qint64 value = field.section(u'=', 1).toLongLong();
            if (key == u"read")
                result.read = value != 0;
            else if (key == u"values")
                result.values = value != 0;
            else if (key == u"ms")
                result.ms = value;
            else if (key == u"peak_kib")
                result.peak_kib = value;
        }
    }
    EXPECT_GE(result.ms, 0) << "the worker reported nothing";
    return result;
}

void write_file(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray random_bytes(QRandomGenerator &random, qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

void print_settings_figures(const char *what, const SettingsRead &read)
{
    std::cout << "[ figures  ] settings file, " << what << ": " << read.ms << " ms, peak memory "
              << read.peak_kib / 1024 << " MiB, values read: " << (read.values ? "yes" : "no") << "\n";
}

} // namespace

TEST(HostileSettings, RandomBytesGiveDefaults)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("QZ.ini"));
    QRandomGenerator random(20240315);
    for (const qsizetype size : {1, 17, 1024, 65536}) {
        write_file(path, random_bytes(random, size));
        const SettingsRead read = read_settings_in_worker(path);
        EXPECT_FALSE(read.values) << size << " random bytes";
        EXPECT_LT(read.ms, 1000) << size << " random bytes";
    }
}

TEST(HostileSettings, TenThousandLinesGiveDefaultsQuickly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("QZ.ini"));
    QByteArray text;
    for (int line = 0; line < 10'000; ++line) {
        // Near misses of the real keys, which must all be ignored.
        switch (line % 4) {
        case 0: text += "[top]=" + QByteArray::number(line); break;
        case 1: text += "[Unknown " + QByteArray::number(line) + "]=1,2,3"; break;
        case 2: text += "Top=" + QByteArray::number(line) + ",[Left ]=5"; break;
        default: text += "[View Index]=7,=,,==[db path]=x"; break;
        }
        text += "\r\n";
    }
    write_file(path, text);
    const SettingsRead read = read_settings_in_worker(path);
    EXPECT_TRUE(read.read);
    EXPECT_FALSE(read.values);
    EXPECT_LT(read.ms, 2000);
    print_settings_figures("10,000 lines", read);
}

TEST(HostileSettings, HugeFileGivesDefaults)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("QZ.ini"));
    const qsizetype megabytes = loop_count("DAYVANE_FAULT_HUGE_MB", 100);
    {
        // Lines of garbage text, generated here: never kept in the repository.
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        QRandomGenerator random(7);
        QByteArray block = random_bytes(random, 1024 * 1024);
        for (char &byte : block)
            byte = byte == '\n' || byte == '\r' ? byte : char('a' + (quint8(byte) % 26));
        for (int i = 0; i < megabytes; ++i)
            ASSERT_EQ(file.write(block), block.size());
    }
    const SettingsRead read = read_settings_in_worker(path);
    EXPECT_FALSE(read.values);
    // Only the file's beginning is read, whatever its size.
    EXPECT_LT(read.ms, 2000);
    EXPECT_LT(read.peak_kib / 1024, 300);
    print_settings_figures(QStringLiteral("%1 MB").arg(megabytes).toUtf8().constData(), read);
    RecordProperty("huge_settings_ms", int(read.ms));
    RecordProperty("huge_settings_peak_mib", int(read.peak_kib / 1024));
}

TEST(HostileSettings, APipeOrADeviceIsNotRead)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("QZ.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    // Nobody ever writes to the pipe: reading it would wait for ever.
    EXPECT_FALSE(read_settings_in_worker(pipe).values);

    const QString device = dir.filePath(QStringLiteral("zero/QZ.ini"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(device).path()));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), device));
    const SettingsRead endless = read_settings_in_worker(device);
    EXPECT_FALSE(endless.values);
    EXPECT_LT(endless.ms, 2000);
}

namespace {

// One damaged copy of a calendar database, opened by the worker.
struct OpenAttempt
{
    int path_step = -1;      // check_database_path
    int calendar_step = -1;  // open_calendar_database
    QString calendar_detail;
    bool existing_opened = false;  // open_existing_database
    QString existing;              // its error, or rows and integrity result
};

OpenAttempt open_in_worker(const QString &path, const QStringList &command = {QStringLiteral(DAYVANE_FAULT_WORKER)})
{
    Worker worker({QStringLiteral("open"), path}, command);
    OpenAttempt attempt;
    EXPECT_TRUE(worker.wait_for_exit(kTimeoutMs)) << "opening hangs: " << path.toStdString();
    EXPECT_EQ(worker.process().exitStatus(), QProcess::NormalExit)
        << "opening crashes: " << path.toStdString() << "\n" << worker.error_output().toStdString();
    EXPECT_EQ(worker.process().exitCode(), 0) << worker.error_output().toStdString();
    for (const QString &line : worker.lines()) {
        const QString rest = line.section(u' ', 1);
        if (line.startsWith(u"path "))
            attempt.path_step = rest.toInt();
        else if (line.startsWith(u"calendar ")) {
            attempt.calendar_step = rest.section(u' ', 0, 0).toInt();
            attempt.calendar_detail = rest.section(u' ', 1);
        } else if (line.startsWith(u"existing ")) {
            attempt.existing_opened = rest.startsWith(u"opened");
            attempt.existing = rest.section(u' ', 1);
        }
    }
    EXPECT_NE(attempt.calendar_step, -1) << "the worker reported nothing";
    return attempt;
}

// A refusal must say why: an engine error with its description.
void expect_clear_refusal(const OpenAttempt &attempt, const std::string &what)
{
    EXPECT_NE(attempt.calendar_step, int(OpenStep::Opened)) << what;
    EXPECT_FALSE(attempt.existing_opened) << what;
    const QString number = attempt.existing.section(u' ', 0, 0);
    EXPECT_GT(number.toInt(), 0) << what << ": " << attempt.existing.toStdString();
    EXPECT_FALSE(attempt.existing.section(u' ', 1).trimmed().isEmpty()) << what;
}

class HostileDatabase : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_source = new test::TestDatabase;
        test::fill_sample(s_source->db());
        create_calendar(s_source->db(), QStringLiteral("Full year"), 2024);
        s_source->close();
        QFile file(s_source->path());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        s_bytes = file.readAll();
        QTemporaryDir dir(QDir::current().absoluteFilePath(QStringLiteral("intact-XXXXXX")));
        const QString intact = dir.filePath(kDatabaseFileName);
        ASSERT_TRUE(QFile::copy(s_source->path(), intact));
        s_intact = open_in_worker(intact);
    }
    static void TearDownTestSuite()
    {
        delete s_source;
        s_source = nullptr;
    }

    // A folder of its own holding "QZDB.mdb" with `bytes`.
    QString damaged_copy(const QByteArray &bytes)
    {
        const QString folder = m_dir.filePath(QString::number(m_copies++));
        QDir().mkpath(folder);
        const QString path = QDir(folder).filePath(kDatabaseFileName);
        write_file(path, bytes);
        return path;
    }

    static inline test::TestDatabase *s_source = nullptr;
    static inline QByteArray s_bytes;
    static inline OpenAttempt s_intact;  // the undamaged copy, opened once
    QTemporaryDir m_dir{QDir::current().absoluteFilePath(QStringLiteral("hostile-XXXXXX"))};
    int m_copies = 0;
};

} // namespace

TEST_F(HostileDatabase, IntactCopyOpens)
{
    const OpenAttempt &attempt = s_intact;
    EXPECT_EQ(attempt.calendar_step, int(OpenStep::Opened)) << attempt.calendar_detail.toStdString();
    EXPECT_TRUE(attempt.existing_opened);
    EXPECT_TRUE(attempt.existing.endsWith(u" ok")) << attempt.existing.toStdString();
}

TEST_F(HostileDatabase, TruncatedFilesFailCleanly)
{
    const qsizetype size = s_bytes.size();
    std::vector<qsizetype> offsets = {0, 1, 15, 16, 100, 1023, 1024, 1025, 2048, 4096, size / 2, size - 1024, size - 1};
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    for (int i = 0; i < 8; ++i)
        offsets.push_back(random.bounded(qint64(size)));

    int refused = 0, opened_intact = 0, opened_damaged = 0;
    for (const qsizetype offset : offsets) {
        const std::string what = "truncated at " + std::to_string(offset) + " of " + std::to_string(size) +
                                 " bytes (seed " + std::to_string(seed) + ")";
        const QString path = damaged_copy(s_bytes.left(offset));
        const OpenAttempt attempt = open_in_worker(path);
        // Opening must never write into a damaged file.
        EXPECT_EQ(QFileInfo(path).size(), offset) << what;
        if (attempt.calendar_step != int(OpenStep::Opened)) {
            ++refused;
            EXPECT_FALSE(attempt.existing_opened) << what;
        } else if (attempt.existing_opened) {
            // Only pages that nothing reads were cut (free pages at the end):
            // then every record must read exactly as in the intact file.
            ++opened_intact;
            EXPECT_EQ(attempt.existing, s_intact.existing) << what;
        } else {
            // Opening read past the damage; reading everything found it.
            ++opened_damaged;
        }
        if (!attempt.existing_opened) {
            EXPECT_FALSE(attempt.existing.section(u' ', 1).trimmed().isEmpty()) << what << ": no description";
        }
        std::cout << "[ figures  ] " << what << ": open step " << attempt.calendar_step << " ("
                  << attempt.calendar_detail.toStdString() << "); full read: "
                  << (attempt.existing_opened ? "opened, " : "error ") << attempt.existing.left(120).toStdString()
                  << "\n";
    }
    RecordProperty("truncations_refused_at_open", refused);
    RecordProperty("truncations_opened_intact", opened_intact);
    RecordProperty("truncations_failed_on_read", opened_damaged);
}

TEST_F(HostileDatabase, ZeroFilledFileIsRefused)
{
    const OpenAttempt attempt = open_in_worker(damaged_copy(QByteArray(s_bytes.size(), '\0')));
    expect_clear_refusal(attempt, "zero-filled");
    EXPECT_EQ(attempt.calendar_step, int(OpenStep::NotValid));
}

TEST_F(HostileDatabase, FolderInPlaceOfTheFileIsRefused)
{
    const QString folder = m_dir.filePath(QStringLiteral("folder"));
    const QString path = QDir(folder).filePath(kDatabaseFileName);
    ASSERT_TRUE(QDir().mkpath(path));
    const OpenAttempt attempt = open_in_worker(path);
    expect_clear_refusal(attempt, "a folder");
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(HostileDatabase, SymbolicLinkLoopIsRefused)
{
    const QString folder = m_dir.filePath(QStringLiteral("loop"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = QDir(folder).filePath(kDatabaseFileName);
    const QString other = QDir(folder).filePath(QStringLiteral("other.mdb"));
    ASSERT_TRUE(QFile::link(other, path));
    ASSERT_TRUE(QFile::link(path, other));
    const OpenAttempt attempt = open_in_worker(path);
    expect_clear_refusal(attempt, "a loop of links");
}

TEST_F(HostileDatabase, FilesTheProgramMayNotWriteOrReadAreRefused)
{
    // Root writes and reads every file, so root opens as nobody: from a
    // folder of the system's temporary space (the build tree may be closed
    // to nobody), with a copy of the worker there.
    using P = QFileDevice;
    const P::Permissions read = P::ReadOwner | P::ReadOther, write = P::WriteOwner | P::WriteOther,
                         enter = P::ExeOwner | P::ExeOther;
    const QString temp = get_drive_type(QDir::tempPath()) != 0 ? QDir::tempPath() : QStringLiteral("/var/tmp");
    QTemporaryDir dir(QDir(temp).filePath(QStringLiteral("protected-XXXXXX")));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), read | enter | P::WriteOwner));
    QStringList command{QStringLiteral(DAYVANE_FAULT_WORKER)};
    if (geteuid() == 0) {
        const QString copy = dir.filePath(QStringLiteral("worker"));
        ASSERT_TRUE(QFile::copy(command.first(), copy));
        command = QStringList{QStringLiteral("runuser"), QStringLiteral("-u"), QStringLiteral("nobody"),
                              QStringLiteral("--"), copy};
    }

    struct Case
    {
        const char *name;
        P::Permissions file, folder;
        OpenStep expected;
    };
    const Case cases[] = {
        {"writable", read | write, read | write | enter, OpenStep::Opened},
        {"file", read, read | write | enter, OpenStep::WriteProtected},
        {"folder", read | write, read | enter, OpenStep::WriteProtected},  // where the journal goes
        {"unreadable", {}, read | write | enter, OpenStep::Unreadable},
    };
    for (const Case &c : cases) {
        const QString folder = dir.filePath(QString::fromLatin1(c.name));
        const QString path = QDir(folder).filePath(kDatabaseFileName);
        ASSERT_TRUE(QDir().mkpath(folder));
        write_file(path, s_bytes);
        ASSERT_TRUE(QFile::setPermissions(path, c.file));
        ASSERT_TRUE(QFile::setPermissions(folder, c.folder));
        const OpenAttempt attempt = open_in_worker(path, command);
        EXPECT_EQ(attempt.calendar_step, int(c.expected)) << c.name << ": " << attempt.calendar_detail.toStdString();
        if (c.expected == OpenStep::WriteProtected) {
            EXPECT_TRUE(attempt.calendar_detail.contains(QStringLiteral("''%1''").arg(path)))
                << attempt.calendar_detail.toStdString();
        } else if (c.expected == OpenStep::Unreadable) {
            EXPECT_EQ(attempt.calendar_detail, QStringLiteral("Permission denied"));
        }
        // Removable with the rest.
        ASSERT_TRUE(QFile::setPermissions(folder, read | write | enter));
    }
}
