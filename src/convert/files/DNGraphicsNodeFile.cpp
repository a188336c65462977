#include "convert/files/DNGraphicsNodeFile.h"

#include "convert/files/DNMediaFileProbe.h"
#include "profiles/DNProfile.h"

void convertGraphicsNodeToFileNode(DNGraphicsNode &node, const QString &path)
{
    DNFileNodePtr file = fileNodeWithFile(path, false);
    if (file) {
        if (node.nodeInfo())
            file->setNodeInfo(std::make_shared<DNNodeInfo>(*node.nodeInfo()));
        file->setProfile(node.profile());
        if (file->audioTracks().isEmpty())
            file->setting()->setAudioIndex(-1);
    }
    node.setFileNode(file);
}
