#pragma once

#include <QDate>
#include <QString>

#include <ostream>

// Readable values in GoogleTest failure messages (found by argument lookup).
inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QDate &date, std::ostream *os) { *os << date.toString(Qt::ISODate).toStdString(); }
