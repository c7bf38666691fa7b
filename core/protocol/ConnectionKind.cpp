#include "core/protocol/ConnectionKind.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace ConnectionKinds {

namespace {

// The stored values double as the English labels, so one table serves both.
const char* source(ConnectionKind kind)
{
    switch (kind) {
    case ConnectionKind::ovVarnex:
        return QT_TRANSLATE_NOOP("ConnectionKind", "OV Varnex");
    case ConnectionKind::kt90Terminal:
        return QT_TRANSLATE_NOOP("ConnectionKind", "KT-90 TCP terminal");
    case ConnectionKind::kt90UDP:
        return QT_TRANSLATE_NOOP("ConnectionKind", "KT-90 UDP terminal");
    case ConnectionKind::kt90Serial:
        return QT_TRANSLATE_NOOP("ConnectionKind", "KT-90 local serial");
    case ConnectionKind::hamlibRotctld:
        return QT_TRANSLATE_NOOP("ConnectionKind", "Hamlib rotctld");
    }
    Q_UNREACHABLE();
    return "";
}

} // namespace

QString text(ConnectionKind kind)
{
    return QString::fromLatin1(source(kind));
}

QString label(ConnectionKind kind)
{
    return QCoreApplication::translate("ConnectionKind", source(kind));
}

std::optional<ConnectionKind> fromText(QStringView text)
{
    for (const ConnectionKind kind : all()) {
        if (text == ConnectionKinds::text(kind)) {
            return kind;
        }
    }
    return std::nullopt;
}

QList<ConnectionKind> all()
{
    return {ConnectionKind::ovVarnex, ConnectionKind::kt90Terminal, ConnectionKind::kt90UDP, ConnectionKind::kt90Serial,
            ConnectionKind::hamlibRotctld};
}

} // namespace ConnectionKinds
