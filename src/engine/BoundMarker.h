#pragma once

// Internal limits that are hit leave an empty marker file, named by the
// message, in the working directory; the game goes on.
inline constexpr const char* kSlotBoundMarker = "ERROR OVER MAX_FRAME.err";
inline constexpr const char* kCurrentBoundMarker =
    "ERROR OVER CURRENT FRAME OVER OR EQUAL TO MAX_FRAMES.err";

// Creates (or truncates) the empty marker file `name`.
void LeaveBoundMarker(const char* name);
