#pragma once

#include "slideshow/records/DNImageNode.h"

// -1, 0 or 1: how a compares with b under a sort key code (100 name, 101 size, 102 date, 103 GPS
// position) in a direction (below 1 ascending, else descending). Two folders always compare
// equal, as do all nodes under an unknown key. A node without a date or a position comes first
// when ascending.
int compareImageNodes(const DNImageNode &a, const DNImageNode &b, int key, int direction);

// Sorts nodes (stable) and then, the same way, the photos of every folder among them.
void sortImageNodesRecursively(QList<DNImageNodePtr> &nodes, int key, int direction);
