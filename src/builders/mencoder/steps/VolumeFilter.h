#pragma once

#include <QString>
#include <QtGlobal>

// The audio filter for the user's volume percentage. 100 normalises ("volnorm=1"). Above 100
// the gain in dB is percent / 20, rounded half to even. Below 100 the gain is the attenuation
// 10 * log2(percent / 100) dB, rounded (50 gives -10): the plain percent / 20 would turn a
// lowered volume into a boost. 0 silences.
QString volumeFilterText(quint32 volumePercent);
