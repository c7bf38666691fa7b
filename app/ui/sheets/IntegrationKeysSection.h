#pragma once

#include "app/ui/sheets/SheetParts.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <QWidget>

#include <functional>

class IntegrationEditor;
class QCheckBox;
class QComboBox;
class DecimalSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
struct KeyBinding;

// The key bindings of the integrations sheet with the keyboard inputs that fire them: global keys, the local UDP port,
// and one row per binding.
class IntegrationKeysSection final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IntegrationKeysSection)

public:
    // The editor must outlive the section.
    explicit IntegrationKeysSection(IntegrationEditor& editor, QWidget* parent = nullptr);
    ~IntegrationKeysSection() override;

    void showSettings();
    // The station's devices as bindings name them ("R:", "S:", "K:", "T:" and the name); rebuilds the rows.
    void showDevices(const QList<SheetParts::Choice>& devices);

private:
    struct BindingRow {
        QLineEdit* key = nullptr;
        QComboBox* device = nullptr;
        QComboBox* action = nullptr;
        DecimalSpinBox* heading = nullptr;
        QComboBox* position = nullptr;
    };

    QWidget* buildKeyboard();
    void editBinding(const QUuid& id, const std::function<void(KeyBinding&)>& change);
    void addBinding();
    void removeBinding(const QUuid& id);
    void rebuildBindings();
    void showPositions(const BindingRow& row, const QString& device, const QString& position);
    void refreshKeyboard();
    QStringList positionsOf(const QString& device) const;
    IntegrationEditor& m_editor;

    QList<SheetParts::Choice> m_devices;
    QCheckBox* m_globalKeys = nullptr;
    QLineEdit* m_keyboardPort = nullptr;
    QPushButton* m_stopKeyboard = nullptr;
    QLabel* m_keyboardStatus = nullptr;
    QVBoxLayout* m_bindingSection = nullptr;
    QWidget* m_bindingBox = nullptr;
    QList<BindingRow> m_bindingRows;
};
