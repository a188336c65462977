#pragma once

#include "convert/driver/ConvertFailureReason.h"

#include <QString>

// A conversion's reason for failing as the window shows it: our framing texts in the interface's
// language, sizes and numbers in the user's locale, the facts they frame (paths, an engine's own
// words) as they are.
QString NXConvertFailureText(const ConvertFailureReason &reason);
