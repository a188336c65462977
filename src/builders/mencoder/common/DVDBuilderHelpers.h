#pragma once

#include "builders/common/Argument.h"

#include <QString>

class DNDVDNode;

// The four helpers every MEncoder builder for DVD titles shares. None keeps state.

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

// The path of a file that does not exist yet: folder/<sourceName without extension><suffix>.<ext>,
// or with " (n)" before the extension. A null sourceName gives "Untitled"; a null or empty
// folder gives the home folder; a source extension that matches the wanted one (or the other of
// mp4/m4v) is kept with its own letter case. A '/' in the name cannot lead out of the folder.
QString makeOutputPath(const QString &folder, const QString &sourceName, const QString &suffix,
                       const QString &extension);
