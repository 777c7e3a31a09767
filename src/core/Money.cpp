#include "core/Money.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace orvex {

Money Money::fromDouble(double value) {
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    if (std::isnan(value)) return {};
    // Far beyond any amount the surgery keeps; clamped so the digits below cannot overflow.
    if (std::fabs(value) >= 9e14) return {value < 0 ? -kMax : kMax};

    // Rounded from the value's 15 significant decimal digits, as it is shown and typed, so that
    // 1.00005 (held as 1.0000499999…) still rounds up.
    char text[32];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(value));  // d.dddddddddddddde±xx
    qint64 digits = 0;
    for (const char* p = text; *p != 'e'; ++p)
        if (*p != '.') digits = digits * 10 + (*p - '0');
    const int exponent = std::atoi(std::strchr(text, 'e') + 1);

    // digits × 10^(exponent − 14) hryvnias = digits × 10^(exponent − 10) units.
    int shift = exponent - 10;
    qint64 units = digits;
    for (; shift > 0; --shift) units *= 10;  // bounded by the range check above
    if (shift < 0) {
        if (shift < -16) {
            units = 0;
        } else {
            qint64 divisor = 1;
            for (; shift < 0; ++shift) divisor *= 10;
            units = digits / divisor + (digits % divisor * 2 >= divisor ? 1 : 0);  // half away from zero
        }
    }
    return {value < 0 ? -units : units};
}

}  // namespace orvex
