#include "app/ui/sheets/IntegrationDevicesSection.h"

#include "app/integrations/StationIntegrations.h"
#include "app/ui/sheets/IntegrationEditor.h"
#include "app/ui/sheets/SheetParts.h"
#include "app/ui/style/PlainText.h"
#include "core/client/KeltoClient.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

const QList<SheetParts::Choice> radioChoices{
    {u"Manual"_s, QString::number(IntegrationSettings::manual)},
    {u"Radio A"_s, QString::number(IntegrationSettings::radioA)},
    {u"Radio B"_s, QString::number(IntegrationSettings::radioB)},
    {u"Focused radio"_s, QString::number(IntegrationSettings::focusedRadio)},
};

} // namespace

IntegrationDevicesSection::IntegrationDevicesSection(IntegrationEditor& editor, QWidget* parent)
    : QWidget(parent)
    , m_editor(editor)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildDevices());
}

IntegrationDevicesSection::~IntegrationDevicesSection() = default;

void IntegrationDevicesSection::showDevices()
{
    rebuildRadioRows();
}

QWidget* IntegrationDevicesSection::buildDevices()
{
    QWidget* box = IntegrationEditor::section(this, m_radioSection, u"Frequency-driven devices"_s);
    m_radioSection->addWidget(
        SheetParts::note(u"A selected OFF remains off. Existing in-range selections are retained; locked outputs are "
                         u"skipped. Focused radio follows logger focus and prevents competing A/B updates on a shared "
                         u"switch."_s,
                         box));
    return box;
}

void IntegrationDevicesSection::rebuildRadioRows()
{
    if (m_radioBox) {
        m_radioBox->hide();
        m_radioBox->deleteLater();
    }
    m_radioBox = new QWidget;
    int rows = 0;
    auto* form = new QFormLayout(m_radioBox);
    form->setContentsMargins(0, 0, 0, 0);
    const IntegrationSettings& s = m_editor.integrations.settings();
    const StationState& station = m_editor.client.station();
    const auto addRow = [&](const QString& prefix, const QString& kind, const QString& name, int assignment) {
        const QString label = kind + name;
        QComboBox* box = IntegrationEditor::picker(
            u"Radio for "_s + label, u"Which radio’s frequency selects the band position of "_s + name + u"."_s,
            m_radioBox);
        m_editor.filling = true;
        SheetParts::setChoices(box, radioChoices, QString::number(assignment));
        m_editor.filling = false;
        auto* caption = PlainText::label(label, m_radioBox);
        caption->setTextFormat(Qt::PlainText);
        form->addRow(caption, box);
        ++rows;
        connect(box, &QComboBox::currentIndexChanged, this, [this, box, prefix, name] {
            const int radio = SheetParts::value(box).toInt();
            m_editor.edit([&](IntegrationSettings& edited) {
                (prefix == u"S:"_s ? edited.switchRadios : edited.tunerRadios).insert(name, radio);
            });
        });
    };
    for (const QString& name : station.switches.keys()) {
        addRow(u"S:"_s, u"Switch: "_s, name, s.switchRadios.value(name, IntegrationSettings::manual));
    }
    for (const QString& name : station.tuners.keys()) {
        addRow(u"T:"_s, u"Tuner: "_s, name, s.tunerRadios.value(name, IntegrationSettings::manual));
    }
    if (rows == 0) {
        form->addRow(SheetParts::note(u"The station has reported no switches or tuners yet."_s, m_radioBox));
    }
    // Above the note.
    m_radioSection->insertWidget(1, m_radioBox);
}
