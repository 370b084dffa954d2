// Files that are not what the program expects: a settings file of garbage
// or of enormous size, a database file cut short, zeroed, replaced by a
// folder or by a loop of links. Reading them must fail cleanly: defaults
// for the settings, an engine error for the database, never a crash or a
// hang. Each file is read by the fault worker, so a crash or a hang shows as
// that process's failure rather than ending the test run.

#include "faultsupport.h"
#include "printers.h"

#include "calendars/calendarstore.h"
#include "store/connection.h"
#include "store/drivetype.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

using namespace dayvane;
using namespace dayvane::faults;

namespace {

constexpr int kTimeoutMs = 120'000;

void write_file(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Runs the worker on `path`; its lines, after checking that it neither hung
// nor crashed.
QStringList run_worker(const char *mode, const QString &path, const QStringList &command = {QStringLiteral(DAYVANE_FAULT_WORKER)})
{
    Worker worker({QString::fromLatin1(mode), path}, command);
    EXPECT_TRUE(worker.wait_for_exit(kTimeoutMs)) << mode << " hangs: " << path.toStdString();
    EXPECT_EQ(worker.process().exitStatus(), QProcess::NormalExit) << mode << " crashes: " << path.toStdString() << "\n"
                                                                   << worker.error_output();
    EXPECT_EQ(worker.process().exitCode(), 0) << worker.error_output();
    return worker.lines();
}

} // namespace

TEST(HostileSettings, GarbageHugeOrEndlessFilesGiveDefaultsQuickly)
{
    QTemporaryDir dir;
    const QString garbage = dir.filePath(QStringLiteral("garbage"));
    QRandomGenerator random(20240315);
    QByteArray bytes(65536, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    write_file(garbage, bytes);
    // Near misses of the real keys, which must all be ignored, to a size
    // that only a reader of the file's beginning gets through quickly.
    const QString huge = dir.filePath(QStringLiteral("huge"));
    {
        QByteArray lines;
        for (int line = 0; line < 10'000; ++line) {
            switch (line % 4) {
            case 0: lines += "[top]=" + QByteArray::number(line); break;
            case 1: lines += "[Unknown " + QByteArray::number(line) + "]=1,2,3"; break;
            case 2: lines += "Top=" + QByteArray::number(line) + ",[Left ]=5"; break;
            default: lines += "[View Index]=7,=,,==[db path]=x"; break;
            }
            lines += "\r\n";
        }
        QFile out(huge);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        while (out.size() < loop_count("DAYVANE_FAULT_HUGE_MB", 100) * qint64(1024 * 1024))
            ASSERT_EQ(out.write(lines), lines.size());
    }
    // Nobody ever writes to the pipe: reading it would wait for ever.
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString device = dir.filePath(QStringLiteral("zero"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), device));

    struct Case { QString path; int read; };  // read: 1 yes, 0 no, -1 either
    for (const Case &c : {Case{garbage, -1}, Case{huge, 1}, Case{pipe, 0}, Case{device, 0}}) {
        // "settings READ VALUES MS PEAK_KIB"
        const QStringList words = run_worker("settings", c.path).value(0).split(u' ');
        const std::string what = c.path.toStdString() + ": " + words.join(u' ').toStdString();
        ASSERT_EQ(words.size(), 5) << what;
        EXPECT_EQ(words[2], u"0") << what << ": values read";
        if (c.read >= 0) {
            EXPECT_EQ(words[1].toInt(), c.read) << what;
        }
        // Only the file's beginning is read, whatever its size.
        EXPECT_LT(words[3].toInt(), 2000) << what << ": milliseconds";
        EXPECT_LT(words[4].toInt() / 1024, 300) << what << ": peak MiB";
    }
}

namespace {

// The bytes of a filled calendar database, made once.
const QByteArray &database_bytes()
{
    static const QByteArray bytes = [] {
        test::TestDatabase source;
        test::fill_sample(source.db());
        create_calendar(source.db(), QStringLiteral("Full year"), 2024);
        source.close();
        QFile file(source.path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    return bytes;
}

// The worker's openings of one file.
struct OpenAttempt
{
    int step = -1;  // open_calendar_database
    QString detail;
    bool opened = false;  // open_existing_database
    QString existing;     // "NUMBER DESCRIPTION" of its error, or what it read
};

OpenAttempt open_in_worker(const QString &path, const QStringList &command = {QStringLiteral(DAYVANE_FAULT_WORKER)})
{
    OpenAttempt attempt;
    for (const QString &line : run_worker("open", path, command)) {
        if (line.startsWith(u"calendar ")) {
            attempt.step = line.section(u' ', 1, 1).toInt();
            attempt.detail = line.section(u' ', 2);
        } else if (line.startsWith(u"existing ")) {
            attempt.opened = line.section(u' ', 1, 1) == u"opened";
            attempt.existing = line.section(u' ', 2);
        }
    }
    EXPECT_NE(attempt.step, -1) << "the worker reported nothing";
    return attempt;
}

QString path_in(const QTemporaryDir &dir, const QString &folder)
{
    return QDir(dir.filePath(folder)).filePath(kDatabaseFileName);
}

} // namespace

TEST(HostileDatabase, TruncatedFilesFailCleanly)
{
    QTemporaryDir dir(QDir::current().absoluteFilePath(QStringLiteral("hostile-XXXXXX")));
    const QByteArray &bytes = database_bytes();
    write_file(path_in(dir, QStringLiteral("intact")), bytes);
    const OpenAttempt intact = open_in_worker(path_in(dir, QStringLiteral("intact")));
    ASSERT_EQ(intact.step, int(OpenStep::Opened)) << intact.detail.toStdString();
    ASSERT_TRUE(intact.opened);
    ASSERT_TRUE(intact.existing.endsWith(u" ok")) << intact.existing.toStdString();

    const qsizetype size = bytes.size();
    std::vector<qsizetype> offsets = {0, 1, 15, 16, 100, 1023, 1024, 1025, 2048, 4096, size / 2, size - 1024, size - 1};
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    for (int i = 0; i < 8; ++i)
        offsets.push_back(random.bounded(qint64(size)));
    for (const qsizetype offset : offsets) {
        const std::string what = "cut at " + std::to_string(offset) + " of " + std::to_string(size) + " bytes (seed " +
                                 std::to_string(seed) + ")";
        const QString path = path_in(dir, QString::number(offset));
        write_file(path, bytes.left(offset));
        const OpenAttempt attempt = open_in_worker(path);
        // Opening must never write into a damaged file.
        EXPECT_EQ(QFileInfo(path).size(), offset) << what;
        if (attempt.step != int(OpenStep::Opened)) {
            EXPECT_FALSE(attempt.opened) << what;
        } else if (attempt.opened) {
            // Only pages that no query reads were cut: every record must
            // read exactly as in the intact file. The integrity check at the
            // end of the line may still name the damage.
            EXPECT_EQ(attempt.existing.section(u' ', 0, 2), intact.existing.section(u' ', 0, 2)) << what;
        }  // else opening read past the damage, and reading everything found it
        if (!attempt.opened) {
            EXPECT_FALSE(attempt.existing.section(u' ', 1).trimmed().isEmpty()) << what << ": no description";
        }
    }
}

TEST(HostileDatabase, ZeroedFileFolderOrLoopOfLinksIsRefusedSayingWhy)
{
    QTemporaryDir dir(QDir::current().absoluteFilePath(QStringLiteral("hostile-XXXXXX")));
    const QString zeroed = path_in(dir, QStringLiteral("zeroed"));
    write_file(zeroed, QByteArray(database_bytes().size(), '\0'));
    const QString folder = path_in(dir, QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString loop = path_in(dir, QStringLiteral("loop"));
    const QString other = dir.filePath(QStringLiteral("loop/other.mdb"));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("loop"))));
    ASSERT_TRUE(QFile::link(other, loop));
    ASSERT_TRUE(QFile::link(loop, other));

    for (const QString &path : {zeroed, folder, loop}) {
        const OpenAttempt attempt = open_in_worker(path);
        const std::string what = path.toStdString() + ": " + attempt.existing.toStdString();
        EXPECT_NE(attempt.step, int(OpenStep::Opened)) << what;
        if (path == zeroed) {
            EXPECT_EQ(attempt.step, int(OpenStep::NotValid)) << what;
        }
        EXPECT_FALSE(attempt.opened) << what;
        // An engine error with its description.
        EXPECT_GT(attempt.existing.section(u' ', 0, 0).toInt(), 0) << what;
        EXPECT_FALSE(attempt.existing.section(u' ', 1).trimmed().isEmpty()) << what;
    }
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(HostileDatabase, FilesTheProgramMayNotWriteOrReadAreRefused)
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

    struct Case { const char *name; P::Permissions file, folder; OpenStep expected; };
    const Case cases[] = {
        {"writable", read | write, read | write | enter, OpenStep::Opened},
        {"file", read, read | write | enter, OpenStep::WriteProtected},
        {"folder", read | write, read | enter, OpenStep::WriteProtected},  // where the journal goes
        {"unreadable", {}, read | write | enter, OpenStep::Unreadable},
    };
    for (const Case &c : cases) {
        const QString path = path_in(dir, QString::fromLatin1(c.name));
        write_file(path, database_bytes());
        ASSERT_TRUE(QFile::setPermissions(path, c.file));
        ASSERT_TRUE(QFile::setPermissions(QFileInfo(path).path(), c.folder));
        const OpenAttempt attempt = open_in_worker(path, command);
        EXPECT_EQ(attempt.step, int(c.expected)) << c.name << ": " << attempt.detail.toStdString();
        if (c.expected == OpenStep::WriteProtected) {
            EXPECT_TRUE(attempt.detail.contains(QStringLiteral("''%1''").arg(path))) << attempt.detail.toStdString();
        } else if (c.expected == OpenStep::Unreadable) {
            EXPECT_EQ(attempt.detail, QStringLiteral("Permission denied"));
        }
        // Removable with the rest.
        ASSERT_TRUE(QFile::setPermissions(QFileInfo(path).path(), read | write | enter));
    }
}
