#include "app/ui/rotor/PresetEditorDialog.h"

#include "app/profiles/SettingsKeys.h"
#include "app/ui/style/LocaleText.h"
#include "app/ui/style/PlainText.h"
#include "app/ui/style/StationColors.h"
#include "core/client/SettingsStore.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <limits>

using namespace Qt::Literals::StringLiterals;

PresetEditorDialog::PresetEditorDialog(SettingsStore& defaults, const QString& endpoint, const QString& rotor,
                                       QWidget* parent)
    : QDialog(parent)
    , m_defaults(defaults)
    , m_endpoint(endpoint)
    , m_rotor(rotor)
{
    const QString title = tr("Presets for %1 · Enter a name and heading for this rotor.").arg(rotor);
    setWindowTitle(title);
    setWindowModality(Qt::WindowModal);
    setFixedWidth(460);

    auto* heading = PlainText::label(title, this);
    heading->setWordWrap(true);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    m_name = new QLineEdit(this);
    m_name->setAccessibleName(tr("Preset name"));
    m_name->setToolTip(tr("The name shown on the preset’s button."));
    m_heading = new QLineEdit(this);
    m_heading->setAccessibleName(tr("Target heading (°)"));
    m_heading->setPlaceholderText(tr("Preset target heading"));
    m_heading->setToolTip(tr("Heading in degrees, from 0 to 360."));
    auto* form = new QFormLayout;
    form->addRow(tr("Preset name"), m_name);
    form->addRow(tr("Target heading (°)"), m_heading);

    m_error = PlainText::label({}, this);
    m_error->setWordWrap(true);
    m_error->hide();
    auto* saveButton = new QPushButton(tr("Save"), this);
    saveButton->setAccessibleName(tr("Save"));
    saveButton->setToolTip(tr("Add this preset to %1.").arg(rotor));
    saveButton->setDefault(true);
    auto* saveRow = new QHBoxLayout;
    saveRow->addWidget(m_error, 1);
    saveRow->addWidget(saveButton, 0, Qt::AlignTop);

    auto* list = new QWidget;
    m_rows = new QVBoxLayout(list);
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_empty = PlainText::label(tr("No presets configured"), list);
    m_rows->addWidget(m_empty);
    m_rows->addStretch(1);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(list);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setMinimumHeight(120);

    auto* done = new QPushButton(tr("Done"), this);
    done->setAccessibleName(tr("Done"));
    done->setToolTip(tr("Close the preset editor."));
    done->setAutoDefault(false);
    auto* doneRow = new QHBoxLayout;
    doneRow->addStretch(1);
    doneRow->addWidget(done);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->addLayout(saveRow);
    layout->addWidget(scroll, 1);
    layout->addLayout(doneRow);

    connect(saveButton, &QPushButton::clicked, this, &PresetEditorDialog::save);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    showPresets();
}

PresetEditorDialog::~PresetEditorDialog() = default;

void PresetEditorDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        QPalette colors = m_error->palette();
        colors.setColor(QPalette::WindowText, StationColors::orange(palette()));
        m_error->setPalette(colors);
    }
    QDialog::changeEvent(event);
}

void PresetEditorDialog::save()
{
    // A heading that is not a number fails the preset rule like one out of range.
    const double degrees = LocaleText::parse(m_heading->text()).value_or(std::numeric_limits<double>::quiet_NaN());
    const ProtocolResult<HeadingPreset> made = HeadingPreset::make(m_endpoint, m_rotor, m_name->text(), degrees);
    if (!made) {
        showError(made.failure().description());
        return;
    }
    QList<HeadingPreset> presets = storedList();
    presets.append(*made);
    store(presets);
    m_name->clear();
    m_heading->clear();
    m_error->hide();
    m_name->setFocus();
}

void PresetEditorDialog::remove(const QUuid& id)
{
    QList<HeadingPreset> presets = storedList();
    presets.removeIf([&](const HeadingPreset& preset) { return preset.id == id; });
    store(presets);
}

QList<HeadingPreset> PresetEditorDialog::storedList() const
{
    return HeadingPreset::decode(m_defaults.text(SettingsKeys::headingPresets).value_or(u"[]"_s));
}

void PresetEditorDialog::store(const QList<HeadingPreset>& presets)
{
    m_defaults.setText(SettingsKeys::headingPresets, HeadingPreset::encode(presets));
    showPresets();
    Q_EMIT presetsChanged();
}

void PresetEditorDialog::showPresets()
{
    // Rows only; the fields above keep what is typed in them.
    while (m_rows->count() > 2) {
        QLayoutItem* item = m_rows->takeAt(0);
        item->widget()->hide();
        item->widget()->deleteLater();
        delete item;
    }
    const QList<HeadingPreset> presets = HeadingPreset::stored(m_defaults, m_endpoint, m_rotor);
    m_empty->setVisible(presets.isEmpty());
    for (qsizetype i = 0; i < presets.size(); ++i) {
        const HeadingPreset& preset = presets.at(i);
        auto* row = new QWidget;
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
        auto* name = PlainText::label(preset.name, row);
        name->setTextFormat(Qt::PlainText);
        auto* degrees = PlainText::label(LocaleText::degrees(preset.degrees, 1), row);
        auto* removeButton = new QPushButton(tr("Remove"), row);
        removeButton->setAccessibleName(tr("Remove %1").arg(preset.name));
        removeButton->setToolTip(tr("Remove the preset %1.").arg(preset.name));
        removeButton->setAutoDefault(false);
        line->addWidget(name, 1);
        line->addWidget(degrees);
        line->addWidget(removeButton);
        m_rows->insertWidget(static_cast<int>(i), row);
        const QUuid id = preset.id;
        connect(removeButton, &QPushButton::clicked, this, [this, id] { remove(id); });
    }
}

void PresetEditorDialog::showError(const QString& message)
{
    QPalette colors = m_error->palette();
    colors.setColor(QPalette::WindowText, StationColors::orange(palette()));
    m_error->setPalette(colors);
    m_error->setText(message);
    m_error->show();
}
