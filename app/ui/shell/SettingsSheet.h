#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class SettingsStore;

// Program-wide preferences: the language (next start) and the distance unit (at once).
class SettingsSheet final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsSheet)

public:
    // `running`: the language this run speaks ("" when it follows the system), to tell whether
    // the chosen one needs a restart.
    SettingsSheet(SettingsStore& settings, QString running, QWidget* parent = nullptr);
    ~SettingsSheet() override;

    QComboBox* languagePicker() const { return m_language; }
    QComboBox* unitPicker() const { return m_unit; }

private:
    void save();
    void refreshNote();

    SettingsStore& m_settings;
    QString m_running;
    QComboBox* m_language;
    QComboBox* m_unit;
    QLabel* m_restartNote;
};
