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
