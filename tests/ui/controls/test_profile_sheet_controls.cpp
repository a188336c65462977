// The two small controls of the profile settings sheet: the size-input formatter and the
// customise toggle.
#include "ui/controls/NXCustomizeButton.h"
#include "ui/controls/PMDigitalNumberFormater.h"
#include "ui/ui_test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

using uitest::app;

struct FormatterCase
{
    const char *input;
    QValidator::State state;
};

TEST(PMDigitalNumberFormater, AcceptsOnlyUpToFourDigits)
{
    const FormatterCase cases[] = {
        {"", QValidator::Intermediate}, {"0", QValidator::Acceptable},   {"7", QValidator::Acceptable},
        {"1920", QValidator::Acceptable}, {"9999", QValidator::Acceptable}, {"12345", QValidator::Invalid},
        {"12a", QValidator::Invalid},   {"a", QValidator::Invalid},      {"-1", QValidator::Invalid},
        {"+1", QValidator::Invalid},    {" 12", QValidator::Invalid},    {"1.5", QValidator::Invalid},
        // Non-ASCII digits are digits to Unicode but not to the size fields.
        {"\xd9\xa1\xd9\xa2", QValidator::Invalid},
    };
    PMDigitalNumberFormater *formatter = PMDigitalNumberFormater::formater();
    for (const FormatterCase &c : cases) {
        QString input = QString::fromUtf8(c.input);
        int pos = int(input.size());
        EXPECT_EQ(formatter->validate(input, pos), c.state) << c.input;
    }
    EXPECT_EQ(PMDigitalNumberFormater::stringForObjectValue(640), QStringLiteral("640"));
    EXPECT_EQ(PMDigitalNumberFormater::stringForObjectValue(-3), QStringLiteral("-3"));
    delete formatter;
}

TEST(PMDigitalNumberFormater, TypingIntoAFieldKeepsOnlyWhatItAccepts)
{
    app();
    QLineEdit edit;
    edit.setValidator(PMDigitalNumberFormater::formater(&edit));
    edit.show();
    QTest::keyClicks(&edit, QStringLiteral("1a2-3x45"));
    EXPECT_EQ(edit.text(), QStringLiteral("1234"));
}

TEST(PMDigitalNumberFormater, ValueForAText)
{
    const struct
    {
        QString text;
        bool ok;
        int value;
    } cases[] = {
        {QStringLiteral("640"), true, 640},
        {QStringLiteral("0"), true, 0},
        {QStringLiteral(""), true, 0},
        {QStringLiteral("12x"), true, 12},
        {QString(), false, -7},
    };
    for (const auto &c : cases) {
        int value = -7;
        QString error;
        EXPECT_EQ(PMDigitalNumberFormater::getObjectValue(&value, c.text, &error), c.ok) << c.text.toStdString();
        EXPECT_EQ(value, c.value) << c.text.toStdString();
        EXPECT_EQ(error, c.ok ? QString() : QStringLiteral("Couldn't convert  to int"));
    }
}

// A grey box with rounded corners and a white title, whatever the style.
TEST(NXCustomizeButton, DrawsAGreyRoundedBoxWithAWhiteTitle)
{
    app();
    NXCustomizeButton button;
    button.resize(button.sizeHint());
    const QImage picture = button.grab().toImage();
    uitest::savePicture(&button, QStringLiteral("controls"), QStringLiteral("customize_button"));
    EXPECT_EQ(picture.pixelColor(3, picture.height() / 2).rgb(), QColor(147, 147, 147).rgb());
    EXPECT_NE(picture.pixelColor(0, 0).rgb(), QColor(147, 147, 147).rgb()) << "the corner is cut round";
    int white = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            white += picture.pixelColor(x, y).lightness() > 240;
    EXPECT_GT(white, 10) << "the title is drawn in white";
}

TEST(NXCustomizeButton, TitleFollowsStateAndAClickFlipsIt)
{
    app();
    NXCustomizeButton button;
    EXPECT_EQ(button.state(), 1);
    EXPECT_EQ(button.text(), QStringLiteral("Customize"));
    button.setState(0);
    EXPECT_EQ(button.text(), QStringLiteral("Cancel"));

    int seenAtClick = -1;
    QObject::connect(&button, &QPushButton::clicked, [&] { seenAtClick = button.state(); });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    // The action sees the new state, as a toggle button's action does.
    EXPECT_EQ(seenAtClick, 1);
    EXPECT_EQ(button.text(), QStringLiteral("Customize"));
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(button.state(), 0);
    EXPECT_EQ(button.text(), QStringLiteral("Cancel"));
}

} // namespace
