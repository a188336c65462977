#pragma once

// The profiles the program ships, read from its folder as the catalogue reads them, so that a
// test that converts every profile takes a new one without being told.

#include "profiles/DNProfile.h"
#include "profiles/DNProfileKind.h"

#include <QDir>
#include <QStringList>

#include <string>
#include <vector>

namespace drivertest {

// The file names of the shipped profiles of a kind (DNProfileKindDVD, DNProfileKindVideo) in name
// order, the category lists left out.
inline std::vector<std::string> shippedProfileFiles(int kind)
{
    std::vector<std::string> files;
    const QStringList names = QDir(DNProfileFolderOfType(kind)).entryList({QStringLiteral("*.plist")}, QDir::Files, QDir::Name);
    for (const QString &name : names)
        if (name != DNMajorCategoryFileName() && name != DNSecondaryCategoryFileName())
            files.push_back(name.toStdString());
    return files;
}

// The shipped file profiles whose outputs have a picture (true) or only sound (false).
inline std::vector<std::string> shippedFileProfiles(bool withPicture)
{
    std::vector<std::string> files;
    for (const std::string &name : shippedProfileFiles(DNProfileKindVideo)) {
        const auto profile = DNProfile::parserFromContentOfFile(QDir(DNProfileFolderOfType(DNProfileKindVideo)).filePath(QString::fromStdString(name)));
        if (bool(profile->videoCodec()) == withPicture)
            files.push_back(name);
    }
    return files;
}

} // namespace drivertest
