#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <span>
#include <vector>

namespace dayvane {

// A day's time periods are stored as one text: each period is written as
// flag "@" start ">" end, and periods are joined by "+", e.g.
// "y@480>720+n@720>780". Start and end are minutes after midnight; an end
// past midnight stays above 1439 (22:00 to 06:00 is 1320>1800), and a period
// whose end time equals its start time lasts a whole day (end = start + 1440).
// The flag "y" marks a worked and paid period; any other flag is paid only.
//
// Reading any text, including text no part of this program writes:
// - The text is split at "+". A piece that is empty, blank, has no "@", or
//   has no ">" after its first "@" is not a period and is skipped.
// - The flag is the piece up to its first "@", taken as it is (no trimming):
//   only exactly "y" is worked, so "Y" and " y" are paid only.
// - Start is the text between that "@" and the next ">", end the text after
//   it. Each reads as its leading decimal number after any leading spaces or
//   tabs; no sign is read, so "-60", "abc" and "" read as 0.
// - Numbers are clamped into the range a well-formed period uses: start to
//   0..1439, end to 0..2879. A huge number cannot overflow.
// - At most the first kMaxTimePeriods periods are read; the rest of the text
//   is ignored by every reader below, so the sums always describe exactly the
//   periods that the display lines show.
// - In the sums each period adds end minus start as stored (no day is added
//   when the end is not above the start), limited to -1440..1440. A day's sum
//   therefore stays within -17280..17280, which 16-bit fields hold.
// Readers never fail: malformed text yields fewer periods or odd values.

inline constexpr int kMaxTimePeriods = 12;
inline constexpr qint32 kMinutesPerDay = 1440;

struct TimePeriod {
    QString flag;   // "y" or "n" as written; empty marks an unused editor row
    qint32 start = 0;
    qint32 end = 0;

    bool worked() const { return flag == u"y"; }

    friend bool operator==(const TimePeriod &, const TimePeriod &) = default;
};

// The periods of `text` in their written order, at most kMaxTimePeriods.
std::vector<TimePeriod> decode_time_segments(const QString &text);

// Writes the periods in order, joined by "+"; a period with an empty flag is
// left out, so unused editor rows leave no trace. No periods give "".
// Well-formed periods (flag without "+", "@" or ">", 0 <= start <= 1439,
// start < end <= start + 1440) decode back to the same values; other values
// are written as they are and read back by the rules above.
QString encode_time_segments(std::span<const TimePeriod> periods);

// The flag for the editor grid's work column: its first character in lower
// case, so "Yes" gives "y", "No" gives "n" and an empty cell gives "".
QString work_flag(const QString &work_column);

// Worked minutes (periods flagged exactly "y") and paid minutes (all periods).
qint32 calc_work_minutes(const QString &text);
qint32 calc_paid_minutes(const QString &text);

// One display line per period read, e.g. "08:00 AM..05:00 PM (9h 0m Wrk)",
// the remaining entries empty. The duration shown is end - start, plus 1440
// when the start is not below the end, so "y@600>600" shows 24h 0m although
// it sums to 0.
std::array<QString, kMaxTimePeriods> format_time_segments(const QString &text);

} // namespace dayvane
