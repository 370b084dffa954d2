// Every window at the font sizes people use, under a light and a dark theme:
// no figure, header, date, command or weekday column is cut, every colour pair reads.

#include "mainwindowtest.h"
#include "pseudotranslation.h"
#include "visibletexts.h"
#include "app/language.h"
#include "app/monthgrid.h"
#include "app/workstationoptions.h"
#include "editor/calendareditwindow.h"
#include "model/textforms.h"
#include "ui_common/geometry.h"
#include "ui_common/readablecolour.h"
#include "ui_common/webpages.h"
#include "ui_common/windowsizes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QRegularExpression>
#include <QTranslator>

#include <functional>
#include <optional>
#include <ostream>
#include <string>

using namespace dayvane;
using namespace dayvane::test;

namespace {

// Set before the main window is built, as the desktop's font is.
struct DesktopFont
{
    explicit DesktopFont(int points) : before(QApplication::font())
    {
        QFont font = before;
        font.setPointSize(points);
        QApplication::setFont(font);
    }
    ~DesktopFont() { QApplication::setFont(before); }
    QFont before;
};

// Opens a window of the user list for its first user.
std::function<void(QDialog &)> for_first_user(const char *node)
{
    return [node](QDialog &list) {
        grid(list)->setCurrentCell(0, 0);
        run_node(list, QLatin1String(node));
    };
}

// What the windows show of the user's data and of the fixed text forms
// (dates, times, month names, one-letter keys), which no translation changes.
bool is_data(const VisibleText &text)
{
    static const QRegularExpression value(QStringLiteral("^(\\d|[\\s:.,/()\\-]|hrs|min|AM|PM|h|m|[A-Z]|"
                                                         "(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec)[a-z]*)*$"));
    const bool cell = text.where.contains(u'[') && !text.where.contains(QLatin1String("menu_tree["))
                      && !text.where.contains(QLatin1String("QHeaderView["));
    return cell || value.match(text.text).hasMatch() || text.where.endsWith(QLatin1String("lbl_calendar_name"));
}

} // namespace

// The main window, built after the font is set, and what is wrong in it and
// in each window opened from it.
class OpenedWindows : public MainWindowTest
{
public:
    void look_everywhere();
    QPixmap first_look;    // the main window before the others open
    QStringList cut;       // texts that do not fit
    QStringList unmarked;  // texts shown that no translation went through
    QStringList faint;     // colour pairs that read below 4.5:1
    bool day_classes_seen = false;

private:
    void look(QWidget &shown, const char *name);
    void TestBody() override {}
};

void OpenedWindows::look(QWidget &shown, const char *name)
{
    const QString prefix = QLatin1String(name) + u' ';
    for (const QString &text : cut_texts(shown))
        cut << prefix + text;
    for (const VisibleText &text : visible_texts(shown)) {
        if (!is_pseudo_marked(text.text) && !is_data(text))
            unmarked << prefix + text.where + QStringLiteral(": ") + text.text;
    }
    for (const ColourPair &pair : colour_pairs(shown)) {
        day_classes_seen |= pair.background == day_class_look(DayKind::PaidNoWork).background;
        if (contrast_ratio(pair.text, pair.background) < kReadableContrast)
            faint << prefix + pair.where + u' ' + pair.text.name() + QStringLiteral(" on ") + pair.background.name();
    }
}

void OpenedWindows::look_everywhere()
{
    start_on(filled.office, QStringLiteral("1/8/2024"));
    look(window, "calendar");
    first_look = window.grab();
    struct Opened
    {
        const char *command;  // run on the main window
        const char *window;
        std::function<void(QDialog &)> open_inner = {};  // opens `inner_window` from it
        const char *inner_window = nullptr;
    };
    const Opened windows[] = {
        {"open_calendar_list", "calendar_list"},
        {"edit_calendar", "calendar_edit"},
        {"holiday_listing", "holiday_listing"},
        {"change_history", "change_history"},
        {"users", "user_list", for_first_user("edit_user"), "user_record"},
        {"users", "user_list", for_first_user("user_password"), "user_password_input"},
        {"users", "user_list", for_first_user("change_user_password"), "change_password"},
        {"edit_calendar", "calendar_edit",
         [](QDialog &editor) { find_indexed<QToolButton>(editor, QStringLiteral("button"), 0)->click(); }, "date_selector"},
        {"enter_system_password", "system_password"},
        {"about", "about"},
        {"workstation_settings", "workstation_settings"},
        {"set_db_server", "database_server"},  // last: it closes the database
    };
    for (const Opened &opened : windows) {
        if (opened.command == QLatin1String("set_db_server"))
            user.answer_yes_no(true);
        bool shown = false;
        user.on_window(QLatin1String(opened.window), [&](QDialog &dialog) {
            shown = true;
            // The editor with its notice of a change made elsewhere.
            if (auto *editor = qobject_cast<CalendarEditWindow *>(&dialog))
                editor->tell_calendar_changed();
            look(dialog, opened.window);
            if (opened.open_inner) {
                user.on_window(QLatin1String(opened.inner_window), [&](QDialog &inner) {
                    look(inner, opened.inner_window);
                    inner.reject();
                });
                opened.open_inner(dialog);
            }
            dialog.reject();
        });
        window.run_command(QLatin1String(opened.command));
        EXPECT_TRUE(shown) << opened.window;
    }
    user.take_texts();
}

struct Desktop
{
    int points;
    bool pseudo_translated = false;  // every text marked and 40 % longer
    bool german_and_dark = false;    // the real German translation, a dark palette
};

// Named by its fields, not its bytes (the padding would make every run's name differ).
void PrintTo(const Desktop &desktop, std::ostream *out)
{
    *out << desktop.points << " pt" << (desktop.pseudo_translated ? ", pseudo translated" : "")
         << (desktop.german_and_dark ? ", German, dark" : "");
}

// The program in German, with German dates, times and weeks, under a dark
// desktop theme, for as long as it lives.
struct GermanAndDark
{
    GermanAndDark() : light(QApplication::palette())
    {
        EXPECT_EQ(install_translations(*QCoreApplication::instance(), QStringLiteral("de")), QStringLiteral("de"));
        QPalette dark = light;
        for (const auto &[role, grey] : {std::pair(QPalette::Window, 45), std::pair(QPalette::Base, 30),
                                         std::pair(QPalette::AlternateBase, 40), std::pair(QPalette::Button, 50), std::pair(QPalette::Text, 235),
                                         std::pair(QPalette::WindowText, 235), std::pair(QPalette::ButtonText, 235)})
            dark.setColor(role, QColor(grey, grey, grey));
        QApplication::setPalette(dark);
        set_screen_locale(QLocale(QLocale::German, QLocale::Germany));
        set_week_start(Qt::Monday);
    }
    ~GermanAndDark()
    {
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
        set_help_language(QStringLiteral("en"));
        QApplication::setPalette(light);
        set_screen_locale(QLocale::c());
        set_week_start(Qt::Sunday);
    }
    QPalette light;
};

class WindowFit : public ::testing::TestWithParam<Desktop>
{
};

TEST_P(WindowFit, NoTextIsCutInAnyWindow)
{
    const DesktopFont font(GetParam().points);
    std::optional<PseudoTranslation> translation;
    if (GetParam().pseudo_translated) {
        ASSERT_TRUE(translation.emplace().loaded());
    }
    std::optional<GermanAndDark> german;
    if (GetParam().german_and_dark)
        german.emplace();
    OpenedWindows windows;
    windows.look_everywhere();
    // The README's picture of the main window, when asked for.
    if (const QString folder = qEnvironmentVariable("DAYVANE_SCREENSHOTS"); german && !folder.isEmpty()) {
        EXPECT_TRUE(windows.first_look.save(folder + QStringLiteral("/main-window-de-dark-12pt.png")));
    }
    EXPECT_TRUE(windows.cut.isEmpty()) << "cut:\n" << windows.cut.join(u'\n').toStdString();
    EXPECT_TRUE(windows.faint.isEmpty()) << "faint:\n" << windows.faint.join(u'\n').toStdString();
    EXPECT_TRUE(windows.day_classes_seen);
    if (translation) {
        EXPECT_TRUE(windows.unmarked.isEmpty()) << "untranslated:\n" << windows.unmarked.join(u'\n').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Points, WindowFit, ::testing::Values(Desktop{8}, Desktop{10}, Desktop{12}, Desktop{10, true},
                                                                 Desktop{12, false, true}),
                         [](const ::testing::TestParamInfo<Desktop> &info) {
                             const char *kind = info.param.pseudo_translated ? "pseudo"
                                                : info.param.german_and_dark ? "german_dark"
                                                                             : "at";
                             return std::string(kind) + std::to_string(info.param.points) + "pt";
                         });

// The workstation's settings and window sizes come back from its dayvane.ini:
// the week starts anew at once, a language from the next start. A window the
// user made larger opens at that size next time; one remembered smaller than
// its texts need opens at what they need.
TEST_F(MainWindowTest, WorkstationSettingsAndWindowSizesComeBack)
{
    remember_window_sizes_in(home.filePath(QStringLiteral("dayvane.ini")));
    start_on(filled.office, QStringLiteral("1/8/2024"));
    const auto settings = [&](const char *language, int first_day, const char *command) {
        user.on_window(QStringLiteral("workstation_settings"), [&](QDialog &window) {
            auto *languages = window.findChild<QComboBox *>(QStringLiteral("language"));
            auto *days = window.findChild<QComboBox *>(QStringLiteral("first_day"));
            EXPECT_EQ(QStringList({languages->currentData().toString(), days->currentData().toString()}),
                      QStringList({QString::fromLatin1(language), QString::number(first_day)}));
            languages->setCurrentIndex(languages->findData(QStringLiteral("de")));
            days->setCurrentIndex(days->findData(int(Qt::Monday)));
            window.findChild<QCheckBox *>(QStringLiteral("locale_forms"))->setChecked(true);
            run_node(window, QLatin1String(command));
        });
        window.run_command(QStringLiteral("workstation_settings"));
    };
    settings("", 0, "save_settings");
    EXPECT_EQ(user.take_texts(), QStringList{"The program shows a newly chosen language or form of dates from its next start."});
    EXPECT_EQ(calendar()->firstDayOfWeek(), Qt::Monday);
    // The week of Monday 25 December ends with the hour of the 31st.
    EXPECT_EQ(weeks("work_week").mid(0, 2), QStringList({"1h 0m", "20h 0m"}));
    const WorkstationOptions saved = read_workstation_options(home.filePath(QStringLiteral("dayvane.ini")));
    EXPECT_EQ(saved.language, QStringLiteral("de"));
    EXPECT_EQ(saved.first_day, Qt::Monday);
    EXPECT_TRUE(saved.locale_forms);
    settings("de", Qt::Monday, "close");
    EXPECT_TRUE(user.take_texts().isEmpty());
    set_week_start(Qt::Sunday);
    QSize designed, chosen;
    const auto open_list = [&](const std::function<void(QDialog &)> &handle) {
        user.on_window(QStringLiteral("calendar_list"), [&](QDialog &list) {
            handle(list);
            list.reject();
        });
        window.run_command(QStringLiteral("open_calendar_list"));
    };
    open_list([&](QDialog &list) {
        designed = list.size();
        chosen = designed + QSize(120, 80);
        list.resize(chosen);
    });
    open_list([&](QDialog &list) {
        EXPECT_EQ(list.size(), chosen);
        list.resize(10, 10);
    });
    open_list([&](QDialog &list) {
        EXPECT_TRUE(cut_texts(list).isEmpty()) << cut_texts(list).join(u'\n').toStdString();
        EXPECT_GE(list.width(), list.minimumSizeHint().width());
    });
    window.resize(window.width() + 90, window.height());
    const int wider = window.width();
    user.answer_yes_no(true);
    window.close();
    EXPECT_EQ(remembered_window_size(QStringLiteral("calendar"))->width(), wider);
    remember_window_sizes_in(QString());
}
