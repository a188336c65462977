#pragma once

#include <QString>

#include <cstdio>
#include <functional>

// What code under test writes to a stream: a report written to a FILE *, or standard error.
namespace testsupport {
// The text write(file) wrote into a temporary file.
QString capturedText(const std::function<void(std::FILE *)> &write);

// Standard error goes to a temporary file while the object lives, or until text() is asked.
class StandardErrorCapture
{
public:
    StandardErrorCapture();
    ~StandardErrorCapture();
    StandardErrorCapture(const StandardErrorCapture &) = delete;
    StandardErrorCapture &operator=(const StandardErrorCapture &) = delete;
    // Everything written since the capture began; standard error is given back first.
    QString text();

private:
    void restore();
    std::FILE *file_;
    int saved_;
};
} // namespace testsupport
