#pragma once

#include "app/map/Place.h"

#include <QList>
#include <QObject>
#include <QString>

// Looking places up by free text: the site of a server profile, the towers on the map. One
// search runs at a time per object; starting another abandons the first, whose answer never
// comes. Answers arrive from the event loop, never from inside `search`.
class PlaceSearch : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlaceSearch)

public:
    explicit PlaceSearch(QObject* parent = nullptr);
    ~PlaceSearch() override;

    virtual void search(const QString& query) = 0;
    // Stops the running search; neither signal comes for it.
    virtual void cancel() = 0;
    virtual bool searching() const = 0;

Q_SIGNALS:
    // Every place the service named, in its order; possibly none.
    void found(const QString& query, const QList<Place>& places);
    // The search could not be made or answered; `message` is a sentence for the user.
    void failed(const QString& query, const QString& message);
};
