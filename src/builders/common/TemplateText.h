#pragma once

#include <cstddef>

// A text as a template argument, so that functions differing only in a name or word are one
// template (a pending row's stand-in naming its builder, a step writing its container).
template <std::size_t N>
struct TemplateText
{
    char text[N];
    constexpr TemplateText(const char (&value)[N])
    {
        for (std::size_t i = 0; i < N; ++i)
            text[i] = value[i];
    }
};
