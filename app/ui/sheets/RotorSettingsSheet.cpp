#include "app/ui/sheets/RotorSettingsSheet.h"

#include "app/ui/sheets/SheetParts.h"
#include "app/ui/style/DecimalSpinBox.h"
#include "app/ui/style/PlainText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

DecimalSpinBox* degreesBox(double lowest, double highest, double value, const QString& name, QWidget* parent)
{
    auto* box = new DecimalSpinBox(parent);
    box->setRange(lowest, highest);
    box->setDecimals(1);
    box->setSuffix(u"°"_s);
    box->setValue(value);
    box->setAccessibleName(name);
    return box;
}

DecimalSpinBox* secondsBox(double lowest, double highest, double value, const QString& name, QWidget* parent)
{
    DecimalSpinBox* box = degreesBox(lowest, highest, value, name, parent);
    //: Unit after a number of seconds.
    box->setSuffix(QCoreApplication::translate("RotorSettingsSheet", " s"));
    return box;
}

} // namespace

RotorSettingsSheet::RotorSettingsSheet(const QString& rotor, const RotorMechanics& mechanics, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Rotor settings"));
    setAccessibleName(tr("Rotor settings for %1").arg(rotor));
    auto* form = new QFormLayout;
    const auto add = [form, this](const QString& text, QWidget* field) {
        QLabel* label = PlainText::label(text, this);
        label->setBuddy(field);
        form->addRow(label, field);
    };

    m_limit = new QComboBox(this);
    m_limit->addItem(tr("None"));
    m_limit->addItem(tr("Soft limits"));
    m_limit->addItem(tr("Forbidden sector"));
    m_limit->setCurrentIndex(static_cast<int>(mechanics.limit));
    m_limit->setAccessibleName(tr("Limits of %1").arg(rotor));
    add(tr("Limits"), m_limit);
    m_low = degreesBox(-180, 540, mechanics.low, tr("Lowest heading"), this);
    m_high = degreesBox(-180, 540, mechanics.high, tr("Highest heading"), this);
    add(tr("Lowest heading"), m_low);
    add(tr("Highest heading"), m_high);
    m_sectorFrom = degreesBox(0, 360, mechanics.sectorFrom, tr("Forbidden from"), this);
    m_sectorTo = degreesBox(0, 360, mechanics.sectorTo, tr("Forbidden to"), this);
    add(tr("Forbidden from"), m_sectorFrom);
    add(tr("Forbidden to (clockwise)"), m_sectorTo);

    m_range = new QComboBox(this);
    m_range->addItem(tr("0–360°"));
    m_range->addItem(tr("South stop (-180…+180°)"));
    m_range->addItem(tr("Overlap"));
    m_range->setCurrentIndex(static_cast<int>(mechanics.range));
    m_range->setAccessibleName(tr("Range of %1").arg(rotor));
    add(tr("Range"), m_range);
    m_overlapEnd = degreesBox(361, 540, mechanics.overlapEnd, tr("Overlap ends at"), this);
    add(tr("Overlap ends at"), m_overlapEnd);

    m_twoWay = SheetParts::checkBox(tr("Two-way antenna"),
                                    tr("The beam points both ways: turns go to whichever lobe is nearer."), this);
    m_twoWay->setChecked(mechanics.twoWay);
    m_twoWay->setAccessibleName(tr("Two-way antenna"));
    form->addRow(m_twoWay);

    m_park = degreesBox(0, 360, mechanics.park, tr("Park heading"), this);
    add(tr("Park heading"), m_park);
    m_idlePark = new QSpinBox(this);
    m_idlePark->setRange(0, 1440);
    m_idlePark->setSpecialValueText(tr("Off"));
    m_idlePark->setSuffix(tr(" min"));
    m_idlePark->setValue(mechanics.idleParkMinutes);
    m_idlePark->setAccessibleName(tr("Park after minutes without a command"));
    add(tr("Park when idle for"), m_idlePark);

    m_watchdog = SheetParts::checkBox(tr("Stall watchdog"),
                                      tr("Stop a turn whose heading does not change, or that takes too long."), this);
    m_watchdog->setChecked(mechanics.stallWatchdog);
    m_watchdog->setAccessibleName(tr("Stall watchdog"));
    form->addRow(m_watchdog);
    m_stallDegrees = degreesBox(0.1, 90, mechanics.stallDegrees, tr("Least movement"), this);
    m_stallSeconds = secondsBox(1, 600, mechanics.stallSeconds, tr("Within"), this);
    m_maxTurn = secondsBox(1, 3600, mechanics.maxTurnSeconds, tr("Longest turn"), this);
    add(tr("Least movement"), m_stallDegrees);
    add(tr("Within"), m_stallSeconds);
    add(tr("Longest turn"), m_maxTurn);

    m_problem = PlainText::label(QString(), this);
    m_problem->setWordWrap(true);
    m_problem->setAccessibleName(tr("Problem"));

    auto* buttons = new QDialogButtonBox(this);
    m_save = buttons->addButton(tr("Save"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    m_save->setDefault(true);
    m_save->setAccessibleName(tr("Save rotor settings"));
    cancel->setAutoDefault(false);
    connect(m_save, &QPushButton::clicked, this, [this] {
        const RotorMechanics edited = draft();
        if (edited.valid()) {
            Q_EMIT save(edited);
            accept();
        }
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SheetParts::note(
        tr("Limits are in the numbers the controller counts in: -90 to 90 on a south-stop rotor, up to 450 on an "
           "overlap rotor. Every turn, from any source, is checked against them."),
        this));
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);

    for (QComboBox* box : {m_limit, m_range}) {
        connect(box, &QComboBox::currentIndexChanged, this, &RotorSettingsSheet::refresh);
    }
    for (DecimalSpinBox* box : {m_low, m_high, m_sectorFrom, m_sectorTo, m_overlapEnd}) {
        connect(box, &DecimalSpinBox::valueChanged, this, &RotorSettingsSheet::refresh);
    }
    connect(m_watchdog, &QCheckBox::toggled, this, &RotorSettingsSheet::refresh);
    refresh();
}

RotorSettingsSheet::~RotorSettingsSheet() = default;

RotorMechanics RotorSettingsSheet::draft() const
{
    RotorMechanics m;
    m.limit = static_cast<RotorMechanics::Limit>(m_limit->currentIndex());
    m.low = m_low->value();
    m.high = m_high->value();
    m.sectorFrom = m_sectorFrom->value();
    m.sectorTo = m_sectorTo->value();
    m.range = static_cast<RotorMechanics::Range>(m_range->currentIndex());
    m.overlapEnd = m_overlapEnd->value();
    m.twoWay = m_twoWay->isChecked();
    m.park = m_park->value();
    m.idleParkMinutes = m_idlePark->value();
    m.stallWatchdog = m_watchdog->isChecked();
    m.stallDegrees = m_stallDegrees->value();
    m.stallSeconds = m_stallSeconds->value();
    m.maxTurnSeconds = m_maxTurn->value();
    return m;
}

void RotorSettingsSheet::refresh()
{
    const RotorMechanics m = draft();
    const bool limits = m.limit == RotorMechanics::Limit::limits;
    const bool sector = m.limit == RotorMechanics::Limit::forbiddenSector;
    m_low->setEnabled(limits);
    m_high->setEnabled(limits);
    m_sectorFrom->setEnabled(sector);
    m_sectorTo->setEnabled(sector);
    m_overlapEnd->setEnabled(m.range == RotorMechanics::Range::overlap);
    for (DecimalSpinBox* box : {m_stallDegrees, m_stallSeconds, m_maxTurn}) {
        box->setEnabled(m.stallWatchdog);
    }
    const bool valid = m.valid();
    m_problem->setText(
        valid ? QString()
              : tr("The limits must lie inside the range %1, the lowest below the highest.").arg(m.rangeText()));
    m_problem->setVisible(!valid);
    m_save->setEnabled(valid);
}
