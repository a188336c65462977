#pragma once

#include "hvvideocore/MEncoderWords.h"

// Rules that change how mencoder does its work, not what it writes: the output stays the one the
// builder's words make, picture for picture, and the pass takes less time.
namespace mencoder_words {

// eq2 at its neutral settings still runs over every pixel of every frame on mencoder's one filter
// thread, which the encoder's threads wait on; it changes nothing, so it goes.
std::string ruleIdentityEq2(Context &c);

// mencoder decodes a DVD's MPEG-2 on its main thread, in series with the filters; the decoder's
// slice threads give the same pictures sooner.
std::string ruleDvdDecoderThreads(Context &c);

} // namespace mencoder_words
