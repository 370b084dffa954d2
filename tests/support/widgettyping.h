#pragma once

// Typing into a window's boxes as the user does. Header only and free of
// the program's libraries, so the end-to-end module, which must take the
// program's functions from the program itself, can use it too.

#include <QLineEdit>
#include <QString>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace dayvane::test {

// The child named `name` whose "index" property is `index`; any of that
// name for a negative index.
template <typename Widget>
Widget *find_indexed(QWidget &window, const QString &name, int index = -1)
{
    const auto found = window.findChildren<Widget *>(name);
    for (Widget *widget : found) {
        if (index < 0 || widget->property("index").toInt() == index)
            return widget;
    }
    return nullptr;
}

// Empties the box and types `text`.
inline void type_into(QWidget &window, const QString &box, const QString &text, int index = -1)
{
    QLineEdit *edit = find_indexed<QLineEdit>(window, box, index);
    ASSERT_NE(edit, nullptr) << box.toStdString();
    edit->clear();
    QTest::keyClicks(edit, text);
}

// Selects what the box holds, deletes it, types `text` and presses Enter,
// as a user replacing a value does.
inline void retype(QWidget &window, const QString &box, const QString &text)
{
    auto *edit = window.findChild<QLineEdit *>(box);
    ASSERT_NE(edit, nullptr) << box.toStdString();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace dayvane::test
