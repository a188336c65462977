#include "PhotoLibrary.h"

#include "slideshow/image/NXEncoderUtility.h"

#include <QFile>

#include <cstdio>

PhotoLibrary::PhotoLibrary(QStringList photos, QSize frameSize, QImage blank)
    : photos_(std::move(photos)), frameSize_(frameSize), blank_(std::move(blank))
{
}

PhotoLibrary::~PhotoLibrary() = default;

std::shared_future<QImage> PhotoLibrary::load(int index)
{
    auto found = loaded_.find(index);
    if (found != loaded_.end())
        return found->second;
    std::shared_future<QImage> picture;
    if (index < 0 || index >= photos_.size()) {
        std::promise<QImage> blank;
        blank.set_value(blank_);
        picture = blank.get_future().share();
    } else {
        picture = std::async(std::launch::async, [path = photos_.at(index), size = frameSize_, blank = blank_] {
                      const QImage image = NXEncoderUtility::CGImageForContentOfFile(path, QSizeF(size));
                      if (image.isNull()) {
                          std::fprintf(stderr, "HarnvaleAVEngine: the photo %s cannot be read; the blank frame stands in\n",
                                       QFile::encodeName(path).constData());
                          return blank;
                      }
                      return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
                  }).share();
    }
    loaded_.emplace(index, picture);
    return picture;
}

std::shared_future<QImage> PhotoLibrary::picture(int index)
{
    for (int next = index + 1; next <= index + kAhead && next < photos_.size(); ++next)
        load(next);
    return load(index);
}

void PhotoLibrary::forgetBefore(int index)
{
    loaded_.erase(loaded_.begin(), loaded_.lower_bound(index));
}
