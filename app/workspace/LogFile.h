#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QString>
#include <QStringList>

// The merged log appended to a file the operator named, each line with its date. A server that
// floods the log could otherwise fill the disk within minutes, so the file stops growing at a
// bound, far beyond a contest's worth of lines, and says so in its last line. Lines already in
// the file count towards the bound, so a file that is already full gets only that line again.
class LogFile final {
    Q_DECLARE_TR_FUNCTIONS(LogFile)
    Q_DISABLE_COPY_MOVE(LogFile)

public:
    static constexpr qint64 defaultLimitBytes = 256LL << 20;

    explicit LogFile(const QString& path, qint64 limitBytes = defaultLimitBytes);

    // Opens for appending; false with `errorString` when the file cannot be written.
    bool open();
    QString errorString() const { return m_file.errorString(); }

    // Writes what fits under the bound and flushes. Once the bound or a write error is met,
    // nothing more is written and the call that met it returns false.
    bool append(const QStringList& lines, QDate date);

    // Why nothing more is written; empty while the file takes lines.
    QString stopReason() const { return m_stopReason; }

    // The last line of a file that reached its bound, without the date.
    static QString limitLine(qint64 limitBytes);

private:
    bool writeBytes(const QByteArray& bytes);

    QFile m_file;
    qint64 m_limitBytes;
    qint64 m_size = 0;
    QString m_stopReason;
};
