#include "ui/medialist/NXMediaRowFactory.h"

#include "core/model/NXMediaType.h"
#include "ui/medialist/DNDVDRootCell.h"
#include "ui/medialist/DNDVDTitleCell.h"
#include "ui/medialist/DNGroupCell.h"
#include "ui/medialist/DNRootCell.h"
#include "ui/medialist/DNRootPhotoCell.h"
#include "ui/medialist/NXMediaTableView.h"

DNCell *NXMediaRowForNode(const NXMediaNodePtr &node, NXMediaTableView *table)
{
    if (!node)
        return nullptr;
    DNCell *row = nullptr;
    switch (node->mediaType()) {
    case NXMediaTypeFile:
        row = DNCell::cellNormal<DNRootCell>();
        break;
    case NXMediaTypeGraphics:
        row = DNCell::cellNormal<DNRootPhotoCell>();
        break;
    case NXMediaTypeDVD:
        row = DNDVDRootCell::DVDRootCell();
        break;
    case NXMediaTypeDVDTitle:
        row = DNDVDTitleCell::DVDTitleCell();
        break;
    case NXMediaTypeFileGroup:
        row = DNCell::cellNormal<DNGroupCell>();
        break;
    default:
        return nullptr;
    }
    row->setHostTable(table);
    row->setData(node);
    return row;
}
