#pragma once

#include "core/model/NXBasicMediaNode.h"

class DNCell;
class NXMediaTableView;

// The row view the list shows for an entry, by its media type, hosted by table and showing node;
// null for the kinds whose rows are not made here (group members).
DNCell *NXMediaRowForNode(const NXMediaNodePtr &node, NXMediaTableView *table);
