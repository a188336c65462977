#pragma once

// Whole seconds of a trim point or span (a fraction of the item times its length), without
// losing a second to the fraction's rounding. Trim points are stored as fractions, so a whole
// second often comes back as x.9999 after the multiplication; truncating that would lose a
// second (1 s to 3 s of a 6 s title became a 1 s part). A thousandth of a second of slack keeps
// whole seconds whole.
inline int trimSeconds(float seconds)
{
    return seconds <= 0.0f ? 0 : int(seconds + 0.001f);
}
