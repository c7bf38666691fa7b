#pragma once

#include <QString>
#include <QStringView>
#include <QUuid>

#include <optional>

// The stored text form of identifiers: the canonical 36-character hyphenated form, upper case.
namespace UuidText {

QString text(const QUuid& id);

// Accepts exactly the 36-character hyphenated form, in either case; no braces, no blanks.
std::optional<QUuid> parse(QStringView text);

} // namespace UuidText
