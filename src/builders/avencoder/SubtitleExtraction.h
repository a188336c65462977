#pragma once

// Taking an inner text subtitle out of a movie is an engine job (the AV encoder bridge), which
// lives a layer above the builders. The builder registry installs the bridge's extraction here
// when its tables are first used; until then, or when none is installed, extraction fails and
// the subtitle is left out.
using AVSubtitleExtractor = int (*)(const char *input, int index, const char *output);

void SetAVSubtitleExtractor(AVSubtitleExtractor extractor);

// 0 when subtitle stream index of input was written to output as SubRip text.
int AVEncoderExtractSubtitle(const char *input, int index, const char *output);
