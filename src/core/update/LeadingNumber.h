#pragma once

#include <QStringView>

// The number at the start of a text, as a double; 0 when the text does not start with one.
//
// Blanks, tabs and line feeds are skipped wherever they stand, even between digits. The number is an
// optional sign, digits with at most one "." as the decimal point (whatever the locale) and an optional
// exponent (E or D, then an optional sign and digits); "&H" or "&O" at the start reads a hexadecimal or
// octal whole number instead. Reading stops at the first character that cannot continue the number,
// a carriage return included. A number too large for a double reads as an infinity.
double leadingNumber(QStringView text);
