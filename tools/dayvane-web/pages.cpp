#include "pages.h"

namespace dayvane {

namespace {

// Every page shares one head, style and navigation so that they read as one
// small site.
QString page(const QString &title, const QString &body)
{
    static const QString head = QStringLiteral(R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>%1</title>
<style>
body { font-family: sans-serif; max-width: 46em; margin: 2em auto; padding: 0 1em; line-height: 1.5; color: #222; }
nav { border-bottom: 2px solid #d3f0c1; padding-bottom: .5em; margin-bottom: 1.5em; }
nav a { margin-right: 1.2em; }
h1 { font-size: 1.6em; }
h2 { font-size: 1.2em; margin-top: 1.6em; }
kbd, .command { font-weight: bold; }
footer { margin-top: 3em; font-size: .85em; color: #666; }
</style>
</head>
<body>
<nav><a href="/">Home</a><a href="/help/qzhelp.htm">On-line help</a><a href="/cs/news.htm">News</a><a href="/cs/contact.htm">Contact</a></nav>
)");
    static const QString foot = QStringLiteral(R"(
<footer>Dayvane work calendar &middot; Corvantelle</footer>
</body>
</html>
)");
    return head.arg(title.toHtmlEscaped()) + body + foot;
}

} // namespace

QString help_page()
{
    return page(QStringLiteral("Dayvane on-line help"), QStringLiteral(R"(<h1>Dayvane on-line help</h1>
<p>Dayvane keeps your organisation's work calendars: for every date, which
periods are worked and paid, or only paid, and an optional comment, the
day's <em>event</em>. Every window lists its commands in a tree on its left:
click a command, or select it and press <kbd>Enter</kbd>. <kbd>F1</kbd> in any
window opens this page; <kbd>Esc</kbd> closes a window.</p>

<h2 id="database">The calendar database</h2>
<p>All calendars live in one password-protected file, <code>QZDB.mdb</code>.
It may sit on your own drive or on a network drive that several
workstations share. Choose it with <span class="command">System &rsaquo; Set
database location</span>. When two workstations change the same calendar,
the second change is refused with a message instead of overwriting the
first: reload the calendar and make the change again.</p>

<h2 id="open">Opening a calendar</h2>
<ol>
<li>Choose <span class="command">Calendar menu &rsaquo; Open calendar list</span>.</li>
<li>Select a calendar and one of its years, and open it.</li>
<li>The main window shows the year month by month with week totals, the
month and year summaries, the selected day and the list of event
dates.</li>
</ol>
<p>The calendar list also creates, renames and deletes calendars and their
years, and sets a calendar's owner; a restricted calendar can be read by its
owner only. Dayvane opens the last calendar again at the next start.</p>

<h2 id="edit">Editing days</h2>
<ol>
<li>Double-click a date in the month view, or choose
<span class="command">Make changes to calendar</span>.</li>
<li>Enter the day's periods, each with a start and an end time, and mark
whether each is worked and paid or paid only. Periods may not overlap.</li>
<li>To give several days the same periods, set the range of dates and tick
the weekdays it applies to.</li>
<li>Choose <span class="command">Save calendar</span> and confirm. Dayvane
writes the day to every chosen date and shows the new totals.</li>
</ol>

<h2 id="events">Event dates</h2>
<p>Under <span class="command">Event dates</span> the list shows the commented
dates of the year: all of them, or only typical workdays, altered workdays,
paid days without work, or days without work and pay.
<span class="command">Move to event date</span> jumps to the selected
one.</p>

<h2 id="print">Printing</h2>
<p><span class="command">Print calendar &rsaquo; Selected month</span> prints
the month shown. The <span class="command">12 month layout</span> prints the
whole year as a calendar, as an event list, or both.
<span class="command">Preview</span> shows the same reports on screen
first.</p>

<h2 id="holidays">Holidays</h2>
<ol>
<li>Open a calendar year, then choose <span class="command">Open holiday
list</span>. Dayvane fetches the public holiday lists from the Corvantelle
web server.</li>
<li>Choose a country, then a year: its holidays appear in the list.</li>
<li>Mark each holiday you want in one of three ways: <kbd>N</kbd> makes no
change to the day's time, <kbd>P</kbd> changes all its work periods to paid
periods, <kbd>C</kbd> clears all its periods. A click in one of the three
columns does the same.</li>
<li>Choose <span class="command">Apply selection</span>. Every marked date
gets the holiday's name as its comment and the treatment you chose.</li>
</ol>
<p>If the list cannot be fetched, Dayvane says so; check the network
connection and try again.</p>

<h2 id="users">Users and the system password</h2>
<p>Administrative changes need the system password, entered with
<span class="command">System password &rsaquo; Enter system password</span>.
It stays active until Dayvane ends or you clear it.
<span class="command">User list</span> keeps the users, their employee ids and
their passwords.</p>
)"));
}

QString news_page(const QString &news_version)
{
    return page(QStringLiteral("Message from Corvantelle"), QStringLiteral(R"(<h1>Message from Corvantelle</h1>
<p class="version">News version %1</p>
<h2>Holiday lists for the coming years</h2>
<p>The on-line holiday lists now cover last year, this year and the next two
years for the United States, the United Kingdom, Germany, France and Canada.
Open them with <span class="command">Calendar menu &rsaquo; Open holiday
list</span>.</p>
<h2>Sharing a calendar database</h2>
<p>Several workstations can share one calendar database on a network drive.
Each change is checked against the latest saved state, so nobody overwrites
another workstation's work unnoticed.</p>
)").arg(news_version.toHtmlEscaped()));
}

QString contact_page()
{
    return page(QStringLiteral("Contact Corvantelle"), QStringLiteral(R"(<h1>Contact Corvantelle</h1>
<p>Questions about Dayvane, suggestions and problem reports are welcome.</p>
<dl>
<dt>E-mail</dt><dd>support@example.com</dd>
<dt>Office hours</dt><dd>Monday to Friday, 9:00 to 17:00</dd>
</dl>
<p>When you report a problem, please give the message Dayvane showed,
including its number and location, and what you did just before.</p>
<p><em>This page is served by the local demonstration server: messages to the
address above are not delivered.</em></p>
)"));
}

QString home_page()
{
    return page(QStringLiteral("Corvantelle - Dayvane work calendar"), QStringLiteral(R"(<h1>Dayvane work calendar</h1>
<p>Dayvane keeps an organisation's work calendars in one shared,
password-protected database: worked and paid time for every day, month and
year totals, event dates, public holidays, and one-month and twelve-month
printed reports.</p>
<ul>
<li><a href="/help/qzhelp.htm">On-line help</a>: how to open a calendar,
edit days, print and import holidays.</li>
<li><a href="/cs/news.htm">News</a> from Corvantelle.</li>
<li><a href="/cs/contact.htm">Contact</a> Corvantelle.</li>
</ul>
)"));
}

QString not_found_page(const QString &path)
{
    return page(QStringLiteral("Page not found"), QStringLiteral(R"(<h1>Page not found</h1>
<p>There is no page at <code>%1</code>. Try the <a href="/">home page</a> or
the <a href="/help/qzhelp.htm">on-line help</a>.</p>
)").arg(path.toHtmlEscaped()));
}

} // namespace dayvane
