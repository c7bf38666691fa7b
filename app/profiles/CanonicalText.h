#pragma once

#include <QString>

// Names typed by users or reported by servers may arrive composed or decomposed; two texts
// that differ only so name the same thing.
namespace CanonicalText {

inline QString key(const QString& text)
{
    return text.normalized(QString::NormalizationForm_C);
}

inline bool equal(const QString& a, const QString& b)
{
    return a == b || key(a) == key(b);
}

} // namespace CanonicalText
