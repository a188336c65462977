#pragma once

#include <QString>

// Profile frame-rate texts and the rates the encoder is given for them, searched in this order.
struct FrameRateRow
{
    const char *profileText;
    const char *encoderRate;
};

inline constexpr FrameRateRow FrameRateTable[] = {
    {"12", "12"},
    {"15", "15"},
    {"23.97", "24000/1001"},
    {"23.976", "24000/1001"},
    {"24", "24"},
    {"25", "25"},
    {"29.97", "30000/1001"},
    {"29.976", "30000/1001"},
    {"30", "30"},
    {"59.97", "60000/1001"},
    {"59.976", "60000/1001"},
};

// The encoder rate for a profile's frame-rate text. The text is normalised first (trailing
// zeros after a '.' dropped, then a trailing '.'), so "25.000" is "25" and "30." is "30". A rate
// of the table gives its encoder rate; any other plain positive number (50, 59.94, 60) is passed
// on as normalised, since forcing it to 23.976 would slow the video down; an empty, non-numeric
// or over-long text (16 characters or more) gives "24000/1001".
QString GetFrameRateString(const QString &profileText);
