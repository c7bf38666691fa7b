#include "core/protocol/ConnectionKind.h"

using namespace Qt::Literals::StringLiterals;

namespace ConnectionKinds {

QString text(ConnectionKind kind)
{
    switch (kind) {
    case ConnectionKind::ovVarnex:
        return u"OV Varnex"_s;
    case ConnectionKind::kt90Terminal:
        return u"KT-90 TCP terminal"_s;
    case ConnectionKind::kt90UDP:
        return u"KT-90 UDP terminal"_s;
    case ConnectionKind::kt90Serial:
        return u"KT-90 local serial"_s;
    case ConnectionKind::hamlibRotctld:
        return u"Hamlib rotctld"_s;
    }
    Q_UNREACHABLE();
    return QString();
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
