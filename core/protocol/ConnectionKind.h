#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// The ways the client reaches a station: an OV Varnex server, one KT-90 controller directly, or
// one rotator behind a rotctld (which drives many makes of controller itself).
enum class ConnectionKind { ovVarnex, kt90Terminal, kt90UDP, kt90Serial, hamlibRotctld };

namespace ConnectionKinds {

// The value stored in profiles; never translated.
QString text(ConnectionKind kind);

// The kind as the operator reads it, in the operator's language.
QString label(ConnectionKind kind);

// The kind whose text is exactly `text` (case-sensitive); nothing for any other text.
std::optional<ConnectionKind> fromText(QStringView text);

// Every kind, in picker order.
QList<ConnectionKind> all();

} // namespace ConnectionKinds
