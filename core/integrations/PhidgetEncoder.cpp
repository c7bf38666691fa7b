#include "core/integrations/PhidgetEncoder.h"

#include "core/integrations/EncoderWorker.h"

#include <QCoreApplication>
#include <QThread>

using namespace Qt::Literals::StringLiterals;

namespace {

// A function rather than a constant: a translation is only known once the program has started.
QString stoppedMessage()
{
    return QCoreApplication::translate("PhidgetEncoder", "Stopped");
}

} // namespace

QStringList PhidgetEncoder::defaultLibraryCandidates()
{
    QStringList candidates;
    if (QCoreApplication::instance() != nullptr) {
        candidates.append(QCoreApplication::applicationDirPath() + u"/../lib/xalto/libphidget22.so.0"_s);
    }
    candidates.append(u"libphidget22.so.0"_s);
    return candidates;
}

PhidgetEncoder::PhidgetEncoder(QObject* parent)
    : QObject(parent)
    , m_message(stoppedMessage())
{}

PhidgetEncoder::~PhidgetEncoder()
{
    retireWorker();
    // Cleanup is quick; waiting keeps a worker from calling the library after the program ends.
    for (const QPointer<QThread>& thread : std::as_const(m_retired)) {
        if (thread) {
            thread->wait();
            delete thread.data();
        }
    }
}

void PhidgetEncoder::start(qint32 serial, qint32 channel, qint32 buttonChannel)
{
    stop();
    if (serial < 1 || channel < 0 || buttonChannel < -1) {
        setMessage(tr("Enter a device serial number and valid channel."));
        return;
    }

    auto* worker = new EncoderWorker(m_libraryCandidates, serial, channel, buttonChannel);
    auto* thread = new QThread;
    thread->setObjectName(u"org.orvane.phidget"_s);
    worker->moveToThread(thread);
    connect(thread, &QThread::finished, worker, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);

    // Queued to this thread; a report of an earlier start finds another generation and is dropped.
    const QUuid generation = QUuid::createUuid();
    m_generation = generation;
    connect(worker, &EncoderWorker::messageReported, this, [this, generation](const QString& message) {
        if (generation == m_generation) {
            setMessage(message);
        }
    });
    connect(worker, &EncoderWorker::failureReported, this, [this, generation](const QString& message) {
        if (generation == m_generation) {
            stop();
            setMessage(message);
        }
    });
    connect(worker, &EncoderWorker::deltaReported, this, [this, generation](qint64 delta) {
        if (generation == m_generation) {
            Q_EMIT deltaReceived(delta);
        }
    });
    connect(worker, &EncoderWorker::pressReported, this, [this, generation] {
        if (generation == m_generation) {
            Q_EMIT pressReceived();
        }
    });

    m_thread = thread;
    m_worker = worker;
    setRunning(true);
    thread->start(QThread::LowPriority);
    QMetaObject::invokeMethod(worker, &EncoderWorker::start, Qt::QueuedConnection);
}

void PhidgetEncoder::stop()
{
    m_generation = QUuid::createUuid();
    retireWorker();
    setRunning(false);
    setMessage(stoppedMessage());
}

void PhidgetEncoder::retireWorker()
{
    if (m_thread == nullptr) {
        return;
    }
    EncoderWorker* worker = m_worker;
    QThread* thread = m_thread;
    QMetaObject::invokeMethod(
        worker,
        [worker, thread] {
            worker->cleanup();
            thread->quit();
        },
        Qt::QueuedConnection);
    m_retired.removeIf([](const QPointer<QThread>& retired) { return retired.isNull(); });
    m_retired.append(thread);
    m_thread = nullptr;
    m_worker = nullptr;
}

void PhidgetEncoder::setMessage(const QString& message)
{
    if (m_message != message) {
        m_message = message;
        Q_EMIT messageChanged(m_message);
    }
}

void PhidgetEncoder::setRunning(bool running)
{
    if (m_running != running) {
        m_running = running;
        Q_EMIT runningChanged(m_running);
    }
}
