#pragma once

#include "core/model/Instant.h"

#include <QString>

// The instant as the user's locale writes a time of day with seconds and without a date or a
// time zone: the prefix of every log and history line.
QString localTimeText(Instant at);
