#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// A DVD image read back by tools of its own (lsdvd, isoinfo), not by the reader that made it.
namespace testsupport {
// The title lengths in seconds lsdvd reads from a disc, folder or image, and its disc title.
struct DiscListing
{
    QString label;
    std::vector<double> lengths;
};
DiscListing listDisc(const QString &source);

// The files of videoTS (a VIDEO_TS folder) that the image's VIDEO_TS folder does not hold byte for
// byte, each with why; empty when every one is there whole.
QStringList videoFilesNotIn(const QString &image, const QString &videoTS);
} // namespace testsupport
