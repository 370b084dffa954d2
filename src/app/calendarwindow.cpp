#include "app/calendarwindow.h"

#include "app/calendarpanels.h"
#include "app/calendarviews.h"
#include "app/calendarwatch.h"
#include "app/mainmenu.h"
#include "app/monthgrid.h"
#include "app/monthpicker.h"
#include "app/opendatabase.h"
#include "app/settingsfile.h"
#include "app/workstationsettingswindow.h"
#include "calendars/calendarlistwindow.h"
#include "calendaryear/calendaryear.h"
#include "dialogs/aboutwindow.h"
#include "editor/calendareditwindow.h"
#include "holidays/holidaylistingwindow.h"
#include "history/changehistorywindow.h"
#include "store/dberror.h"
#include "store/serveraddress.h"
#include "store/serversecurity.h"
#include "ui_common/appstate.h"
#include "ui_common/geometry.h"
#include "ui_common/interaction.h"
#include "ui_common/keyboard.h"
#include "ui_common/menutree.h"
#include "ui_common/readablecolour.h"
#include "ui_common/webpages.h"
#include "ui_common/windowsizes.h"
#include "users/security.h"
#include "users/systempasswordwindow.h"
#include "users/userlistwindow.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QShortcut>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace dayvane {

namespace {

constexpr int kWindowWidthTwips = 8250;
constexpr int kMinimumHeightTwips = 6480;
constexpr int kDesignHeightTwips = 9300;
const QString kTimeZero = QStringLiteral("0h 0m");
// Customer service and news while there is news to read; darkened where
// needed to read on the command tree.
const QColor kNewsColour(255, 0, 0);
// A file is shared by a few workstations: a look every few seconds costs it
// one small read.
constexpr int kWatchIntervalMs = 3000;

} // namespace

CalendarWindow::CalendarWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("calendar"));
    setWindowTitle(QStringLiteral("Dayvane"));
    app_state().main_window = this;
    app_state().main_link = this;
    install_system_password_check();
    build_widgets();
    m_views = new CalendarViews({this, m_calendar, m_month_tree, m_month_list, m_previous_month, m_next_month,
                                 m_event_grid},
                                this);
    build_command_tree();
    build_commands();
    install_window_keys(this, false);

    // The editor is the one window in front that wants to know: it tells
    // its user before the save is refused. Any other waits for the reload.
    const auto editor_in_front = [] { return qobject_cast<CalendarEditWindow *>(QApplication::activeModalWidget()); };
    m_watch = new CalendarWatch(
        [editor_in_front] {
            const AppState &state = app_state();
            return (!QApplication::activeModalWidget() || editor_in_front()) && state.database
                   && !state.database->in_transaction();
        },
        [this, editor_in_front](qint32) {
            if (CalendarEditWindow *editor = editor_in_front()) {
                editor->tell_calendar_changed();
                return false;
            }
            reload_and_redraw();
            return true;
        },
        this);
    m_watch->set_interval(kWatchIntervalMs);

    m_news_timer.setObjectName(QStringLiteral("news_timer"));
    m_news_timer.setParent(this);
    m_news_timer.setInterval(1000);
    connect(&m_news_timer, &QTimer::timeout, this, &CalendarWindow::news_tick);

    // The layout keeps every text whole at the desktop's font; the width
    // beyond that goes to the month grid and the event list.
    // A minimum set by hand replaces the layout's, so it takes the layout's in.
    setMinimumHeight(std::max(design_pixels(kMinimumHeightTwips), minimumSizeHint().height()));
    resize(std::max(design_pixels(kWindowWidthTwips), sizeHint().width()), design_pixels(kDesignHeightTwips));
}

CalendarWindow::~CalendarWindow()
{
    if (app_state().main_link == this)
        app_state().main_link = nullptr;
    // The views watch and answer widgets that the base class deletes; they go
    // first, so no half-destroyed widget reaches them.
    delete m_views;
    m_views = nullptr;
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
    m_menu_tree->setIndentation(design_pixels(180));
    columns->addWidget(m_menu_tree);

    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    QLabel *name = make_label(QStringLiteral("lbl_calendar_name"), tr("No calendar loaded"));
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    right->addWidget(name);
    right->addWidget(build_month_view());
    right->addWidget(build_summary_panel());
    right->addWidget(build_day_panel());
    m_event_grid = build_event_grid();
    m_event_grid->setAccessibleName(tr("Event dates"));
    right->addWidget(m_event_grid, 1);
    columns->addLayout(right, 1);
    setCentralWidget(central);

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setTextFormat(Qt::PlainText);
    statusBar()->setObjectName(QStringLiteral("status_bar"));
    statusBar()->addWidget(m_status, 1);
}

QWidget *CalendarWindow::build_month_view()
{
    auto *box = new QWidget;
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);

    grid->addWidget(build_month_header(), 0, 0);

    auto *work_heading = make_label(QString(), tr("Work"));
    auto *pay_heading = make_label(QString(), tr("Pay"));
    work_heading->setAlignment(Qt::AlignCenter);
    pay_heading->setAlignment(Qt::AlignCenter);
    grid->addWidget(work_heading, 0, 1);
    grid->addWidget(pay_heading, 0, 2);

    m_calendar = new MonthGrid;
    m_calendar->setObjectName(QStringLiteral("calendar"));
    m_calendar->setLocale(screen_locale());
    m_calendar->setFirstDayOfWeek(week_start());
    m_calendar->setNavigationBarVisible(false);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    m_calendar->setGridVisible(true);
    // The day names and six weeks, whole at the desktop's font.
    m_calendar->setMinimumHeight(7 * (m_calendar->fontMetrics().height() + 4) + 2 * 2);
    m_calendar->setAccessibleName(tr("Days of the month"));
    m_calendar->setAccessibleDescription(tr("The arrow keys choose a day, Page Up and Page Down the month, "
                                            "Enter or a double click edits the day"));
    keep_calendar_days_readable(m_calendar);
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
    grid->addWidget(make_day_class_legend(), 2, 0, 1, 3);
    m_calendar_view = m_calendar->findChild<QTableView *>();
    if (m_calendar_view) {
        m_calendar_view->viewport()->installEventFilter(this);
        // The grid inside takes the focus: it is what the screen reader names.
        m_calendar_view->setAccessibleName(m_calendar->accessibleName());
        m_calendar_view->setAccessibleDescription(m_calendar->accessibleDescription());
    }
    m_weeks->installEventFilter(this);

    m_month_list = new QListWidget(this);
    m_month_list->setObjectName(QStringLiteral("month_list"));
    for (int month = 1; month <= 12; ++month)
        m_month_list->addItem(screen_month_name(month));
    m_month_list->setAccessibleName(tr("Months"));
    m_month_list->hide();
    QPalette palette = m_month_list->palette();
    palette.setColor(QPalette::Highlight, kEventRowColour);
    palette.setColor(QPalette::HighlightedText, kEventRowTextColour);
    m_month_list->setPalette(palette);
    return box;
}

// The month node, which opens the list of months, between buttons that step
// one month back and forward.
QWidget *CalendarWindow::build_month_header()
{
    auto *header = new QWidget;
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);

    m_month_tree = new QTreeWidget;
    m_month_tree->setObjectName(QStringLiteral("calendar_month_tree"));
    m_month_tree->setHeaderHidden(true);
    m_month_tree->setRootIsDecorated(false);
    m_month_tree->setIndentation(4);
    const int height = m_month_tree->fontMetrics().height() + 8;
    m_month_tree->setFixedHeight(height);
    m_month_tree->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_month_tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_month_tree->setToolTip(tr("Choose a month"));
    const QColor light_yellow(255, 255, 192);
    build_menu(m_month_tree, {MenuNode{QStringLiteral("month"), QString(), QString(), true, light_yellow}});
    set_tree_back_colour(m_month_tree, kEventRowColour);
    // The node looks the same selected or not.
    QPalette palette = m_month_tree->palette();
    palette.setColor(QPalette::Highlight, kEventRowColour);
    palette.setColor(QPalette::HighlightedText, readable_on(light_yellow, kEventRowColour));
    m_month_tree->setPalette(palette);

    const auto arrow = [height](const char *name, Qt::ArrowType type, const char *tip) {
        auto *button = new QToolButton;
        button->setObjectName(QString::fromLatin1(name));
        button->setArrowType(type);
        button->setAutoRaise(true);
        button->setFixedSize(height, height);
        button->setToolTip(QCoreApplication::translate("dayvane", tip));
        return button;
    };
    m_previous_month = arrow("previous_month", Qt::LeftArrow, QT_TRANSLATE_NOOP("dayvane", "Previous month (Page Up)"));
    m_next_month = arrow("next_month", Qt::RightArrow, QT_TRANSLATE_NOOP("dayvane", "Next month (Page Down)"));
    // Arrows and a coloured node say nothing to a screen reader by themselves.
    m_previous_month->setAccessibleName(tr("Previous month"));
    m_next_month->setAccessibleName(tr("Next month"));
    m_month_tree->setAccessibleName(tr("Month"));
    m_month_tree->setAccessibleDescription(tr("Enter opens the list of months"));
    row->addWidget(m_previous_month);
    row->addWidget(m_month_tree, 1);
    row->addWidget(m_next_month);
    return header;
}

bool CalendarWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The labels follow the grid's rows and their own column's width.
    if (m_calendar_view && (watched == m_calendar_view->viewport() || watched == m_weeks) && event->type() == QEvent::Resize)
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
    set_tree_back_colour(m_menu_tree, colour_from_number(kMenuTreeColour));
    connect_menu(m_menu_tree, MenuStyle::Headings, [this] { process_menu(); });
    keep_menu_tree_fitted(m_menu_tree, design_pixels(2900));
    for (const auto &[key, keys] : main_menu_shortcuts()) {
        show_menu_shortcut(m_menu_tree, key, keys);
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, key = key] {
            if (find_menu_node(m_menu_tree, key)->childCount() > 0)
                choose_under(key);
            else
                run_command(key);
        });
    }
}

void CalendarWindow::choose_under(const QString &heading)
{
    // The heading opens with its first command selected: arrows choose,
    // Enter runs, as anywhere in the tree.
    QTreeWidgetItem *node = find_menu_node(m_menu_tree, heading);
    for (QTreeWidgetItem *parent = node; parent; parent = parent->parent())
        parent->setExpanded(true);
    QTreeWidgetItem *first = node;
    while (first->childCount() > 0) {
        first->setExpanded(true);
        first = first->child(0);
    }
    m_menu_tree->setCurrentItem(first);
    m_menu_tree->scrollToItem(first);
    m_menu_tree->setFocus(Qt::ShortcutFocusReason);
}

void CalendarWindow::build_commands()
{
    set_command(QStringLiteral("close"), [this] { close(); });
    set_command(QStringLiteral("clear_system_password"), [this] { clear_system_password(); });
    set_command(QStringLiteral("set_db"), [this] { set_db(); });
    set_command(QStringLiteral("set_db_server"), [this] { set_db_server(); });
    set_command(QStringLiteral("on_line_help"), [this] { open_online_help(this); });
    set_command(QStringLiteral("news"), [this] { open_news(); });
    set_command(QStringLiteral("contact_corvantelle"), [this] { open_web_page(this, WebPage::Contact); });
    set_command(QStringLiteral("website"), [this] { open_web_page(this, WebPage::Home); });
    set_command(QStringLiteral("reload_calendar"), [this] { m_views->reload_calendar(); });
    set_command(QStringLiteral("edit_calendar"), [this] { m_views->edit_calendar(); });
    set_command(QStringLiteral("move_to_event_date"), [this] { m_views->move_to_event_date(); });
    const char *const filters[kEventFilterCount] = {
        "show_all_calendar_event_dates", "show_typical_event_calendar_dates", "show_altered_work_calendar_dates",
        "show_pay_only_calendar_dates", "show_no_work_no_pay_calendar_dates"};
    for (int filter = 0; filter < kEventFilterCount; ++filter)
        set_command(QString::fromLatin1(filters[filter]), [this, filter] { m_views->show_calendar_event_dates(filter); });
    set_command(QStringLiteral("enter_system_password"), [this] { open_system_password_window(this); }, true);
    set_command(QStringLiteral("users"), [this] { open_user_list(this); }, true);
    set_command(QStringLiteral("open_calendar_list"), [this] { open_calendar_list(this); }, true);
    set_command(QStringLiteral("about"), [this] { open_about_window(this); });
    set_command(QStringLiteral("workstation_settings"), [this] {
        if (!WorkstationSettingsWindow(this).edit())
            return;
        // The grid, its week totals and the reports start the week anew.
        m_calendar->setFirstDayOfWeek(week_start());
        m_views->show_month();
        m_views->show_day();
    });
    m_views->set_editor_opener([this] { open_calendar_editor(this, [this] { reload_and_redraw(); }); });
    set_command(QStringLiteral("holiday_listing"), [this] { open_holiday_listing(this); }, true);
    set_command(QStringLiteral("change_history"), [this] { open_change_history(this); });
    set_command(QStringLiteral("undo_my_last_change"), [this] { undo_my_last_change(this); });
    set_command(QStringLiteral("print_calendar_1_month"), [this] { print_calendar_1_month(false); });
    set_command(QStringLiteral("preview_calendar_1_month"), [this] { print_calendar_1_month(true); });
    set_command(QStringLiteral("print_calendar_12_month_part_1_2"), [this] { print_calendar_12_month(0, false); });
    set_command(QStringLiteral("print_calendar_12_month_part_1"), [this] { print_calendar_12_month(1, false); });
    set_command(QStringLiteral("print_calendar_12_month_part_2"), [this] { print_calendar_12_month(2, false); });
    set_command(QStringLiteral("preview_calendar_12_month_part_1"), [this] { print_calendar_12_month(1, true); });
    set_command(QStringLiteral("preview_calendar_12_month_part_2"), [this] { print_calendar_12_month(2, true); });
    set_command(QStringLiteral("export_ics"), [this] { export_calendar(ExportFormat::ICalendar); });
    set_command(QStringLiteral("export_csv"), [this] { export_calendar(ExportFormat::Csv); });
    set_command(QStringLiteral("export_csv_semicolon"), [this] { export_calendar(ExportFormat::CsvSemicolon); });
}

bool CalendarWindow::show_calendar_year(QDate date)
{
    m_views->select_date_for_load(date);
    app_state().current_date = date;
    return m_views->reload(0);
}

void CalendarWindow::reload_and_redraw()
{
    m_views->reload(app_state().event_filter);
}

QDate CalendarWindow::selected_date() const
{
    return m_calendar->selectedDate();
}

void CalendarWindow::refresh_calendar_caption()
{
    m_views->show_month();
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
        if (settings.db_path) {
            // A password written into the file by hand serves this run and
            // leaves the file when it is next written.
            state.db_path = without_password(*settings.db_path);
            if (const QByteArray password = server_address_password(*settings.db_path); !password.isEmpty())
                state.server_password = password;
        }
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
        if (const auto remembered = remembered_window_size(objectName()))
            resize(std::max(remembered->width(), minimumSizeHint().width()), height());
        if (settings.view_index)
            state.calendar_id = *settings.view_index;
        if (settings.calendar_date) {
            m_calendar->setSelectedDate(*settings.calendar_date);
            state.current_date = *settings.calendar_date;
        }
    }
    clear_calendar_data(2);
    show();
    // Fitted and centred once shown, when the window frame's size is known.
    const QRect area = work_area(this);
    fit_to_work_area(this, area);
    if (!settings.anything_read) {
        move(area.left() + (area.width() - frameGeometry().width()) / 2,
             area.top() + (area.height() - frameGeometry().height()) / 2);
    }

    state.db_connected = open_database(this, false);
    m_watch->restart();
    if (state.calendar_id != 0 && state.db_connected) {
        set_month_node_text(m_calendar->selectedDate().month());
        run_command(QStringLiteral("reload_calendar"));
    }
}

void CalendarWindow::set_month_node_text(int month)
{
    m_month_tree->topLevelItem(0)->setText(0, screen_month_name(month));
}

void CalendarWindow::clear_calendar_data(int scope)
{
    m_views->clear(scope);
}

void CalendarWindow::set_editor_opener(std::function<void()> open)
{
    m_views->set_editor_opener(std::move(open));
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
    settings.db_path = without_password(state.db_path);
    settings.news_version = state.news_version;
    settings.top = pixels_to_twips(pos.y());
    settings.left = pixels_to_twips(pos.x());
    settings.height = pixels_to_twips(height());
    // QZ.ini keeps its keys; the width the user chose goes beside it.
    remember_window_size(objectName(), QWidget::size());
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

bool CalendarWindow::may_close_connection()
{
    if (app_state().database
        && !interaction().ask_yes_no(this, kMessageTitle, tr("The connection to the current database will be closed."),
                                     MessageIcon::Information))
        return false;
    clear_calendar_data(1);
    return true;
}

void CalendarWindow::set_db()
{
    if (!may_close_connection())
        return;
    m_watch->stop();
    app_state().db_connected = open_database(this, true);
    m_watch->restart();
}

void CalendarWindow::set_db_server()
{
    if (!may_close_connection())
        return;
    m_watch->stop();
    app_state().db_connected = choose_database_server(this);
    m_watch->restart();
}

void CalendarWindow::set_watch_interval(int milliseconds)
{
    m_watch->set_interval(milliseconds);
}

void CalendarWindow::clear_system_password()
{
    AppState &state = app_state();
    state.entered_system_password.clear();
    if (state.database && server_holds_proofs(*state.database)) {
        try {
            forget_system_password_on_server(*state.database);
        } catch (const DbError &) {
            // The proof ended with the connection, and is not made again.
        }
    }
    inform(this, tr("The system password has been cleared."));
}

void CalendarWindow::set_latest_news_version(const QString &version)
{
    AppState &state = app_state();
    state.latest_news_version = version;
    if (version == state.news_version)
        return;
    set_node_colour(find_menu_node(m_menu_tree, QStringLiteral("customer_service")), kNewsColour);
    QTreeWidgetItem *news = find_menu_node(m_menu_tree, QStringLiteral("news"));
    for (QTreeWidgetItem *parent = news->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    m_menu_tree->scrollToItem(news);
    m_news_bold_next = true;
    m_news_ticks = 0;
    m_news_timer.start();
}

void CalendarWindow::news_tick()
{
    QTreeWidgetItem *news = find_menu_node(m_menu_tree, QStringLiteral("news"));
    // Blinking stops after a few seconds (a moving text distracts and may
    // not go on for long); the node then stays red and bold until read.
    const bool last = ++m_news_ticks >= kNewsBlinkTicks;
    if (last)
        m_news_timer.stop();
    const bool bold = last || m_news_bold_next;
    m_news_bold_next = !m_news_bold_next;
    bool shown = true;
    for (QTreeWidgetItem *parent = news->parent(); parent; parent = parent->parent())
        shown = shown && parent->isExpanded();
    if (!last && (!shown || !m_menu_tree->viewport()->rect().intersects(m_menu_tree->visualItemRect(news))))
        return;
    QFont font = news->font(0);
    font.setBold(bold);
    news->setFont(0, font);
    set_node_colour(news, bold ? kNewsColour : QColor(Qt::black));
}

void CalendarWindow::set_news_nodes_plain()
{
    set_node_colour(find_menu_node(m_menu_tree, QStringLiteral("customer_service")), Qt::black);
    QTreeWidgetItem *news = find_menu_node(m_menu_tree, QStringLiteral("news"));
    QFont font = news->font(0);
    font.setBold(false);
    news->setFont(0, font);
    set_node_colour(news, Qt::black);
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
