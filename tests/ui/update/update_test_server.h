#pragma once

// A small HTTP server on 127.0.0.1 for the update check: each path gives one kind of answer
// (a record naming a newer, the same or an older version, one record per language, garbage,
// "not found", or no answer at all). It serves on the thread that made it (the tests' main
// thread, which turns its event loop while it waits).
#include "core/plist/DNPropertyList.h"
#include "core/util/DNSystemInfo.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <QVariantMap>

namespace updatetest {

inline QVariantMap record(const QString &version)
{
    return {{QStringLiteral("LastestVersion"), version},
            {QStringLiteral("BuildDate"), QStringLiteral("2026-01-02")},
            {QStringLiteral("UpdateLog"), QStringLiteral("Faster conversions.")},
            {QStringLiteral("DownloadURLReg"), QStringLiteral("http://downloads.example/reg")},
            {QStringLiteral("DownloadURLUnReg"), QStringLiteral("http://downloads.example/unreg")}};
}

// The program's own version with its last part raised or lowered by one.
inline QString versionBeside(int step)
{
    QStringList parts = DNApplicationVersion().split(QLatin1Char('.'));
    parts.last() = QString::number(parts.last().toInt() + step);
    if (parts.last().toInt() < 0) {
        parts.last() = QStringLiteral("0");
        parts.first() = QString::number(parts.first().toInt() - 1);
    }
    return parts.join(QLatin1Char('.'));
}

class Server : public QObject
{
public:
    Server()
    {
        const auto plist = [](const QVariant &value) { return propertyListData(value, DNPropertyListFormat::XML); };
        bodies_.insert(QStringLiteral("/newer"), plist(record(versionBeside(1))));
        bodies_.insert(QStringLiteral("/same"), plist(record(DNApplicationVersion())));
        bodies_.insert(QStringLiteral("/older"), plist(record(versionBeside(-1))));
        bodies_.insert(QStringLiteral("/garbage"), QByteArrayLiteral("\x89PNG\r\n not a property list <plist"));
        bodies_.insert(QStringLiteral("/languages"),
                       plist(QVariantMap{{QStringLiteral("en"), record(DNApplicationVersion())},
                                         {QStringLiteral("ja"), record(versionBeside(1))}}));
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = server_.nextPendingConnection()) {
                held_ << socket;
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
            }
        });
    }

    QString address(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
    }
    int requests() const { return requests_; }

private:
    void answer(QTcpSocket *socket)
    {
        const QByteArray request = socket->readAll();
        const QList<QByteArray> words = request.split(' ');
        if (words.size() < 2)
            return;
        ++requests_;
        const QString path = QString::fromLatin1(words.at(1));
        // "/slow" keeps the connection open and never answers.
        if (path == QLatin1String("/slow"))
            return;
        QByteArray reply;
        if (bodies_.contains(path)) {
            const QByteArray body = bodies_.value(path);
            reply = "HTTP/1.0 200 OK\r\nContent-Type: application/xml\r\nContent-Length: "
                    + QByteArray::number(body.size()) + "\r\n\r\n" + body;
        } else {
            reply = "HTTP/1.0 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found";
        }
        socket->write(reply);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QHash<QString, QByteArray> bodies_;
    QList<QPointer<QTcpSocket>> held_;
    int requests_ = 0;
};

} // namespace updatetest
