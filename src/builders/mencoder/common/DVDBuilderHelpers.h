#pragma once

#include "builders/common/Argument.h"
#include "builders/common/OutputPath.h"

#include <QString>

class DNDVDNode;

// The helpers every MEncoder builder for DVD titles shares (and makeOutputPath, which the file
// builders share too). None keeps state.

// The "-vf" value for title titleIndex of dvdNode: deinterlace or post-process, crop, scale (and
// expand to the profile frame), rotate/flip/mirror, then "eq2=1:1:0:1,harddup,fixpts". Never
// empty. A title or video track the node does not have counts as a picture of unknown size.
QString buildVideoFilterChain(const DNDVDNode &dvdNode, int titleIndex, const VideoConvertOptions &record);

// MEncoder's rotate/flip/mirror words for a number of quarter turns (0..3); a null QString
// when there is nothing to write.
QString rotationFilterWords(int quarterTurns, bool mirror);

// A tag text safe inside the double quotes of "-info": '"' becomes '_'; a null text or one
// shorter than 2 characters becomes " ".
QString sanitizeInfoText(const QString &text);
