#pragma once

#include "core/protocol/ConnectionKind.h"

#include <QString>

#include <functional>

// What a tab's station view may ask of the workspace. Every function holds the workspace and
// the tab weakly: once either is gone, the actions do nothing and the queries answer false.
struct SessionCallbacks {
    // Connects this tab's client through the workspace's duplicate-server guard.
    std::function<void(const QString& host, const QString& port, ConnectionKind kind, const QString& rotorName)>
        connectServer;
    // Opens a new tab.
    std::function<void()> newSession;
    // Fewer than the maximum number of tabs are open. Asked each time, as the tab count changes
    // while the view lives.
    std::function<bool()> canAddSession;
    // The tab now shows this profile (upper-case identifier text; empty for none).
    std::function<void(const QString& profileID)> selectedProfileChanged;
    // The tab's new title.
    std::function<void(const QString& name)> selectedName;
    // The tab's profile when the view was built.
    QString initialProfileID;
    // Only the first tab keeps the selected profile in the settings.
    bool restoreSelection = false;
    // This tab is the visible one. Asked each time, like `canAddSession`.
    std::function<bool()> isSelected;
};
