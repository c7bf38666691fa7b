#pragma once

#include <QList>
#include <QWidget>

#include <optional>

// The heading dial of a rotor without a tower location: a ring of ticks with the cardinal
// letters and a needle at the controller heading, teal while live and grey once stale. Drawn in
// the 220-point dial's own coordinates, scaled to fit the widget.
class Compass final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Compass)

public:
    // The dial's own size, in the points its drawing is laid out in.
    static constexpr double dialSize = 220.0;

    explicit Compass(QWidget* parent = nullptr);
    ~Compass() override;

    const std::optional<double>& heading() const { return m_heading; }
    // Degrees clockwise from north; the needle shows only for a finite heading within -360...720.
    void setHeading(std::optional<double> heading);
    bool stale() const { return m_stale; }
    void setStale(bool stale);
    // Where a turn may not end, shaded: bearing arcs, each from its start clockwise by its span.
    struct Arc {
        double from = 0;
        double span = 0;
        bool operator==(const Arc&) const = default;
    };
    const QList<Arc>& shadedArcs() const { return m_shaded; }
    void setShadedArcs(const QList<Arc>& arcs);
    // A two-way antenna's beam points both ways: the needle is drawn for both lobes.
    bool twoWay() const { return m_twoWay; }
    void setTwoWay(bool twoWay);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::optional<double> m_heading;
    bool m_stale = false;
    QList<Arc> m_shaded;
    bool m_twoWay = false;
};
