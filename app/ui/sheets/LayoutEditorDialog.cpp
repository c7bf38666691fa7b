#include "app/ui/sheets/LayoutEditorDialog.h"

#include "app/profiles/StationPresentation.h"
#include "app/ui/sheets/Confirmation.h"
#include "app/ui/sheets/SheetParts.h"
#include "app/ui/style/LocaleText.h"
#include "app/ui/style/PlainText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// The slider moves in steps of ten points: its values are tens.
constexpr int widthStep = 10;
// Wide enough for any sensible layout, narrow enough for a compact field.
constexpr int maximumOrder = 9999;

QString widthText(double width)
{
    //: A width in typographic points.
    return QCoreApplication::translate("LayoutEditorDialog", "%1 pt").arg(LocaleText::number(width, 0));
}

} // namespace

LayoutEditorDialog::LayoutEditorDialog(StationPresentation& presentation, QStringList deviceKeys, QWidget* parent)
    : QDialog(parent)
    , m_presentation(presentation)
    , m_keys(std::move(deviceKeys))
    , m_base(presentation.settings())
    , m_draft(m_base)
{
    std::sort(m_keys.begin(), m_keys.end());
    m_keys.erase(std::unique(m_keys.begin(), m_keys.end()), m_keys.end());

    const QString title = tr("Device layout and band filters");
    setWindowTitle(title);
    setWindowModality(Qt::WindowModal);
    resize(620, 640);

    m_filter = SheetParts::checkBox(tr("Show devices for the current logger band"),
                                    tr("Show only the devices listed for the band the logger’s radio is on."), this);

    m_radio = new QComboBox(this);
    m_radio->setAccessibleName(tr("Band source"));
    m_radio->setToolTip(tr("The radio whose frequency names the current band."));

    m_width = new QSlider(Qt::Horizontal, this);
    m_width->setRange(static_cast<int>(PresentationSettings::minimumCardWidth) / widthStep,
                      static_cast<int>(PresentationSettings::maximumCardWidth) / widthStep);
    m_width->setSingleStep(1);
    m_width->setPageStep(5);
    m_width->setAccessibleName(tr("Rotor card width"));
    m_width->setToolTip(tr("Width of the rotor cards, from %1 to %2 points.")
                            .arg(LocaleText::count(qint64(PresentationSettings::minimumCardWidth)),
                                 LocaleText::count(qint64(PresentationSettings::maximumCardWidth))));
    m_widthText = PlainText::label({}, this);
    m_widthText->setMinimumWidth(m_widthText->fontMetrics().horizontalAdvance(widthText(888)));
    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(m_width, 1);
    widthRow->addWidget(m_widthText);

    m_accent = new QComboBox(this);
    m_accent->setAccessibleName(tr("Accent"));
    m_accent->setToolTip(tr("The colour along the top of every card."));

    auto* form = new QFormLayout;
    form->addRow(m_filter);
    form->addRow(tr("Band source"), m_radio);
    form->addRow(tr("Rotor card width"), widthRow);
    form->addRow(tr("Accent"), m_accent);

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(buildDevices());
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    QLabel* note =
        SheetParts::note(tr("Leave bands blank to show a device on all bands. Use comma-separated names such as "
                            "20m, 40m. Lower order numbers appear first. Devices remain visible when no "
                            "logger band is known."),
                         this);

    QPushButton* close = SheetParts::button(tr("Close"), tr("Close the layout editor."), this);
    m_save = SheetParts::button(tr("Save layout"), QString(), this);
    m_save->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addWidget(m_save);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SheetParts::title(title, this));
    layout->addLayout(form);
    layout->addWidget(scroll, 1);
    layout->addWidget(note);
    layout->addLayout(buttons);

    connect(m_filter, &QCheckBox::toggled, this, [this](bool on) {
        m_draft.filterByBand = on;
        draftChanged();
    });
    connect(m_radio, &QComboBox::currentIndexChanged, this, [this] {
        m_draft.radio = SheetParts::value(m_radio).toInt();
        draftChanged();
    });
    connect(m_width, &QSlider::valueChanged, this, [this](int tens) {
        m_draft.cardWidth = tens * widthStep;
        m_widthText->setText(widthText(m_draft.cardWidth));
        draftChanged();
    });
    connect(m_accent, &QComboBox::currentIndexChanged, this, [this] {
        m_draft.accent = SheetParts::value(m_accent);
        draftChanged();
    });
    connect(m_save, &QPushButton::clicked, this, &LayoutEditorDialog::saveLayout);
    connect(close, &QPushButton::clicked, this, &LayoutEditorDialog::reject);
    connect(&m_presentation, &StationPresentation::settingsChanged, this, &LayoutEditorDialog::presentationChanged);

    showDraft();
}

LayoutEditorDialog::~LayoutEditorDialog() = default;

bool LayoutEditorDialog::hasChanges() const
{
    return m_draft != m_presentation.settings();
}

void LayoutEditorDialog::reject()
{
    if (!hasChanges()) {
        QDialog::reject();
        return;
    }
    Confirmation::ask(this, tr("Discard layout changes?"), tr("The changes to this layout have not been saved."),
                      tr("Discard changes"), [this] { QDialog::reject(); });
}

QWidget* LayoutEditorDialog::buildDevices()
{
    auto* devices = new QWidget;
    auto* grid = new QGridLayout(devices);
    grid->setContentsMargins(0, 8, 0, 8);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(2, 1);
    if (m_keys.isEmpty()) {
        grid->addWidget(SheetParts::note(tr("The station has reported no devices yet."), devices), 0, 0, 1, 4);
    } else {
        int column = 0;
        //: Column heading: where the device's card comes among the others.
        const QString order = tr("Order");
        for (const QString& heading : {tr("Device"), tr("Shown"), tr("Bands"), order}) {
            auto* label = PlainText::label(heading, devices);
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
            grid->addWidget(label, 0, column++);
        }
    }
    int line = 1;
    for (const QString& key : std::as_const(m_keys)) {
        DeviceRow row;
        auto* name = PlainText::label(key, devices);
        name->setTextFormat(Qt::PlainText);
        row.visible = new QCheckBox(devices);
        row.visible->setAccessibleName(tr("Show %1").arg(key));
        row.visible->setToolTip(tr("Show the card of %1.").arg(key));
        row.bands = new QLineEdit(devices);
        row.bands->setAccessibleName(tr("Bands for %1").arg(key));
        row.bands->setPlaceholderText(tr("All bands"));
        row.bands->setToolTip(tr("Comma-separated band names such as 20m, 40m; blank for all bands."));
        row.order = new QSpinBox(devices);
        row.order->setRange(-maximumOrder, maximumOrder);
        row.order->setAccessibleName(tr("Order of %1").arg(key));
        row.order->setToolTip(tr("Lower order numbers appear first."));
        grid->addWidget(name, line, 0);
        grid->addWidget(row.visible, line, 1, Qt::AlignHCenter);
        grid->addWidget(row.bands, line, 2);
        grid->addWidget(row.order, line, 3);
        ++line;
        connect(row.visible, &QCheckBox::toggled, this, [this, key] { editDevice(key); });
        connect(row.bands, &QLineEdit::textEdited, this, [this, key] { editDevice(key); });
        connect(row.order, &QSpinBox::valueChanged, this, [this, key] { editDevice(key); });
        m_rows.insert(key, row);
    }
    grid->setRowStretch(line, 1);
    return devices;
}

void LayoutEditorDialog::showDraft()
{
    m_showing = true;
    m_filter->setChecked(m_draft.filterByBand);
    // The values are the stored radio numbers.
    SheetParts::setChoices(m_radio, {{tr("Radio A"), u"1"_s}, {tr("Radio B"), u"2"_s}, {tr("Either radio"), u"3"_s}},
                           QString::number(m_draft.radio));
    {
        // A width between two steps stays as stored until the slider is moved.
        const QSignalBlocker quiet(m_width);
        m_width->setValue(static_cast<int>(std::lround(m_draft.cardWidth / widthStep)));
    }
    m_widthText->setText(widthText(m_draft.cardWidth));
    SheetParts::setChoices(
        m_accent,
        // The values are the stored accent names, not translated.
        {{tr("Teal"), u"Teal"_s}, {tr("Blue"), u"Blue"_s}, {tr("Orange"), u"Orange"_s}, {tr("Purple"), u"Purple"_s}},
        m_draft.accent);
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it) {
        const DevicePresentation entry = m_draft.devices.value(it.key());
        it->visible->setChecked(entry.visible);
        if (it->bands->text() != entry.bands) {
            it->bands->setText(entry.bands);
        }
        it->order->setValue(entry.order);
    }
    m_showing = false;
    draftChanged();
}

void LayoutEditorDialog::editDevice(const QString& key)
{
    if (m_showing) {
        return;
    }
    const DeviceRow& row = m_rows[key];
    m_draft.devices.insert(key, DevicePresentation{row.visible->isChecked(), row.bands->text(), row.order->value()});
    draftChanged();
}

void LayoutEditorDialog::draftChanged()
{
    if (m_showing) {
        return;
    }
    const bool changes = hasChanges();
    m_save->setEnabled(changes);
    m_save->setToolTip(changes ? tr("Use this layout now and keep it for this server.")
                               : tr("Nothing has changed since the layout was saved."));
}

void LayoutEditorDialog::saveLayout()
{
    m_base = m_draft;
    m_presentation.setSettings(m_draft);
    m_presentation.save();
    draftChanged();
}

void LayoutEditorDialog::presentationChanged()
{
    // Replaced from elsewhere (another server's layout, an import): follow it unless the user
    // has edits of their own here.
    const bool edited = m_draft != m_base;
    m_base = m_presentation.settings();
    if (!edited) {
        m_draft = m_base;
        showDraft();
    } else {
        draftChanged();
    }
}
