#include "app/ui/sheets/SheetParts.h"

#include "app/ui/style/PlainText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

using namespace Qt::Literals::StringLiterals;

namespace {

// A control showing `text`, which also names it for assistive technology.
template <typename Control>
Control* named(const QString& text, const QString& toolTip, QWidget* parent)
{
    auto* control = new Control(text, parent);
    control->setAccessibleName(text);
    control->setToolTip(toolTip);
    return control;
}

} // namespace

QLabel* SheetParts::title(const QString& text, QWidget* parent)
{
    auto* label = PlainText::label(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.1);
    label->setFont(font);
    return label;
}

QLabel* SheetParts::note(const QString& text, QWidget* parent)
{
    auto* label = PlainText::label(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    label->setFont(font);
    return label;
}

QPushButton* SheetParts::button(const QString& text, const QString& toolTip, QWidget* parent)
{
    auto* button = named<QPushButton>(text, toolTip, parent);
    // Return in a field must not press whichever button last had the focus.
    button->setAutoDefault(false);
    return button;
}

QCheckBox* SheetParts::checkBox(const QString& text, const QString& toolTip, QWidget* parent)
{
    auto* box = named<QCheckBox>(text, toolTip, parent);
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return box;
}

void SheetParts::setChoices(QComboBox* picker, const QList<Choice>& choices, const QString& current)
{
    const QSignalBlocker quiet(picker);
    picker->clear();
    for (const Choice& choice : choices) {
        picker->addItem(choice.text, choice.value);
    }
    int index = picker->findData(current);
    if (index < 0) {
        picker->addItem(current.isEmpty() ? tr("None") : current, current);
        index = picker->count() - 1;
    }
    picker->setCurrentIndex(index);
}

QString SheetParts::value(const QComboBox* picker)
{
    return picker->currentData().toString();
}
