// dayvane-web: the maker's web server on the loopback interface, for tests
// and demonstrations: the on-line help, news and contact pages, the news
// version and the holiday-list exchange.

#include "holidaylists.h"
#include "pages.h"
#include "webserver.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <optional>

namespace {

using namespace dayvane;

void complain(const QString &message)
{
    std::fprintf(stderr, "dayvane-web: %s\n", qPrintable(message));
}

struct Options
{
    WebServerSettings settings;
    bool print_port = false;
};

struct YearSpan
{
    int first = 0;
    int last = 0;
};

std::optional<int> whole_number(const QString &text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// "2024-2030"; nullopt for anything else.
std::optional<YearSpan> year_span(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{4})-(\\d{4})$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const YearSpan span{match.captured(1).toInt(), match.captured(2).toInt()};
    return span.first <= span.last ? std::optional<YearSpan>(span) : std::nullopt;
}

// A folder the project ships: beside the program, or where the package
// installs it (the program in libexec/dayvane/, its folders in
// share/dayvane/web/), else in the source tree the program was built from.
QString shipped_folder(const QString &name)
{
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString &folder : {program.filePath(name), program.filePath(QStringLiteral("../../share/dayvane/web/") + name)}) {
        if (QDir(folder).exists())
            return QDir::cleanPath(folder);
    }
    return QDir(QStringLiteral(DAYVANE_WEB_SOURCE_DIR)).filePath(name);
}

// The reply built from the lists of the data folder, narrowed to the lists
// whose codes match `codes` unless it is empty; nullopt when a code matches
// no list, which is more likely a slip than a wish for nothing.
std::optional<QString> reply_from_folder(const QString &folder, const std::optional<YearSpan> &years,
                                         const QStringList &codes)
{
    if (!QDir(folder).exists()) {
        complain(QStringLiteral("no data folder %1").arg(folder));
        return std::nullopt;
    }
    // Recurring iCalendar events need bounds even when all years are served.
    const int this_year = QDate::currentDate().year();
    const YearSpan expand = years.value_or(YearSpan{this_year - 2, this_year + 4});
    QStringList warnings;
    std::vector<HolidayList> lists = load_holiday_folder(folder, expand.first, expand.last, &warnings);
    for (const QString &warning : warnings)
        complain(warning);
    if (years)
        keep_years(lists, years->first, years->last);
    if (!codes.isEmpty()) {
        const QStringList unmatched = keep_lists(lists, codes);
        if (!unmatched.isEmpty()) {
            complain(QStringLiteral("--lists: no list in %1 has a code matching %2").arg(folder, unmatched.join(u',')));
            return std::nullopt;
        }
    }
    QStringList left_out;
    fit_payload(lists, kMaxWebPayloadBytes, &left_out);
    for (const QString &warning : left_out)
        complain(warning);
    int holidays = 0;
    for (const HolidayList &list : lists)
        for (const auto &year : list.years)
            holidays += int(year.second.size());
    complain(QStringLiteral("%1 holiday lists, %2 holidays, from %3").arg(lists.size()).arg(holidays).arg(folder));
    return holiday_reply(holiday_payload(lists));
}

// A file that already holds the separator is served as the whole reply, so
// that malformed replies can be tried; any other file is the payload. A file
// larger than a client accepts is refused.
std::optional<QString> reply_from_file(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        complain(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kMaxWebPayloadBytes + 1);
    if (bytes.size() > kMaxWebPayloadBytes) {
        complain(QStringLiteral("%1 is larger than the %2 bytes of a holiday reply a client accepts")
                     .arg(path)
                     .arg(kMaxWebPayloadBytes));
        return std::nullopt;
    }
    const QString text = QString::fromUtf8(bytes);
    return text.contains(kWebReplySeparator) ? text : holiday_reply(text);
}

void add_options(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Serves the Dayvane help, news and contact pages and the holiday-list exchange on the loopback interface."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("host"), QStringLiteral("Loopback address to listen on (default 127.0.0.1)."),
         QStringLiteral("ADDR"), QStringLiteral("127.0.0.1")},
        {QStringLiteral("port"), QStringLiteral("Port to listen on; 0 picks a free one (default 8080)."),
         QStringLiteral("N"), QStringLiteral("8080")},
        {QStringLiteral("news-version"), QStringLiteral("Text of the current news version (default 1)."),
         QStringLiteral("TEXT"), QStringLiteral("1")},
        {QStringLiteral("print-port"), QStringLiteral("Print the bound port on stdout as the first line.")},
        {QStringLiteral("pages"), QStringLiteral("Folder of the web pages (default: the shipped pages folder)."),
         QStringLiteral("DIR")},
        {QStringLiteral("data"),
         QStringLiteral("Folder of the holiday lists, *.holidays and *.ics files (default: the shipped data folder)."),
         QStringLiteral("DIR")},
        {QStringLiteral("years"),
         QStringLiteral("Offer only the years FIRST-LAST, e.g. 2025-2027; recurring iCalendar events are expanded "
                        "over them (default: all years; recurring events from two years ago to four years ahead)."),
         QStringLiteral("FIRST-LAST")},
        {QStringLiteral("lists"),
         QStringLiteral("Offer only the lists with these codes, separated by commas: a country (de), a region "
                        "(de-by), a pattern (us-*: the regions of the United States), a dropped-in file's base name "
                        "(default: all lists)."),
         QStringLiteral("CODES")},
        {QStringLiteral("holiday-file"),
         QStringLiteral("Serve this holiday payload instead of the data folder's lists; a file holding "
                        "~boundary~ is served as the whole reply."),
         QStringLiteral("PATH")},
        {QStringLiteral("truncate"), QStringLiteral("Cut the first N holiday replies short (default 0)."),
         QStringLiteral("N"), QStringLiteral("0")},
        {QStringLiteral("truncate-once"), QStringLiteral("Cut the first holiday reply short (as --truncate 1).")},
        {QStringLiteral("split"), QStringLiteral("Send holiday replies in small pieces with short pauses.")},
        {QStringLiteral("split-bytes"), QStringLiteral("Size of the pieces of --split (default 256)."),
         QStringLiteral("N"), QStringLiteral("256")},
        {QStringLiteral("hold"), QStringLiteral("Never answer holiday requests (a server that hangs).")},
    });
}

std::optional<QString> holiday_reply_of(const QCommandLineParser &parser)
{
    if (parser.isSet(QStringLiteral("holiday-file")))
        return reply_from_file(parser.value(QStringLiteral("holiday-file")));
    std::optional<YearSpan> years;
    if (parser.isSet(QStringLiteral("years"))) {
        years = year_span(parser.value(QStringLiteral("years")));
        if (!years) {
            complain(QStringLiteral("--years takes FIRST-LAST, e.g. 2025-2027"));
            return std::nullopt;
        }
    }
    QStringList codes;
    if (parser.isSet(QStringLiteral("lists"))) {
        codes = parser.value(QStringLiteral("lists")).split(u',', Qt::SkipEmptyParts);
        codes.removeIf([](const QString &code) { return code.trimmed().isEmpty(); });
        if (codes.isEmpty()) {
            complain(QStringLiteral("--lists takes codes separated by commas, e.g. de,de-by,us-*"));
            return std::nullopt;
        }
    }
    const QString folder = parser.isSet(QStringLiteral("data")) ? parser.value(QStringLiteral("data"))
                                                                 : shipped_folder(QStringLiteral("data"));
    return reply_from_folder(folder, years, codes);
}

// Reads and checks the options; nullopt after a message on stderr.
std::optional<Options> read_options(const QCoreApplication &app)
{
    QCommandLineParser parser;
    add_options(parser);
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        complain(QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));
        return std::nullopt;
    }
    Options options;
    WebServerSettings &settings = options.settings;
    const QString host = parser.value(QStringLiteral("host"));
    const auto address = loopback_bind_address(host);
    const auto port = whole_number(parser.value(QStringLiteral("port")), 0, 65535);
    const auto truncate = whole_number(parser.value(QStringLiteral("truncate")), 0, 1000000);
    const auto split_bytes = whole_number(parser.value(QStringLiteral("split-bytes")), 1, 1 << 20);
    if (!address) {
        complain(QStringLiteral("%1 is not a loopback address; this server listens on loopback only").arg(host));
        return std::nullopt;
    }
    if (!port || !truncate || !split_bytes) {
        complain(QStringLiteral("--port takes 0 to 65535, --truncate a number from 0, --split-bytes 1 to 1048576"));
        return std::nullopt;
    }
    settings.host = *address;
    settings.port = *port;
    settings.news_version = parser.value(QStringLiteral("news-version"));
    settings.modes.truncate_replies = parser.isSet(QStringLiteral("truncate-once")) ? std::max(1, *truncate) : *truncate;
    settings.modes.split = parser.isSet(QStringLiteral("split"));
    settings.modes.split_bytes = *split_bytes;
    settings.modes.hold = parser.isSet(QStringLiteral("hold"));
    options.print_port = parser.isSet(QStringLiteral("print-port"));

    const QString pages_folder = parser.isSet(QStringLiteral("pages")) ? parser.value(QStringLiteral("pages"))
                                                                        : shipped_folder(QStringLiteral("pages"));
    QString error;
    std::optional<PageFolder> pages = PageFolder::load(pages_folder, settings.news_version, &error);
    if (!pages) {
        complain(error);
        return std::nullopt;
    }
    settings.pages = std::move(*pages);
    const std::optional<QString> reply = holiday_reply_of(parser);
    if (!reply)
        return std::nullopt;
    settings.holiday_reply = *reply;
    return options;
}

sigset_t stop_signals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

// Waits for SIGINT or SIGTERM, which every thread keeps blocked, so no
// handler runs inside the server's threads. True for a signal, false when
// the server stopped by itself.
bool wait_for_stop_signal(const WebServer &server)
{
    const sigset_t set = stop_signals();
    const timespec tick{0, 200 * 1000 * 1000};
    while (server.running()) {
        if (sigtimedwait(&set, nullptr, &tick) > 0)
            return true;
    }
    return false;
}

QString url_host(const std::string &address)
{
    const QString host = QString::fromStdString(address);
    return host.contains(u':') ? u'[' + host + u']' : host;
}

} // namespace

int main(int argc, char *argv[])
{
    // Before any thread exists, so that all of them inherit the mask.
    const sigset_t blocked = stop_signals();
    pthread_sigmask(SIG_BLOCK, &blocked, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dayvane-web"));
    std::optional<Options> options = read_options(app);
    if (!options)
        return 2;

    const std::string host = options->settings.host;
    const int wanted_port = options->settings.port;
    WebServer server(std::move(options->settings));
    const int port = server.start();
    if (port < 0) {
        complain(QStringLiteral("cannot listen on %1 port %2").arg(QString::fromStdString(host)).arg(wanted_port));
        return 1;
    }
    if (options->print_port) {
        std::printf("%d\n", port);
        std::fflush(stdout);
    }
    complain(QStringLiteral("serving http://%1:%2/ (Ctrl+C stops)").arg(url_host(host)).arg(port));

    const bool signalled = wait_for_stop_signal(server);
    server.stop();
    complain(signalled ? QStringLiteral("stopped") : QStringLiteral("the server stopped unexpectedly"));
    return signalled ? 0 : 1;
}
