#include "app/integrations/keyboard/GlobalKeyMonitor.h"

// Platforms without a global key monitor: never permitted; local and UDP keys still work.

bool GlobalKeyMonitor::permitted()
{
    return false;
}

std::unique_ptr<GlobalKeyMonitor> GlobalKeyMonitor::create(Handler)
{
    return nullptr;
}
