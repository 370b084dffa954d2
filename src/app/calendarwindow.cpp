#include "app/calendarwindow.h"

#include "app/mainmenu.h"
#include "app/opendatabase.h"
#include "app/settingsfile.h"
#include "ui_common/appstate.h"
#include "ui_common/geometry.h"
#include "ui_common/gridhelpers.h"
#include "ui_common/interaction.h"
#include "ui_common/keyboard.h"
#include "ui_common/menutree.h"
#include "ui_common/webpages.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTextCharFormat>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dayvane {

namespace {

constexpr int kWindowWidthTwips = 8250;
constexpr int kMinimumHeightTwips = 6480;
constexpr int kDesignHeightTwips = 9300;
constexpr int kEventGridRows = 49;  // 50 with the header row

const QString kDaysZero = QStringLiteral("0 days");
const QString kTimeZero = QStringLiteral("0h 0m");

const QStringList kYearDayLabels = {
    QStringLiteral("lbl_year_work_typical_days"), QStringLiteral("lbl_year_work_altered_days"),
    QStringLiteral("lbl_year_work_total_days"), QStringLiteral("lbl_year_no_work_pay_only_days"),
    QStringLiteral("lbl_year_pay_days")};
const QStringList kYearTimeLabels = {
    QStringLiteral("lbl_year_work_typical_time"), QStringLiteral("lbl_year_work_altered_time"),
    QStringLiteral("lbl_year_work_total_time"), QStringLiteral("lbl_year_pay_time")};
const QStringList kMonthDayLabels = {
    QStringLiteral("lbl_month_work_typical_days"), QStringLiteral("lbl_month_work_altered_days"),
    QStringLiteral("lbl_month_work_total_days"), QStringLiteral("lbl_month_no_work_pay_only_days"),
    QStringLiteral("lbl_month_pay_days")};
const QStringList kMonthTimeLabels = {
    QStringLiteral("lbl_month_work_typical_time"), QStringLiteral("lbl_month_work_altered_time"),
    QStringLiteral("lbl_month_work_total_time"), QStringLiteral("lbl_month_pay_time")};

QLabel *make_label(const QString &name, const QString &text = QString())
{
    auto *label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

QString month_name(int month)
{
    return QLocale::c().standaloneMonthName(month, QLocale::LongFormat);
}

} // namespace

CalendarWindow::CalendarWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("calendar"));
    setWindowTitle(QStringLiteral("Dayvane"));
    app_state().main_window = this;
    build_widgets();
    build_command_tree();
    build_commands();
    install_window_keys(this, false);

    m_news_timer.setObjectName(QStringLiteral("news_timer"));
    m_news_timer.setParent(this);
    m_news_timer.setInterval(1000);
    connect(&m_news_timer, &QTimer::timeout, this, &CalendarWindow::news_tick);

    setFixedWidth(twips_to_pixels(kWindowWidthTwips));
    setMinimumHeight(twips_to_pixels(kMinimumHeightTwips));
    resize(width(), twips_to_pixels(kDesignHeightTwips));
}

CalendarWindow::~CalendarWindow()
{
    if (app_state().main_window == this)
        app_state().main_window = nullptr;
}

void CalendarWindow::build_widgets()
{
    auto *central = new QWidget;
    auto *columns = new QHBoxLayout(central);
    columns->setContentsMargins(4, 4, 4, 4);

    m_menu_tree = new QTreeWidget;
    m_menu_tree->setObjectName(QStringLiteral("menu_tree"));
    m_menu_tree->setFixedWidth(twips_to_pixels(2900));
    m_menu_tree->setIndentation(twips_to_pixels(180));
    columns->addWidget(m_menu_tree);

    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    QLabel *name = make_label(QStringLiteral("lbl_calendar_name"), QStringLiteral("No calendar loaded"));
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    right->addWidget(name);
    right->addWidget(build_month_view());
    right->addWidget(build_summary());
    right->addWidget(build_day_detail());

    m_event_grid = new QTableWidget;
    m_event_grid->setObjectName(QStringLiteral("calendar_event_dates_grid"));
    m_event_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_event_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_event_grid->verticalHeader()->setVisible(false);
    m_event_grid->verticalHeader()->setDefaultSectionSize(m_event_grid->fontMetrics().height() + 4);
    m_event_grid->setMinimumHeight(twips_to_pixels(900));
    right->addWidget(m_event_grid, 1);
    columns->addLayout(right, 1);
    setCentralWidget(central);

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("status"));
    statusBar()->setObjectName(QStringLiteral("status_bar"));
    statusBar()->addWidget(m_status, 1);
    reset_event_grid();
}

QWidget *CalendarWindow::build_month_view()
{
    auto *box = new QWidget;
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);

    m_month_tree = new QTreeWidget;
    m_month_tree->setObjectName(QStringLiteral("calendar_month_tree"));
    m_month_tree->setHeaderHidden(true);
    m_month_tree->setRootIsDecorated(false);
    m_month_tree->setFixedHeight(m_month_tree->fontMetrics().height() + 8);
    m_month_tree->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_month_tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    build_menu(m_month_tree, {MenuNode{QStringLiteral("month"), QString(), QString(), true, QColor(255, 255, 192)}});
    set_tree_back_colour(m_month_tree, QColor(87, 166, 136));
    grid->addWidget(m_month_tree, 0, 0);

    auto *work_heading = make_label(QString(), QStringLiteral("Work"));
    auto *pay_heading = make_label(QString(), QStringLiteral("Pay"));
    work_heading->setAlignment(Qt::AlignCenter);
    pay_heading->setAlignment(Qt::AlignCenter);
    grid->addWidget(work_heading, 0, 1);
    grid->addWidget(pay_heading, 0, 2);

    m_calendar = new QCalendarWidget;
    m_calendar->setObjectName(QStringLiteral("calendar"));
    m_calendar->setLocale(QLocale::c());
    m_calendar->setFirstDayOfWeek(Qt::Sunday);
    m_calendar->setNavigationBarVisible(false);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    m_calendar->setGridVisible(true);
    grid->addWidget(m_calendar, 1, 0);

    // Week totals beside each of the six rows of the month grid, kept level
    // with the rows as the grid resizes.
    m_weeks = new QWidget;
    m_weeks->setObjectName(QStringLiteral("week_totals"));
    for (int i = 1; i <= 6; ++i) {
        for (const char *array : {"work_week", "pay_week"}) {
            QLabel *label = make_label(QString::fromLatin1(array), kTimeZero);
            label->setParent(m_weeks);
            label->setProperty("index", i);
            label->setAlignment(Qt::AlignCenter);
        }
    }
    const int column_width = m_weeks->fontMetrics().horizontalAdvance(QStringLiteral("000h 00m")) + 6;
    m_weeks->setMinimumWidth(2 * column_width);
    grid->addWidget(m_weeks, 1, 1, 1, 2);
    m_calendar_view = m_calendar->findChild<QTableView *>();
    if (m_calendar_view)
        m_calendar_view->viewport()->installEventFilter(this);

    m_month_list = new QListWidget(this);
    m_month_list->setObjectName(QStringLiteral("month_list"));
    for (int month = 1; month <= 12; ++month)
        m_month_list->addItem(month_name(month));
    m_month_list->hide();
    return box;
}

QWidget *CalendarWindow::build_summary()
{
    auto *frame = new QGroupBox(QStringLiteral("Summary"));
    frame->setObjectName(QStringLiteral("frame_calendar_summary"));
    auto *grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(1);
    grid->addWidget(make_label(QStringLiteral("lbl_summary_month")), 0, 1, 1, 2, Qt::AlignCenter);
    grid->addWidget(make_label(QStringLiteral("lbl_summary_year")), 0, 3, 1, 2, Qt::AlignCenter);

    struct Row
    {
        const char *caption;
        const char *days;  // label name without its "lbl_month_"/"lbl_year_" prefix
        const char *time;  // nullptr: the row has no time
    };
    const Row rows[] = {
        {"Typical workdays", "work_typical_days", "work_typical_time"},
        {"Altered workdays", "work_altered_days", "work_altered_time"},
        {"Total workdays", "work_total_days", "work_total_time"},
        {"Paid / no work", "no_work_pay_only_days", nullptr},
        {"Paid days", "pay_days", "pay_time"},
    };
    int r = 1;
    for (const Row &row : rows) {
        grid->addWidget(new QLabel(QString::fromLatin1(row.caption)), r, 0);
        int column = 1;
        for (const char *period : {"lbl_month_", "lbl_year_"}) {
            grid->addWidget(make_label(QString::fromLatin1(period) + QString::fromLatin1(row.days), kDaysZero), r,
                            column, Qt::AlignRight);
            if (row.time)
                grid->addWidget(make_label(QString::fromLatin1(period) + QString::fromLatin1(row.time), kTimeZero), r,
                                column + 1, Qt::AlignRight);
            column += 2;
        }
        ++r;
    }
    grid->setColumnStretch(0, 1);
    return frame;
}

QWidget *CalendarWindow::build_day_detail()
{
    auto *frame = new QGroupBox(QStringLiteral("Selected day"));
    frame->setObjectName(QStringLiteral("frame_day"));
    auto *grid = new QGridLayout(frame);
    grid->setVerticalSpacing(1);
    grid->addWidget(make_label(QStringLiteral("lbl_cal_date")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("From")), 0, 1, Qt::AlignRight);
    grid->addWidget(make_label(QStringLiteral("lbl_start_time")), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("To")), 0, 3, Qt::AlignRight);
    grid->addWidget(make_label(QStringLiteral("lbl_end_time")), 0, 4);
    grid->addWidget(new QLabel(QStringLiteral("Worked")), 1, 1, Qt::AlignRight);
    grid->addWidget(make_label(QStringLiteral("lbl_work_time"), kTimeZero), 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Paid")), 1, 3, Qt::AlignRight);
    grid->addWidget(make_label(QStringLiteral("lbl_paid_time"), kTimeZero), 1, 4);
    QLabel *event = make_label(QStringLiteral("lbl_event"));
    event->setWordWrap(true);
    grid->addWidget(event, 2, 0, 1, 5);
    grid->setColumnStretch(0, 1);
    return frame;
}

bool CalendarWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (m_calendar_view && watched == m_calendar_view->viewport() && event->type() == QEvent::Resize)
        QTimer::singleShot(0, this, &CalendarWindow::place_week_labels);
    return QMainWindow::eventFilter(watched, event);
}

void CalendarWindow::place_week_labels()
{
    if (!m_calendar_view)
        return;
    const int half = m_weeks->width() / 2;
    for (QLabel *label : m_weeks->findChildren<QLabel *>()) {
        // Row 0 of the grid holds the day names.
        const int row = label->property("index").toInt();
        const QPoint top = m_calendar_view->viewport()->mapTo(
            m_weeks->parentWidget(), QPoint(0, m_calendar_view->rowViewportPosition(row)));
        const int left = label->objectName() == QLatin1String("work_week") ? 0 : half;
        label->setGeometry(left, top.y() - m_weeks->y(), half, m_calendar_view->rowHeight(row));
    }
}

void CalendarWindow::build_command_tree()
{
    build_menu(m_menu_tree, main_menu_nodes());
    for (const QString &key : main_menu_expanded_headings())
        find_menu_node(m_menu_tree, key)->setExpanded(true);
    set_tree_back_colour(m_menu_tree, QColor(211, 240, 193));
    connect_menu(m_menu_tree, MenuStyle::Headings, [this] { process_menu(); });
}

void CalendarWindow::build_commands()
{
    set_command(QStringLiteral("close"), [this] { close(); });
    set_command(QStringLiteral("clear_system_password"), [this] { clear_system_password(); });
    set_command(QStringLiteral("set_db"), [this] { set_db(); });
    set_command(QStringLiteral("on_line_help"), [this] { open_online_help(this); });
    set_command(QStringLiteral("news"), [this] { open_news(); });
    set_command(QStringLiteral("contact_corvantelle"), [this] { open_web_page(this, WebPage::Contact); });
    set_command(QStringLiteral("website"), [this] { open_web_page(this, WebPage::Home); });
    // The windows these open are plugged in by their own folders; the
    // connection guard already applies.
    for (const char *key : {"enter_system_password", "users", "open_calendar_list", "holiday_listing"})
        set_command(QString::fromLatin1(key), [] {}, true);
}

void CalendarWindow::set_command(const QString &key, std::function<void()> command, bool guarded)
{
    if (guarded) {
        m_commands[key] = [command = std::move(command)] {
            if (check_operation_allowed(true))
                command();
        };
    } else {
        m_commands[key] = std::move(command);
    }
}

void CalendarWindow::process_menu()
{
    run_command(selected_menu_key(m_menu_tree));
}

void CalendarWindow::run_command(const QString &key)
{
    const auto it = m_commands.find(key);
    if (it != m_commands.end())
        it->second();
}

void CalendarWindow::start()
{
    AppState &state = app_state();
    const QDate today = QDate::currentDate();
    m_calendar->setSelectedDate(today);
    state.current_date = today;
    set_month_node_text(today.month());

    const Settings settings = read_settings_file(settings_file_path());
    if (settings.anything_read) {
        if (settings.db_path)
            state.db_path = *settings.db_path;
        if (settings.news_version) {
            state.news_version = *settings.news_version;
            state.latest_news_version = *settings.news_version;
        }
        if (settings.top)
            move(x(), twips_to_pixels(*settings.top));
        if (settings.left)
            move(twips_to_pixels(*settings.left), y());
        if (settings.height)
            resize(width(), twips_to_pixels(*settings.height));
        if (settings.view_index)
            state.calendar_id = *settings.view_index;
        if (settings.calendar_date) {
            m_calendar->setSelectedDate(*settings.calendar_date);
            state.current_date = *settings.calendar_date;
        }
    }
    clear_calendar_data(2);
    show();
    if (!settings.anything_read) {
        // Centred once shown, when the window frame's size is known.
        const QRect area = work_area(this);
        move(area.left() + (area.width() - frameGeometry().width()) / 2,
             area.top() + (area.height() - frameGeometry().height()) / 2);
    }

    state.db_connected = open_database(this, false);
    if (state.calendar_id != 0 && state.db_connected) {
        set_month_node_text(m_calendar->selectedDate().month());
        run_command(QStringLiteral("reload_calendar"));
    }
}

void CalendarWindow::set_month_node_text(int month)
{
    m_month_tree->topLevelItem(0)->setText(0, month_name(month));
}

void CalendarWindow::clear_calendar_data(int scope)
{
    AppState &state = app_state();
    const auto set_text = [this](const QString &name, const QString &text) {
        if (QLabel *label = findChild<QLabel *>(name))
            label->setText(text);
    };
    if (scope == 1) {
        state.calendar_id = 0;
        state.calendar_name.clear();
        state.calendar_revision = 0;
        state.selected_day_id = 0;
        state.first_shown_date = QDate();
        state.last_shown_date = QDate();
        state.calendar_loaded = false;
    }
    if (scope <= 2) {
        state.calendar_loaded = false;
        set_text(QStringLiteral("lbl_calendar_name"), QStringLiteral("No calendar loaded"));
        set_text(QStringLiteral("lbl_summary_year"), QString());
        for (const QString &name : kYearDayLabels)
            set_text(name, kDaysZero);
        for (const QString &name : kYearTimeLabels)
            set_text(name, kTimeZero);
    }
    if (scope <= 3) {
        for (QLabel *label : findChildren<QLabel *>(QStringLiteral("work_week")))
            label->setText(kTimeZero);
        for (QLabel *label : findChildren<QLabel *>(QStringLiteral("pay_week")))
            label->setText(kTimeZero);
        m_calendar->setDateTextFormat(QDate(), QTextCharFormat());
        set_text(QStringLiteral("lbl_summary_month"), QString());
        for (const QString &name : kMonthDayLabels)
            set_text(name, kDaysZero);
        for (const QString &name : kMonthTimeLabels)
            set_text(name, kTimeZero);
    }
    if (scope <= 4) {
        for (const char *name : {"lbl_cal_date", "lbl_start_time", "lbl_end_time", "lbl_event"})
            set_text(QString::fromLatin1(name), QString());
        set_text(QStringLiteral("lbl_work_time"), kTimeZero);
        set_text(QStringLiteral("lbl_paid_time"), kTimeZero);
    }
    if (scope <= 2 || scope == 5)
        reset_event_grid();
}

void CalendarWindow::reset_event_grid()
{
    m_event_grid->clear();
    m_event_grid->setColumnCount(6);
    m_event_grid->setRowCount(kEventGridRows);
    m_event_grid->setHorizontalHeaderLabels(
        {QStringLiteral("Date"), QStringLiteral("Events"), QStringLiteral("Work"), QStringLiteral("Pay"), QString(), QString()});
    const int widths[] = {790, 2340, 930, 930};
    for (int column = 0; column < 4; ++column)
        m_event_grid->setColumnWidth(column, twips_to_pixels(widths[column]));
    m_event_grid->setColumnHidden(4, true);
    m_event_grid->setColumnHidden(5, true);
    // The events column takes what the narrow window leaves.
    m_event_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    for (int row = 0; row < kEventGridRows; ++row)
        set_row_data(m_event_grid, row, 0);
}

void CalendarWindow::write_ini()
{
    if (isMinimized())
        showNormal();
    // Pulled back inside the work area, so the next start shows it whole.
    const QRect area = work_area(this);
    QPoint pos = this->pos();
    const QSize size = frameGeometry().size();
    if (area.top() > pos.y())
        pos.setY(area.top());
    if (area.left() > pos.x())
        pos.setX(area.left());
    if (pos.y() + size.height() > area.top() + area.height())
        pos.setY(area.top() + area.height() - size.height());
    if (pos.x() + size.width() > area.left() + area.width())
        pos.setX(area.left() + area.width() - size.width());
    move(pos);

    const AppState &state = app_state();
    SettingsToWrite settings;
    settings.db_path = state.db_path;
    settings.news_version = state.news_version;
    settings.top = pixels_to_twips(pos.y());
    settings.left = pixels_to_twips(pos.x());
    settings.height = pixels_to_twips(height());
    settings.calendar_id = state.calendar_id;
    settings.calendar_date = m_calendar->selectedDate();
    write_settings_file(settings_file_path(), settings);
}

void CalendarWindow::closeEvent(QCloseEvent *event)
{
    if (!interaction().ask_yes_no(this, QStringLiteral("QZ Calendar"), QStringLiteral("Close Calendar application?"),
                                  MessageIcon::Question)) {
        event->ignore();
        return;
    }
    write_ini();
    event->accept();
}

void CalendarWindow::set_db()
{
    AppState &state = app_state();
    if (state.database
        && !interaction().ask_yes_no(this, kMessageTitle, QStringLiteral("The connection to the current database will be closed."),
                                     MessageIcon::Information))
        return;
    clear_calendar_data(1);
    state.db_connected = open_database(this, true);
}

void CalendarWindow::clear_system_password()
{
    app_state().entered_system_password.clear();
    inform(this, QStringLiteral("The system password has been cleared."));
}

void CalendarWindow::set_latest_news_version(const QString &version)
{
    AppState &state = app_state();
    state.latest_news_version = version;
    if (version == state.news_version)
        return;
    find_menu_node(m_menu_tree, QStringLiteral("customer_service"))->setForeground(0, QColor(255, 0, 0));
    QTreeWidgetItem *news = find_menu_node(m_menu_tree, QStringLiteral("news"));
    for (QTreeWidgetItem *parent = news->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    m_menu_tree->scrollToItem(news);
    m_news_bold_next = true;
    m_news_timer.start();
}

void CalendarWindow::news_tick()
{
    QTreeWidgetItem *news = find_menu_node(m_menu_tree, QStringLiteral("news"));
    const bool bold = m_news_bold_next;
    m_news_bold_next = !m_news_bold_next;
    bool shown = true;
    for (QTreeWidgetItem *parent = news->parent(); parent; parent = parent->parent())
        shown = shown && parent->isExpanded();
    if (!shown || !m_menu_tree->viewport()->rect().intersects(m_menu_tree->visualItemRect(news)))
        return;
    QFont font = news->font(0);
    font.setBold(bold);
    news->setFont(0, font);
    news->setForeground(0, bold ? QColor(255, 0, 0) : QColor(Qt::black));
}

void CalendarWindow::set_news_nodes_plain()
{
    find_menu_node(m_menu_tree, QStringLiteral("customer_service"))->setForeground(0, QColor(Qt::black));
    QTreeWidgetItem *news = find_menu_node(m_menu_tree, QStringLiteral("news"));
    QFont font = news->font(0);
    font.setBold(false);
    news->setFont(0, font);
    news->setForeground(0, QColor(Qt::black));
}

void CalendarWindow::open_news()
{
    if (!open_web_page(this, WebPage::News))
        return;
    app_state().news_version = app_state().latest_news_version;
    m_news_timer.stop();
    set_news_nodes_plain();
}

void CalendarWindow::check_news_version()
{
    auto *network = new QNetworkAccessManager(this);
    QNetworkReply *reply = network->get(QNetworkRequest(web_server_url(QStringLiteral("/cs/news_version.txt"))));
    connect(reply, &QNetworkReply::finished, this, [this, reply, network] {
        if (reply->error() == QNetworkReply::NoError) {
            const QString version = QString::fromUtf8(reply->readAll()).trimmed();
            if (!version.isEmpty())
                set_latest_news_version(QString::number(leading_number(version), 'g', 15));
        }
        reply->deleteLater();
        network->deleteLater();
    });
}

} // namespace dayvane
