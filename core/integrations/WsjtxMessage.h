#pragma once

#include "core/protocol/ProtocolFailure.h"

#include <QByteArray>
#include <QString>

#include <optional>

// One UDP datagram of WSJT-X's network protocol (JTDX and similar programs send the same):
// QDataStream big-endian, magic number 0xadbccbda, schema 2 or 3, then the message type and the
// sender's id. Only the Status message (type 1) is read further, as far as the DX grid; later
// fields are optional. Pure; a datagram that is short, long or damaged in any way fails and
// nothing of it is used.
struct WsjtxMessage {
    static constexpr quint32 magic = 0xadbccbda;
    static constexpr quint32 statusType = 1;
    // A Status datagram is a few hundred bytes; the largest messages (a logged QSO's ADIF) stay
    // well under this.
    static constexpr qsizetype maxDatagramBytes = 16 * 1024;
    // No text field of a message comes near this; a longer one is a damaged datagram.
    static constexpr quint32 maxTextBytes = 1024;

    struct Status {
        quint64 dialFrequency = 0;
        QString mode;
        QString dxCall;
        QString report;
        QString txMode;
        bool txEnabled = false;
        bool transmitting = false;
        bool decoding = false;
        qint32 rxDf = 0;
        qint32 txDf = 0;
        QString deCall;
        QString deGrid;
        QString dxGrid;

        bool operator==(const Status&) const = default;
    };

    quint32 schema = 0;
    quint32 type = 0;
    QString id;
    // Set for a Status message.
    std::optional<Status> status;

    static ProtocolResult<WsjtxMessage> parse(const QByteArray& datagram);

    bool operator==(const WsjtxMessage&) const = default;
};
