#include "image/number_text.h"

#include <charconv>
#include <cmath>

namespace kp07 {

double ParseDecimal(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // The number is the run of digits with at most one decimal point.
    const std::size_t first = i;
    bool point = false;
    while (i < text.size() && ((text[i] >= '0' && text[i] <= '9') || (text[i] == '.' && !point))) {
        if (text[i] == '.') point = true;
        ++i;
    }
    double value = 0.0;
    const auto result =
        std::from_chars(text.data() + first, text.data() + i, value, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range)
        value = HUGE_VAL;  // clamps then saturate
    else if (result.ec != std::errc())
        return 0.0;
    return negative ? -value : value;
}

long ClampWhole(double value, long lo, long hi) {
    if (!(value == value)) return lo;
    const double cut = std::trunc(value);
    if (cut < double(lo)) return lo;
    if (cut > double(hi)) return hi;
    return long(cut);
}

double ClampDecimal(double value, double lo, double hi) {
    if (!(value == value) || value < lo) return lo;
    return value > hi ? hi : value;
}

std::string FormatDecimal(double value, int decimals, int width) {
    char text[400];  // the widest double in fixed notation fits
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed,
                                      decimals < 0 ? 0 : decimals);
    std::string out = result.ec == std::errc() ? std::string(text, result.ptr) : std::string("0");
    const std::size_t pad = std::size_t(width < 0 ? -static_cast<long long>(width) : width);
    if (out.size() < pad) {
        if (width < 0)
            out.append(pad - out.size(), ' ');
        else
            out.insert(0, pad - out.size(), ' ');
    }
    return out;
}

}  // namespace kp07
