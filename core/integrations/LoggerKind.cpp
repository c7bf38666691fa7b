#include "core/integrations/LoggerKind.h"

using namespace Qt::Literals::StringLiterals;

QString rawValue(LoggerKind kind)
{
    switch (kind) {
    case LoggerKind::n1mm:
        return u"N1MM"_s;
    case LoggerKind::n3fjp:
        return u"N3FJP"_s;
    case LoggerKind::winTest:
        return u"Win-Test"_s;
    case LoggerKind::keyboard:
        return u"Keyboard UDP"_s;
    }
    return {};
}

std::optional<LoggerKind> loggerKind(QStringView text)
{
    for (const LoggerKind kind : allLoggerKinds) {
        if (text == rawValue(kind)) {
            return kind;
        }
    }
    return std::nullopt;
}
