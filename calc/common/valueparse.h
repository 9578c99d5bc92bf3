#pragma once

#include <QString>

namespace calc {

// Reads the number at the start of a text the way every input, list item and state field is
// read: blanks, tabs and line feeds are skipped anywhere; an optional sign, digits with at most
// one "." and an optional exponent ("E" or "D", either case); the rest is ignored; no digit
// reads 0. Never fails: a number too large for a double reads as infinity, one too small as 0.
double parseValue(const QString& text);

}  // namespace calc
