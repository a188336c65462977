#include "core/util/DNFormat.h"

#include <gtest/gtest.h>

// The ported format strings of the log and path helpers keep their printf directives.
TEST(DNFormat, DirectivesTakeArgumentsInOrder)
{
    struct Case
    {
        QString format;
        QVariantList args;
        QString expected;
    };
    const Case cases[] = {
        {"%@/%@ (%d).%@", {"/out", "a", 2, "mp4"}, "/out/a (2).mp4"},
        {"%02x%02x", {0x0a, 255}, "0aff"},
        {"%0lx", {0x1068}, "1068"},
        {"%5d|%-5d|%05d", {42, 42, -42}, "   42|42   |-0042"},
        {"%.2f %f", {1.005, 0.5}, "1.00 0.500000"},  // 1.005 is 1.00499.. as a double
        {"100%% of %s", {"x"}, "100% of x"},
        {"%ld %lu %lld", {-1, 7, 9000000000LL}, "-1 7 9000000000"},
        {"missing %@ and %d", {"one"}, "missing one and "},
        {"unknown %k stays", {}, "unknown %k stays"},
        {"trailing %", {}, "trailing %"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DNFormatList(c.format, c.args), c.expected) << c.format.toStdString();
}

TEST(DNFormat, TemplateFormsVariants)
{
    EXPECT_EQ(DNFormat("%@ [%@]: %@", QString("d"), QString("Talvane"), QString("m")),
              "d [Talvane]: m");
    EXPECT_EQ(DNFormat("dvd://%d", 3), "dvd://3");
    EXPECT_EQ(DNFormat("%@ %s %@ %@ %d", "lit", std::string("std"), QByteArray("bytes"),
                       QStringList{"a", "b"}, true),
              "lit std bytes a, b 1");
}
