#pragma once

#include "core/protocol/ProtocolFailure.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

// The OV Varnex station-server wire format: separators, the field check every name passes,
// and the strict Windows-1252 text encoding both directions use.
namespace OVVProtocol {

// Separates the fields of one line, both directions.
inline constexpr QChar us{31};
// Separates the items inside one field.
inline constexpr QChar gs{29};

inline constexpr qsizetype maxFieldBytes = 512;

// Not empty, at most 512 bytes of UTF-8, no character below 32 and none equal to 127.
bool validField(QStringView text);

// The text as Windows-1252 bytes, or the Windows-encoding failure for a character without a
// 1252 form. No lossy substitution.
ProtocolResult<QByteArray> textData(QStringView text);

// Strict Windows-1252 decoding: nothing for the five undefined bytes.
std::optional<QString> decodeText(const char* bytes, qsizetype size);
inline std::optional<QString> decodeText(const QByteArray& bytes)
{
    return decodeText(bytes.constData(), bytes.size());
}

} // namespace OVVProtocol
