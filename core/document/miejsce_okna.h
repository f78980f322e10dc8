#pragma once
// Where a window goes on the screens it has now: stored places brought back
// onto a screen, and a first place beside the window it was opened from.
#include <vector>

#include "core/archive/napisy.h"

namespace velmor {

// False for a place that says nothing: all zero (never placed), or the
// top-left corner a window never shown used to be saved at.
bool ZnaneMiejsce(const TProstokat& p);

// The rectangle moved, and shrunk to the screen, so that at least 100x50
// pixels of its top (the title bar) lie on a screen; unchanged when they
// do already or when there is no screen. It goes to the screen nearest to it.
TProstokat NaEkranie(const TProstokat& okno, const std::vector<TProstokat>& ekrany);

// A window of `okno`'s size placed beside `wlasciciel`, top edges level:
// to its right where it fits on the owner's screen, else to its left, else
// over it 40 pixels down and right; then kept on the screen.
TProstokat ObokWlasciciela(const TProstokat& okno, const TProstokat& wlasciciel,
                           const std::vector<TProstokat>& ekrany);

}  // namespace velmor
