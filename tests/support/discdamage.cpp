#include "support/discdamage.h"

#include <QFile>

namespace testsupport {
namespace {
constexpr qint64 kSector = 2048;

bool editFiles(const QString &disc, std::initializer_list<const char *> names, const std::function<void(QByteArray &)> &edit)
{
    for (const char *name : names) {
        QFile file(disc + QLatin1String(name));
        if (!file.open(QIODevice::ReadWrite))
            return false;
        QByteArray bytes = file.readAll();
        edit(bytes);
        if (!file.seek(0) || file.write(bytes) != bytes.size())
            return false;
    }
    return true;
}

quint16 ifoWord16(const QByteArray &bytes, qint64 at)
{
    return quint16(quint8(bytes.at(at))) << 8 | quint8(bytes.at(at + 1));
}
} // namespace

quint32 ifoWord32(const QByteArray &bytes, qint64 at)
{
    return quint32(quint8(bytes.at(at))) << 24 | quint32(quint8(bytes.at(at + 1))) << 16
        | quint32(quint8(bytes.at(at + 2))) << 8 | quint32(quint8(bytes.at(at + 3)));
}

bool editTitleSetInfo(const QString &disc, const std::function<void(QByteArray &)> &edit)
{
    return editFiles(disc, {"/VIDEO_TS/VTS_01_0.IFO", "/VIDEO_TS/VTS_01_0.BUP"}, edit);
}

bool placeTitleSetCellsPastAnyDisc(const QString &disc)
{
    return editTitleSetInfo(disc, [](QByteArray &ifo) {
        // The program chains (table at the sector the word at 0xCC gives): each chain's cells,
        // 24 bytes each from the offset at 0xE8 of the chain, the last sector at 20.
        const qint64 chains = qint64(ifoWord32(ifo, 0xCC)) * kSector;
        for (int chain = 0; chain < ifoWord16(ifo, chains); ++chain) {
            const qint64 at = chains + ifoWord32(ifo, chains + 8 + 8 * chain + 4);
            const qint64 cells = at + ifoWord16(ifo, at + 0xE8);
            for (int cell = 0; cell < quint8(ifo.at(at + 3)); ++cell)
                ifo[cells + 24 * cell + 20] = 0x55;
        }
        // The cell address table (at the sector the word at 0xE0 gives): 12 bytes a cell after
        // an 8-byte head, the last sector at 8.
        const qint64 addresses = qint64(ifoWord32(ifo, 0xE0)) * kSector;
        const qint64 count = (qint64(ifoWord32(ifo, addresses + 4)) + 1 - 8) / 12;
        for (qint64 cell = 0; cell < count; ++cell)
            ifo[addresses + 8 + 12 * cell + 8] = 0x55;
    });
}

bool spoilVideoManagerForTheImageMaker(const QString &disc)
{
    return editFiles(disc, {"/VIDEO_TS/VIDEO_TS.IFO", "/VIDEO_TS/VIDEO_TS.BUP"}, [](QByteArray &ifo) { ifo[12] = 0x55; });
}

bool emptyTitle3ChainInTheIfoOnly(const QString &disc)
{
    return editFiles(disc, {"/VIDEO_TS/VTS_01_0.IFO"}, [](QByteArray &ifo) {
        // The third program chain of the table at the sector the word at 0xCC gives: its counts of
        // programs and cells at 2 and 3.
        const qint64 chains = qint64(ifoWord32(ifo, 0xCC)) * kSector;
        const qint64 chain3 = chains + ifoWord32(ifo, chains + 8 + 8 * 2 + 4);
        ifo[chain3 + 2] = 0;
        ifo[chain3 + 3] = 0;
    });
}

bool putTitle3InTitleSet139(const QString &disc)
{
    return editFiles(disc, {"/VIDEO_TS/VIDEO_TS.IFO", "/VIDEO_TS/VIDEO_TS.BUP"}, [](QByteArray &ifo) {
        // The table of titles (at the sector the word at 0xC4 gives): 12 bytes a title after an
        // 8-byte head, the title set's number at 6.
        const qint64 titles = qint64(ifoWord32(ifo, 0xC4)) * kSector;
        ifo[titles + 8 + 12 * 2 + 6] = char(139);
    });
}

bool count139TitleSets(const QString &disc)
{
    return editFiles(disc, {"/VIDEO_TS/VIDEO_TS.IFO", "/VIDEO_TS/VIDEO_TS.BUP"}, [](QByteArray &ifo) {
        ifo[0x3E] = 0;
        ifo[0x3F] = char(139);
    });
}

} // namespace testsupport
