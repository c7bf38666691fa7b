#pragma once

#include "app/profiles/HeadingPreset.h"

#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QLineEdit;
class QVBoxLayout;
class SettingsStore;

// The sheet that adds and removes the local heading presets of one rotor of one server. Every
// change is written to the stored list at once, leaving the presets of other rotors and servers
// as they are; `presetsChanged` then lets the card reload.
class PresetEditorDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PresetEditorDialog)

public:
    PresetEditorDialog(SettingsStore& defaults, const QString& endpoint, const QString& rotor,
                       QWidget* parent = nullptr);
    ~PresetEditorDialog() override;

Q_SIGNALS:
    void presetsChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    void save();
    void remove(const QUuid& id);
    QList<HeadingPreset> storedList() const;
    void store(const QList<HeadingPreset>& presets);
    void showPresets();
    void showError(const QString& message);

    SettingsStore& m_defaults;
    QString m_endpoint;
    QString m_rotor;

    QLineEdit* m_name = nullptr;
    QLineEdit* m_heading = nullptr;
    QLabel* m_error = nullptr;
    QLabel* m_empty = nullptr;
    QVBoxLayout* m_rows = nullptr;
};
