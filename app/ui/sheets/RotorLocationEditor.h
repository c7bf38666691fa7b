#pragma once

#include "app/map/Place.h"
#include "app/profiles/RotorLocation.h"

#include <QDialog>
#include <QList>
#include <QMetaObject>
#include <QString>

#include <optional>

class PlaceSearch;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;
class QVBoxLayout;
class QWidget;
class TileLoader;
class TowerMap;

// The sheet that places one rotor's tower on the map: by address search, by Maidenhead grid
// locator, by typed coordinates, or by moving the map under the crosshair. It edits texts as
// typed and saves a location only when they make a valid one. `save` carries the location to
// store, or nothing to remove the stored one; the sheet closes after either.
class RotorLocationEditor final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RotorLocationEditor)

public:
    static constexpr int sheetWidth = 650;
    static constexpr int resultLimit = 5;

    struct Coordinate {
        double latitude = 0;
        double longitude = 0;

        bool operator==(const Coordinate&) const = default;
    };

    // The loader and the search must outlive the sheet. With no `existing` location and a site
    // address, the sheet looks that address up as it opens.
    RotorLocationEditor(TileLoader& tiles, PlaceSearch& places, const QString& endpoint, const QString& rotor,
                        const std::optional<RotorLocation>& existing, const QString& siteAddress,
                        QWidget* parent = nullptr);
    ~RotorLocationEditor() override;

    // Where a nudge from `from` goes: an eighth of the span north or south and east or west
    // (`north`, `east` each -1, 0 or 1). Longitude wraps at the date line, latitude stops at 85.
    static Coordinate nudged(Coordinate from, int north, int east, double span);

    // The location the typed texts make, when they make a valid one.
    std::optional<RotorLocation> draft() const;
    double previewSpan() const { return m_previewSpan; }

Q_SIGNALS:
    void save(const std::optional<RotorLocation>& location);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void done(int result) override;

private:
    QWidget* buildSearch();
    QWidget* buildMap();
    void search();
    void searchFinished(const QList<Place>& places);
    void searchFailed();
    void endSearch();
    void choose(Coordinate coordinate, bool moveMap = true);
    void preview();
    void nudge(int north, int east);
    void zoom(bool out);
    void flipStyle();
    void showMap();
    void showResults();
    void showError(const std::optional<QString>& message);
    void refreshControls();
    void applyColors();

    TileLoader& m_tiles;
    PlaceSearch& m_places;
    QString m_endpoint;
    QString m_rotor;
    bool m_hasExisting = false;

    std::optional<Coordinate> m_point;
    std::optional<Coordinate> m_center;
    QList<Place> m_results;
    bool m_searching = false;
    quint64 m_searchID = 0;
    QMetaObject::Connection m_foundConnection;
    QMetaObject::Connection m_failedConnection;
    bool m_satellite = false;
    double m_previewSpan = RotorLocation::siteSpanMeters;

    QLineEdit* m_address = nullptr;
    QPushButton* m_searchButton = nullptr;
    QWidget* m_resultsBox = nullptr;
    QVBoxLayout* m_resultRows = nullptr;
    QLabel* m_searchCredits = nullptr;
    QLabel* m_errorLabel = nullptr;
    QLineEdit* m_latitude = nullptr;
    QLineEdit* m_longitude = nullptr;
    QLineEdit* m_offset = nullptr;
    QPushButton* m_preview = nullptr;
    QStackedWidget* m_mapStack = nullptr;
    TowerMap* m_map = nullptr;
    QLabel* m_mapNote = nullptr;
    QList<QToolButton*> m_mapButtons;
    QToolButton* m_style = nullptr;
    QToolButton* m_zoomOut = nullptr;
    QToolButton* m_zoomIn = nullptr;
    QLabel* m_mapError = nullptr;
    QPushButton* m_save = nullptr;
};
