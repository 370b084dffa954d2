// Addresses are cut by the same rules libpq reads them with (its connection
// string and URI parsers), and every cut is checked with PQconninfoParse.

#include "store/serveraddress.h"

#include "store/postgresdatabase.h"

#include <QStringList>

#include <map>
#include <string>
#include <vector>

namespace dayvane {

namespace {

const QString kPasswordKey = QStringLiteral("password");

// One setting in the text: `start`..`end` is what goes when it is taken
// out (with its separator in a URI), `value_start`..`value_end` its value.
struct Entry
{
    QString key;
    qsizetype start = 0, end = 0, value_start = 0, value_end = 0;
};

bool is_uri(const QString &address)
{
    return address.startsWith(QStringLiteral("postgresql://")) || address.startsWith(QStringLiteral("postgres://"));
}

// libpq's isspace() on bytes: the ASCII white space.
bool is_space(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f';
}

std::vector<Entry> keyword_entries(const QString &text)
{
    std::vector<Entry> entries;
    const qsizetype n = text.size();
    qsizetype i = 0;
    const auto skip_space = [&] {
        while (i < n && is_space(text[i]))
            ++i;
    };
    for (;;) {
        skip_space();
        if (i >= n)
            break;
        Entry entry;
        entry.start = i;
        while (i < n && !is_space(text[i]) && text[i] != u'=')
            ++i;
        entry.key = text.mid(entry.start, i - entry.start);
        skip_space();
        if (i >= n || text[i] != u'=')
            break;
        ++i;
        skip_space();
        entry.value_start = i;
        const bool quoted = i < n && text[i] == u'\'';
        if (quoted)
            ++i;
        // A backslash escapes the next character, quoted or not.
        while (i < n && (quoted ? text[i] != u'\'' : !is_space(text[i])))
            i += text[i] == u'\\' ? 2 : 1;
        if (quoted && i >= n)
            break;
        i = std::min(i + (quoted ? 1 : 0), n);
        entry.value_end = entry.end = i;
        entries.push_back(entry);
    }
    return entries;
}

std::vector<Entry> uri_entries(const QString &text)
{
    std::vector<Entry> entries;
    const qsizetype n = text.size();
    qsizetype i = text.indexOf(QStringLiteral("://")) + 3;
    // libpq takes user[:password]@ when an '@' comes before any '/'.
    qsizetype at = i;
    while (at < n && text[at] != u'@' && text[at] != u'/')
        ++at;
    if (at < n && text[at] == u'@') {
        const qsizetype colon = text.indexOf(u':', i);
        if (colon >= 0 && colon < at)
            entries.push_back({kPasswordKey, colon, at, colon + 1, at});
        i = at + 1;
    }
    const qsizetype query = text.indexOf(u'?', i);
    if (query < 0)
        return entries;
    for (qsizetype sep = query; sep < n;) {
        qsizetype next = text.indexOf(u'&', sep + 1);
        if (next < 0)
            next = n;
        const qsizetype equals = text.indexOf(u'=', sep + 1);
        if (equals >= 0 && equals < next) {
            const QString key = QString::fromUtf8(QByteArray::fromPercentEncoding(text.mid(sep + 1, equals - sep - 1).toUtf8()));
            entries.push_back({key, sep, next, equals + 1, next});
        }
        sep = next;
    }
    return entries;
}

std::vector<Entry> entries_of(const QString &address)
{
    return is_uri(address) ? uri_entries(address) : keyword_entries(address);
}

QString value_of(const QString &address, const Entry &entry)
{
    QString value = address.mid(entry.value_start, entry.value_end - entry.value_start);
    if (is_uri(address))
        return QString::fromUtf8(QByteArray::fromPercentEncoding(value.toUtf8()));
    if (value.startsWith(u'\''))
        value = value.mid(1, value.size() - 2);
    QString plain;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\' && i + 1 < value.size())
            ++i;
        plain += value[i];
    }
    return plain;
}

// `address` without `entry`, its separators left so that the rest reads
// as before.
QString cut(const QString &address, const std::vector<Entry> &entries, size_t index)
{
    const Entry &entry = entries[index];
    QString rest = address;
    if (is_uri(address)) {
        // "?key=v&more" keeps its '?'; "?key=v", "&key=v" and ":pw" go whole.
        const bool first_of_more = address[entry.start] == u'?' && entry.end < address.size();
        if (first_of_more)
            return rest.remove(entry.start + 1, entry.end + 1 - (entry.start + 1));
        return rest.remove(entry.start, entry.end - entry.start);
    }
    if (index + 1 < entries.size())
        return rest.remove(entry.start, entries[index + 1].start - entry.start);
    if (index > 0)
        return rest.remove(entries[index - 1].end, entry.end - entries[index - 1].end);
    return rest.remove(entry.start, entry.end - entry.start);
}

QString without_key(QString address, const QString &key)
{
    for (;;) {
        const std::vector<Entry> entries = entries_of(address);
        size_t index = 0;
        while (index < entries.size() && entries[index].key != key)
            ++index;
        if (index == entries.size())
            return address;
        address = cut(address, entries, index);
    }
}

// The settings libpq reads from `address` (the program's own taken out),
// none when it cannot read it.
std::optional<std::map<std::string, std::string>> libpq_settings(const QString &address)
{
    char *reason = nullptr;
    PQconninfoOption *options = PQconninfoParse(without_key(address, pg::kRequestLimitKey).toUtf8().constData(), &reason);
    PQfreemem(reason);
    if (!options)
        return std::nullopt;
    std::map<std::string, std::string> settings;
    for (const PQconninfoOption *option = options; option->keyword; ++option) {
        if (option->val)
            settings[option->keyword] = option->val;
    }
    PQconninfoFree(options);
    return settings;
}

QString quoted(const QString &value)
{
    QString text = value;
    text.replace(QStringLiteral("\\"), QStringLiteral("\\\\")).replace(QStringLiteral("'"), QStringLiteral("\\'"));
    return u'\'' + text + u'\'';
}

} // namespace

QByteArray server_address_password(const QString &address)
{
    if (!is_server_address(address))
        return {};
    const auto settings = libpq_settings(address);
    if (!settings || !settings->count("password"))
        return {};
    return QByteArray::fromStdString(settings->at("password"));
}

QString without_password(const QString &address)
{
    if (!is_server_address(address))
        return address;
    const QString stripped = without_key(address, kPasswordKey);
    auto settings = libpq_settings(address);
    if (stripped == address || !settings)
        return stripped;
    settings->erase("password");
    if (libpq_settings(stripped) == settings)
        return stripped;
    QStringList entries;
    for (const auto &[key, value] : *settings)
        entries << QString::fromStdString(key) + u'=' + quoted(QString::fromStdString(value));
    if (const auto limit = address_setting(address, pg::kRequestLimitKey))
        entries << pg::kRequestLimitKey + u'=' + quoted(*limit);
    return entries.join(u' ');
}

QString masked(const QString &address)
{
    if (!is_server_address(address))
        return address;
    QString shown = address;
    const std::vector<Entry> entries = entries_of(address);
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (entry->key == kPasswordKey)
            shown.replace(entry->value_start, entry->value_end - entry->value_start, QStringLiteral("***"));
    }
    return shown;
}

std::optional<QString> address_setting(const QString &address, const QString &key)
{
    std::optional<QString> value;
    for (const Entry &entry : entries_of(address)) {
        if (entry.key == key)
            value = value_of(address, entry);
    }
    return value;
}

QString without_setting(const QString &address, const QString &key)
{
    return without_key(address, key);
}

} // namespace dayvane
