#pragma once

#include <QString>

class QLabel;
class QMessageBox;
class QWidget;

// Text that is not ours (a server's, a logger's, a file's, the address lookup's or the user's)
// is shown as text. Qt guesses rich text by itself and would load whatever an <img> names, and
// takes '&' as a mnemonic that Alt+letter then presses. Every view shows such text through here.
class PlainText final {
public:
    PlainText() = delete;

    // A label that never reads its text as markup.
    static QLabel* label(const QString& text = {}, QWidget* parent = nullptr);
    static void makePlain(QLabel* label);
    static void makePlain(QMessageBox* box);

    // For buttons, menu items, tab titles, group titles and actions: '&' doubled, so that it is
    // shown once and claims no key.
    static QString mnemonicSafe(const QString& text);

    // A label whose rich text we wrote ourselves (a link, our own emphasis). The only labels
    // left rich; a walk of the widgets tells them from a forgotten one by this mark.
    static void markOwnRichText(QLabel* label);
    static bool isOwnRichText(const QLabel* label);
};
