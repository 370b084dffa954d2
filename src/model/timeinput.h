#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace dayvane {

// Reads a time of day as a user types it into a time box, giving minutes
// after midnight (0..1439). Accepted, with blanks around the text ignored and
// the designator in any letter case, with or without blanks before it:
//   "8:30 am", "08:30 PM", "8:30am", "12:00 am" (0), "12:00 pm" (720)
//   "8 am", "12 pm"        an hour alone, only with a designator
//   "17:45", "0:05"         24-hour clock when there is no designator
//   "8:30:15 pm"            seconds (00..59) are checked and ignored
// The hour has one or two digits, minutes and seconds exactly two. With a
// designator the hour is 1..12, without one 0..23. Anything else ("",
// "25:00", "13:00 pm", "0:30 am", "8:60", "8:5", "17", "noon") is nullopt.
std::optional<qint32> parse_time_of_day(const QString &text);

// The editor's duration of its start and end time boxes.
struct DurationResult {
    enum class Status { Valid, InvalidStart, InvalidEnd };

    Status status = Status::InvalidStart;
    qint32 minutes = 0;  // 1..1440 when valid, else 0
    QString text;        // for the duration label: "8hrs 30min", or the prompt
                         // "Enter start time" / "Enter end time"

    bool valid() const { return status == Status::Valid; }
};

// Minutes from the start time to the end time on the same day; an end not
// after the start is taken on the next day, so 22:00 to 06:00 gives 480 and
// equal times give 1440. The start box is checked first.
DurationResult calc_duration(const QString &start_text, const QString &end_text);

} // namespace dayvane
