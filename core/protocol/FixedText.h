#pragma once

#include <QString>

// The number as printf's "%.Nf" writes it in the POSIX locale: the exact binary value rounded
// to `decimals` places, ties to the even digit. QString::number rounds such ties away from
// zero, which would put 90.3 on the wire for a stored 90.25.
QString fixedText(double value, int decimals);
