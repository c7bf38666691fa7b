#pragma once

#include "core/integrations/LoggerEvent.h"

#include <QByteArray>
#include <QDebug>
#include <QTest>

// Failure messages name the events instead of printing raw bytes.
inline char* toString(const LoggerEvent& event)
{
    QString text;
    QDebug(&text) << event;
    return QTest::toString(text);
}

// A Win-Test frame as the logger sends it: the text, its checksum (the byte sum modulo 256 with
// the top bit set) and, normally, one NUL byte.
inline QByteArray winTestFrame(const QByteArray& text, bool trailingNul = true, bool correctChecksum = true)
{
    unsigned sum = 0;
    for (const char byte : text) {
        sum += static_cast<unsigned char>(byte);
    }
    unsigned checksum = (sum % 256) | 0x80;
    if (!correctChecksum) {
        checksum ^= 0x01;
    }
    QByteArray frame = text;
    frame.append(static_cast<char>(checksum));
    if (trailingNul) {
        frame.append('\0');
    }
    return frame;
}

inline QByteArray n1mmRadioInfo(const QByteArray& elements)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<RadioInfo>\r\n" + elements + "\r\n</RadioInfo>";
}

inline QByteArray n1mmRotor(const QByteArray& elements)
{
    return "<N1MMRotor>" + elements + "</N1MMRotor>";
}

// The rotor stop broadcast exactly as the logger sends it: the stop element wraps the rotor.
inline QByteArray n1mmNestedStop()
{
    return "<N1MMRotor><stop><rotor>Tower 1</rotor><freqband>21.0</freqband></stop></N1MMRotor>";
}
