#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// File names built from a user's name (the hidden and partial names outputs are written under,
// the helper files beside them) must stay within what the file system takes, however long the
// user's name is, or the write fails with "File name too long" where the final name would not.

// The longest file name, in bytes, that the file system of folder takes (its NAME_MAX); 255, the
// limit of the common ones, when it does not say.
std::size_t longestFileNameIn(const std::string &folder);

// The longest start of text of at most maxBytes bytes that does not cut a UTF-8 character.
std::string_view utf8Start(std::string_view text, std::size_t maxBytes);

// head + as much of the start of body as fits + tail, within limit bytes (body is cut at a
// character boundary); empty when head and tail alone do not fit.
std::string fitFileName(std::string_view head, std::string_view body, std::string_view tail, std::size_t limit);
