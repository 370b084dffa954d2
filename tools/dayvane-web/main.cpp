// dayvane-web: the maker's web server on the loopback interface, for tests
// and demonstrations: the on-line help, news and contact pages, the news
// version and the holiday-list exchange.

#include "holidaydata.h"
#include "webserver.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QFile>

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

std::optional<int> whole_number(const QString &text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// The built-in lists cover last year to the year after next, as the
// maker's server offers them.
QString built_in_holiday_reply()
{
    const int year = QDate::currentDate().year();
    return holiday_reply(holiday_payload(year - 1, year + 2));
}

// A file that already holds the separator is served as the whole reply, so
// that malformed replies can be tried; any other file is the payload.
std::optional<QString> holiday_reply_from_file(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        complain(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    const QString text = QString::fromUtf8(file.readAll());
    return text.contains(kHolidayReplySeparator) ? text : holiday_reply(text);
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
        {QStringLiteral("incomplete"), QStringLiteral("Cut the first N holiday replies short (default 0)."),
         QStringLiteral("N"), QStringLiteral("0")},
        {QStringLiteral("holiday-file"),
         QStringLiteral("Serve this holiday payload instead of the built-in lists; a file holding "
                        "~boundary~ is served as the whole reply."),
         QStringLiteral("PATH")},
    });
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
    const auto incomplete = whole_number(parser.value(QStringLiteral("incomplete")), 0, 1000000);
    if (!address) {
        complain(QStringLiteral("%1 is not a loopback address; this server listens on loopback only").arg(host));
        return std::nullopt;
    }
    if (!port || !incomplete) {
        complain(QStringLiteral("--port takes 0 to 65535 and --incomplete a number from 0"));
        return std::nullopt;
    }
    settings.host = *address;
    settings.port = *port;
    settings.incomplete_replies = *incomplete;
    settings.news_version = parser.value(QStringLiteral("news-version"));
    options.print_port = parser.isSet(QStringLiteral("print-port"));
    if (parser.isSet(QStringLiteral("holiday-file"))) {
        const auto reply = holiday_reply_from_file(parser.value(QStringLiteral("holiday-file")));
        if (!reply)
            return std::nullopt;
        settings.holiday_reply = *reply;
    } else {
        settings.holiday_reply = built_in_holiday_reply();
    }
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
    const std::optional<Options> options = read_options(app);
    if (!options)
        return 2;

    WebServer server(options->settings);
    const int port = server.start();
    if (port < 0) {
        complain(QStringLiteral("cannot listen on %1 port %2")
                     .arg(QString::fromStdString(options->settings.host))
                     .arg(options->settings.port));
        return 1;
    }
    if (options->print_port) {
        std::printf("%d\n", port);
        std::fflush(stdout);
    }
    complain(QStringLiteral("serving http://%1:%2/ (Ctrl+C stops)").arg(url_host(options->settings.host)).arg(port));

    const bool signalled = wait_for_stop_signal(server);
    server.stop();
    complain(signalled ? QStringLiteral("stopped") : QStringLiteral("the server stopped unexpectedly"));
    return signalled ? 0 : 1;
}
