#include "ui/profiles/DNProfileProtocol.h"

#include "dvd/DNDVDGroupTitle.h"
#include "dvd/DNDVDNode.h"
#include "dvd/file/DNFileNode.h"
#include "dvd/slideshow/DNGraphicsNode.h"

DNProfileProtocolPtr DNProfileProtocolForNode(const NXMediaNodePtr &node)
{
    if (auto group = std::dynamic_pointer_cast<DNDVDGroupTitle>(node))
        return std::make_shared<DNProfileProtocolOf<DNDVDNode>>(group, QStringLiteral("DNDVDGroupTitle"), true);
    if (auto dvd = std::dynamic_pointer_cast<DNDVDNode>(node))
        return std::make_shared<DNProfileProtocolOf<DNDVDNode>>(dvd, QStringLiteral("DNDVDNode"), true);
    // A file group answers with its own class name, so the sheet treats it as no plain file.
    if (auto file = std::dynamic_pointer_cast<DNFileNode>(node))
        return std::make_shared<DNProfileProtocolOf<DNFileNode>>(file, file->className(), false);
    if (auto slideshow = std::dynamic_pointer_cast<DNGraphicsNode>(node))
        return std::make_shared<DNProfileProtocolOf<DNGraphicsNode>>(slideshow, slideshow->className(), false);
    return nullptr;
}
