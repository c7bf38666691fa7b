#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUuid>

class EncoderWorker;
class QThread;

// A rotary encoder with an optional push button, read through the vendor's library, which is
// loaded at run time. Every start runs a fresh worker on its own thread "org.orvane.phidget";
// the worker's reports arrive on the main thread and are dropped unless they come from the
// current start.
class PhidgetEncoder final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PhidgetEncoder)
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)

public:
    // The application's private library folder, <program folder>/../lib/xalto, then the name
    // the dynamic loader finds in the system's library path.
    static QStringList defaultLibraryCandidates();

    explicit PhidgetEncoder(QObject* parent = nullptr);
    ~PhidgetEncoder() override;

    QString message() const { return m_message; }
    bool running() const { return m_running; }

    // Where later starts look for the library, first match wins.
    void setLibraryCandidates(QStringList candidates) { m_libraryCandidates = std::move(candidates); }
    QStringList libraryCandidates() const { return m_libraryCandidates; }

    // `buttonChannel` −1 reads no button. Always stops first.
    void start(qint32 serial, qint32 channel, qint32 buttonChannel);
    void stop();

Q_SIGNALS:
    void messageChanged(const QString& message);
    void runningChanged(bool running);
    // The encoder position moved by `delta` counts since the last report.
    void deltaReceived(qint64 delta);
    // The button was pressed and let go.
    void pressReceived();

private:
    // Hands the worker its cleanup on its own thread, after any poll in progress, and lets the
    // thread end.
    void retireWorker();
    void setMessage(const QString& message);
    void setRunning(bool running);

    QStringList m_libraryCandidates = defaultLibraryCandidates();
    QString m_message;
    bool m_running = false;
    QUuid m_generation = QUuid::createUuid();
    // The current start's thread and worker; the worker lives until its thread has finished,
    // which only `retireWorker` lets happen.
    QThread* m_thread = nullptr;
    EncoderWorker* m_worker = nullptr;
    // Threads of earlier starts that may still be finishing their cleanup.
    QList<QPointer<QThread>> m_retired;
};
