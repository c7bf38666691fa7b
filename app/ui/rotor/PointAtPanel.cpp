#include "app/ui/rotor/PointAtPanel.h"

#include "app/map/CountryData.h"
#include "app/map/PointAtTargets.h"
#include "app/ui/style/PlainText.h"
#include "app/ui/style/StationColors.h"
#include "core/client/KeltoClient.h"

#include <QCheckBox>
#include <QCompleter>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

void setText(QLabel* label, const QString& text)
{
    if (label->text() != text) {
        label->setText(text);
        label->setAccessibleDescription(text);
    }
    label->setVisible(!text.isEmpty());
}

void apply(QWidget* control, const PointAtState::Control& state)
{
    control->setEnabled(state.enabled);
    if (control->toolTip() != state.toolTip) {
        control->setToolTip(state.toolTip);
    }
}

void setColor(QWidget* widget, const QColor& color)
{
    QPalette colors = widget->palette();
    colors.setColor(QPalette::Active, QPalette::WindowText, color);
    colors.setColor(QPalette::Inactive, QPalette::WindowText, color);
    widget->setPalette(colors);
}

} // namespace

PointAtPanel::PointAtPanel(KeltoClient& client, const QString& rotorName, QWidget* parent)
    : QWidget(parent)
    , m_client(client)
    , m_rotorName(rotorName)
{
    auto* title = PlainText::label(tr("Point at"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    m_field = new QLineEdit(this);
    m_field->setAccessibleName(tr("Point %1 at").arg(rotorName));
    m_field->setPlaceholderText(tr("Call, prefix or locator"));
    m_field->setMaxLength(static_cast<int>(PointAtTargets::maxLength));
    m_field->setClearButtonEnabled(true);
    m_callModel = new QStringListModel(this);
    m_completer = new QCompleter(m_callModel, this);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    // The call list is sorted, so the completer finds a prefix by binary search among 85,000 calls.
    m_completer->setModelSorting(QCompleter::CaseInsensitivelySortedModel);
    m_completer->setMaxVisibleItems(10);
    m_field->setCompleter(m_completer);
    title->setBuddy(m_field);

    m_place = PlainText::label({}, this);
    m_place->setWordWrap(true);
    m_place->setAccessibleName(tr("Point-at place for %1").arg(rotorName));
    m_source = PlainText::label({}, this);
    m_source->setAccessibleName(tr("Point-at source for %1").arg(rotorName));
    m_shortPath = PlainText::label({}, this);
    m_shortPath->setAccessibleName(tr("Short path for %1").arg(rotorName));
    m_longPath = PlainText::label({}, this);
    m_longPath->setAccessibleName(tr("Long path for %1").arg(rotorName));
    m_warning = PlainText::label({}, this);
    m_warning->setWordWrap(true);
    m_warning->setAccessibleName(tr("Point-at note for %1").arg(rotorName));

    const auto button = [this](const QString& text) {
        auto* made = new QToolButton(this);
        made->setText(PlainText::mnemonicSafe(text));
        made->setAccessibleName(text);
        return made;
    };
    m_turnShort = button(tr("Turn short path"));
    m_turnLong = button(tr("Turn long path"));

    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(title);
    fieldRow->addWidget(m_field, 1);
    auto* placeRow = new QHBoxLayout;
    placeRow->addWidget(m_place, 1);
    placeRow->addWidget(m_source, 0, Qt::AlignTop);
    auto* paths = new QGridLayout;
    paths->addWidget(PlainText::label(tr("Short"), this), 0, 0);
    paths->addWidget(m_shortPath, 0, 1);
    paths->addWidget(m_turnShort, 0, 2);
    paths->addWidget(PlainText::label(tr("Long"), this), 1, 0);
    paths->addWidget(m_longPath, 1, 1);
    paths->addWidget(m_turnLong, 1, 2);
    paths->setColumnStretch(1, 1);

    m_turnOnNewCall = new QCheckBox(tr("Turn when the DX call changes"), this);
    m_turnOnNewCall->setAccessibleName(tr("Turn %1 when the DX call changes").arg(rotorName));
    m_turnOnNewCall->setToolTip(tr("When WSJT-X reports a new DX call for %1, turn the short path at once, "
                                   "through the same guards as the buttons.")
                                    .arg(rotorName));
    m_turnOnNewCall->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addLayout(fieldRow);
    layout->addLayout(placeRow);
    layout->addLayout(paths);
    layout->addWidget(m_warning);
    layout->addWidget(m_turnOnNewCall);

    connect(m_field, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_targets) {
            m_targets->setText(m_rotorName, text);
        }
        refresh();
    });
    connect(m_field, &QLineEdit::returnPressed, this, [this] {
        if (m_turnShort->isEnabled()) {
            turnShortPath();
        }
    });
    connect(m_turnShort, &QToolButton::clicked, this, &PointAtPanel::turnShortPath);
    connect(m_turnLong, &QToolButton::clicked, this, &PointAtPanel::turnLongPath);
    connect(m_turnOnNewCall, &QCheckBox::toggled, this, [this](bool on) {
        if (m_targets) {
            m_targets->setTurnsOnNewCall(m_rotorName, on);
        }
    });

    applyColors();
    refresh();
}

PointAtPanel::~PointAtPanel() = default;

void PointAtPanel::setServices(CountryData* countries, PointAtTargets* targets)
{
    if (m_countries != countries) {
        if (m_countries) {
            disconnect(m_countries, nullptr, this, nullptr);
        }
        m_countries = countries;
        if (m_countries) {
            connect(m_countries, &CountryData::changed, this, [this] {
                loadCallList();
                refresh();
            });
        }
        loadCallList();
    }
    if (m_targets != targets) {
        if (m_targets) {
            disconnect(m_targets, nullptr, this, nullptr);
        }
        m_targets = targets;
        if (m_targets) {
            connect(m_targets, &PointAtTargets::textChanged, this, &PointAtPanel::followTargets);
            connect(m_targets, &PointAtTargets::turnsOnNewCallChanged, this, [this](const QString& rotor) {
                if (rotor == m_rotorName) {
                    m_turnOnNewCall->setChecked(m_targets->turnsOnNewCall(rotor));
                }
            });
            m_turnOnNewCall->setChecked(m_targets->turnsOnNewCall(m_rotorName));
            // A target set before this card existed (a rebuilt card) comes back; else the field's goes in.
            if (m_targets->text(m_rotorName).isEmpty()) {
                m_targets->setText(m_rotorName, m_field->text());
            } else {
                followTargets(m_rotorName);
            }
        }
    }
    // Without the tab's targets nothing would follow WSJT-X.
    m_turnOnNewCall->setEnabled(m_targets != nullptr);
    refresh();
}

void PointAtPanel::setLocation(const std::optional<RotorLocation>& location)
{
    if (location != m_location) {
        m_location = location;
        refresh();
    }
}

void PointAtPanel::setTurnGuard(bool canTurn, const QString& refusal)
{
    if (canTurn != m_canTurn || refusal != m_refusal) {
        m_canTurn = canTurn;
        m_refusal = refusal;
        refresh();
    }
}

void PointAtPanel::refresh()
{
    PointAtState::Facts facts;
    facts.rotor = m_rotorName;
    facts.text = m_field->text();
    facts.countries = m_countries ? m_countries->countries() : nullptr;
    facts.location = m_location;
    facts.canTurn = m_canTurn;
    facts.turnRefusal = m_refusal;
    m_state = PointAtState::of(facts);
    if (m_targets) {
        m_targets->setAim(m_rotorName, {m_state.targetName, m_state.shortHeading, m_state.longHeading});
    }

    apply(m_field, m_state.field);
    setText(m_place, m_state.place);
    setText(m_source, m_state.source);
    m_shortPath->setText(m_state.shortPath.isEmpty() ? u"—"_s : m_state.shortPath);
    m_shortPath->setAccessibleDescription(m_state.shortPath);
    m_longPath->setText(m_state.longPath.isEmpty() ? u"—"_s : m_state.longPath);
    m_longPath->setAccessibleDescription(m_state.longPath);
    setText(m_warning, m_state.warning);
    apply(m_turnShort, m_state.turnShort);
    apply(m_turnLong, m_state.turnLong);
}

bool PointAtPanel::turnShortPath()
{
    return m_state.turnShort.enabled && PointAtTargets::turn(m_client, m_rotorName, aim(), false);
}

bool PointAtPanel::turnLongPath()
{
    return m_state.turnLong.enabled && PointAtTargets::turn(m_client, m_rotorName, aim(), true);
}

PointAtTargets::Aim PointAtPanel::aim() const
{
    return {m_state.targetName, m_state.shortHeading, m_state.longHeading};
}

void PointAtPanel::followTargets(const QString& rotor)
{
    if (rotor != m_rotorName || !m_targets) {
        return;
    }
    const QString text = m_targets->text(m_rotorName);
    if (text != m_field->text()) {
        m_field->setText(text);
    }
}

void PointAtPanel::loadCallList()
{
    const CallList* calls = m_countries ? m_countries->calls() : nullptr;
    m_callModel->setStringList(calls ? calls->calls() : QStringList());
}

void PointAtPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        applyColors();
    }
    QWidget::changeEvent(event);
}

void PointAtPanel::applyColors()
{
    setColor(m_warning, StationColors::orange(palette()));
    setColor(m_source, StationColors::secondary(palette()));
}
