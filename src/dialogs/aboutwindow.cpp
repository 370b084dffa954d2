#include "dialogs/aboutwindow.h"

#include "ui_common/interaction.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace dayvane {

namespace {


QLabel *named_label(const QString &name, const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// The window's picture: a calendar leaf with a red binding.
QPixmap calendar_picture(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF leaf(size * 0.08, size * 0.12, size * 0.84, size * 0.8);
    painter.setPen(QPen(Qt::darkGray, 1.5));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(leaf, 4, 4);
    painter.setBrush(QColor(200, 40, 40));
    painter.drawRect(QRectF(leaf.left(), leaf.top(), leaf.width(), leaf.height() * 0.25));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 90, 90));
    const double cell = leaf.width() / 6;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 5; ++column)
            painter.drawRect(QRectF(leaf.left() + cell * (column + 0.6), leaf.top() + leaf.height() * 0.36 + row * cell * 1.1,
                                    cell * 0.6, cell * 0.6));
    }
    return picture;
}

} // namespace

QString version_text()
{
    return QCoreApplication::translate("dayvane", "Version %1.%2.%3").arg(DAYVANE_VERSION_MAJOR).arg(DAYVANE_VERSION_MINOR).arg(DAYVANE_VERSION_PATCH);
}

QStringList system_information_programs()
{
    return {QStringLiteral("gnome-system-monitor"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("lshw-gtk"), QStringLiteral("xfce4-taskmanager")};
}

std::optional<QString> find_system_information_program(const QStringList &search_paths)
{
    for (const QString &name : system_information_programs()) {
        const QString path = QStandardPaths::findExecutable(name, search_paths);
        if (!path.isEmpty())
            return path;
    }
    return std::nullopt;
}

AboutWindow::AboutWindow(QWidget *parent)
    : ModalWindow(QStringLiteral("about"), parent)
{
    setWindowTitle(tr("About Corvantelle"));
    auto *layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);

    auto *image = new QLabel;
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(calendar_picture(48));
    image->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    layout->addWidget(image, 0, 0, 4, 1);

    QLabel *application = named_label(QStringLiteral("lbl_application"), QStringLiteral("Dayvane"));
    QFont bold = application->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    application->setFont(bold);
    layout->addWidget(application, 0, 1);
    layout->addWidget(named_label(QStringLiteral("lblVersion"), version_text()), 1, 1);
    layout->addWidget(named_label(QStringLiteral("lblTitle"), tr("Work calendars for the desktop")), 2, 1);
    layout->addWidget(named_label(QStringLiteral("lblDescription"),
                                  tr("Keeps an organisation's work calendars: the worked and paid periods "
                                                 "of every day, month and year totals, event dates, printed reports "
                                                 "and public holidays, in one database that several workstations "
                                                 "may share.")),
                      3, 1);

    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line, 4, 0, 1, 3);

    QLabel *disclaimer = named_label(QStringLiteral("lblDisclaimer"),
                                     tr("This program is provided as is, without warranty of any kind. "
                                                    "Check the working times it computes before you rely on them, "
                                                    "and keep copies of your calendar database."));
    layout->addWidget(disclaimer, 5, 0, 1, 3);

    auto *buttons = new QVBoxLayout;
    auto *ok = new QPushButton(tr("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutWindow::accept);
    auto *sys_info = new QPushButton(tr("&System Info..."));
    sys_info->setObjectName(QStringLiteral("cmdSysInfo"));
    sys_info->setAutoDefault(false);
    sys_info->setAccessibleDescription(tr("Opens the desktop's system information program"));
    connect(sys_info, &QPushButton::clicked, this, &AboutWindow::start_sys_info);
    buttons->addWidget(ok);
    buttons->addWidget(sys_info);
    buttons->addStretch();
    layout->addLayout(buttons, 0, 2, 4, 1);

    layout->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 44);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();
}

void AboutWindow::start_sys_info()
{
    const std::optional<QString> program = find_system_information_program();
    if (program && interaction().start_program(*program, {}))
        return;
    interaction().show_message(this, kMessageTitle, tr("System Information Is Unavailable At This Time"), MessageIcon::Plain);
}

void open_about_window(QWidget *parent)
{
    AboutWindow window(parent);
    window.show_modal();
}

} // namespace dayvane
