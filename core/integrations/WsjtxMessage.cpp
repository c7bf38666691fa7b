#include "core/integrations/WsjtxMessage.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QStringDecoder>

using namespace Qt::Literals::StringLiterals;

namespace {

// The field names in the sentences below are WSJT-X's own and stay untranslated.

// Reads the fields in order and remembers the first failure; every read after it is a no-op.
class Reader final {
public:
    explicit Reader(const QByteArray& bytes)
        : m_stream(bytes)
    {
        m_stream.setByteOrder(QDataStream::BigEndian);
    }

    template <typename T>
    T number(const char* field)
    {
        T value{};
        if (m_failure.isEmpty()) {
            m_stream >> value;
            if (m_stream.status() != QDataStream::Ok) {
                m_failure = QCoreApplication::translate("WsjtxMessage",
                                                        "The WSJT-X datagram is damaged: it ends before its %1.")
                                .arg(QString::fromLatin1(field));
            }
        }
        return value;
    }

    bool flag(const char* field) { return number<quint8>(field) != 0; }

    // WSJT-X's "utf8": a QByteArray with a 32-bit length, 0xffffffff for a null text.
    QString text(const char* field)
    {
        const quint32 length = number<quint32>(field);
        if (!m_failure.isEmpty() || length == 0xffffffff || length == 0) {
            return {};
        }
        if (length > WsjtxMessage::maxTextBytes) {
            m_failure =
                QCoreApplication::translate("WsjtxMessage", "The WSJT-X datagram is damaged: its %1 is %2 bytes long.")
                    .arg(QString::fromLatin1(field), QString::number(length));
            return {};
        }
        QByteArray bytes(static_cast<qsizetype>(length), Qt::Uninitialized);
        if (m_stream.readRawData(bytes.data(), static_cast<int>(length)) != static_cast<int>(length)) {
            m_failure =
                QCoreApplication::translate("WsjtxMessage", "The WSJT-X datagram is damaged: it ends inside its %1.")
                    .arg(QString::fromLatin1(field));
            return {};
        }
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString value = utf8(bytes);
        if (utf8.hasError()) {
            m_failure =
                QCoreApplication::translate("WsjtxMessage", "The WSJT-X datagram is damaged: its %1 is not UTF-8 text.")
                    .arg(QString::fromLatin1(field));
            return {};
        }
        return value;
    }

    bool atEnd() const { return m_stream.atEnd(); }
    const QString& failure() const { return m_failure; }

private:
    QDataStream m_stream;
    QString m_failure;
};

ProtocolFailure damaged(const QString& sentence)
{
    return ProtocolFailure::invalid(sentence);
}

} // namespace

ProtocolResult<WsjtxMessage> WsjtxMessage::parse(const QByteArray& datagram)
{
    if (datagram.size() > maxDatagramBytes) {
        return damaged(
            QCoreApplication::translate("WsjtxMessage", "The WSJT-X datagram is damaged: it is %1 bytes long.")
                .arg(datagram.size()));
    }
    Reader reader(datagram);
    WsjtxMessage message;
    const quint32 header = reader.number<quint32>("magic number");
    if (reader.failure().isEmpty() && header != magic) {
        return damaged(QCoreApplication::translate(
            "WsjtxMessage", "The WSJT-X datagram is damaged: it does not start with the magic number."));
    }
    message.schema = reader.number<quint32>("schema");
    if (reader.failure().isEmpty() && (message.schema < 2 || message.schema > 3)) {
        return damaged(
            QCoreApplication::translate("WsjtxMessage", "The WSJT-X datagram is damaged: its schema %1 is not 2 or 3.")
                .arg(message.schema));
    }
    message.type = reader.number<quint32>("message type");
    message.id = reader.text("id");
    if (reader.failure().isEmpty() && message.type == statusType) {
        Status status;
        status.dialFrequency = reader.number<quint64>("dial frequency");
        status.mode = reader.text("mode");
        status.dxCall = reader.text("DX call");
        status.report = reader.text("report");
        status.txMode = reader.text("Tx mode");
        status.txEnabled = reader.flag("Tx enabled");
        status.transmitting = reader.flag("transmitting");
        status.decoding = reader.flag("decoding");
        status.rxDf = reader.number<qint32>("Rx DF");
        status.txDf = reader.number<qint32>("Tx DF");
        status.deCall = reader.text("DE call");
        status.deGrid = reader.text("DE grid");
        status.dxGrid = reader.text("DX grid");
        message.status = std::move(status);
    }
    if (!reader.failure().isEmpty()) {
        return damaged(reader.failure());
    }
    return message;
}
