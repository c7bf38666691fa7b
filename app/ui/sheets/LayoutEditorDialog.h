#pragma once

#include "app/profiles/PresentationSettings.h"

#include <QDialog>
#include <QMap>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class StationPresentation;

// The "Layout" sheet of a tab: the band filter, the band source, the rotor card width, the
// accent and, per device of the station, whether its card shows, on which bands and in what
// order. It edits a copy of the layout; "Save layout" hands the copy to the presentation, which
// the station view follows at once, and stores it for the server.
class LayoutEditorDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LayoutEditorDialog)

public:
    // `deviceKeys` are the station's "Rotor: ", "Switch: ", "Tuner: " and "Stack: " keys; the
    // presentation must outlive the dialog.
    LayoutEditorDialog(StationPresentation& presentation, QStringList deviceKeys, QWidget* parent = nullptr);
    ~LayoutEditorDialog() override;

    // Whether the sheet holds edits the presentation does not have yet.
    bool hasChanges() const;

public Q_SLOTS:
    // Asks before throwing edits away.
    void reject() override;

private:
    struct DeviceRow {
        QCheckBox* visible = nullptr;
        QLineEdit* bands = nullptr;
        QSpinBox* order = nullptr;
    };

    QWidget* buildDevices();
    void showDraft();
    void editDevice(const QString& key);
    void draftChanged();
    void saveLayout();
    void presentationChanged();

    StationPresentation& m_presentation;
    QStringList m_keys;
    // The layout the draft was taken from, to tell edits from what the presentation holds.
    PresentationSettings m_base;
    PresentationSettings m_draft;
    bool m_showing = false;

    QCheckBox* m_filter = nullptr;
    QComboBox* m_radio = nullptr;
    QSlider* m_width = nullptr;
    QLabel* m_widthText = nullptr;
    QComboBox* m_accent = nullptr;
    QMap<QString, DeviceRow> m_rows;
    QPushButton* m_save = nullptr;
};
