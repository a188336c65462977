#pragma once

#include <QString>

// The recorder windows' look: a dark frame around the live picture, light text.
QString DNRecorderStyleSheet();
