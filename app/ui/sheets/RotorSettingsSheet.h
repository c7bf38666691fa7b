#pragma once

#include "core/model/RotorMechanics.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class DecimalSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

// The sheet that edits one rotor's mechanics: limits or a forbidden sector, the range its
// controller counts in, two-way, park and the watchdog. It edits a copy; Save (also Return)
// emits `save` with the copy and closes, Cancel (also Escape) closes and changes nothing.
class RotorSettingsSheet final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RotorSettingsSheet)

public:
    RotorSettingsSheet(const QString& rotor, const RotorMechanics& mechanics, QWidget* parent = nullptr);
    ~RotorSettingsSheet() override;

    // The record the fields make now.
    RotorMechanics draft() const;

Q_SIGNALS:
    void save(const RotorMechanics& mechanics);

private:
    void refresh();

    QComboBox* m_limit;
    DecimalSpinBox* m_low;
    DecimalSpinBox* m_high;
    DecimalSpinBox* m_sectorFrom;
    DecimalSpinBox* m_sectorTo;
    QComboBox* m_range;
    DecimalSpinBox* m_overlapEnd;
    QCheckBox* m_twoWay;
    DecimalSpinBox* m_park;
    QSpinBox* m_idlePark;
    QCheckBox* m_watchdog;
    DecimalSpinBox* m_stallDegrees;
    DecimalSpinBox* m_stallSeconds;
    DecimalSpinBox* m_maxTurn;
    QLabel* m_problem;
    QPushButton* m_save;
};
