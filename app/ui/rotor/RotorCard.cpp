#include "app/ui/rotor/RotorCard.h"

#include "app/map/Maidenhead.h"
#include "app/map/PointAtTargets.h"
#include "app/profiles/RotorMechanicsEntry.h"
#include "app/profiles/SettingsKeys.h"
#include "app/profiles/SettingsNotifications.h"
#include "app/ui/rotor/Compass.h"
#include "app/ui/rotor/PointAtPanel.h"
#include "app/ui/rotor/PresetEditorDialog.h"
#include "app/ui/rotor/RotorMapCompass.h"
#include "app/ui/sheets/RotorLocationEditor.h"
#include "app/ui/sheets/RotorSettingsSheet.h"
#include "app/ui/style/Icons.h"
#include "app/ui/style/LocaleText.h"
#include "app/ui/style/PlainText.h"
#include "app/ui/style/StationColors.h"
#include "core/client/KeltoClient.h"
#include "core/client/SettingsStore.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

// Preset buttons per row: two fit a card at its narrowest.
constexpr int presetColumns = 2;

struct QuickHeading {
    const char* letter;
    int degrees;
};
constexpr std::array<QuickHeading, 4> quickHeadings{{
    //: North, on the quick heading button "N 0°"
    {QT_TRANSLATE_NOOP("RotorCard", "N"), 0},
    //: East, on the quick heading button "E 90°"
    {QT_TRANSLATE_NOOP("RotorCard", "E"), 90},
    //: South, on the quick heading button "S 180°"
    {QT_TRANSLATE_NOOP("RotorCard", "S"), 180},
    //: West, on the quick heading button "W 270°"
    {QT_TRANSLATE_NOOP("RotorCard", "W"), 270},
}};

QFont smaller(QFont font)
{
    font.setPointSizeF(font.pointSizeF() * 0.85);
    return font;
}

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = PlainText::label(text, parent);
    label->setFont(smaller(label->font()));
    return label;
}

QLabel* sectionTitle(const QString& text, QWidget* parent)
{
    auto* label = PlainText::label(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// Enabled states only: a disabled control keeps the palette's disabled colour and reads as off.
void setTextColor(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    QPalette colors = widget->palette();
    if (colors.color(QPalette::Active, role) != color || colors.color(QPalette::Inactive, role) != color) {
        colors.setColor(QPalette::Active, role, color);
        colors.setColor(QPalette::Inactive, role, color);
        widget->setPalette(colors);
    }
}

void apply(QWidget* control, const RotorCardState::Control& state)
{
    control->setEnabled(state.enabled);
    if (control->toolTip() != state.toolTip) {
        control->setToolTip(state.toolTip);
    }
}

void setText(QLabel* label, const QString& text)
{
    if (label->text() != text) {
        label->setText(text);
    }
}

// Removes every item of a grid; the widgets go once control is back in the event loop, since
// one of them may be the button whose click led here.
void clearGrid(QGridLayout* grid)
{
    while (QLayoutItem* item = grid->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
}

} // namespace

RotorCard::RotorCard(KeltoClient& client, SettingsStore& defaults, const QString& rotorName, QWidget* parent)
    : CardFrame(parent)
    , m_client(client)
    , m_defaults(defaults)
    , m_rotorName(rotorName)
{
    setAccessibleName(tr("Rotor %1").arg(rotorName));

    auto* name = sectionTitle(rotorName, this);
    name->setTextFormat(Qt::PlainText);
    // A long name wraps beside the status and the settings button rather than being cut.
    name->setWordWrap(true);
    // The status sits under the name, so a longer status ("Dreht im Uhrzeigersinn") arriving
    // never re-wraps the name and moves the card's controls.
    m_status = caption(QString(), this);
    m_status->setWordWrap(true);
    auto* title = new QVBoxLayout;
    title->setSpacing(0);
    title->addWidget(name);
    title->addWidget(m_status);
    auto* header = new QHBoxLayout;
    header->addLayout(title, 1);
    m_rotorSettings = addButton(tr("Rotor settings…"), tr("Rotor settings for %1").arg(rotorName));
    header->addWidget(m_rotorSettings, 0, Qt::AlignTop);

    m_headingCaption = caption(QString(), this);
    m_heading = PlainText::label({}, this);
    m_heading->setFont(headingFont());
    const QFontMetrics digits(m_heading->font());
    m_heading->setMinimumWidth(std::max(digits.horizontalAdvance(u"000.0°"_s), digits.horizontalAdvance(u"—"_s)));
    m_heading->setAccessibleName(tr("Heading of %1").arg(rotorName));
    m_heading->setAlignment(Qt::AlignHCenter);
    m_headingCaption->setAlignment(Qt::AlignHCenter);

    // The heading dial; the map compass takes this place once the rotor has a location.
    m_dialPlace = new QWidget(this);
    auto* dialRow = new QHBoxLayout(m_dialPlace);
    dialRow->setContentsMargins(0, 0, 0, 0);
    m_compass = new Compass(m_dialPlace);
    m_compass->setAccessibleName(tr("Heading dial for %1").arg(rotorName));
    m_compass->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    dialRow->addStretch(1);
    dialRow->addWidget(m_compass);
    dialRow->addStretch(1);
    m_mapPlace = new QWidget(this);
    auto* mapRow = new QHBoxLayout(m_mapPlace);
    mapRow->setContentsMargins(0, 0, 0, 0);
    m_mapPlace->hide();

    m_setLocation = addButton(tr("Set tower location…"), tr("Set tower location…"));
    m_setLocation->setIcon(Icons::icon(u"location"_s));
    m_setLocation->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto* locationRow = new QHBoxLayout;
    locationRow->addStretch(1);
    locationRow->addWidget(m_setLocation);
    locationRow->addStretch(1);

    m_target = new QLineEdit(this);
    m_target->setAccessibleName(tr("Target heading for %1").arg(rotorName));
    m_target->setToolTip(tr("Fill the target heading; press Rotate or Return to move."));
    m_target->setPlaceholderText(tr("0–360°"));
    m_target->setMinimumWidth(64);
    m_target->setMaximumWidth(160);
    m_encoderLabel = caption(QString(), this);
    m_encoderLabel->setAccessibleName(tr("Encoder preview for %1").arg(rotorName));
    m_encoderLabel->setToolTip(
        tr("Heading previewed with the rotary encoder; press the encoder button or Apply to turn."));
    m_encoderLabel->hide();
    m_rotate = addButton(tr("Rotate"), tr("Rotate"));
    m_counterclockwise = addButton(tr("CCW"), tr("CCW"));
    m_clockwise = addButton(tr("CW"), tr("CW"));
    m_stop = addButton(tr("Stop"), tr("Stop"));
    m_park = addButton(
        //: Verb: turn the rotor to its park heading
        tr("Park"), tr("Park %1").arg(rotorName));
    // Buttons keep their whole text: a longer word grows the row, never cuts the label.
    for (QToolButton* button : {m_rotate, m_counterclockwise, m_clockwise, m_park, m_stop}) {
        button->setSizePolicy(QSizePolicy::Minimum, button->sizePolicy().verticalPolicy());
    }
    auto* targetRow = new QHBoxLayout;
    targetRow->addWidget(m_target, 1);
    targetRow->addWidget(m_rotate);
    targetRow->addWidget(m_counterclockwise);
    targetRow->addWidget(m_clockwise);
    // Stop stands apart, on a row of its own with Park, where a hurried click finds it alone;
    // the encoder's preview takes the room beside them.
    auto* stopRow = new QHBoxLayout;
    stopRow->addWidget(m_encoderLabel, 1);
    stopRow->addStretch(0);
    stopRow->addWidget(m_park);
    stopRow->addWidget(m_stop);

    auto* quickRow = new QHBoxLayout;
    for (const QuickHeading& quick : quickHeadings) {
        const QString heading = LocaleText::degrees(quick.degrees, 0);
        //: A compass point and its heading on a quick heading button, "N 0°"
        const QString text = tr("%1 %2").arg(tr(quick.letter), heading);
        QToolButton* button = addButton(text, text);
        button->setToolTip(tr("Put %1 in the target heading.").arg(heading));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        quickRow->addWidget(button);
        const int degrees = quick.degrees;
        connect(button, &QToolButton::clicked, this, [this, degrees] { m_target->setText(QString::number(degrees)); });
    }

    m_pointAt = new PointAtPanel(client, rotorName, this);

    m_managePresets = addButton(tr("Manage…"), tr("Manage presets for %1").arg(rotorName));
    m_managePresets->setIcon(Icons::icon(u"sliders"_s));
    m_managePresets->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto* localHeader = new QHBoxLayout;
    localHeader->addWidget(sectionTitle(tr("Local presets"), this), 1);
    localHeader->addWidget(m_managePresets);
    m_noLocalPresets = caption(tr("No presets configured"), this);
    m_localGrid = new QGridLayout;

    m_refresh = addButton(tr("Refresh"), tr("Refresh"));
    m_refresh->setIcon(Icons::icon(u"refresh"_s));
    m_refresh->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto* serverHeader = new QHBoxLayout;
    serverHeader->addWidget(sectionTitle(tr("Server presets"), this), 1);
    serverHeader->addWidget(m_refresh);
    m_serverNote = caption(QString(), this);
    m_serverNote->setWordWrap(true);
    m_serverGrid = new QGridLayout;

    m_requestLock = addButton(tr("Request lock"), tr("Request lock"));
    m_requestLock->setIcon(Icons::icon(u"lock"_s));
    m_requestLock->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_releaseLock = addButton(tr("Release lock"), tr("Release lock"));
    auto* lockRow = new QHBoxLayout;
    lockRow->addWidget(m_requestLock);
    lockRow->addWidget(m_releaseLock);
    lockRow->addStretch(1);
    m_lockNote = caption(QString(), this);
    auto* lockExplanation =
        caption(tr("Server does not report ownership or rejected commands. Locks share the client IP and do not "
                   "protect server presets. Disconnect releases locks for that IP."),
                this);
    lockExplanation->setWordWrap(true);
    m_secondaryLabels = {m_headingCaption, m_noLocalPresets, m_serverNote, lockExplanation};

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addLayout(header);
    layout->addWidget(m_headingCaption);
    layout->addWidget(m_heading);
    layout->addWidget(m_dialPlace);
    layout->addWidget(m_mapPlace);
    layout->addLayout(locationRow);
    layout->addLayout(targetRow);
    layout->addLayout(stopRow);
    layout->addLayout(quickRow);
    layout->addSpacing(4);
    layout->addWidget(m_pointAt);
    layout->addSpacing(4);
    layout->addLayout(localHeader);
    layout->addWidget(m_noLocalPresets);
    layout->addLayout(m_localGrid);
    layout->addSpacing(4);
    // Presets and locks kept by a station server: a directly driven controller has neither.
    m_serverPart = new QWidget(this);
    auto* serverLayout = new QVBoxLayout(m_serverPart);
    serverLayout->setContentsMargins(0, 0, 0, 0);
    serverLayout->setSpacing(6);
    serverLayout->addLayout(serverHeader);
    serverLayout->addWidget(m_serverNote);
    serverLayout->addLayout(m_serverGrid);
    serverLayout->addSpacing(4);
    serverLayout->addLayout(lockRow);
    serverLayout->addWidget(m_lockNote);
    serverLayout->addWidget(lockExplanation);
    layout->addWidget(m_serverPart);
    layout->addStretch(1);

    connect(m_target, &QLineEdit::textChanged, this, &RotorCard::refresh);
    connect(m_rotate, &QToolButton::clicked, this, &RotorCard::rotate);
    // Return in the field is the Rotate button, enabled by the same rule.
    connect(m_target, &QLineEdit::returnPressed, this, [this] {
        if (m_rotate->isEnabled()) {
            rotate();
        }
    });
    connect(m_stop, &QToolButton::clicked, this, [this] { m_client.stop(m_rotorName); });
    connect(m_park, &QToolButton::clicked, this, [this] { m_client.park(m_rotorName); });
    connect(m_rotorSettings, &QToolButton::clicked, this, &RotorCard::openRotorSettings);
    connect(&m_client, &KeltoClient::rotorMechanicsChanged, this, &RotorCard::showMechanics);
    showMechanics();
    connect(m_counterclockwise, &QToolButton::clicked, this, [this] { m_client.jog(m_rotorName, false); });
    connect(m_clockwise, &QToolButton::clicked, this, [this] { m_client.jog(m_rotorName, true); });
    connect(m_requestLock, &QToolButton::clicked, this, [this] { m_client.requestRotorLock(m_rotorName, true); });
    connect(m_releaseLock, &QToolButton::clicked, this, [this] { m_client.requestRotorLock(m_rotorName, false); });
    connect(m_refresh, &QToolButton::clicked, this, [this] { m_client.refreshPresets(); });
    connect(m_managePresets, &QToolButton::clicked, this, &RotorCard::openPresetEditor);
    connect(m_setLocation, &QToolButton::clicked, this, &RotorCard::openLocationEditor);

    applyColors();
    showLocationControl();
    refresh();
}

RotorCard::~RotorCard() = default;

QFont RotorCard::headingFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(28);
    return font;
}

void RotorCard::setEndpoint(const QString& endpoint)
{
    if (m_endpoint != endpoint) {
        m_endpoint = endpoint;
        reloadPresets();
        reloadLocation();
        showLocationControl();
    }
}

void RotorCard::reloadPresets()
{
    const QList<HeadingPreset> presets =
        m_endpoint.isEmpty() ? QList<HeadingPreset>() : HeadingPreset::stored(m_defaults, m_endpoint, m_rotorName);
    if (presets != m_presets) {
        m_presets = presets;
        rebuildLocalPresets(m_presets);
    }
    refresh();
}

void RotorCard::setMapServices(TileLoader* tiles, PlaceSearch* places)
{
    m_places = places;
    // The compass is built for the first loader and keeps it: there is one per application.
    if (tiles && !m_mapCompass) {
        m_tiles = tiles;
        m_mapCompass = new RotorMapCompass(*tiles, m_rotorName, m_mapPlace);
        // The whole width, so its captions wrap as late as the card allows; it centres its map.
        m_mapPlace->layout()->addWidget(m_mapCompass);
        m_mapCompass->setTwoWay(m_client.rotorMechanics(m_rotorName).twoWay);
        connect(m_mapCompass, &RotorMapCompass::change, this,
                [this](const RotorLocation& location) { storeLocation(location); });
        // A place picked on the world view becomes the "Point at" target, as a locator.
        connect(m_mapCompass, &RotorMapCompass::placeChosen, this, [this](double latitude, double longitude) {
            if (m_pointAtTargets) {
                m_pointAtTargets->setText(m_rotorName, Maidenhead::locator(latitude, longitude, 6));
            }
        });
        if (m_location) {
            m_mapCompass->setLocation(*m_location);
        }
    }
    showLocationControl();
    refresh();
}

void RotorCard::setSite(const Site& site)
{
    if (site != m_site) {
        m_site = site;
        reloadLocation();
    }
}

void RotorCard::setPointAtServices(CountryData* countries, PointAtTargets* targets)
{
    m_pointAtTargets = targets;
    m_pointAt->setServices(countries, targets);
}

void RotorCard::reloadLocation()
{
    const std::optional<RotorLocation> location =
        m_endpoint.isEmpty()
            ? std::nullopt
            : RotorLocation::effective(m_endpoint, m_rotorName,
                                       m_defaults.text(SettingsKeys::rotorLocations).value_or(QString()), m_site.label,
                                       m_site.latitude, m_site.longitude);
    if (location != m_location) {
        m_location = location;
        if (m_mapCompass && location) {
            m_mapCompass->setLocation(*location);
        }
        refresh();
    }
}

void RotorCard::setEncoderPreview(std::optional<double> heading)
{
    if (heading == m_encoderPreview) {
        return;
    }
    m_encoderPreview = heading;
    m_encoderLabel->setText(heading ? tr("Encoder preview: %1").arg(LocaleText::degrees(*heading, 1)) : QString());
    m_encoderLabel->setAccessibleDescription(m_encoderLabel->text());
    m_encoderLabel->setVisible(heading.has_value());
}

void RotorCard::refresh()
{
    const Rotor rotor = m_client.station().rotors.value(m_rotorName, Rotor{m_rotorName, {}, {}, {}, {}});
    RotorCardState::Facts facts = RotorCardState::Facts::of(m_client, rotor);
    facts.hasEndpoint = !m_endpoint.isEmpty();
    facts.hasLocation = m_location.has_value();
    facts.targetText = m_target->text();
    const RotorCardState state = RotorCardState::of(rotor, facts);
    const bool toneChanged = state.statusTone != m_state.statusTone;
    m_state = state;

    setText(m_status, state.status);
    setText(m_headingCaption, state.headingCaption);
    setText(m_heading, state.headingText);
    // What a screen reader says of the heading: its value and state, not only what it is.
    const QString spoken = state.status.isEmpty()
                               ? tr("%1 heading %2").arg(m_rotorName, state.headingText)
                               : tr("%1 heading %2, %3").arg(m_rotorName, state.headingText, state.status);
    if (m_heading->accessibleDescription() != spoken) {
        m_heading->setAccessibleDescription(spoken);
    }
    if (toneChanged) {
        applyColors();
    }
    // Without map tiles a placed tower still gets the dial rather than nothing.
    const bool showMap = !state.showDial && m_mapCompass;
    m_compass->setHeading(state.dialHeading);
    m_compass->setStale(state.stale);
    if (m_mapCompass) {
        m_mapCompass->setHeading(rotor.heading);
        m_mapCompass->setTarget(state.target);
        m_mapCompass->setStale(state.stale);
    }
    m_dialPlace->setVisible(!showMap);
    m_mapPlace->setVisible(showMap);

    apply(m_rotate, state.rotate);
    m_pointAt->setLocation(m_location);
    m_pointAt->setTurnGuard(facts.canTurn, state.turnRefusal);
    apply(m_stop, state.stop);
    m_park->setEnabled(facts.canTurn);
    m_rotorSettings->setEnabled(!m_endpoint.isEmpty());
    apply(m_counterclockwise, state.counterclockwise);
    apply(m_clockwise, state.clockwise);
    apply(m_requestLock, state.requestLock);
    apply(m_releaseLock, state.releaseLock);
    setText(m_lockNote, state.lockNote);
    m_lockNote->setVisible(!state.lockNote.isEmpty());

    m_serverPart->setVisible(state.serverFeatures);
    apply(m_managePresets, state.managePresets);
    m_noLocalPresets->setVisible(m_presets.isEmpty());
    for (QToolButton* button : std::as_const(m_localButtons)) {
        apply(button, state.localPreset);
    }

    const QStringList locations = facts.receivedServerPresets ? m_client.station().locations : QStringList();
    if (locations != m_serverPresets) {
        m_serverPresets = locations;
        rebuildServerPresets(m_serverPresets);
    }
    apply(m_refresh, state.refresh);
    setText(m_serverNote, state.serverPresetsNote);
    m_serverNote->setVisible(!state.serverPresetsNote.isEmpty());
    for (QToolButton* button : std::as_const(m_serverButtons)) {
        apply(button, state.serverPreset);
    }
}

void RotorCard::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        applyColors();
    }
    CardFrame::changeEvent(event);
}

QToolButton* RotorCard::addButton(const QString& text, const QString& accessibleName)
{
    auto* button = new QToolButton(this);
    // Names come from the server and the user: an "&" in one must not become a shortcut that turns
    // the rotor.
    button->setText(PlainText::mnemonicSafe(text));
    button->setAccessibleName(accessibleName);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

void RotorCard::rebuildLocalPresets(const QList<HeadingPreset>& presets)
{
    clearGrid(m_localGrid);
    m_localButtons.clear();
    for (qsizetype i = 0; i < presets.size(); ++i) {
        const HeadingPreset& preset = presets.at(i);
        QToolButton* button = addButton(
            //: A local preset's button: its name and heading
            tr("%1  %2").arg(preset.name, LocaleText::degrees(preset.degrees, 1)), preset.name);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        m_localGrid->addWidget(button, static_cast<int>(i / presetColumns), static_cast<int>(i % presetColumns));
        m_localButtons.append(button);
        const double degrees = preset.degrees;
        connect(button, &QToolButton::clicked, this, [this, degrees] { turnToLocalPreset(degrees); });
    }
}

void RotorCard::rebuildServerPresets(const QStringList& locations)
{
    clearGrid(m_serverGrid);
    m_serverButtons.clear();
    for (qsizetype i = 0; i < locations.size(); ++i) {
        const QString& location = locations.at(i);
        QToolButton* button = addButton(location, location);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        m_serverGrid->addWidget(button, static_cast<int>(i / presetColumns), static_cast<int>(i % presetColumns));
        m_serverButtons.append(button);
        connect(button, &QToolButton::clicked, this,
                [this, location] { m_client.turnToPreset(m_rotorName, location); });
    }
}

void RotorCard::applyColors()
{
    const QPalette& colors = palette();
    const QColor tone =
        m_state.statusTone == RotorCardState::Tone::teal ? StationColors::teal(colors) : StationColors::orange(colors);
    setTextColor(m_status, QPalette::WindowText, tone);
    setTextColor(m_lockNote, QPalette::WindowText, StationColors::orange(colors));
    setTextColor(m_encoderLabel, QPalette::WindowText, StationColors::teal(colors));
    setTextColor(m_stop, QPalette::ButtonText, StationColors::red(colors));
    for (QLabel* label : std::as_const(m_secondaryLabels)) {
        setTextColor(label, QPalette::WindowText, StationColors::secondary(colors));
    }
}

void RotorCard::rotate()
{
    if (const std::optional<double> target = RotorCardState::targetHeading(m_target->text())) {
        m_client.turn(m_rotorName, *target);
    }
}

void RotorCard::turnToLocalPreset(double degrees)
{
    // Headings stay below a thousand, so no group separator comes into the field.
    m_target->setText(QLocale().toString(degrees, 'f', QLocale::FloatingPointShortest));
    m_client.turn(m_rotorName, degrees);
}

void RotorCard::openPresetEditor()
{
    if (m_editor) {
        m_editor->raise();
        return;
    }
    m_editor = new PresetEditorDialog(m_defaults, m_endpoint, m_rotorName, this);
    m_editor->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_editor, &PresetEditorDialog::presetsChanged, this, &RotorCard::reloadPresets);
    m_editor->open();
}

void RotorCard::openLocationEditor()
{
    if (m_locationEditor) {
        m_locationEditor->raise();
        return;
    }
    if (!m_tiles || !m_places || m_endpoint.isEmpty()) {
        return;
    }
    m_locationEditor =
        new RotorLocationEditor(*m_tiles, *m_places, m_endpoint, m_rotorName, savedLocation(), m_site.label, this);
    m_locationEditor->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_locationEditor, &RotorLocationEditor::save, this, &RotorCard::storeLocation);
    m_locationEditor->open();
}

void RotorCard::storeLocation(const std::optional<RotorLocation>& location)
{
    const QString stored = m_defaults.text(SettingsKeys::rotorLocations).value_or(QString());
    m_defaults.setText(SettingsKeys::rotorLocations, RotorLocation::saving(location, m_endpoint, m_rotorName, stored));
    reloadLocation();
}

std::optional<RotorLocation> RotorCard::savedLocation() const
{
    const QList<RotorLocation> saved =
        RotorLocation::decode(m_defaults.text(SettingsKeys::rotorLocations).value_or(QString()));
    for (const RotorLocation& location : saved) {
        if (location.matches(m_endpoint, m_rotorName)) {
            return location;
        }
    }
    return std::nullopt;
}

void RotorCard::showLocationControl()
{
    const bool enabled = m_tiles && m_places && !m_endpoint.isEmpty();
    m_setLocation->setEnabled(enabled);
    const QString help = tr("Place %1 on the map and set its true-north offset.").arg(m_rotorName);
    QString why;
    if (m_endpoint.isEmpty()) {
        why = tr("Choose a server first: tower locations are kept per server.");
    } else if (!m_tiles || !m_places) {
        why = tr("Maps are not available in this window.");
    }
    m_setLocation->setToolTip(enabled ? help : help + u"\n"_s + why);
}

void RotorCard::showMechanics()
{
    const RotorMechanics m = m_client.rotorMechanics(m_rotorName);
    QList<Compass::Arc> shaded;
    QStringList tip{tr("Range %1").arg(m.rangeText())};
    if (m.limit == RotorMechanics::Limit::limits) {
        if (m.high - m.low < 360.0) {
            shaded.append({RotorMechanics::bearingOf(m.high), 360.0 - (m.high - m.low)});
        }
        tip.append(tr("limits %1").arg(m.limitText()));
    } else if (m.limit == RotorMechanics::Limit::forbiddenSector) {
        shaded.append({m.sectorFrom, RotorMechanics::bearingOf(m.sectorTo - m.sectorFrom)});
        tip.append(tr("forbidden %1").arg(m.limitText()));
    }
    if (m.twoWay) {
        tip.append(tr("two-way antenna"));
    }
    tip.append(tr("park %1").arg(LocaleText::degrees(m.park, 1)));
    m_compass->setShadedArcs(shaded);
    m_compass->setTwoWay(m.twoWay);
    // Tooltips show as plain text everywhere (PlainToolTips): no escaping here.
    setToolTip(tip.join(u" · "_s));
    m_park->setToolTip(tr("Turn %1 to its park heading, %2.").arg(m_rotorName, LocaleText::degrees(m.park, 1)));
    if (m_mapCompass) {
        m_mapCompass->setTwoWay(m.twoWay);
    }
}

void RotorCard::openRotorSettings()
{
    if (m_settingsSheet) {
        m_settingsSheet->raise();
        return;
    }
    if (m_endpoint.isEmpty()) {
        return;
    }
    const QString stored = m_defaults.text(SettingsKeys::rotorMechanics).value_or(QString());
    m_settingsSheet =
        new RotorSettingsSheet(m_rotorName, RotorMechanicsEntry::lookup(stored, m_endpoint, m_rotorName), this);
    m_settingsSheet->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_settingsSheet, &RotorSettingsSheet::save, this, [this](const RotorMechanics& mechanics) {
        const QString before = m_defaults.text(SettingsKeys::rotorMechanics).value_or(QString());
        m_defaults.setText(SettingsKeys::rotorMechanics,
                           RotorMechanicsEntry::saving(mechanics, m_endpoint, m_rotorName, before));
        // Every tab of this server hands its client the saved mechanics.
        Q_EMIT SettingsNotifications::instance().rotorMechanicsSaved();
    });
    m_settingsSheet->open();
}
