#include "visibletexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTextDocument>

#include <algorithm>

namespace dayvane::test {

namespace {

QString path_of(const QWidget *widget, const QWidget &window)
{
    QStringList names;
    for (const QWidget *at = widget; at && at != &window; at = at->parentWidget())
        names.prepend(at->objectName().isEmpty() ? QString::fromLatin1(at->metaObject()->className()) : at->objectName());
    return names.join(u'/');
}

// The width of `widget` left visible once every parent up to `window` has
// clipped it.
int visible_width(const QWidget *widget, const QWidget &window)
{
    QRect shown = widget->rect();
    for (const QWidget *at = widget; at && at != &window; at = at->parentWidget()) {
        const QWidget *parent = at->parentWidget();
        if (!parent)
            break;
        shown = QRect(at->mapTo(parent, shown.topLeft()), shown.size()).intersected(parent->rect());
    }
    return std::max(0, shown.width());
}

QString plain(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

void add_widget_text(std::vector<VisibleText> &found, QWidget *widget, const QWidget &window)
{
    // The text a control shows and the width it asks for.
    std::pair<QString, int> shown;
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        // A wrapping label grows downwards; it is cut only when its lines need more height than it has.
        const int height = label->wordWrap() ? label->heightForWidth(label->width()) : 0;
        if (label->wordWrap() && height > label->height() && !label->text().isEmpty())
            found.push_back({plain(label->text()), path_of(widget, window), height, label->height()});
        if (!label->wordWrap())
            shown = {plain(label->text()), label->sizeHint().width()};
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        shown = {button->text(), button->minimumSizeHint().width()};
    } else if (auto *box = qobject_cast<QGroupBox *>(widget)) {
        shown = {box->title(), box->minimumSizeHint().width()};
    } else if (auto *combo = qobject_cast<QComboBox *>(widget); combo && !combo->isEditable()) {
        shown = {combo->currentText(), combo->sizeHint().width()};
    }
    if (shown.first.isEmpty())
        return;
    shown.first.remove(u'&');
    found.push_back({shown.first, path_of(widget, window), shown.second, std::min(widget->width(), visible_width(widget, window))});
}

void add_view_texts(std::vector<VisibleText> &found, QAbstractItemView *view, const QWidget &window)
{
    const QAbstractItemModel *model = view->model();
    if (!model)
        return;
    const QString where = path_of(view, window);
    const QRect viewport = view->viewport()->rect();
    const int clipped = visible_width(view->viewport(), window);
    const auto visit = [&](auto &self, const QModelIndex &parent) -> void {
        for (int row = 0; row < model->rowCount(parent); ++row) {
            for (int column = 0; column < model->columnCount(parent); ++column) {
                const QModelIndex index = model->index(row, column, parent);
                const QRect rect = view->visualRect(index);
                if (rect.isEmpty() || !rect.intersects(viewport))
                    continue;
                const QString text = index.data(Qt::DisplayRole).toString();
                if (!text.isEmpty()) {
                    QStyleOptionViewItem option;
                    option.initFrom(view);
                    option.font = view->font();
                    const QVariant font = index.data(Qt::FontRole);
                    if (font.isValid())
                        option.font = font.value<QFont>();
                    option.fontMetrics = QFontMetrics(option.font);
                    const int needed = view->itemDelegateForIndex(index)->sizeHint(option, index).width();
                    // Up to the viewport's right edge, as far as the window itself shows the viewport.
                    const int right = std::min(rect.right(), std::min(viewport.right(), clipped - 1));
                    const int room = std::max(0, std::min(rect.width(), right - rect.left() + 1));
                    found.push_back({text, QStringLiteral("%1[%2,%3]").arg(where).arg(row).arg(column), needed, room});
                }
                if (column == 0 && model->hasChildren(index))
                    self(self, index);
            }
        }
    };
    visit(visit, view->rootIndex());
}

void add_header_texts(std::vector<VisibleText> &found, QHeaderView *header, const QWidget &window)
{
    if (!header->isVisible() || !header->model())
        return;
    const QString where = path_of(header, window);
    const int edge = header->orientation() == Qt::Horizontal ? header->viewport()->width() : header->viewport()->height();
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section) || header->sectionSize(section) == 0)
            continue;
        const QString text = header->model()->headerData(section, header->orientation()).toString();
        if (text.isEmpty() || header->orientation() == Qt::Vertical)
            continue;
        const int start = header->sectionViewportPosition(section);
        if (start >= edge)
            continue;
        const int room = std::min(header->sectionSize(section), edge - start);
        int needed = header->sectionSizeHint(section) - header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        // A header of two lines and more wraps its texts: they fit when their
        // lines do, and their longest word does.
        const QFontMetrics metrics = header->fontMetrics();
        if (header->height() >= 2 * metrics.lineSpacing() + 2) {
            const QRect wrapped = metrics.boundingRect(QRect(0, 0, room - 6, 10000), Qt::AlignCenter | Qt::TextWordWrap, text);
            needed = wrapped.height() <= header->height() - 2 ? wrapped.width() + 6 : room + 1;
        }
        found.push_back({text, QStringLiteral("%1[%2]").arg(where).arg(section), needed, room});
    }
}

} // namespace

std::vector<VisibleText> visible_texts(QWidget &window)
{
    // As the user sees it: after the layouts and whatever waits for them
    // have followed the latest texts.
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
    std::vector<VisibleText> found;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        if (auto *header = qobject_cast<QHeaderView *>(widget))
            add_header_texts(found, header, window);
        else if (auto *view = qobject_cast<QAbstractItemView *>(widget))
            add_view_texts(found, view, window);
        else
            add_widget_text(found, widget, window);
    }
    return found;
}

QStringList cut_texts(QWidget &window)
{
    QStringList cut;
    for (const VisibleText &text : visible_texts(window)) {
        if (text.needed > text.room)
            cut << QStringLiteral("%1: %2 (needs %3 px, has %4)").arg(text.where, text.text).arg(text.needed).arg(text.room);
    }
    return cut;
}

} // namespace dayvane::test
