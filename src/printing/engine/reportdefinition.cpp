#include "printing/engine/reportdefinition.h"

#include "printing/engine/reportdata.h"

#include <QBrush>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <functional>
#include <set>

namespace dayvane {

std::optional<TextTemplate> TextTemplate::compile(const QString &text, QString *error)
{
    TextTemplate compiled;
    QString literal;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] != QLatin1Char('{')) {
            literal += text[i++];
            continue;
        }
        const qsizetype close = text.indexOf(QLatin1Char('}'), i);
        if (close < 0) {
            *error = QCoreApplication::translate("dayvane", "unclosed \"{\" in \"%1\"").arg(text);
            return std::nullopt;
        }
        const QString name = text.mid(i + 1, close - i - 1);
        Part part;
        part.is_literal = false;
        bool number = false;
        const int field = name.startsWith(QLatin1Char('F')) ? name.mid(1).toInt(&number) : -1;
        if (number && field >= 0 && field < kReportFieldCount)
            part.field = field;
        else if (name == QLatin1String("page"))
            part.field = PageNumber;
        else if (name == QLatin1String("pages"))
            part.field = PageCount;
        else if (name == QLatin1String("date"))
            part.field = PrintDate;
        else {
            *error = QCoreApplication::translate("dayvane", "unknown field \"{%1}\"").arg(name);
            return std::nullopt;
        }
        if (!literal.isEmpty())
            compiled.m_parts.push_back({literal, 0, true});
        literal.clear();
        compiled.m_parts.push_back(part);
        i = close + 1;
    }
    if (!literal.isEmpty())
        compiled.m_parts.push_back({literal, 0, true});
    return compiled;
}

bool TextTemplate::uses_fields() const
{
    for (const Part &part : m_parts)
        if (!part.is_literal && part.field >= 0)
            return true;
    return false;
}

const ReportBand *ReportDefinition::band_for(const QString &group, const QString &subgroup) const
{
    const ReportBand *fallback = nullptr;
    for (const ReportBand &band : bands) {
        if (band.group != group)
            continue;
        if (band.subgroup == subgroup && !subgroup.isEmpty())
            return &band;
        if (band.subgroup.isEmpty())
            fallback = &band;
    }
    return fallback;
}

const ReportBand *ReportDefinition::group_header(const QString &group) const
{
    const auto found = group_headers.find(group);
    return found == group_headers.end() ? nullptr : &found->second;
}

const DayClassStyle &ReportDefinition::day_class(int class_code) const
{
    static const DayClassStyle plain;
    const auto found = day_classes.find(class_code);
    return found == day_classes.end() ? plain : found->second;
}

namespace {

// One word of a definition line: a bare word, or key=value.
struct Token
{
    QString key;
    QString value;
    bool has_value = false;
};

// Splits a line at blanks outside double quotes and drops a comment: "#"
// at the start of a word and everything after it.
std::optional<std::vector<Token>> tokenize(const QString &line, QString *error)
{
    std::vector<Token> tokens;
    Token current;
    bool in_token = false;
    bool in_quotes = false;
    QString *target = &current.key;
    auto finish = [&] {
        if (in_token)
            tokens.push_back(current);
        current = Token();
        target = &current.key;
        in_token = false;
    };
    for (const QChar c : line) {
        if (in_quotes) {
            if (c == QLatin1Char('"'))
                in_quotes = false;
            else
                *target += c;
            continue;
        }
        if (c == QLatin1Char('#') && !in_token)  // a comment begins a word; "#fff" is a colour
            break;
        if (c.isSpace()) {
            finish();
            continue;
        }
        in_token = true;
        if (c == QLatin1Char('"'))
            in_quotes = true;
        else if (c == QLatin1Char('=') && !current.has_value) {
            current.has_value = true;
            target = &current.value;
        } else
            *target += c;
    }
    if (in_quotes) {
        *error = QCoreApplication::translate("dayvane", "unclosed quotation mark");
        return std::nullopt;
    }
    finish();
    return tokens;
}

// Reads the attributes of one statement, remembering what went wrong first.
class Attributes
{
public:
    Attributes(const std::vector<Token> &tokens, std::size_t first)
    {
        for (std::size_t i = first; i < tokens.size(); ++i)
            m_tokens.push_back(tokens[i]);
        m_used.resize(m_tokens.size(), false);
    }

    QString error;

    bool flag(const QString &name)
    {
        for (std::size_t i = 0; i < m_tokens.size(); ++i)
            if (!m_tokens[i].has_value && m_tokens[i].key == name) {
                m_used[i] = true;
                return true;
            }
        return false;
    }
    std::optional<QString> text(const QString &name)
    {
        for (std::size_t i = 0; i < m_tokens.size(); ++i)
            if (m_tokens[i].has_value && m_tokens[i].key == name) {
                m_used[i] = true;
                return m_tokens[i].value;
            }
        return std::nullopt;
    }
    // A number in mm or points; `required` makes a missing one an error.
    void number(const QString &name, double &target, bool required = false)
    {
        const std::optional<QString> value = text(name);
        if (!value) {
            if (required)
                fail(QCoreApplication::translate("dayvane", "\"%1\" is missing").arg(name));
            return;
        }
        bool ok = false;
        const double read = value->toDouble(&ok);
        if (!ok || read < 0 || read > 10000)
            fail(QCoreApplication::translate("dayvane", "\"%1\" is not a number for %2").arg(*value, name));
        else
            target = read;
    }
    void colour(const QString &name, QColor &target)
    {
        const std::optional<QString> value = text(name);
        if (!value)
            return;
        const QColor read = QColor::fromString(*value);
        if (!read.isValid())
            fail(QCoreApplication::translate("dayvane", "\"%1\" is not a colour for %2").arg(*value, name));
        else
            target = read;
    }
    void font(FontSpec &target)
    {
        if (const std::optional<QString> family = text(QStringLiteral("family")))
            target.family = *family;
        number(QStringLiteral("size"), target.size);
        if (target.size < 1 && error.isEmpty())
            fail(QCoreApplication::translate("dayvane", "font size %1 is too small").arg(target.size));
        if (flag(QStringLiteral("bold")))
            target.bold = true;
        if (flag(QStringLiteral("italic")))
            target.italic = true;
        if (flag(QStringLiteral("regular")))
            target.bold = target.italic = false;
    }
    void fail(const QString &what)
    {
        if (error.isEmpty())
            error = what;
    }
    // After all reads: anything left over is unknown to the statement.
    bool finish(const QString &statement)
    {
        for (std::size_t i = 0; i < m_tokens.size() && error.isEmpty(); ++i)
            if (!m_used[i])
                fail(QCoreApplication::translate("dayvane", "unknown attribute \"%1\" for %2").arg(m_tokens[i].key, statement));
        return error.isEmpty();
    }

private:
    std::vector<Token> m_tokens;
    std::vector<bool> m_used;
};

int alignment(Attributes &attributes, int horizontal_default)
{
    int align = horizontal_default;
    if (const std::optional<QString> value = attributes.text(QStringLiteral("align"))) {
        if (*value == QLatin1String("left"))
            align = Qt::AlignLeft;
        else if (*value == QLatin1String("center"))
            align = Qt::AlignHCenter;
        else if (*value == QLatin1String("right"))
            align = Qt::AlignRight;
        else
            attributes.fail(QCoreApplication::translate("dayvane", "align must be left, center or right, not \"%1\"").arg(*value));
    }
    int vertical = Qt::AlignVCenter;
    if (const std::optional<QString> value = attributes.text(QStringLiteral("valign"))) {
        if (*value == QLatin1String("top"))
            vertical = Qt::AlignTop;
        else if (*value == QLatin1String("bottom"))
            vertical = Qt::AlignBottom;
        else if (*value != QLatin1String("middle"))
            attributes.fail(QCoreApplication::translate("dayvane", "valign must be top, middle or bottom, not \"%1\"").arg(*value));
    }
    return align | vertical;
}

int brush_pattern(Attributes &attributes)
{
    const std::optional<QString> value = attributes.text(QStringLiteral("pattern"));
    if (!value || *value == QLatin1String("none"))
        return Qt::NoBrush;
    static const std::map<QString, int> patterns{
        {QStringLiteral("diagonal"), Qt::BDiagPattern}, {QStringLiteral("backdiagonal"), Qt::FDiagPattern},
        {QStringLiteral("cross"), Qt::DiagCrossPattern}, {QStringLiteral("horizontal"), Qt::HorPattern},
        {QStringLiteral("dots"), Qt::Dense6Pattern}};
    const auto found = patterns.find(*value);
    if (found == patterns.end()) {
        attributes.fail(QCoreApplication::translate("dayvane", "unknown pattern \"%1\"").arg(*value));
        return Qt::NoBrush;
    }
    return found->second;
}

class Parser
{
public:
    explicit Parser(ReportDefinition &definition) : m_def(definition) {}

    // Reads one line's statement; false with `error` set when it is wrong.
    bool statement(const std::vector<Token> &tokens, QString &error)
    {
        const QString keyword = tokens.front().key;
        if (tokens.front().has_value) {
            error = QCoreApplication::translate("dayvane", "a line must begin with a keyword, not \"%1=\"").arg(keyword);
            return false;
        }
        static const std::map<QString, bool (Parser::*)(const std::vector<Token> &, QString &)> statements{
            {QStringLiteral("page"), &Parser::page},       {QStringLiteral("font"), &Parser::font},
            {QStringLiteral("dayclass"), &Parser::day_class}, {QStringLiteral("break"), &Parser::page_break},
            {QStringLiteral("header"), &Parser::band},     {QStringLiteral("footer"), &Parser::band},
            {QStringLiteral("band"), &Parser::band},       {QStringLiteral("groupheader"), &Parser::band},
            {QStringLiteral("text"), &Parser::element},    {QStringLiteral("day"), &Parser::element},
            {QStringLiteral("line"), &Parser::element},    {QStringLiteral("box"), &Parser::element},
        };
        const auto found = statements.find(keyword);
        if (found == statements.end()) {
            error = QCoreApplication::translate("dayvane", "unknown keyword \"%1\"").arg(keyword);
            return false;
        }
        return (this->*found->second)(tokens, error);
    }

private:
    bool page(const std::vector<Token> &tokens, QString &error)
    {
        Attributes a(tokens, 1);
        PageSetup &page = m_def.page;
        if (const std::optional<QString> paper = a.text(QStringLiteral("paper"))) {
            if (*paper == QLatin1String("auto"))
                page.paper = PageSetup::Paper::Auto;
            else if (*paper == QLatin1String("A4"))
                page.paper = PageSetup::Paper::A4;
            else if (*paper == QLatin1String("Letter"))
                page.paper = PageSetup::Paper::Letter;
            else
                a.fail(QCoreApplication::translate("dayvane", "paper must be auto, A4 or Letter, not \"%1\"").arg(*paper));
        }
        if (const std::optional<QString> orientation = a.text(QStringLiteral("orientation"))) {
            if (*orientation == QLatin1String("portrait") || *orientation == QLatin1String("landscape"))
                page.landscape = *orientation == QLatin1String("landscape");
            else
                a.fail(QCoreApplication::translate("dayvane", "orientation must be portrait or landscape, not \"%1\"").arg(*orientation));
        }
        if (const std::optional<QString> margins = a.text(QStringLiteral("margins"))) {
            const QStringList parts = margins->split(QLatin1Char(','));
            std::vector<double> values;
            for (const QString &part : parts) {
                bool ok = false;
                const double value = part.toDouble(&ok);
                if (!ok || value < 0 || value > 100)
                    break;
                values.push_back(value);
            }
            if (values.size() == 1)
                page.margins = QMarginsF(values[0], values[0], values[0], values[0]);
            else if (values.size() == 4 && parts.size() == 4)
                page.margins = QMarginsF(values[0], values[1], values[2], values[3]);
            else
                a.fail(QCoreApplication::translate("dayvane", "margins must be one number or four (left,top,right,bottom), not \"%1\"")
                           .arg(*margins));
        }
        a.number(QStringLiteral("width"), page.width);
        return finish(a, QStringLiteral("page"), error);
    }

    bool font(const std::vector<Token> &tokens, QString &error)
    {
        Attributes a(tokens, 1);
        a.font(m_def.font);
        return finish(a, QStringLiteral("font"), error);
    }

    bool day_class(const std::vector<Token> &tokens, QString &error)
    {
        bool ok = false;
        const int code = tokens.size() > 1 && !tokens[1].has_value ? tokens[1].key.toInt(&ok) : -1;
        if (!ok || code < 0 || code % 100 != 0) {
            error = QCoreApplication::translate("dayvane", "dayclass needs a class code (0, 100, 200, ...) after it");
            return false;
        }
        Attributes a(tokens, 2);
        DayClassStyle style;
        a.colour(QStringLiteral("fill"), style.fill);
        a.colour(QStringLiteral("text"), style.text);
        a.colour(QStringLiteral("pattern-colour"), style.pattern_colour);
        style.pattern = brush_pattern(a);
        style.bold = a.flag(QStringLiteral("bold"));
        style.italic = a.flag(QStringLiteral("italic"));
        m_def.day_classes[code] = style;
        return finish(a, QStringLiteral("dayclass"), error);
    }

    bool page_break(const std::vector<Token> &tokens, QString &error)
    {
        if (tokens.size() != 2 || tokens[1].key != QLatin1String("on-page-change") || tokens[1].has_value) {
            error = QCoreApplication::translate("dayvane", "break must read \"break on-page-change\"");
            return false;
        }
        m_def.break_on_page_change = true;
        return true;
    }

    bool band(const std::vector<Token> &tokens, QString &error)
    {
        const QString keyword = tokens.front().key;
        ReportBand band;
        std::size_t next = 1;
        if (keyword == QLatin1String("band") || keyword == QLatin1String("groupheader")) {
            const std::size_t names_allowed = keyword == QLatin1String("band") ? 2 : 1;
            QStringList names;
            while (next < tokens.size() && !tokens[next].has_value && std::size_t(names.size()) < names_allowed
                   && tokens[next].key.size() == 1 && tokens[next].key[0].isLetter())
                names << tokens[next++].key;
            if (names.isEmpty()) {
                error = QCoreApplication::translate("dayvane", "%1 needs a group letter after it").arg(keyword);
                return false;
            }
            band.group = names[0];
            band.subgroup = names.value(1);
        }
        Attributes a(tokens, next);
        a.number(QStringLiteral("height"), band.height, true);
        band.new_page = a.flag(QStringLiteral("newpage"));
        band.keep_next = a.flag(QStringLiteral("keepnext"));
        band.keep_previous = a.flag(QStringLiteral("keepprevious"));
        band.skip_empty = a.flag(QStringLiteral("skipempty"));
        if (!finish(a, keyword, error))
            return false;

        const QString name = QStringLiteral("%1 %2 %3").arg(keyword, band.group, band.subgroup).trimmed();
        if (!m_names.insert(name).second) {
            error = QCoreApplication::translate("dayvane", "%1 is defined twice").arg(name);
            return false;
        }
        if (keyword == QLatin1String("header"))
            m_current = &m_def.page_header.emplace(std::move(band));
        else if (keyword == QLatin1String("footer"))
            m_current = &m_def.page_footer.emplace(std::move(band));
        else if (keyword == QLatin1String("groupheader")) {
            const QString group = band.group;
            m_current = &(m_def.group_headers[group] = std::move(band));
        }
        else {
            m_def.bands.push_back(std::move(band));
            m_band_index = m_def.bands.size() - 1;
            m_current = nullptr;
        }
        return true;
    }

    ReportBand *current_band()
    {
        if (m_current)
            return m_current;
        if (m_band_index)
            return &m_def.bands[*m_band_index];
        return nullptr;
    }

    bool element(const std::vector<Token> &tokens, QString &error)
    {
        const QString keyword = tokens.front().key;
        ReportBand *band = current_band();
        if (!band) {
            error = QCoreApplication::translate("dayvane", "%1 outside a band (put a band, header or footer line first)").arg(keyword);
            return false;
        }
        Attributes a(tokens, 1);
        ReportElement element;
        element.font = m_def.font;
        if (keyword == QLatin1String("line")) {
            element.kind = ReportElement::Kind::Line;
            a.number(QStringLiteral("x1"), element.x, true);
            a.number(QStringLiteral("y1"), element.y, true);
            a.number(QStringLiteral("x2"), element.x2, true);
            a.number(QStringLiteral("y2"), element.y2, true);
        } else {
            element.kind = keyword == QLatin1String("text") ? ReportElement::Kind::Text
                         : keyword == QLatin1String("day")  ? ReportElement::Kind::Day
                                                            : ReportElement::Kind::Box;
            a.number(QStringLiteral("x"), element.x, true);
            a.number(QStringLiteral("y"), element.y, true);
            a.number(QStringLiteral("w"), element.w, true);
            a.number(QStringLiteral("h"), element.h, true);
        }
        a.colour(QStringLiteral("colour"), element.colour);
        a.number(QStringLiteral("width"), element.line_width);
        element.stretch = a.flag(QStringLiteral("stretch"));
        element.bottom = a.flag(QStringLiteral("bottom"));
        if (element.kind == ReportElement::Kind::Box)
            a.colour(QStringLiteral("fill"), element.fill);
        if (element.kind == ReportElement::Kind::Text || element.kind == ReportElement::Kind::Day) {
            const std::optional<QString> value = a.text(QStringLiteral("value"));
            const std::optional<QString> field = a.text(QStringLiteral("field"));
            if (value && field)
                a.fail(QCoreApplication::translate("dayvane", "give either value or field, not both"));
            else if (!value && !field)
                a.fail(QCoreApplication::translate("dayvane", "%1 needs a value or a field").arg(keyword));
            // A caption shows in the user's language; its placeholders stay.
            QString template_text = value && element.kind == ReportElement::Kind::Text
                ? QCoreApplication::translate("report", value->toUtf8().constData())
                : value ? *value : QStringLiteral("{%1}").arg(field.value_or(QString()));
            QString template_error;
            if (a.error.isEmpty()) {
                if (std::optional<TextTemplate> compiled = TextTemplate::compile(template_text, &template_error))
                    element.value = std::move(*compiled);
                else
                    a.fail(template_error);
            }
            a.font(element.font);
            element.align = alignment(a, element.kind == ReportElement::Kind::Day ? Qt::AlignRight : Qt::AlignLeft);
            a.number(QStringLiteral("pad"), element.pad);
            if (element.kind == ReportElement::Kind::Text)
                element.grow = a.flag(QStringLiteral("grow"));
        }
        if (!finish(a, keyword, error))
            return false;
        band->elements.push_back(std::move(element));
        return true;
    }

    static bool finish(Attributes &a, const QString &statement, QString &error)
    {
        if (a.finish(statement))
            return true;
        error = a.error;
        return false;
    }

    ReportDefinition &m_def;
    // The band that elements go to: a header, footer or group header, or
    // else the last body band (by index: the vector may still grow).
    ReportBand *m_current = nullptr;
    std::optional<std::size_t> m_band_index;
    std::set<QString> m_names;
};

} // namespace

DefinitionResult parse_report_definition(const QString &text, const QString &file_name)
{
    ReportDefinition definition;
    Parser parser(definition);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString error;
        const std::optional<std::vector<Token>> tokens = tokenize(lines[i], &error);
        if (tokens && (tokens->empty() || parser.statement(*tokens, error)))
            continue;
        return {std::nullopt, QCoreApplication::translate("dayvane", "%1, line %2: %3").arg(file_name).arg(i + 1).arg(error)};
    }
    if (definition.bands.empty())
        return {std::nullopt, QCoreApplication::translate("dayvane", "%1: the definition has no band").arg(file_name)};
    return {std::move(definition), QString()};
}

DefinitionResult read_report_definition(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.exists())
        return {std::nullopt, QCoreApplication::translate("dayvane", "The report definition \"%1\" cannot be found.").arg(path)};
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, QCoreApplication::translate("dayvane", "The report definition \"%1\" cannot be read: %2").arg(path, file.errorString())};
    DefinitionResult result = parse_report_definition(QString::fromUtf8(file.readAll()), name);
    if (!result.definition)
        result.error = QCoreApplication::translate("dayvane", "The report definition cannot be read:\r\n%1").arg(result.error);
    return result;
}

} // namespace dayvane
