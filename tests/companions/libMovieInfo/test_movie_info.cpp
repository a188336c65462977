// The cover-metadata library: the page address from the configured service, and the cover
// address from a saved page.
#include "discrecords/MovieInfoLibrary.h"

#include "support/paths.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <vector>

namespace {

struct Library
{
    void *handle = dlopen((testsupport::buildDir() + QStringLiteral("/lib/talvane/fws/libMovieInfo.so")).toUtf8().constData(),
                          RTLD_NOW | RTLD_LOCAL);
    GetAMGUrlFunction getUrl = handle ? reinterpret_cast<GetAMGUrlFunction>(dlsym(handle, "GetAMGUrl")) : nullptr;
    GetAMGMovieInfoFunction getInfo =
        handle ? reinterpret_cast<GetAMGMovieInfoFunction>(dlsym(handle, "GetAMGMovieInfo")) : nullptr;
    ~Library()
    {
        if (handle)
            dlclose(handle);
    }
};

} // namespace

TEST(MovieInfo, PageAddressComesFromTheConfiguredService)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    Library lib;
    ASSERT_TRUE(lib.getUrl);
    std::vector<char> url(kMovieInfoUrlSize, 'x');

    // No service configured (the default): no address.
    EXPECT_EQ(lib.getUrl("abc", "", url.data()), 0);

    struct Case
    {
        QString service;
        const char *id;
        const char *expected; // null: refused
    };
    const Case cases[] = {
        {QStringLiteral("http://127.0.0.1:8080/disc"), "_-WnoKaKC3odzNuI3x2UQA", "http://127.0.0.1:8080/disc/_-WnoKaKC3odzNuI3x2UQA"},
        {QStringLiteral(" http://host/disc/ "), "a b/c", "http://host/disc/a%20b%2Fc"},
        {QStringLiteral("http://host/") + QString(1100, QLatin1Char('p')), "id", nullptr},
    };
    for (const Case &c : cases) {
        {
            QSettings settings(QStringLiteral("Harnvale"), QStringLiteral("Talvane"));
            settings.setValue(movieInfoServiceAddressKey(), c.service);
        }
        const unsigned char ok = lib.getUrl(c.id, "", url.data());
        if (c.expected) {
            ASSERT_NE(ok, 0) << c.id;
            EXPECT_STREQ(url.data(), c.expected);
        } else {
            EXPECT_EQ(ok, 0);
        }
    }
}

TEST(MovieInfo, CoverAddressFromTheSavedPage)
{
    Library lib;
    ASSERT_TRUE(lib.getInfo);
    QTemporaryDir tmp;
    struct Case
    {
        const char *what;
        QByteArray page;
        const char *expected; // null: no cover
    };
    const Case cases[] = {
        {"open graph image", "<html><head><meta property=\"og:image\" content=\"http://h/c.png?a=1&amp;b=2\"></head>"
                             "<body><img src=\"http://h/other.png\"></body></html>",
         "http://h/c.png?a=1&b=2"},
        {"single quotes, other order", "<META content='http://h/c.jpg' PROPERTY='og:image'/>", "http://h/c.jpg"},
        {"first image when no meta", "<p>x</p><img alt=x src=http://h/first.png><img src=\"http://h/second.png\">",
         "http://h/first.png"},
        {"nothing", "<html><body>No cover</body></html>", nullptr},
    };
    for (const Case &c : cases) {
        const QString path = tmp.filePath(QStringLiteral("page"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.page);
        f.close();
        std::vector<char> record(kMovieInfoRecordSize, 'x');
        const unsigned char ok = lib.getInfo(path.toUtf8().constData(), tmp.path().toUtf8().constData(), record.data());
        if (c.expected) {
            ASSERT_NE(ok, 0) << c.what;
            EXPECT_STREQ(record.data() + kMovieInfoCoverUrlOffset, c.expected) << c.what;
        } else {
            EXPECT_EQ(ok, 0) << c.what;
        }
    }
    std::vector<char> record(kMovieInfoRecordSize);
    EXPECT_EQ(lib.getInfo(tmp.filePath(QStringLiteral("missing")).toUtf8().constData(), "", record.data()), 0);
}
