#include "core/integrations/LoggerKind.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {

// Logger names are product names; only the keyboard input has a label to translate.
const char* source(LoggerKind kind)
{
    switch (kind) {
    case LoggerKind::n1mm:
        return "N1MM";
    case LoggerKind::n3fjp:
        return "N3FJP";
    case LoggerKind::winTest:
        return "Win-Test";
    case LoggerKind::keyboard:
        return QT_TRANSLATE_NOOP("LoggerKind", "Keyboard UDP");
    }
    return "";
}

} // namespace

QString rawValue(LoggerKind kind)
{
    return QString::fromLatin1(source(kind));
}

QString loggerKindLabel(LoggerKind kind)
{
    return kind == LoggerKind::keyboard ? QCoreApplication::translate("LoggerKind", source(kind)) : rawValue(kind);
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
