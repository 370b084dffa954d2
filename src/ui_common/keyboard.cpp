#include "ui_common/keyboard.h"

#include "ui_common/webpages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

namespace dayvane {

namespace {

// Qt offers no keyboard-state query, so an application-wide filter notes
// whether Tab (or Shift+Tab, which arrives as Backtab) is held down.
class TabKeyWatcher : public QObject
{
public:
    short direction = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
                if (event->type() == QEvent::KeyRelease)
                    direction = 0;
                else
                    direction = (key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier)) ? 2 : 1;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

TabKeyWatcher *tab_watcher()
{
    static TabKeyWatcher *watcher = [] {
        auto *created = new TabKeyWatcher;
        created->setParent(qApp);
        qApp->installEventFilter(created);
        return created;
    }();
    return watcher;
}

} // namespace

short get_tab_direction()
{
    return tab_watcher()->direction;
}

void install_window_keys(QWidget *window, bool escape_closes)
{
    tab_watcher();
    if (escape_closes) {
        auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
        escape->setContext(Qt::WindowShortcut);
        QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
    }
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), window);
    help->setContext(Qt::WindowShortcut);
    QObject::connect(help, &QShortcut::activated, window,
                     [window] { open_online_help(window, help_section(window->objectName())); });
}

} // namespace dayvane
