#include "app/workspace/LogFile.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray dated(const QByteArray& datePrefix, const QString& line)
{
    return datePrefix + line.toUtf8() + '\n';
}

} // namespace

LogFile::LogFile(const QString& path, qint64 limitBytes)
    : m_file(path)
    , m_limitBytes(limitBytes)
{}

bool LogFile::open()
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        return false;
    }
    m_size = m_file.size();
    return true;
}

QString LogFile::limitLine(qint64 limitBytes)
{
    // The sentence is for the operator; the date in front of it stays machine-read.
    return tr("The log file reached %1 MiB; later lines are not written to it.")
        .arg(QString::number(double(limitBytes) / (1 << 20), 'g', 4));
}

bool LogFile::append(const QStringList& lines, QDate date)
{
    if (!m_stopReason.isEmpty()) {
        return true;
    }
    const QByteArray datePrefix = date.toString(Qt::ISODate).toUtf8() + ' ';
    // Room is kept for the closing line, so the file never passes its bound.
    const qint64 reserve = dated(datePrefix, limitLine(m_limitBytes)).size();
    for (const QString& line : lines) {
        const QByteArray bytes = dated(datePrefix, line);
        if (m_size + bytes.size() + reserve > m_limitBytes) {
            m_stopReason = limitLine(m_limitBytes);
            writeBytes(dated(datePrefix, m_stopReason));
            m_file.flush();
            return false;
        }
        if (!writeBytes(bytes)) {
            m_stopReason = m_file.errorString();
            return false;
        }
    }
    if (!m_file.flush()) {
        m_stopReason = m_file.errorString();
        return false;
    }
    return true;
}

bool LogFile::writeBytes(const QByteArray& bytes)
{
    if (m_file.write(bytes) != bytes.size()) {
        return false;
    }
    m_size += bytes.size();
    return true;
}
