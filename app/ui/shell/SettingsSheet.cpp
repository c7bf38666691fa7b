#include "app/ui/shell/SettingsSheet.h"

#include "app/ui/shell/Languages.h"
#include "app/ui/style/LocaleText.h"
#include "app/ui/style/PlainText.h"
#include "core/client/SettingsStore.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

SettingsSheet::SettingsSheet(SettingsStore& settings, QString running, QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_running(std::move(running))
    , m_language(new QComboBox(this))
    , m_unit(new QComboBox(this))
    , m_restartNote(PlainText::label({}, this))
{
    setWindowTitle(tr("Settings"));

    m_language->addItem(tr("System"), QString());
    for (const Languages::Language& language : Languages::shipped()) {
        m_language->addItem(language.name, language.code);
    }
    m_language->setCurrentIndex(std::max(0, m_language->findData(Languages::saved(m_settings))));
    m_language->setAccessibleName(tr("Language"));
    m_language->setToolTip(tr("The language of the program's texts. \"System\" follows the desktop's language."));

    m_unit->addItem(tr("Kilometres"), u"km"_s); // settings values, not translated
    m_unit->addItem(tr("Miles"), u"mi"_s);
    m_unit->setCurrentIndex(LocaleText::distanceUnit() == LocaleText::DistanceUnit::miles ? 1 : 0);
    m_unit->setAccessibleName(tr("Distance unit"));
    m_unit->setToolTip(tr("Used for every distance the program shows."));

    m_restartNote->setWordWrap(true);
    m_restartNote->setAccessibleName(tr("Language note"));

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(tr("&Language"), m_language);
    form->addRow(QString(), m_restartNote);
    form->addRow(tr("&Distance unit"), m_unit);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Save)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addWidget(buttons);

    connect(m_language, &QComboBox::currentIndexChanged, this, &SettingsSheet::refreshNote);
    connect(buttons, &QDialogButtonBox::accepted, this, &SettingsSheet::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    refreshNote();
}

SettingsSheet::~SettingsSheet() = default;

void SettingsSheet::refreshNote()
{
    const bool changes = m_language->currentData().toString() != m_running;
    m_restartNote->setText(changes ? tr("The new language is used from the next start.")
                                   : tr("The language changes at the next start."));
    m_restartNote->setAccessibleDescription(m_restartNote->text());
}

void SettingsSheet::save()
{
    m_settings.setText(Languages::languageKey, m_language->currentData().toString());
    const QString unit = m_unit->currentData().toString();
    m_settings.setText(Languages::distanceUnitKey, unit);
    Languages::applyDistanceUnit(unit);
    accept();
}
