#pragma once

#include <QString>

#include <memory>

// One MediaInfo query object over the MediaInfo library, which is loaded at run time (the
// system's libmediainfo.so.0). The library stays loaded once found; a missing library makes
// every object invalid with errorString() saying so, and never ends the program.
class DNMediaInfo
{
public:
    enum StreamKind { General = 0, Video = 1, Audio = 2, Text = 3 };

    DNMediaInfo();
    ~DNMediaInfo();
    DNMediaInfo(const DNMediaInfo &) = delete;
    DNMediaInfo &operator=(const DNMediaInfo &) = delete;

    // The library was loaded and the object made.
    bool isValid() const { return handle_ != nullptr; }
    QString errorString() const { return error_; }

    bool open(const QString &path);
    // The value of parameter (searched by name, as text); empty when MediaInfo has none.
    QString get(StreamKind kind, int stream, const QString &parameter) const;
    int count(StreamKind kind) const;

    // Tests point the loader at another library name (a missing one shows the failure path);
    // an empty name restores the system's.
    static void setLibraryNameForTesting(const QString &name);

private:
    void *handle_ = nullptr;
    QString error_;
};
