#include "core/geo/ResolvedPlace.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

QString ResolvedPlace::sourceText(Source source)
{
    switch (source) {
    //: How the place was found: from the call itself, its prefix, its call area or a grid locator.
    case Source::exactCall:
        return QCoreApplication::translate("ResolvedPlace", "exact call");
    case Source::prefix:
        return QCoreApplication::translate("ResolvedPlace", "prefix");
    case Source::callArea:
        return QCoreApplication::translate("ResolvedPlace", "call area");
    case Source::grid:
        return QCoreApplication::translate("ResolvedPlace", "grid");
    }
    return {};
}
