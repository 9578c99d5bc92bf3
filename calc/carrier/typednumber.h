#pragma once

#include <QString>
#include <variant>

namespace calc::carrier {

// A number field of the carrier and load windows: what to ask for when it is empty, how to
// name it in a message, its unit and the range it accepts.
struct NumberField {
    QString asked;    // "массовую долю гликоля, %"
    QString caption;  // "Массовая доля"
    QString unit;     // "%"
    double min = 0;
    double max = 0;
};

// The typed number, or the message that says what is wrong with the text. Blanks around the
// number are allowed; "," and "." both separate decimals; anything else is not a number.
std::variant<double, QString> readNumber(const QString& text, const NumberField& field);
// The same, and within the field's range.
std::variant<double, QString> readField(const QString& text, const NumberField& field);

// A number rounded to 1 decimal, 4 significant digits and so on, shown or kept.
double roundedToDecimals(double value, int decimals);
double roundedToSignificant(double value, int digits);

}  // namespace calc::carrier
