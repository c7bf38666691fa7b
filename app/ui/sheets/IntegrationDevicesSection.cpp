#include "app/ui/sheets/IntegrationDevicesSection.h"

#include "app/integrations/StationIntegrations.h"
#include "app/ui/sheets/IntegrationEditor.h"
#include "app/ui/sheets/SheetParts.h"
#include "app/ui/style/PlainText.h"
#include "core/client/KeltoClient.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

// Translated when shown; the values are the stored radio numbers.
QList<SheetParts::Choice> radioChoices()
{
    const auto choice = [](const char* text, int radio) {
        return SheetParts::Choice{QCoreApplication::translate("IntegrationDevicesSection", text),
                                  QString::number(radio)};
    };
    return {
        choice(QT_TRANSLATE_NOOP("IntegrationDevicesSection", "Manual"), IntegrationSettings::manual),
        choice(QT_TRANSLATE_NOOP("IntegrationDevicesSection", "Radio A"), IntegrationSettings::radioA),
        choice(QT_TRANSLATE_NOOP("IntegrationDevicesSection", "Radio B"), IntegrationSettings::radioB),
        choice(QT_TRANSLATE_NOOP("IntegrationDevicesSection", "Focused radio"), IntegrationSettings::focusedRadio),
    };
}

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
    QWidget* box = IntegrationEditor::section(this, m_radioSection, tr("Frequency-driven devices"));
    m_radioSection->addWidget(SheetParts::note(
        tr("A selected OFF remains off. Existing in-range selections are retained; locked outputs are "
           "skipped. Focused radio follows logger focus and prevents competing A/B updates on a shared "
           "switch."),
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
    const QList<SheetParts::Choice> choices = radioChoices();
    // `prefix` is the device key's kind (S:, T:), not shown.
    const auto addRow = [&](const QString& prefix, const QString& label, const QString& name, int assignment) {
        QComboBox* box = IntegrationEditor::picker(
            tr("Radio for %1").arg(label), tr("Which radio’s frequency selects the band position of %1.").arg(name),
            m_radioBox);
        m_editor.filling = true;
        SheetParts::setChoices(box, choices, QString::number(assignment));
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
        //: %1 is the antenna switch's name from the station.
        addRow(u"S:"_s, tr("Switch: %1").arg(name), name, s.switchRadios.value(name, IntegrationSettings::manual));
    }
    for (const QString& name : station.tuners.keys()) {
        //: %1 is the tuner's name from the station.
        addRow(u"T:"_s, tr("Tuner: %1").arg(name), name, s.tunerRadios.value(name, IntegrationSettings::manual));
    }
    if (rows == 0) {
        form->addRow(SheetParts::note(tr("The station has reported no switches or tuners yet."), m_radioBox));
    }
    // Above the note.
    m_radioSection->insertWidget(1, m_radioBox);
}
