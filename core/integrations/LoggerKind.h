#pragma once

#include <QHashFunctions>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The kind of logger input. The raw value is the value stored in the settings, so it never
// changes once released; the label is what the operator reads, in the operator's language.
enum class LoggerKind {
    n1mm,
    n3fjp,
    winTest,
    keyboard,
};

// Every kind, in the order the settings picker lists them.
inline constexpr std::array<LoggerKind, 4> allLoggerKinds{LoggerKind::n1mm, LoggerKind::n3fjp, LoggerKind::winTest,
                                                          LoggerKind::keyboard};

QString rawValue(LoggerKind kind);
QString loggerKindLabel(LoggerKind kind);
// Nothing for a text that names no kind.
std::optional<LoggerKind> loggerKind(QStringView rawValue);

inline size_t qHash(LoggerKind kind, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(kind), seed);
}
