// The cover lookup of a new DVD item, end to end over the real companions, with the metadata
// service and the picture served from a local HTTP server.
#include "discrecords/MovieInfoLibrary.h"
#include "dvd/cover/NXDVDInfoCapture.h"
#include "ui/dvd/NXCoverNetworkFetch.h"

#include "ui/ui_test_support.h"

#include "core/platform/DNTemporaryFolder.h"

#include <QBuffer>
#include <QFile>
#include <QHostAddress>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A minimal HTTP/1.1 server: fixed bodies by path, 404 for anything else, one request per
// connection. Runs on the main thread, which the test keeps serving while the lookup waits.
class LocalServer
{
public:
    LocalServer()
    {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
    void route(const QString &path, const QByteArray &body) { routes_[path] = body; }
    QStringList requests;

private:
    void answer(QTcpSocket *socket)
    {
        QByteArray &pending = buffers_[socket];
        pending += socket->readAll();
        if (!pending.contains("\r\n\r\n"))
            return;
        const QString path = QString::fromLatin1(pending.split(' ').value(1));
        requests.append(path);
        QByteArray reply;
        if (routes_.contains(path)) {
            const QByteArray body = routes_.value(path);
            reply = "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size())
                    + "\r\nConnection: close\r\n\r\n" + body;
        } else {
            reply = "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\nnot found";
        }
        socket->write(reply);
        socket->disconnectFromHost();
        buffers_.remove(socket);
    }

    QTcpServer server_;
    QMap<QString, QByteArray> routes_;
    QMap<QTcpSocket *, QByteArray> buffers_;
};

QByteArray coverPicture()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setPixel(5, 7, qRgb(0, 0, 255));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

QString discIdentifier(const QString &path)
{
    QProcess tool;
    tool.start(testsupport::buildDir() + QStringLiteral("/lib/talvane/fws/HVDVDID"), {path});
    tool.waitForFinished(60000);
    return QString::fromLatin1(tool.readAllStandardOutput());
}

} // namespace

TEST(CoverLookup, DiscCoverFromTheServiceElsePlaceholder)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    uitest::app();
    NXInstallCoverNetworkFetcher();
    LocalServer server;
    const QString discPath = testsupport::fixturePath(QStringLiteral("dvd/ntsc"));
    const QString id = discIdentifier(discPath);
    ASSERT_FALSE(id.isEmpty());
    server.route(QStringLiteral("/disc/") + id,
                 QStringLiteral("<html><head><meta property=\"og:image\" content=\"%1/cover.png\"></head></html>")
                     .arg(server.base()).toUtf8());
    server.route(QStringLiteral("/broken/") + id,
                 QStringLiteral("<html><img src=\"%1/missing.png\"></html>").arg(server.base()).toUtf8());
    server.route(QStringLiteral("/cover.png"), coverPicture());

    // A stand-in tool that leaves a mark when it runs.
    QTemporaryDir tmp;
    const QString marker = tmp.filePath(QStringLiteral("ran"));
    const QString markTool = tmp.filePath(QStringLiteral("tool.sh"));
    {
        QFile script(markTool);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\ntouch '%1'\nprintf x\n").arg(marker).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QString realLibrary = testsupport::buildDir() + QStringLiteral("/lib/talvane/fws/libMovieInfo.so");

    struct Case
    {
        const char *what;
        int sourceType;
        QString service;      // path on the server, empty: no service configured
        QString library;      // empty: the bundle's
        QString tool;         // empty: the bundle's
        bool expectCover;
        bool expectToolRun;   // only checked for the marking tool
        QStringList expectRequests;
    };
    const Case cases[] = {
        {"disc with a cover", NXDVDSourceInfo::SourceDisc, QStringLiteral("/disc"), {}, {}, true, true,
         {QStringLiteral("/disc/") + id, QStringLiteral("/cover.png")}},
        {"cover address not loadable", NXDVDSourceInfo::SourceDisc, QStringLiteral("/broken"), {}, {}, false, true,
         {QStringLiteral("/broken/") + id, QStringLiteral("/missing.png")}},
        {"no service configured", NXDVDSourceInfo::SourceDisc, QString(), {}, {}, false, true, {}},
        {"a folder never runs the tool", NXDVDSourceInfo::SourceFolder, QStringLiteral("/disc"), realLibrary, markTool,
         false, false, {}},
        {"an image never runs the tool", NXDVDSourceInfo::SourceImage, QStringLiteral("/disc"), realLibrary, markTool,
         false, false, {}},
        {"library absent", NXDVDSourceInfo::SourceDisc, QStringLiteral("/disc"), tmp.filePath(QStringLiteral("none.so")),
         markTool, false, false, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        {
            QSettings settings(QStringLiteral("Harnvale"), QStringLiteral("Talvane"));
            settings.setValue(movieInfoServiceAddressKey(), c.service.isEmpty() ? QString() : server.base() + c.service);
        }
        QFile::remove(marker);
        QFile::remove(DNTemporaryFolder::path() + QStringLiteral("/harnvale_html_file"));
        server.requests.clear();
        NXDVDInfoCapture::DVDInfoCapture().setCompanionPaths(c.library, c.tool);

        auto source = NXDVDSourceInfo::sourceInfo();
        source->setSourceType(c.sourceType);
        source->setPath(discPath);
        source->setName(QStringLiteral("ntsc"));
        auto node = DNDVDNode::dvdNodeWithData({}, source);
        NXDVDInfoCapture::DVDInfoCapture().captureDVDCoverForNode(node);
        ASSERT_TRUE(uitest::waitFor([&] { return !node->thumbnail().isNull(); }));

        EXPECT_EQ(node->dvdCover(), c.expectCover);
        if (c.expectCover) {
            EXPECT_EQ(node->thumbnail().size(), QSize(40, 30));
            EXPECT_EQ(QColor(node->thumbnail().pixel(5, 7)), QColor(Qt::blue));
        } else {
            EXPECT_EQ(node->thumbnail().size(), QSize(300, 200));
        }
        EXPECT_EQ(server.requests, c.expectRequests);
        if (!c.tool.isEmpty()) {
            EXPECT_EQ(QFile::exists(marker), c.expectToolRun);
        }
        if (!c.expectRequests.isEmpty()) {
            // The page is saved in the run's temporary folder, whatever became of the picture.
            QFile saved(DNTemporaryFolder::path() + QStringLiteral("/harnvale_html_file"));
            ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
            EXPECT_TRUE(saved.readAll().startsWith("<html>"));
        }
    }
    NXDVDInfoCapture::DVDInfoCapture().setCompanionPaths(QString(), QString());
}
