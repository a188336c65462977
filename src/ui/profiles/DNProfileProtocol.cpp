#include "ui/profiles/DNProfileProtocol.h"

#include "dvd/DNDVDGroupTitle.h"
#include "dvd/DNDVDNode.h"

DNProfileProtocolPtr DNProfileProtocolForNode(const NXMediaNodePtr &node)
{
    if (auto group = std::dynamic_pointer_cast<DNDVDGroupTitle>(node))
        return std::make_shared<DNProfileProtocolOf<DNDVDNode>>(group, QStringLiteral("DNDVDGroupTitle"), true);
    if (auto dvd = std::dynamic_pointer_cast<DNDVDNode>(node))
        return std::make_shared<DNProfileProtocolOf<DNDVDNode>>(dvd, QStringLiteral("DNDVDNode"), true);
    return nullptr;
}
