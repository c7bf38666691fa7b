#pragma once

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

// Finding and checking widgets the way a user and assistive technology see them.
namespace ViewTest {

// The visible-or-not widget of type T under `root` whose accessible name is `name`; null when
// there is none. Several with that name: the first in creation order.
template <typename T = QWidget>
T* byName(const QWidget* root, const QString& name)
{
    const QList<T*> found = root->findChildren<T*>();
    for (T* widget : found) {
        if (widget->accessibleName() == name) {
            return widget;
        }
    }
    return nullptr;
}

// Every widget of type T under `root` with that accessible name.
template <typename T = QWidget>
QList<T*> allByName(const QWidget* root, const QString& name)
{
    QList<T*> result;
    const QList<T*> found = root->findChildren<T*>();
    for (T* widget : found) {
        if (widget->accessibleName() == name) {
            result.append(widget);
        }
    }
    return result;
}

// The first label under `root` whose text is exactly `text`.
inline QLabel* labelWithText(const QWidget* root, const QString& text)
{
    const QList<QLabel*> labels = root->findChildren<QLabel*>();
    for (QLabel* label : labels) {
        if (label->text() == text) {
            return label;
        }
    }
    return nullptr;
}

// Controls under `root` a screen reader could not name: buttons, fields and pickers whose
// accessible name is empty or a single character (a glyph such as "−" or an arrow). Each entry
// says which control it is.
inline QStringList unnamedControls(const QWidget* root)
{
    QStringList problems;
    const QList<QWidget*> widgets = root->findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        const bool control = qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
                             qobject_cast<const QComboBox*>(widget);
        if (!control || qobject_cast<const QLineEdit*>(widget->parentWidget()) != nullptr) {
            continue;
        }
        // The line edit inside an editable combo box or a spin box is named by the box.
        if (qobject_cast<const QComboBox*>(widget->parentWidget()) != nullptr ||
            qobject_cast<const QAbstractSpinBox*>(widget->parentWidget()) != nullptr) {
            continue;
        }
        const QString name = widget->accessibleName().trimmed();
        if (name.size() < 2) {
            const auto* button = qobject_cast<const QAbstractButton*>(widget);
            problems.append(QString::fromLatin1(widget->metaObject()->className()) + QStringLiteral(" '") +
                            (button ? button->text() : widget->objectName()) + QStringLiteral("'"));
        }
    }
    return problems;
}

} // namespace ViewTest
