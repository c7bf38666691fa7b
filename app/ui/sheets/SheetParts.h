#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

// The pieces the settings sheets are built from, so that they read alike: section titles,
// explanatory notes, named buttons and pickers whose items carry the stored value.
class SheetParts final {
    Q_DECLARE_TR_FUNCTIONS(SheetParts)

public:
    SheetParts() = delete;

    // One picker item: what the user reads and the text the record stores.
    struct Choice {
        QString text;
        QString value;
    };

    static QLabel* title(const QString& text, QWidget* parent);
    // A wrapped, slightly smaller explanation.
    static QLabel* note(const QString& text, QWidget* parent);
    static QPushButton* button(const QString& text, const QString& toolTip, QWidget* parent);
    // A switch as wide as its text, so that a click beside the text is not taken for it.
    static QCheckBox* checkBox(const QString& text, const QString& toolTip, QWidget* parent);

    // Replaces the items and selects `current`; a stored value the list lacks is kept as an item
    // of its own, so showing a record never changes it.
    static void setChoices(QComboBox* picker, const QList<Choice>& choices, const QString& current);
    // The stored value of the selected item.
    static QString value(const QComboBox* picker);
};
