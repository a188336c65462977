#pragma once

#include <QImage>
#include <QSize>
#include <QStringList>

#include <future>
#include <map>

// The slideshow's photos fitted to the frame, read on threads of their own ahead of the frames
// that need them: decoding a camera photo takes longer than drawing a second of transition.
// Only the thread that draws up the movie asks for pictures; the futures it hands on may be
// waited for anywhere.
class PhotoLibrary
{
public:
    PhotoLibrary(QStringList photos, QSize frameSize, QImage blank);
    ~PhotoLibrary();
    PhotoLibrary(const PhotoLibrary &) = delete;
    PhotoLibrary &operator=(const PhotoLibrary &) = delete;

    // The photo fitted to the frame on black, opaque; the blank frame for -1 and for a photo that
    // cannot be read. The following photos start loading too.
    std::shared_future<QImage> picture(int index);
    // The photos before index are no longer needed.
    void forgetBefore(int index);

private:
    std::shared_future<QImage> load(int index);

    static constexpr int kAhead = 2;
    QStringList photos_;
    QSize frameSize_;
    QImage blank_;
    std::map<int, std::shared_future<QImage>> loaded_;
};
