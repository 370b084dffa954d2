#include "store/recordsettext.h"

#include "store/dberror.h"

#include <QDate>

#include <limits>

namespace dayvane {

namespace {

const QString kParserSource = QStringLiteral("RecordSet");

// A small cursor over the text; every read either succeeds or throws with
// the position it stopped at.
class Scanner
{
public:
    explicit Scanner(const QString &text)
        : m_text(text)
    {
    }

    void skip_blanks()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }

    bool at_end() const { return m_pos >= m_text.size(); }
    QChar peek() const { return at_end() ? QChar() : m_text.at(m_pos); }

    bool accept(QChar c)
    {
        if (peek() != c)
            return false;
        ++m_pos;
        return true;
    }

    void expect(QChar c, const char *what)
    {
        if (!accept(c))
            fail(what);
    }

    // A keyword, whole word, any case.
    bool accept_word(const QString &word)
    {
        if (m_text.mid(m_pos, word.size()).compare(word, Qt::CaseInsensitive) != 0)
            return false;
        const qsizetype end = m_pos + word.size();
        if (end < m_text.size() && is_name_char(m_text.at(end)))
            return false;
        m_pos = end;
        return true;
    }

    QString name()
    {
        const qsizetype start = m_pos;
        if (!at_end() && (peek().isLetter() || peek() == u'_')) {
            while (!at_end() && is_name_char(peek()))
                ++m_pos;
        }
        if (m_pos == start)
            fail("a name");
        return m_text.mid(start, m_pos - start);
    }

    // "[Year]" or "Year".
    QString parameter_name()
    {
        if (!accept(u'['))
            return name();
        const qsizetype close = m_text.indexOf(u']', m_pos);
        if (close < 0 || close == m_pos)
            fail("a parameter name closed by ']'");
        const QString result = m_text.mid(m_pos, close - m_pos);
        m_pos = close + 1;
        return result;
    }

    qint64 integer(qint64 low, qint64 high)
    {
        const bool negative = accept(u'-');
        const qsizetype start = m_pos;
        qint64 value = 0;
        while (!at_end() && peek().isDigit()) {
            value = value * 10 + peek().digitValue();
            if (value > high + 1)
                bad_value("The number is out of range for its parameter type.");
            ++m_pos;
        }
        if (m_pos == start)
            fail("a number");
        if (negative)
            value = -value;
        if (value < low || value > high)
            bad_value("The number is out of range for its parameter type.");
        return value;
    }

    // "#m/d/yyyy#"
    QDate date()
    {
        expect(u'#', "'#' before a date");
        const int month = int(integer(1, 12));
        expect(u'/', "'/' in a date");
        const int day = int(integer(1, 31));
        expect(u'/', "'/' in a date");
        const int year = int(integer(100, 9999));
        expect(u'#', "'#' after a date");
        const QDate result(year, month, day);
        if (!result.isValid())
            bad_value("The date does not exist.");
        return result;
    }

    // '...' with '' for a quote inside.
    QString quoted_text()
    {
        expect(u'\'', "a quote before a text value");
        QString result;
        for (;;) {
            if (at_end())
                fail("a closing quote");
            const QChar c = m_text.at(m_pos++);
            if (c != u'\'') {
                result += c;
            } else if (accept(u'\'')) {
                result += c;
            } else {
                return result;
            }
        }
    }

    [[noreturn]] void fail(const char *expected) const
    {
        throw DbError(DbError::RecordSetSyntax,
                      QStringLiteral("Syntax error in query text: expected %1 at position %2.")
                          .arg(QLatin1String(expected))
                          .arg(m_pos + 1),
                      kParserSource);
    }

    [[noreturn]] void bad_value(const char *why) const
    {
        throw DbError(DbError::BadParameterValue,
                      QStringLiteral("%1 (position %2)").arg(QLatin1String(why)).arg(m_pos + 1), kParserSource);
    }

private:
    static bool is_name_char(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

    const QString &m_text;
    qsizetype m_pos = 0;
};

QueryParameter read_parameter(Scanner &in)
{
    QueryParameter parameter;
    parameter.name = in.parameter_name();
    in.skip_blanks();
    if (in.accept_word(QStringLiteral("Long"))) {
        parameter.type = QueryParameter::Type::Long;
    } else if (in.accept_word(QStringLiteral("Short"))) {
        parameter.type = QueryParameter::Type::Short;
    } else if (in.accept_word(QStringLiteral("DateTime"))) {
        parameter.type = QueryParameter::Type::DateTime;
    } else if (in.accept_word(QStringLiteral("Text"))) {
        parameter.type = QueryParameter::Type::Text;
        in.skip_blanks();
        if (in.accept(u'(')) {
            in.skip_blanks();
            in.integer(1, 255);
            in.skip_blanks();
            in.expect(u')', "')' after the text size");
        }
    } else {
        in.fail("a parameter type (Long, Short, DateTime or Text)");
    }
    in.skip_blanks();
    if (!in.accept(u'='))
        return parameter;
    in.skip_blanks();
    switch (parameter.type) {
    case QueryParameter::Type::Long:
        parameter.value = in.integer(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
        break;
    case QueryParameter::Type::Short:
        parameter.value = in.integer(std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
        break;
    case QueryParameter::Type::DateTime:
        parameter.value = in.date();
        break;
    case QueryParameter::Type::Text:
        parameter.value = in.quoted_text();
        break;
    }
    parameter.has_value = true;
    return parameter;
}

} // namespace

RecordSetText parse_record_set_text(const QString &text)
{
    RecordSetText result;
    Scanner in(text);
    in.skip_blanks();
    if (in.accept_word(QStringLiteral("PARAMETERS"))) {
        do {
            in.skip_blanks();
            result.parameters.push_back(read_parameter(in));
            in.skip_blanks();
        } while (in.accept(u','));
        in.expect(u';', "';' after the parameters");
        in.skip_blanks();
    }
    if (!in.accept_word(QStringLiteral("SELECT")))
        in.fail("SELECT");
    in.skip_blanks();
    QString qualifier;
    if (!in.accept(u'*')) {
        qualifier = in.name();
        in.expect(u'.', "'.*' after the query name");
        in.expect(u'*', "'.*' after the query name");
    }
    in.skip_blanks();
    if (!in.accept_word(QStringLiteral("FROM")))
        in.fail("FROM");
    in.skip_blanks();
    result.query = in.name();
    in.skip_blanks();
    in.accept(u';');
    in.skip_blanks();
    if (!in.at_end())
        in.fail("the end of the text");
    if (!qualifier.isEmpty() && qualifier.compare(result.query, Qt::CaseInsensitive) != 0)
        in.fail("the same query name after SELECT and FROM");
    return result;
}

QString sql_text_literal(const QString &text)
{
    QString doubled = text;
    doubled.replace(u'\'', QStringLiteral("''"));
    return u'\'' + doubled + u'\'';
}

} // namespace dayvane
