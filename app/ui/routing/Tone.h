#pragma once

// How a routing card colours a line of text: the palette's own, secondary, or the orange of a
// warning (stale data, a server status other than ready).
enum class Tone { plain, secondary, orange };
