#include "builders/avencoder/SubtitleExtraction.h"

#include <atomic>

namespace {
std::atomic<AVSubtitleExtractor> installedExtractor{nullptr};
}

void SetAVSubtitleExtractor(AVSubtitleExtractor extractor)
{
    installedExtractor = extractor;
}

int AVEncoderExtractSubtitle(const char *input, int index, const char *output)
{
    const AVSubtitleExtractor extractor = installedExtractor.load();
    return extractor ? extractor(input, index, output) : -1;
}
