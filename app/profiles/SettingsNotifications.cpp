#include "app/profiles/SettingsNotifications.h"

SettingsNotifications& SettingsNotifications::instance()
{
    static SettingsNotifications notifications;
    return notifications;
}
