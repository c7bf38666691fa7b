#include "core/geo/ResolvedPlace.h"

using namespace Qt::Literals::StringLiterals;

QString ResolvedPlace::sourceText(Source source)
{
    switch (source) {
    case Source::exactCall:
        return u"exact call"_s;
    case Source::prefix:
        return u"prefix"_s;
    case Source::callArea:
        return u"call area"_s;
    case Source::grid:
        return u"grid"_s;
    }
    return {};
}
