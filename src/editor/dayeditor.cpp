#include "editor/dayeditor.h"

#include "model/timeinput.h"

#include <algorithm>
#include <vector>

namespace dayvane {

namespace {

void empty_row(EditorRow &row)
{
    row = EditorRow{row.number};
}

} // namespace

DayEditor::DayEditor()
{
    for (int index = 0; index < kRows; ++index)
        m_rows[size_t(index)].number = index + 1;
}

void DayEditor::load(const QString &time_segments, const DayValues &values)
{
    clear_all();
    const std::vector<TimePeriod> periods = decode_time_segments(time_segments);
    for (size_t index = 0; index < periods.size() && index < m_rows.size(); ++index) {
        const TimePeriod &period = periods[index];
        EditorRow &row = m_rows[index];
        row.filled = true;
        row.worked = period.worked();
        row.start = period.start;
        row.end = period.end;
        row.duration = period.start < period.end ? period.end - period.start : period.end - period.start + kMinutesPerDay;
    }
    m_values = values;
}

int DayEditor::index_of(int number) const
{
    for (int index = 0; index < kRows; ++index) {
        if (m_rows[size_t(index)].number == number)
            return index;
    }
    return -1;
}

int DayEditor::find_conflict(int editing, qint32 start, qint32 end) const
{
    for (int index = 0; index < kRows; ++index) {
        const EditorRow &row = m_rows[size_t(index)];
        if (index == editing || !row.filled)
            continue;
        const bool starts_inside = start < row.start && row.start < end;
        const bool ends_inside = start < row.end && row.end < end;
        const bool encloses = row.start < start && row.end > end;
        if (starts_inside || ends_inside || encloses)
            return index;
    }
    return -1;
}

TimeEntryResult DayEditor::apply_time_input(int editing, const QString &start_text, const QString &end_text, bool worked)
{
    using Outcome = TimeEntryResult::Outcome;
    const bool start_empty = start_text.trimmed().isEmpty();
    const bool end_empty = end_text.trimmed().isEmpty();
    const std::optional<qint32> start = parse_time_of_day(start_text);
    const std::optional<qint32> end = parse_time_of_day(end_text);
    if (!start_empty && !start)
        return {Outcome::InvalidStart};
    if (!end_empty && !end)
        return {Outcome::InvalidEnd};
    if (start.has_value() != end.has_value())
        return {Outcome::OneTimeMissing};
    if (!start)
        return {Outcome::Cleared, clear_row(editing)};

    const qint32 stop = *end > *start ? *end : *end + kMinutesPerDay;
    if (const int conflict = find_conflict(editing, *start, stop); conflict >= 0)
        return {Outcome::Conflict, conflict};
    EditorRow &row = m_rows.at(size_t(editing));
    row.filled = true;
    row.worked = worked;
    row.start = *start;
    row.end = stop;
    row.duration = stop - *start;
    const int number = row.number;
    sort_and_recompute();
    return {Outcome::Written, index_of(number)};
}

int DayEditor::clear_row(int index)
{
    EditorRow &row = m_rows.at(size_t(index));
    const int number = row.number;
    empty_row(row);
    sort_and_recompute();
    return index_of(number);
}

void DayEditor::clear_all()
{
    for (EditorRow &row : m_rows)
        empty_row(row);
    m_values = DayValues();
}

QString DayEditor::time_segments() const
{
    std::vector<TimePeriod> periods;
    for (const EditorRow &row : m_rows) {
        if (row.filled)
            periods.push_back({row.worked ? QStringLiteral("y") : QStringLiteral("n"), row.start, row.end});
    }
    return encode_time_segments(periods);
}

void DayEditor::sort_and_recompute()
{
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [](const EditorRow &a, const EditorRow &b) { return a.sort_key() < b.sort_key(); });
    m_values = DayValues();
    const auto last = std::find_if(m_rows.rbegin(), m_rows.rend(), [](const EditorRow &row) { return row.filled; });
    if (m_rows.front().filled && last != m_rows.rend()) {
        m_values.day_start = qint16(m_rows.front().start % kMinutesPerDay);
        m_values.day_stop = qint16(last->end % kMinutesPerDay);
    }
    for (const EditorRow &row : m_rows) {
        if (!row.filled)
            continue;
        m_values.minutes2 += row.duration;
        if (row.worked)
            m_values.minutes1 += row.duration;
    }
}

} // namespace dayvane
