// The one way the engines' output, the player's status output and the player's socket messages are
// cut into lines: a line longer than the bound comes cut at the bound however it arrives (whole in
// one read with its end, in many reads, ended by "\r" or by "\r\n" split between two reads), and
// the line after it comes whole.
#include "enginekit/LineSplitter.h"
#include "player/HVPlayerStatus.h"
#include "playerchannel/MPlayerOSXVOWire.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

struct Reader
{
    const char *name;
    std::size_t bound;
    Lines (*read)(const Lines &chunks);
};

Lines engineOutput(const Lines &chunks)
{
    OutputLineSplitter splitter;
    Lines lines;
    const auto take = [&](std::string_view line) { lines.emplace_back(line); };
    for (const std::string &chunk : chunks)
        splitter.feed(chunk, take);
    splitter.finish(take);
    return lines;
}

Lines playerStatus(const Lines &chunks)
{
    HVPlayerStatus::OutputLines reader;
    QStringList taken;
    for (const std::string &chunk : chunks)
        taken += reader.take(QString::fromLatin1(chunk.data(), qsizetype(chunk.size())));
    taken += reader.finish();
    Lines lines;
    for (const QString &line : taken)
        lines.push_back(line.toStdString());
    return lines;
}

Lines playerSocket(const Lines &chunks)
{
    MPlayerOSXVOWire::LineReader reader;
    Lines lines;
    for (const std::string &chunk : chunks) {
        reader.append(chunk.data(), chunk.size());
        while (std::optional<std::string> line = reader.nextLine())
            lines.push_back(*line);
    }
    return lines;
}

const Reader kReaders[] = {
    {"EngineOutput", OutputLineSplitter::kMostLineBytes, engineOutput},
    {"PlayerStatus", std::size_t(HVPlayerStatus::OutputLines::kMostLineCharacters), playerStatus},
    {"PlayerSocket", MPlayerOSXVOWire::LineReader::kMostLineBytes, playerSocket},
};

struct Arrival
{
    const char *name;
    Lines (*chunks)(const std::string &longLine);
};

// Reads of n bytes each.
Lines inReadsOf(const std::string &text, std::size_t n)
{
    Lines chunks;
    for (std::size_t at = 0; at < text.size(); at += n)
        chunks.push_back(text.substr(at, n));
    return chunks;
}

const Arrival kArrivals[] = {
    {"WholeWithItsEndInOneRead", [](const std::string &line) { return Lines{line + "\nnext\n"}; }},
    {"InManyReads", [](const std::string &line) { return inReadsOf(line + "\nnext\n", 1000); }},
    {"EndedByCarriageReturns", [](const std::string &line) { return Lines{line + "\rnext\r"}; }},
    {"CarriageReturnAndLineFeedInTwoReads",
     [](const std::string &line) { return Lines{line + "\r", "\nnext\r\n"}; }},
};

struct Case
{
    Reader reader;
    Arrival arrival;
};

void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.reader.name << "/" << c.arrival.name;
}

class LineBound : public ::testing::TestWithParam<Case>
{
};

TEST_P(LineBound, ASixtyKibibyteLineComesCutAtTheBound)
{
    const Case &c = GetParam();
    const std::string longLine(60 * 1024, 'x');
    const Lines lines = c.reader.read(c.arrival.chunks(longLine));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(c.reader.bound, 'x'));
    EXPECT_EQ(lines[1], "next");
}

std::vector<Case> allCases()
{
    std::vector<Case> cases;
    for (const Reader &reader : kReaders)
        for (const Arrival &arrival : kArrivals)
            cases.push_back({reader, arrival});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Readers, LineBound, ::testing::ValuesIn(allCases()),
                         [](const ::testing::TestParamInfo<Case> &info) {
                             return std::string(info.param.reader.name) + "_" + info.param.arrival.name;
                         });

} // namespace
