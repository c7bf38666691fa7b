#include "app/ui/sheets/IntegrationKeysSection.h"

#include "app/integrations/StationIntegrations.h"
#include "app/integrations/keyboard/NativeKeyboard.h"
#include "app/ui/sheets/IntegrationEditor.h"
#include "app/ui/sheets/SheetParts.h"
#include "app/ui/style/DecimalSpinBox.h"
#include "app/ui/style/LocaleText.h"
#include "app/ui/style/PlainText.h"
#include "core/client/KeltoClient.h"
#include "core/integrations/LoggerTransport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

IntegrationKeysSection::IntegrationKeysSection(IntegrationEditor& editor, QWidget* parent)
    : QWidget(parent)
    , m_editor(editor)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildKeyboard());
    refreshKeyboard();
    LoggerTransport& keys = m_editor.integrations.keyboardTransport();
    connect(&keys, &LoggerTransport::messageChanged, this, &IntegrationKeysSection::refreshKeyboard);
    connect(&keys, &LoggerTransport::runningChanged, this, &IntegrationKeysSection::refreshKeyboard);
}

IntegrationKeysSection::~IntegrationKeysSection() = default;

void IntegrationKeysSection::showSettings()
{
    const IntegrationSettings& s = m_editor.integrations.settings();
    m_editor.filling = true;
    m_globalKeys->setChecked(s.globalKeys);
    IntegrationEditor::setText(m_keyboardPort, s.keyboardPort);
    m_editor.filling = false;
}

void IntegrationKeysSection::showDevices(const QList<SheetParts::Choice>& devices)
{
    m_devices = devices;
    rebuildBindings();
}

QWidget* IntegrationKeysSection::buildKeyboard()
{
    QWidget* box = IntegrationEditor::section(this, m_bindingSection, tr("Keyboard shortcuts and UDP keys"));
    // The examples are key tokens as typed, left as they are.
    m_bindingSection->addWidget(SheetParts::note(tr("Key tokens also work while the main app window is focused, "
                                                    "outside text fields. Examples: CTRL R, SHIFT S, Escape."),
                                                 box));

    const bool permitted = NativeKeyboard::globalPermitted();
    m_globalKeys = SheetParts::checkBox(tr("Global keyboard shortcuts"),
                                        permitted ? tr("Also take key tokens typed in other programs.")
                                                  : tr("Global shortcuts are not available in this session."),
                                        box);
    m_bindingSection->addWidget(m_globalKeys);
    m_bindingSection->addWidget(SheetParts::note(
        permitted ? tr("Global shortcuts need no extra permission on this desktop, only a Control, Alt, or Super "
                       "modifier (CTRL, ALT, CMD in tokens). They apply to the selected server tab. Restart keyboard "
                       "listening after changing this switch.")
                  : tr("Global shortcuts are not available in this session: this desktop does not let programs "
                       "watch keys typed elsewhere. Keys in the main window and UDP key tokens still work."),
        box));

    m_keyboardPort = IntegrationEditor::field(
        tr("Local keyboard UDP port"), tr("Key tokens sent to 127.0.0.1 on this port fire the bindings below."), box);
    auto* form = new QFormLayout;
    form->addRow(tr("Local keyboard UDP port"), m_keyboardPort);
    m_bindingSection->addLayout(form);

    const IntegrationEditor::InputControls keyboard = IntegrationEditor::inputControls(
        tr("Start keyboard"), tr("Stop keyboard"), tr("Keyboard status"),
        tr("Store these settings and start listening for keys and UDP key tokens."), box);
    m_stopKeyboard = keyboard.stop;
    m_keyboardStatus = keyboard.status;
    m_bindingSection->addLayout(keyboard.row);

    QPushButton* add = SheetParts::button(tr("Add key binding"), tr("Add a key token and what it does."), box);
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(add);
    addRow->addStretch(1);
    m_bindingSection->addLayout(addRow);

    connect(m_globalKeys, &QCheckBox::toggled, this,
            [this](bool on) { m_editor.edit([on](IntegrationSettings& s) { s.globalKeys = on; }); });
    connect(m_keyboardPort, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_editor.edit([&](IntegrationSettings& s) { s.keyboardPort = text; }); });
    connect(keyboard.start, &QPushButton::clicked, this,
            [this] { m_editor.integrations.startKeyboard(m_editor.client); });
    connect(m_stopKeyboard, &QPushButton::clicked, this, [this] { m_editor.integrations.stopKeyboard(); });
    connect(add, &QPushButton::clicked, this, &IntegrationKeysSection::addBinding);
    return box;
}

void IntegrationKeysSection::editBinding(const QUuid& id, const std::function<void(KeyBinding&)>& change)
{
    m_editor.edit([&](IntegrationSettings& s) {
        for (KeyBinding& binding : s.keyCommands) {
            if (binding.id == id) {
                change(binding);
            }
        }
    });
}

void IntegrationKeysSection::addBinding()
{
    KeyBinding binding;
    binding.rotor = m_devices.isEmpty() ? QString() : m_devices.first().value;
    m_editor.edit([&](IntegrationSettings& s) { s.keyCommands.append(binding); });
    rebuildBindings();
    if (!m_bindingRows.isEmpty()) {
        m_bindingRows.last().key->setFocus();
    }
}

void IntegrationKeysSection::removeBinding(const QUuid& id)
{
    m_editor.edit([&](IntegrationSettings& s) {
        s.keyCommands.removeIf([&](const KeyBinding& binding) { return binding.id == id; });
    });
    rebuildBindings();
}

void IntegrationKeysSection::rebuildBindings()
{
    if (m_bindingBox) {
        // The Remove button that led here may be among the old rows.
        m_bindingBox->hide();
        m_bindingBox->deleteLater();
    }
    m_bindingRows.clear();
    m_bindingBox = new QWidget;
    auto* grid = new QGridLayout(m_bindingBox);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(4, 2);
    const QList<KeyBinding>& bindings = m_editor.integrations.settings().keyCommands;
    if (bindings.isEmpty()) {
        grid->addWidget(SheetParts::note(tr("No key bindings"), m_bindingBox), 0, 0, 1, 6);
    } else {
        int column = 0;
        for (const QString& heading : {tr("Key token"), tr("Device"), tr("Action"), tr("Heading"), tr("Position")}) {
            grid->addWidget(PlainText::label(heading, m_bindingBox), 0, column++);
        }
    }
    QList<SheetParts::Choice> actions;
    for (const QString& action : KeyBinding::actions()) {
        actions.append({KeyBinding::actionLabel(action), action});
    }

    m_editor.filling = true;
    for (qsizetype i = 0; i < bindings.size(); ++i) {
        const KeyBinding& binding = bindings.at(i);
        const QString number = LocaleText::count(i + 1);
        const int line = static_cast<int>(i) + 1;
        BindingRow row;
        //: %1 is the number of the key binding's row.
        row.key = IntegrationEditor::field(tr("Key token %1").arg(number),
                                           tr("The key token that fires this binding, such as CTRL R."), m_bindingBox);
        row.key->setText(binding.key);
        //: %1 is the number of the key binding's row.
        row.device = IntegrationEditor::picker(
            tr("Device %1").arg(number), tr("R: rotor, S: antenna switch, K: stack output, T: tuner."), m_bindingBox);
        SheetParts::setChoices(row.device, m_devices, binding.rotor);
        //: %1 is the number of the key binding's row.
        row.action = IntegrationEditor::picker(tr("Action %1").arg(number),
                                               tr("What the binding does with its device."), m_bindingBox);
        SheetParts::setChoices(row.action, actions, binding.action);
        row.heading = new DecimalSpinBox(m_bindingBox);
        row.heading->setRange(0.0, 360.0);
        row.heading->setDecimals(1);
        row.heading->setSuffix(u"°"_s);
        row.heading->setValue(binding.heading);
        //: %1 is the number of the key binding's row.
        row.heading->setAccessibleName(tr("Heading %1").arg(number));
        row.heading->setToolTip(tr("The heading a Rotate binding turns its rotor to."));
        //: %1 is the number of the key binding's row.
        row.position = IntegrationEditor::picker(
            tr("Position %1").arg(number),
            tr("The switch or tuner position to select; Next and Previous step instead."), m_bindingBox);
        row.position->setEditable(true);
        showPositions(row, binding.rotor, binding.position);
        QPushButton* remove = SheetParts::button(tr("Remove"), tr("Remove this key binding."), m_bindingBox);
        //: %1 is the number of the key binding's row.
        remove->setAccessibleName(tr("Remove binding %1").arg(number));

        grid->addWidget(row.key, line, 0);
        grid->addWidget(row.device, line, 1);
        grid->addWidget(row.action, line, 2);
        grid->addWidget(row.heading, line, 3);
        grid->addWidget(row.position, line, 4);
        grid->addWidget(remove, line, 5);

        const QUuid id = binding.id;
        connect(row.key, &QLineEdit::textEdited, this,
                [this, id](const QString& text) { editBinding(id, [&](KeyBinding& b) { b.key = text; }); });
        connect(row.device, &QComboBox::currentIndexChanged, this, [this, id, row] {
            const QString device = SheetParts::value(row.device);
            editBinding(id, [&](KeyBinding& b) { b.rotor = device; });
            showPositions(row, device, row.position->currentText());
        });
        connect(row.action, &QComboBox::currentIndexChanged, this, [this, id, row] {
            const QString action = SheetParts::value(row.action);
            editBinding(id, [&](KeyBinding& b) { b.action = action; });
        });
        connect(row.heading, &DecimalSpinBox::valueChanged, this,
                [this, id](double value) { editBinding(id, [&](KeyBinding& b) { b.heading = value; }); });
        connect(row.position, &QComboBox::editTextChanged, this,
                [this, id](const QString& text) { editBinding(id, [&](KeyBinding& b) { b.position = text; }); });
        connect(remove, &QPushButton::clicked, this, [this, id] { removeBinding(id); });
        m_bindingRows.append(row);
    }
    m_editor.filling = false;
    // Below the start buttons, above "Add key binding".
    m_bindingSection->insertWidget(m_bindingSection->count() - 1, m_bindingBox);
}

void IntegrationKeysSection::showPositions(const BindingRow& row, const QString& device, const QString& position)
{
    const QSignalBlocker quiet(row.position);
    row.position->clear();
    row.position->addItems(positionsOf(device));
    row.position->setEditText(position);
}

void IntegrationKeysSection::refreshKeyboard()
{
    const LoggerTransport& transport = m_editor.integrations.keyboardTransport();
    IntegrationEditor::setStatus(m_stopKeyboard, m_keyboardStatus, transport.message(), transport.running(),
                                 tr("The keyboard input is not running."));
}

QStringList IntegrationKeysSection::positionsOf(const QString& device) const
{
    const StationState& station = m_editor.client.station();
    const QString name = device.mid(2);
    if (device.startsWith(u"S:"_s)) {
        return station.switches.value(name).positions;
    }
    if (device.startsWith(u"T:"_s)) {
        QStringList names;
        for (const SwitchPosition& position : station.tuners.value(name).positions) {
            names.append(position.name);
        }
        return names;
    }
    return {};
}
