// Small pieces every page of the printed report is made of: printf-style
// lines, flags, the date and the page header.
#pragma once

#include <string>

namespace kp07 {

// A report line from a printf format (the report's formats are printf
// formats, kept byte for byte).
std::string Line(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A flag as the report prints it: "X" when set, "-" when clear.
const char* Flag(unsigned value);

// The date as the report prints it: month/day/year without leading zeros
// ("7/4/2025"). Empty when it is not a date of the calendar.
std::string ReportDateText(int year, int month, int day);
// Today's date, local time.
std::string TodayReportDate();
// A typed date in the report's own form, M/D/YYYY ("7/4/2025", "07/04/2025");
// false for anything else.
bool ParseReportDate(const std::string& text, std::string* dateText);

// The first line of every page: 81 blanks, the date, "   Page N".
std::string PageHeaderLine(const std::string& dateText, int pageNumber);

}  // namespace kp07
