#pragma once

#include <QByteArray>

// The reply dayvane-web gives from the data folder the project ships, with
// the years `first_year`..`last_year` (dayvane-web --years FIRST-LAST),
// after an HTTP head as the client receives it. Apart from the benchmarks
// that decode it, since the server's and the client's headers both name the
// exchange's separator.
QByteArray shipped_holiday_reply(int first_year, int last_year);
