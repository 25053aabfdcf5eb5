#include "report/report_text.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>

namespace kp07 {

std::string Line(const char* format, ...) {
    char small[256];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    std::string text;
    if (n < 0) {
        va_end(again);
        return text;
    }
    if (std::size_t(n) < sizeof small) {
        text.assign(small, std::size_t(n));
    } else {
        text.resize(std::size_t(n) + 1);
        std::vsnprintf(&text[0], text.size(), format, again);
        text.resize(std::size_t(n));
    }
    va_end(again);
    return text;
}

const char* Flag(unsigned value) {
    return value ? "X" : "-";
}

namespace {

bool IsLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// A run of 1 to `maxDigits` digits from `pos`; -1 when there is none.
int Digits(const std::string& text, std::size_t* pos, int maxDigits) {
    int value = 0;
    int count = 0;
    while (*pos < text.size() && text[*pos] >= '0' && text[*pos] <= '9') {
        if (++count > maxDigits) return -1;
        value = value * 10 + (text[*pos] - '0');
        ++*pos;
    }
    return count == 0 ? -1 : value;
}

}  // namespace

std::string ReportDateText(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month)) {
        return std::string();
    }
    return Line("%d/%d/%d", month, day, year);
}

std::string TodayReportDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return ReportDateText(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

bool ParseReportDate(const std::string& text, std::string* dateText) {
    std::size_t pos = 0;
    const int month = Digits(text, &pos, 2);
    if (month < 0 || pos >= text.size() || text[pos++] != '/') return false;
    const int day = Digits(text, &pos, 2);
    if (day < 0 || pos >= text.size() || text[pos++] != '/') return false;
    const std::size_t yearStart = pos;
    const int year = Digits(text, &pos, 4);
    if (year < 0 || pos != text.size() || pos - yearStart != 4) return false;
    const std::string date = ReportDateText(year, month, day);
    if (date.empty()) return false;
    if (dateText) *dateText = date;
    return true;
}

std::string PageHeaderLine(const std::string& dateText, int pageNumber) {
    return std::string(81, ' ') + dateText + Line("   Page %d", pageNumber);
}

}  // namespace kp07
