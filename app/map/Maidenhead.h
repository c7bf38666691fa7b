#pragma once

// Grid locators are pure geodesy and live with the country data; the map keeps this name for
// the code that found them here.
#include "core/geo/Maidenhead.h"
