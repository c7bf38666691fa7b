#pragma once

#include <QString>

#include <functional>

class QWidget;

// Where the settings file goes to and comes from: the system's file dialogs in the program, an
// answer chosen beforehand in the tests. Both ask as sheets of `parent` and return at once;
// `chosen` runs later, and only when the user picked a file.
class FileDialogs {
public:
    using Chosen = std::function<void(const QString& fileName)>;

    virtual ~FileDialogs() = default;

    // A JSON file to write, starting from `suggestedName`.
    virtual void saveJson(QWidget* parent, const QString& title, const QString& suggestedName, Chosen chosen) = 0;
    // One existing JSON file to read.
    virtual void openJson(QWidget* parent, const QString& title, Chosen chosen) = 0;
};
