#include "core/integrations/EncoderWorker.h"

#include <QFile>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QTimer>
#include <QtNumeric>

#include <cstdint>
#include <dlfcn.h>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// Shared by all workers: unloading a library another worker may still be calling is never safe,
// so libraries stay loaded for the life of the process.
QMutex libraryLock;
QHash<QString, void*> loadedLibraries;

} // namespace

void* EncoderWorker::loadLibrary(const QStringList& candidates)
{
    const QMutexLocker locker(&libraryLock);
    for (const QString& path : candidates) {
        if (path.isEmpty()) {
            continue;
        }
        if (void* library = loadedLibraries.value(path)) {
            return library;
        }
        if (void* library = ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL)) {
            loadedLibraries.insert(path, library);
            return library;
        }
    }
    return nullptr;
}

EncoderWorker::EncoderWorker(QStringList libraryCandidates, qint32 serial, qint32 channel, qint32 buttonChannel)
    : m_libraryCandidates(std::move(libraryCandidates))
    , m_serial(serial)
    , m_channel(channel)
    , m_buttonChannel(buttonChannel)
{}

EncoderWorker::~EncoderWorker()
{
    cleanup();
}

void EncoderWorker::start()
{
    if (const std::optional<QString> failure = openChannels()) {
        cleanup();
        Q_EMIT failureReported(*failure);
        return;
    }
    Q_EMIT messageReported(
        tr("Waiting for Phidget %1. Legacy HID devices may require the vendor USB driver.").arg(m_serial));
    m_timer = new QTimer(this);
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(pollInterval);
    connect(m_timer, &QTimer::timeout, this, &EncoderWorker::poll);
    m_timer->start();
    poll();
}

std::optional<QString> EncoderWorker::openChannels()
{
    m_library = loadLibrary(m_libraryCandidates);
    if (m_library == nullptr) {
        return tr("Phidget22 library could not be loaded.");
    }
    ProtocolResult<PhidgetFunctions> functions = PhidgetFunctions::resolve(m_library);
    if (!functions) {
        return functions.failure().message;
    }
    m_functions = std::move(functions).value();
    if (!openChannel(m_encoder, m_functions->encoderCreate, m_channel)) {
        return tr("Phidget encoder channel could not be opened.");
    }
    if (m_buttonChannel >= 0 && !openChannel(m_button, m_functions->digitalInputCreate, m_buttonChannel)) {
        return tr("Phidget button channel could not be opened.");
    }
    return std::nullopt;
}

bool EncoderWorker::openChannel(PhidgetHandle& handle, PhidgetFunctions::Create create, qint32 channel)
{
    if (create(&handle) != 0 || handle == nullptr) {
        handle = nullptr;
        return false;
    }
    // When a later step fails the handle stays for cleanup to release.
    return m_functions->setDeviceSerialNumber(handle, m_serial) == 0 && m_functions->setChannel(handle, channel) == 0 &&
           m_functions->open(handle) == 0;
}

void EncoderWorker::poll()
{
    if (m_encoder == nullptr) {
        return;
    }
    const PhidgetFunctions& call = *m_functions;
    int attached = 0;
    if (call.getAttached(m_encoder, &attached) != 0 || attached == 0) {
        if (m_attached) {
            Q_EMIT messageReported(tr("Phidget disconnected"));
        }
        m_lastPosition.reset();
        m_lastButton.reset();
        m_attached = false;
        return;
    }
    if (!m_attached) {
        m_attached = true;
        Q_EMIT messageReported(tr("Phidget connected"));
    }

    std::int64_t reported = 0;
    if (call.encoderGetPosition(m_encoder, &reported) == 0) {
        const qint64 position = reported;
        qint64 delta = 0;
        // The first reading after attaching only sets the reference.
        if (m_lastPosition && position != *m_lastPosition && !qSubOverflow(position, *m_lastPosition, &delta)) {
            Q_EMIT deltaReported(delta);
        }
        m_lastPosition = position;
    }

    int state = 0;
    if (m_button != nullptr && call.digitalInputGetState(m_button, &state) == 0) {
        // A press counts when the button is let go.
        if (m_lastButton == 1 && state == 0) {
            Q_EMIT pressReported();
        }
        m_lastButton = state;
    }
}

void EncoderWorker::cleanup()
{
    if (m_timer != nullptr) {
        m_timer->stop();
        delete m_timer;
        m_timer = nullptr;
    }
    if (m_functions) {
        for (PhidgetHandle* handle : {&m_encoder, &m_button}) {
            if (*handle != nullptr) {
                m_functions->deleteHandle(handle);
                *handle = nullptr;
            }
        }
    }
    m_encoder = nullptr;
    m_button = nullptr;
    m_functions.reset();
    m_library = nullptr;
    m_lastPosition.reset();
    m_lastButton.reset();
    m_attached = false;
}
