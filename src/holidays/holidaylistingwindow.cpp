#include "holidays/holidaylistingwindow.h"

#include "holidays/holidaypictures.h"
#include "holidays/icalendarlists.h"
#include "holidays/holidaytree.h"
#include "ui_common/appstate.h"
#include "ui_common/geometry.h"
#include "ui_common/gridhelpers.h"
#include "ui_common/interaction.h"
#include "ui_common/mainwindowlink.h"
#include "ui_common/menutree.h"
#include "ui_common/webpages.h"
#include "users/security.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTableWidget>
#include <QThread>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <atomic>
#include <memory>

namespace dayvane {

namespace {

constexpr int kPictureColumns = 3;
constexpr int kDateColumn = 3;
constexpr int kNameColumn = 4;
constexpr int kTreatmentColumn = 5;
constexpr int kMinimumRows = 24;  // below the heading row
constexpr int kColumnTwips[] = {330, 330, 330, 750, 4020};
const QColor kSelectionColour(0, 0, 128);
// The tree's width: at least its old fixed width, at most what leaves the
// holiday names room; the grid's side never gets narrower than its legend.
constexpr int kTreeTwips = 2200;
constexpr int kWidestTreeTwips = 3000;

const char *const kTreatmentTexts[kPictureColumns] = {
    QT_TRANSLATE_NOOP("dayvane", "Make &No change to calendar time <N>"),
    QT_TRANSLATE_NOOP("dayvane", " Change all work periods to &Paid periods <P>"),
    QT_TRANSLATE_NOOP("dayvane", " &Clear all periods on date <C>"),
};

// A treatment's legend without its mnemonic and key: "Make No change to
// calendar time".
QString treatment_name(int column)
{
    QString text = QCoreApplication::translate("dayvane", kTreatmentTexts[column]).remove(u'&').trimmed();
    return text.left(text.lastIndexOf(u'<')).trimmed();
}

QLabel *main_status_label()
{
    QWidget *main = app_state().main_window;
    return main ? main->findChild<QLabel *>(QStringLiteral("status")) : nullptr;
}

// The year of the calendar the main window shows.
int shown_calendar_year()
{
    const AppState &state = app_state();
    const QDate date = state.main_link ? state.main_link->selected_date() : state.current_date;
    return date.year();
}

QTableWidgetItem *cell(QTableWidget *grid, int row, int column)
{
    QTableWidgetItem *item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        grid->setItem(row, column, item);
    }
    return item;
}

QLabel *indexed_label(const char *name, int index, const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    label->setProperty("index", index);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Names the holidays that found no day record, one a line under `heading`.
QString unmatched_message(const QString &heading, const std::vector<HolidayChoice> &unmatched)
{
    QStringList lines{heading};
    for (const HolidayChoice &choice : unmatched) {
        const QString date = choice.date.isValid() ? QLocale::c().toString(choice.date, QStringLiteral("MMM-dd-yyyy"))
                                                   : QCoreApplication::translate("dayvane", "(no date)");
        lines << date + QStringLiteral("  ") + choice.name;
    }
    lines << QCoreApplication::translate("dayvane", "The calendar year has no day record for these dates.");
    return message_lines(lines);
}

} // namespace

HolidayListingWindow::HolidayListingWindow(QWidget *parent, HolidayExchangeSettings settings)
    : ModalWindow(QStringLiteral("holiday_listing"), parent)
    , m_settings(settings)
{
    setWindowTitle(tr("Holiday list"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->setChildrenCollapsible(false);
    layout->addWidget(m_splitter);

    auto *left = new QWidget;
    auto *lists = new QVBoxLayout(left);
    lists->setContentsMargins(0, 0, 0, 0);
    m_filter = new QLineEdit;
    m_filter->setObjectName(QStringLiteral("txt_filter"));
    m_filter->setPlaceholderText(tr("Filter lists"));
    m_filter->setClearButtonEnabled(true);
    m_filter->setToolTip(tr("Shows the lists whose name holds this text (Ctrl+F)"));
    m_filter->installEventFilter(this);
    connect(m_filter, &QLineEdit::textChanged, this, &HolidayListingWindow::filter_lists);
    m_filter->setAccessibleName(tr("Filter lists"));
    m_filter->setAccessibleDescription(m_filter->toolTip());
    if (auto *clear = m_filter->findChild<QToolButton *>())
        clear->setAccessibleName(tr("Clear the filter"));
    lists->addWidget(m_filter);
    m_tree = make_menu_tree({}, MenuStyle::Headings, [this] { process_menu(); });
    build_holiday_tree(m_tree, nullptr);
    // Regions sit under their country with their own names, so what tells
    // lists apart comes first.
    m_tree->setTextElideMode(Qt::ElideRight);
    // The commands, all it holds yet, stay whole; list names may elide.
    m_tree->setMinimumWidth(menu_tree_width(m_tree, design_pixels(kTreeTwips)));
    lists->addWidget(m_tree);
    // Shown while an iCalendar file is read, which a large file makes take a while.
    m_reading = new QWidget;
    m_reading->setObjectName(QStringLiteral("reading"));
    auto *reading = new QHBoxLayout(m_reading);
    reading->setContentsMargins(0, 0, 0, 0);
    m_reading_text = new QLabel;
    m_reading_text->setObjectName(QStringLiteral("lbl_reading"));
    m_reading_text->setTextFormat(Qt::PlainText);
    m_cancel_reading = new QPushButton(tr("Cancel"));
    m_cancel_reading->setObjectName(QStringLiteral("cmd_cancel_reading"));
    m_cancel_reading->setToolTip(tr("Stops reading the iCalendar file (Escape)"));
    m_cancel_reading->setCursor(Qt::ArrowCursor);
    reading->addWidget(m_reading_text, 1);
    reading->addWidget(m_cancel_reading);
    m_reading->hide();
    lists->addWidget(m_reading);
    m_splitter->addWidget(left);
    auto *find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(find, &QShortcut::activated, this, [this] {
        m_filter->setFocus(Qt::ShortcutFocusReason);
        m_filter->selectAll();
    });

    auto *right_side = new QWidget;
    auto *right = new QVBoxLayout(right_side);
    right->setContentsMargins(0, 0, 0, 0);
    m_selection = new QLabel;
    m_selection->setObjectName(QStringLiteral("lbl_selection"));
    m_selection->setTextFormat(Qt::PlainText);
    right->addWidget(m_selection);
    m_grid = make_read_only_grid(QStringLiteral("grid"), QAbstractItemView::NoSelection);
    m_grid->setIconSize(QSize(16, 16));
    m_grid->setAccessibleName(tr("Holidays"));
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this] { highlight_grid_row(m_grid, kSelectionColour); });
    connect(m_grid, &QTableWidget::cellClicked, this, &HolidayListingWindow::process_selection);
    right->addWidget(m_grid, 1);

    auto *legend = new QGridLayout;
    for (int i = 0; i < kPictureColumns; ++i) {
        m_totals[i] = indexed_label("totals", i, QStringLiteral("0"));
        m_totals[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_totals[i]->setMinimumWidth(design_pixels(450));
        QLabel *text = indexed_label("lbl", i, QCoreApplication::translate("dayvane", kTreatmentTexts[i]));
        text->setBuddy(m_grid);
        legend->addWidget(m_totals[i], i, 0);
        legend->addWidget(text, i, 1);
    }
    legend->setColumnStretch(1, 1);
    right->addLayout(legend);
    m_splitter->addWidget(right_side);
    m_splitter->setStretchFactor(1, 1);
    setTabOrder(m_filter, m_tree);
    setTabOrder(m_tree, m_grid);
    // With a hundred lists and more, finding one starts with typing.
    m_filter->setFocus();

    setup_grid();
    set_design_size(7650, 5600, 3700);
}

void HolidayListingWindow::setup_grid()
{
    m_grid->clear();
    m_grid->setColumnCount(kTreatmentColumn + 1);
    m_grid->setRowCount(kMinimumRows);
    // The pictures' keys, which the keyboard answers to in every language.
    m_grid->setHorizontalHeaderLabels({QStringLiteral("N"), QStringLiteral("P"), QStringLiteral("C"), tr("Date"),
                                       tr("Holiday"), QString()});
    for (int column = 0; column < kPictureColumns; ++column)
        m_grid->horizontalHeaderItem(column)->setToolTip(treatment_name(column));
    QHeaderView *header = m_grid->horizontalHeader();
    for (int column = 0; column < kTreatmentColumn; ++column)
        m_grid->setColumnWidth(column, std::max(design_pixels(kColumnTwips[column]), header->sectionSizeHint(column)));
    // Wide enough for the widest date in the font in use.
    const QFontMetrics metrics = m_grid->fontMetrics();
    m_grid->setColumnWidth(kDateColumn, std::max(m_grid->columnWidth(kDateColumn), metrics.horizontalAdvance(QStringLiteral("May-30")) + 12));
    m_grid->verticalHeader()->setDefaultSectionSize(std::max(metrics.height(), 16) + 6);
    header->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    header->setMinimumSectionSize(design_pixels(kColumnTwips[0]));
    m_grid->horizontalHeaderItem(kNameColumn)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_grid->setColumnHidden(kTreatmentColumn, true);
    keep_headers_whole(m_grid);
    for (int row = 0; row < kMinimumRows; ++row)
        set_row_data(m_grid, row, 0);
}

void HolidayListingWindow::load()
{
    QLabel *status = main_status_label();
    const QString remembered = status ? status->text() : QString();
    HolidayExchange exchange(web_host(), m_settings);
    HolidayFetchResult result = exchange.fetch([this](const QString &text) { show_status(text); });
    // What a failed fetch brought is not offered, not even beside a file's list.
    m_tables = result.received ? std::move(result.tables) : HolidayTables{};
    build_holiday_tree(m_tree, &m_tables);
    filter_lists();
    fit_tree_to_names();
    if (status)
        status->setText(remembered);
}

void HolidayListingWindow::fit_tree_to_names()
{
    // Every name whole, each in its own font at its depth, within the bounds.
    const int needed = menu_tree_width(m_tree, 0);
    const int tree = std::max(m_tree->minimumWidth(), std::clamp(needed, design_pixels(kTreeTwips), design_pixels(kWidestTreeTwips)));
    m_splitter->setSizes({tree, std::max(m_splitter->width() - tree, 1)});
}

void HolidayListingWindow::filter_lists()
{
    filter_holiday_tree(m_tree, m_filter->text());
    // A hidden node must not stay the one Enter runs.
    QTreeWidgetItem *current = m_tree->currentItem();
    if (current && (current->isHidden() || (current->parent() && current->parent()->isHidden()))) {
        m_tree->clearSelection();
        m_tree->setCurrentItem(nullptr);
    }
}

void HolidayListingWindow::enter_tree(bool open)
{
    m_tree->setFocus(Qt::OtherFocusReason);
    if (QTreeWidgetItem *node = first_found_list(m_tree)) {
        if (node->parent())
            node->parent()->setExpanded(true);
        m_tree->setCurrentItem(node);
        if (open)
            node->setExpanded(true);
    }
}

// Down, Enter and Escape in the filter box; true when the key was taken.
// Escape in an empty box goes on to the window, which closes.
bool HolidayListingWindow::filter_key(const QKeyEvent *press)
{
    if (press->key() == Qt::Key_Escape && !m_filter->text().isEmpty()) {
        m_filter->clear();
        return true;
    }
    if (press->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    switch (press->key()) {
    case Qt::Key_Down:
        enter_tree(false);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        enter_tree(true);
        return true;
    default:
        return false;
    }
}

void HolidayListingWindow::show_status(const QString &text)
{
    if (QLabel *status = main_status_label())
        status->setText(text);
}

void HolidayListingWindow::process_menu()
{
    const QString key = selected_menu_key(m_tree);
    if (key == u"close")
        close();
    else if (key == u"apply")
        apply();
    else if (key == u"ics_file")
        open_icalendar_file();
    else if (key.startsWith(u'Y') && !m_tree->selectedItems().isEmpty())
        show_year(m_tree->selectedItems().constFirst());
}

void HolidayListingWindow::open_icalendar_file()
{
    const std::optional<QString> path = interaction().choose_open_file(
        this, tr("Open iCalendar file"), tr("iCalendar files (*.ics);;All files (*)"), QString());
    if (!path)
        return;
    const int year = shown_calendar_year();
    QString error;
    const std::optional<HolidayList> list = read_in_background(*path, year, &error);
    if (!list) {
        if (!error.isEmpty())
            inform(this, tr("The iCalendar file cannot be read:\r\n") + error);
        return;
    }
    const auto days = list->years.find(year);
    if (days == list->years.end() || days->second.empty()) {
        inform(this, tr("The iCalendar file \"%1\" has no events in %2.").arg(*path).arg(year));
        return;
    }
    // Ids of its own beside the server's lists, and its own year list.
    qint32 country = 0, year_list = 0;
    for (const HolidayCountry &listed : m_tables.countries)
        country = std::max(country, listed.id);
    for (const HolidayYear &listed : m_tables.years)
        year_list = std::max(year_list, listed.year_list_id);
    ++country;
    ++year_list;
    m_tables.countries.push_back({country, list->name});
    m_tables.years.push_back({country, year_list, qint16(year)});
    for (const Holiday &holiday : days->second) {
        m_tables.holidays.push_back({country, year_list, holiday.date.toString(QStringLiteral("M/d/yyyy")),
                                     holiday.name});
    }
    build_holiday_tree(m_tree, &m_tables);
    m_filter->clear();
    filter_lists();
    if (QTreeWidgetItem *node = find_menu_node(m_tree, u'C' + QString::number(country))) {
        if (node->parent())
            node->parent()->setExpanded(true);
        node->setExpanded(true);
        m_tree->setCurrentItem(node->child(0));
        show_year(node->child(0));
    }
}

std::optional<HolidayList> HolidayListingWindow::read_in_background(const QString &path, int year, QString *error)
{
    std::atomic<bool> cancel = false;
    std::optional<HolidayList> list;
    QString failure;
    std::unique_ptr<QThread> worker(
        QThread::create([&] { list = read_icalendar_file(path, year, year, &failure, &cancel); }));
    QEventLoop loop;
    connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    const QMetaObject::Connection stop = connect(m_cancel_reading, &QPushButton::clicked, &loop, [&] { cancel = true; });
    // The window stays live for Cancel (and Escape or its close button, see
    // reject), and for nothing else.
    m_cancel = &cancel;
    m_reading_text->setText(tr("Reading %1...").arg(QFileInfo(path).fileName()));
    m_reading->show();
    const auto set_parts_enabled = [this](bool enabled) {
        for (QWidget *part : std::initializer_list<QWidget *>{m_filter, m_tree, m_grid})
            part->setEnabled(enabled);
    };
    set_parts_enabled(false);
    setCursor(Qt::BusyCursor);
    m_cancel_reading->setFocus();
    worker->start();
    loop.exec();
    worker->wait();
    unsetCursor();
    set_parts_enabled(true);
    m_reading->hide();
    m_cancel = nullptr;
    disconnect(stop);
    m_tree->setFocus();
    if (!list)
        *error = cancel ? QString() : failure;
    return cancel ? std::nullopt : list;
}

void HolidayListingWindow::reject()
{
    // Escape and the close button while a file is read stop the reading;
    // the window closes only when nothing is running inside it.
    if (m_cancel) {
        *m_cancel = true;
        return;
    }
    ModalWindow::reject();
}

void HolidayListingWindow::show_year(QTreeWidgetItem *node)
{
    QTreeWidgetItem *country = node->parent();
    if (!country)
        return;
    if (any_selected() && !confirm(this, tr("Clear the current selection?")))
        return;
    m_country_id = holiday_node_id(country->data(0, Qt::UserRole).toString());
    m_year_list_id = holiday_node_id(node->data(0, Qt::UserRole).toString());
    m_year = node->text(0).toInt();
    m_selection->setText(holiday_list_name(country) + QStringLiteral(" / ") + node->text(0));
    list_holidays(m_country_id, m_year_list_id);
}

void HolidayListingWindow::list_holidays(qint32 country_id, qint32 year_list_id)
{
    const QSignalBlocker quiet(m_grid);
    m_grid->setUpdatesEnabled(false);
    m_grid->clearContents();
    m_grid->setRowCount(0);
    for (size_t i = 0; i < m_tables.holidays.size(); ++i) {
        const HolidayRecord &holiday = m_tables.holidays[i];
        if (holiday.country_id != country_id || holiday.year_list_id != year_list_id)
            continue;
        const int row = m_grid->rowCount();
        m_grid->insertRow(row);
        set_row_data(m_grid, row, qint64(i) + 1);
        m_grid->setItem(row, kDateColumn, new QTableWidgetItem(holiday_list_date(holiday.date)));
        m_grid->setItem(row, kNameColumn, new QTableWidgetItem(holiday.name));
        set_treatment(row, Treatment::None);
    }
    const int listed = m_grid->rowCount();
    if (listed < kMinimumRows)
        m_grid->setRowCount(kMinimumRows);
    for (int row = listed; row < m_grid->rowCount(); ++row)
        set_row_data(m_grid, row, 0);
    m_grid->setCurrentCell(0, 0);
    recount();
    highlight_grid_row(m_grid, kSelectionColour);
}

Treatment HolidayListingWindow::treatment(int row) const
{
    const QTableWidgetItem *item = m_grid->item(row, kTreatmentColumn);
    const int value = item ? item->text().toInt() : 0;
    return value >= 1 && value <= 3 ? Treatment(value) : Treatment::None;
}

void HolidayListingWindow::set_treatment(int row, Treatment treatment)
{
    for (int column = 0; column < kPictureColumns; ++column) {
        const bool yes = int(treatment) == column + 1;
        QTableWidgetItem *item = cell(m_grid, row, column);
        item->setIcon(holiday_picture(yes));
        item->setData(Qt::UserRole, holiday_picture_name(yes));
    }
    cell(m_grid, row, kTreatmentColumn)->setText(QString::number(int(treatment)));
}

bool HolidayListingWindow::any_selected() const
{
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        if (treatment(row) != Treatment::None)
            return true;
    }
    return false;
}

int HolidayListingWindow::row_with_same_date(int row) const
{
    const QString date = m_grid->item(row, kDateColumn)->text();
    for (int other = 0; other < m_grid->rowCount(); ++other) {
        const QTableWidgetItem *item = m_grid->item(other, kDateColumn);
        if (other != row && treatment(other) != Treatment::None && item && item->text() == date)
            return other;
    }
    return -1;
}

void HolidayListingWindow::process_selection(int row, int column)
{
    // Empty rows hold no holiday and never take a mark.
    if (column < 0 || column >= kPictureColumns || row < 0 || row >= m_grid->rowCount() || row_data(m_grid, row) == 0)
        return;
    if (const int other = row_with_same_date(row); other >= 0) {
        const QString question = message_lines({m_grid->item(row, kDateColumn)->text(), m_grid->item(row, kNameColumn)->text(),
                                                 tr(" has already been selected."), QString(),
                                                 tr("Do you want to replace this selection?")});
        if (!confirm(this, question))
            return;
        set_treatment(other, Treatment::None);
    }
    const Treatment clicked = Treatment(column + 1);
    set_treatment(row, treatment(row) == clicked ? Treatment::None : clicked);
    recount();
}

void HolidayListingWindow::recount()
{
    int counts[kPictureColumns] = {};
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        if (const Treatment marked = treatment(row); marked != Treatment::None)
            ++counts[int(marked) - 1];
    }
    for (int i = 0; i < kPictureColumns; ++i)
        m_totals[i]->setText(QString::number(counts[i]));
}

std::vector<HolidayChoice> HolidayListingWindow::selected_holidays() const
{
    std::vector<HolidayChoice> choices;
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const qint64 index = row_data(m_grid, row);
        const Treatment marked = treatment(row);
        if (index < 1 || index > qint64(m_tables.holidays.size()) || marked == Treatment::None)
            continue;
        const HolidayRecord &holiday = m_tables.holidays[size_t(index - 1)];
        // The holiday's own date; a date text without a year reads as a date
        // of the list's year, the way the grid shows it.
        QDate date = holiday_date(holiday.date);
        if (!date.isValid())
            date = QLocale::c().toDate(m_grid->item(row, kDateColumn)->text() + u'-' + QString::number(m_year),
                                       QStringLiteral("MMM-dd-yyyy"));
        choices.push_back({date, m_grid->item(row, kNameColumn)->text(), marked});
    }
    return choices;
}

void HolidayListingWindow::apply()
{
    const std::vector<HolidayChoice> choices = selected_holidays();
    if (choices.empty()) {
        inform(this, tr("There are no holidays selected."));
        return;
    }
    if (m_year != shown_calendar_year()) {
        inform(this, tr("The year for the selected holiday list does not match ")
                         + tr("the year of the current calendar."));
        return;
    }
    AppState &state = app_state();
    if (!check_operation_allowed(true) || !state.calendar_loaded
        || !check_calendar_revision(state.calendar_id, state.calendar_revision) || !check_calendar_access(false))
        return;
    // Check, writes and revision increment in one transaction: a failure
    // anywhere leaves the calendar as it was. An apply that writes no day is
    // no change either, so it is rolled back before the revision rises.
    struct NothingWritten {};
    HolidayWriteResult result;
    std::optional<qint32> revision;
    try {
        revision = change_calendar_days(state.calendar_id, state.calendar_revision, QDate(m_year, 1, 1),
                                        QDate(m_year, 12, 31), [&](Database &db, std::vector<DayState> &days) {
            result = write_holidays(db, state.calendar_id, m_year, choices, &days);
            if (result.written == 0)
                throw NothingWritten{};
            return result.action();
        });
    } catch (const NothingWritten &) {
        inform(this, unmatched_message(tr("None of the selected holidays could be applied:"), result.unmatched));
        return;
    }
    if (!revision)
        return;
    state.calendar_revision = *revision;
    if (state.main_link)
        state.main_link->reload_and_redraw();
    if (!result.unmatched.empty()) {
        inform(this, unmatched_message(tr("%1 of the selected holidays could not be applied:")
                                           .arg(result.unmatched.size()),
                                       result.unmatched));
    }
    close();
}

bool HolidayListingWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_filter && event->type() == QEvent::KeyPress && filter_key(static_cast<QKeyEvent *>(event)))
        return true;
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const int column = key == Qt::Key_N ? 0 : key == Qt::Key_P ? 1 : key == Qt::Key_C ? 2 : -1;
        if (column >= 0 && !(static_cast<QKeyEvent *>(event)->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            const int row = std::max(m_grid->currentRow(), 0);
            m_grid->setCurrentCell(row, column);
            process_selection(m_grid->currentRow(), column);
            return true;
        }
    }
    return ModalWindow::eventFilter(watched, event);
}

void open_holiday_listing(QWidget *parent)
{
    open_holiday_listing(parent, HolidayExchangeSettings{});
}

void open_holiday_listing(QWidget *parent, const HolidayExchangeSettings &settings)
{
    HolidayListingWindow window(parent, settings);
    window.load();
    window.show_modal();
}

} // namespace dayvane
