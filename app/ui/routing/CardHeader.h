#pragma once

#include <QWidget>

class QLabel;
class ToneLabel;

// The top line of a routing card: the device's name in bold, wrapping when long, and on the
// right a short orange note (a server status, "Stale") while there is one.
class CardHeader final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CardHeader)

public:
    explicit CardHeader(QWidget* parent = nullptr);
    ~CardHeader() override;

    void setTitle(const QString& title);
    // Hidden while empty.
    void setNote(const QString& note);

private:
    QLabel* m_title;
    ToneLabel* m_note;
};
