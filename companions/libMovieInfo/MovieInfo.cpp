// The cover-metadata companion. The metadata service is whatever the user default
// "kMovieInfoServiceAddress" names (empty by default: then there is no service and GetAMGUrl
// fails). A disc's page lives at <address>/<identifier>; the page is HTML and names its cover
// picture the way film pages do, in an Open Graph "og:image" meta tag, or failing that in the
// first <img> element.
#include "discrecords/MovieInfoLibrary.h"

#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QString>
#include <QUrl>

#include <cstring>

namespace {

bool copyText(const QByteArray &text, char *out, int capacity)
{
    if (text.size() >= capacity || text.contains('\0'))
        return false;
    std::memcpy(out, text.constData(), size_t(text.size()));
    out[text.size()] = '\0';
    return true;
}

// The few entities an attribute value holds in practice ("&amp;" in query strings above all).
QString decodeAttribute(QString value)
{
    value.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    value.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    value.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    value.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    value.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return value.trimmed();
}

QString attribute(const QString &tag, const QString &name)
{
    const QRegularExpression re(QStringLiteral("\\b%1\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))").arg(name),
                                QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(tag);
    if (!m.hasMatch())
        return QString();
    for (int i = 1; i <= 3; ++i)
        if (m.capturedStart(i) >= 0)
            return decodeAttribute(m.captured(i));
    return QString();
}

QString coverAddressInPage(const QString &page)
{
    const QRegularExpression metaTag(QStringLiteral("<meta\\b[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    for (auto it = metaTag.globalMatch(page); it.hasNext();) {
        const QString tag = it.next().captured(0);
        if (attribute(tag, QStringLiteral("property")).compare(QLatin1String("og:image"), Qt::CaseInsensitive) == 0) {
            const QString content = attribute(tag, QStringLiteral("content"));
            if (!content.isEmpty())
                return content;
        }
    }
    const QRegularExpression imgTag(QStringLiteral("<img\\b[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    for (auto it = imgTag.globalMatch(page); it.hasNext();) {
        const QString src = attribute(it.next().captured(0), QStringLiteral("src"));
        if (!src.isEmpty())
            return src;
    }
    return QString();
}

} // namespace

extern "C" __attribute__((visibility("default"))) unsigned char GetAMGUrl(const char *discID, const char *reserved,
                                                                          char *url)
{
    (void)reserved;
    if (!discID || !url)
        return 0;
    url[0] = '\0';
    const QSettings settings(QStringLiteral("Harnvale"), QStringLiteral("Talvane"));
    QString address = settings.value(movieInfoServiceAddressKey()).toString().trimmed();
    if (address.isEmpty())
        return 0;
    while (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    const QString id = QString::fromUtf8(discID);
    const QByteArray text = (address + QLatin1Char('/') + QString::fromLatin1(QUrl::toPercentEncoding(id))).toUtf8();
    return copyText(text, url, kMovieInfoUrlSize) ? 1 : 0;
}

extern "C" __attribute__((visibility("default"))) unsigned char GetAMGMovieInfo(const char *pagePath,
                                                                                const char *tempFolder, char *record)
{
    (void)tempFolder;
    if (!pagePath || !record)
        return 0;
    std::memset(record, 0, kMovieInfoRecordSize);
    QFile file(QFile::decodeName(pagePath));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QString page = QString::fromUtf8(file.read(4 * 1024 * 1024));
    const QString cover = coverAddressInPage(page);
    if (cover.isEmpty())
        return 0;
    return copyText(cover.toUtf8(), record + kMovieInfoCoverUrlOffset,
                    kMovieInfoRecordSize - kMovieInfoCoverUrlOffset)
               ? 1
               : 0;
}
