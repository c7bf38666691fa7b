#pragma once

#include "core/integrations/PhidgetFunctions.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

class QTimer;

// The half of the encoder that lives on its own thread and alone calls the vendor library:
// opens the encoder and button channels, polls them and reports what changed through its
// signals, which the owner receives queued on the main thread.
class EncoderWorker final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EncoderWorker)

public:
    static constexpr std::chrono::milliseconds pollInterval{50};

    // The first candidate that opens, through the process-wide table of loaded libraries: a
    // library once opened stays loaded and is shared by every later start. Null when none opens.
    // Safe from any thread.
    static void* loadLibrary(const QStringList& candidates);

    EncoderWorker(QStringList libraryCandidates, qint32 serial, qint32 channel, qint32 buttonChannel);
    ~EncoderWorker() override;

    // Called on the worker's thread only.
    void start();
    void poll();
    // Stops polling and releases the channels; the library stays loaded. Safe to repeat.
    void cleanup();

Q_SIGNALS:
    void messageReported(const QString& message);
    // The start failed; the worker has cleaned up already.
    void failureReported(const QString& message);
    void deltaReported(qint64 delta);
    void pressReported();

private:
    // Null on success, otherwise the failure's text.
    std::optional<QString> openChannels();
    bool openChannel(PhidgetHandle& handle, PhidgetFunctions::Create create, qint32 channel);

    const QStringList m_libraryCandidates;
    const qint32 m_serial;
    const qint32 m_channel;
    const qint32 m_buttonChannel;

    QTimer* m_timer = nullptr;
    void* m_library = nullptr;
    std::optional<PhidgetFunctions> m_functions;
    PhidgetHandle m_encoder = nullptr;
    PhidgetHandle m_button = nullptr;
    std::optional<qint64> m_lastPosition;
    std::optional<int> m_lastButton;
    bool m_attached = false;
};
