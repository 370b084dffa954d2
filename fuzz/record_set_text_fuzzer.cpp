// The record-set text parser reads the program's own SQL text, but a bad
// value typed into a window may reach it inside a quoted parameter: it must
// refuse malformed text with DbError and nothing else.

#include "fuzzcheck.h"

#include "store/dberror.h"
#include "store/recordsettext.h"

#include <QDate>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

using namespace dayvane;

void check_parameters(const RecordSetText &parsed)
{
    for (const QueryParameter &p : parsed.parameters) {
        FUZZ_CHECK(!p.name.isEmpty());
        if (!p.has_value)
            continue;
        switch (p.type) {
        case QueryParameter::Type::Long:
        case QueryParameter::Type::Short:
            FUZZ_CHECK(p.value.typeId() == QMetaType::LongLong);
            break;
        case QueryParameter::Type::DateTime:
            FUZZ_CHECK(p.value.typeId() == QMetaType::QDate);
            break;
        case QueryParameter::Type::Text:
            FUZZ_CHECK(p.value.typeId() == QMetaType::QString);
            break;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    try {
        check_parameters(parse_record_set_text(text));
    } catch (const DbError &error) {
        FUZZ_CHECK(error.number() == DbError::RecordSetSyntax || error.number() == DbError::BadParameterValue);
    }

    // Any text, quoted by the program, comes back unchanged.
    const QString sql = QStringLiteral("PARAMETERS NameTest Text ( 255 )=%1; SELECT Q001.* FROM Q001;")
                            .arg(sql_text_literal(text));
    const RecordSetText quoted = parse_record_set_text(sql);
    FUZZ_CHECK(quoted.query == u"Q001");
    FUZZ_CHECK(quoted.parameters.size() == 1);
    FUZZ_CHECK(quoted.parameters.front().value.toString() == text);
    return 0;
}
