#include "support/capture.h"

#include <QByteArray>

#include <unistd.h>

namespace testsupport {
namespace {
QString readFromStart(std::FILE *file)
{
    std::rewind(file);
    QByteArray bytes;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, qsizetype(n));
    return QString::fromUtf8(bytes);
}
} // namespace

QString capturedText(const std::function<void(std::FILE *)> &write)
{
    std::FILE *file = std::tmpfile();
    write(file);
    const QString text = readFromStart(file);
    std::fclose(file);
    return text;
}

StandardErrorCapture::StandardErrorCapture() : file_(std::tmpfile()), saved_(::dup(2))
{
    std::fflush(stderr);
    ::dup2(::fileno(file_), 2);
}

StandardErrorCapture::~StandardErrorCapture()
{
    restore();
    std::fclose(file_);
}

QString StandardErrorCapture::text()
{
    restore();
    return readFromStart(file_);
}

void StandardErrorCapture::restore()
{
    if (saved_ < 0)
        return;
    std::fflush(stderr);
    ::dup2(saved_, 2);
    ::close(saved_);
    saved_ = -1;
}
} // namespace testsupport
