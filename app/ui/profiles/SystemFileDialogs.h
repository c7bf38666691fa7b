#pragma once

#include "app/ui/profiles/FileDialogs.h"

// The system's file dialogs, opened as window-modal sheets (never a nested event loop) and
// offering JSON files only.
class SystemFileDialogs final : public FileDialogs {
public:
    void saveJson(QWidget* parent, const QString& title, const QString& suggestedName, Chosen chosen) override;
    void openJson(QWidget* parent, const QString& title, Chosen chosen) override;
};
