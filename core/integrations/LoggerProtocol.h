#pragma once

#include "core/integrations/LoggerEvent.h"
#include "core/integrations/LoggerKind.h"

#include <QByteArray>
#include <QList>
#include <QStringView>

// Turns one logger message (a UDP datagram, or one frame of the N3FJP stream) into events.
// Pure: anything it cannot read, and anything filtered out, yields an empty list.
namespace LoggerProtocol {

// Longer messages are refused unread; a message of exactly this size is still parsed.
inline constexpr qsizetype maxMessageBytes = 8192;

// `station` filters N1MM and Win-Test messages by the sending station's name; empty: no filter.
QList<LoggerEvent> parse(const QByteArray& message, LoggerKind kind, QStringView station);

// The Win-Test branch of `parse`: checksummed Windows-1252 text, with or without the trailing
// NUL byte the logger sends after the checksum.
QList<LoggerEvent> winTest(const QByteArray& message, QStringView station);

} // namespace LoggerProtocol
