#pragma once

#include "model/timesegments.h"

#include <QString>
#include <QtGlobal>

#include <array>

namespace dayvane {

// One row of the editor's period grid.
struct EditorRow
{
    int number = 0;       // the row's own number, 1..12; it follows the row through every sort
    bool filled = false;  // an empty row has no period and sorts after every filled one
    bool worked = false;  // worked and paid ("Yes"), or paid only ("No")
    qint32 start = 0;     // minutes after midnight, 0..1439
    qint32 end = 0;       // as stored; above 1439 when the period runs past midnight
    qint32 duration = 0;  // minutes, 1..1440

    // The grid's hidden start column: the start, or 9999 for an empty row.
    qint32 sort_key() const { return filled ? start : 9999; }
};

// The values a saved day carries besides its periods.
struct DayValues
{
    qint16 day_start = 0;  // start of the first period, minutes after midnight
    qint16 day_stop = 0;   // end of the period starting last, as a time of day (0..1439)
    qint32 minutes1 = 0;   // worked minutes
    qint32 minutes2 = 0;   // paid minutes

    friend bool operator==(const DayValues &, const DayValues &) = default;
};

// What became of a typed period (see DayEditor::apply_time_input).
struct TimeEntryResult
{
    enum class Outcome {
        InvalidStart,    // the start box holds text that is no time
        InvalidEnd,      // the end box holds text that is no time
        OneTimeMissing,  // only one of the two boxes holds a time
        Conflict,        // the period overlaps the period in `row`
        Cleared,         // both boxes empty: the edited row was emptied
        Written,
    };

    Outcome outcome = Outcome::InvalidStart;
    // Conflict: the conflicting row. Cleared, Written: where the edited row
    // is after the sort. Otherwise -1.
    int row = -1;

    bool changed() const { return outcome == Outcome::Cleared || outcome == Outcome::Written; }
};

// The editor's day without widgets: the 12 period rows kept sorted by start
// (empty rows last) and the day values that follow from them. Rows are
// indexed 0..11 from the top. Every change leaves the rows sorted and the
// day values recomputed; a refused change leaves both exactly as they were.
class DayEditor
{
public:
    static constexpr int kRows = kMaxTimePeriods;

    DayEditor();

    // Fills the rows from the top with the stored periods in their stored
    // order (at most 12; unsorted as stored) and takes the stored day values
    // as they are: the first change recomputes them.
    void load(const QString &time_segments, const DayValues &values);

    const EditorRow &row(int index) const { return m_rows.at(size_t(index)); }
    const DayValues &values() const { return m_values; }
    bool has_periods() const { return m_rows.front().filled; }
    // The row that carries `number`; -1 when none does.
    int index_of(int number) const;

    // The first row other than `editing` whose period overlaps start..end
    // (end above start, maybe past 1439), or -1. Touching periods do not
    // overlap, and neither does an exact duplicate of another row.
    int find_conflict(int editing, qint32 start, qint32 end) const;

    // Checks the texts of the start and end boxes and, when they pass,
    // writes the period into row `editing` (both empty: empties the row).
    TimeEntryResult apply_time_input(int editing, const QString &start_text, const QString &end_text, bool worked);

    // Empties row `index`; returns where that row is after the sort.
    int clear_row(int index);
    // Empties every row; every day value becomes 0.
    void clear_all();

    // The day's periods in the stored form, in row order ("" without any).
    QString time_segments() const;

private:
    void sort_and_recompute();

    std::array<EditorRow, kRows> m_rows;
    DayValues m_values;
};

} // namespace dayvane
