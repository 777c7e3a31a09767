#pragma once

#include <QtGlobal>
#include <compare>

namespace orvex {

// A money amount with four decimals, as the database keeps currency; shown with two.
struct Money {
    qint64 units = 0;  // 1/10000 of a hryvnia

    static constexpr qint64 kScale = 10000;

    static Money fromDouble(double value);  // rounded to the nearest unit
    double toDouble() const { return double(units) / kScale; }

    friend Money operator+(Money a, Money b) { return {a.units + b.units}; }
    friend Money operator-(Money a, Money b) { return {a.units - b.units}; }
    Money& operator+=(Money b) {
        units += b.units;
        return *this;
    }
    friend auto operator<=>(Money, Money) = default;
};

}  // namespace orvex
