#pragma once

#include "builders/common/Argument.h"

class NXBasicMediaNode;

// Apple ProRes with AAC audio in a MOV file, for one media file; a file group is joined instead.
// nullptr (with a log line) when no vector can be made.

// The common builder: proresProfile is the encoder's profile number ("0" Proxy, "1" LT, "2"
// 422, "3" HQ) in 10-bit 4:2:2, or null for 4444 in 10-bit 4:4:4. It has no table row.
Argument *Video_To_ProRes_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options,
                                         const char *proresProfile);

// The five flavours, each a table row.
Argument *Video_To_ProRes4444_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
Argument *Video_To_ProRes422HQ_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
Argument *Video_To_ProRes422_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
Argument *Video_To_ProRes422LT_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
Argument *Video_To_ProRes422Poxy_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options);
