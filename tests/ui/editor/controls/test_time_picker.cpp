// The time picker: the cell's arithmetic and field places, then the control driven by clicks
// on the fields and the stepper, the arrow keys, Tab and Space, typed digits with their
// one-second composing window, the limits, an outside stepper and the accessibility actions.
#include "editor_controls_support.h"

#include "support/testname.h"
#include "ui/editor/controls/NXTimePicker.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QElapsedTimer>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

using uitest::app;

struct Fields
{
    int h, m, s;
};

void expectFields(const NXTimeCell &cell, Fields f)
{
    EXPECT_EQ(cell.timeHours(), f.h);
    EXPECT_EQ(cell.timeMinutes(), f.m);
    EXPECT_EQ(cell.timeSecends(), f.s);
}

TEST(NXTimeCell, SettingSplitsWithoutNormalisingAndStepsNormalise)
{
    NXTimeCell cell;
    EXPECT_EQ(cell.alignment(), NXTimeCell::AlignCentre);
    EXPECT_EQ(cell.selectIndex(), NXTimeCell::NoField);
    EXPECT_EQ(cell.cellPickerStyle(), NXTimeCell::Plain);
    cell.setIntegerValue(3725);
    expectFields(cell, {1, 2, 5});
    cell.setDoubleValue(59.2);
    expectFields(cell, {0, 1, 0});
    cell.setFloatValue(0.0f);
    EXPECT_EQ(cell.integerValue(), 0);
    cell.setIntegerValue(-75);
    expectFields(cell, {0, -1, -15});
    cell.setIntegerValue(3909);
    EXPECT_EQ(cell.stringValue(), QStringLiteral("1:5:9"));

    // Stepping carries over and never goes below 0; with nothing selected the seconds step.
    cell.setIntegerValue(59);
    cell.moveUp();
    expectFields(cell, {0, 1, 0});
    cell.setIntegerValue(0);
    cell.moveDown();
    expectFields(cell, {0, 0, 0});
    cell.incrementHour(0, 0, 75);
    expectFields(cell, {0, 1, 15});
    cell.decrementHour(1, 0, 0);
    expectFields(cell, {0, 0, 0});
    cell.setSelectIndex(NXTimeCell::Minutes);
    cell.setSelectionValue(75);
    expectFields(cell, {1, 15, 0});
    EXPECT_EQ(cell.selectionValue(), 15);
    cell.autoDecrement(20);
    expectFields(cell, {0, 55, 0});
}

TEST(NXTimeCell, MovesWrapAndEndATypedNumber)
{
    NXTimeCell cell;
    cell.setEventTimeInterval(12.5);
    cell.moveRight();
    EXPECT_EQ(cell.selectIndex(), NXTimeCell::Hours);
    EXPECT_EQ(cell.eventTimeInterval(), 0);
    cell.moveRight();
    cell.moveRight();
    EXPECT_EQ(cell.selectIndex(), NXTimeCell::Seconds);
    cell.moveRight();
    EXPECT_EQ(cell.selectIndex(), NXTimeCell::Hours);
    cell.moveLeft();
    EXPECT_EQ(cell.selectIndex(), NXTimeCell::Seconds);
    cell.setSelectIndex(NXTimeCell::NoField);
    cell.moveLeft();
    EXPECT_EQ(cell.selectIndex(), NXTimeCell::Seconds);
}

TEST(NXTimeCell, ArchiveKeepsOnlyTheWholeSecondsAndACopyOnlyTheValue)
{
    NXTimeCell cell;
    QVariantMap archive;
    archive.insert(QStringLiteral("nx_time_control"), 3725.9);
    const NXTimeCell decoded = NXTimeCell::fromArchive(archive);
    expectFields(decoded, {1, 2, 5});
    QVariantMap written;
    decoded.encodeWithCoder(written);
    EXPECT_EQ(written.value(QStringLiteral("nx_time_control")).toDouble(), 3725.0);
    EXPECT_EQ(NXTimeCell::fromArchive(QVariantMap()).integerValue(), 0);

    cell.setIntegerValue(90);
    cell.setSelectIndex(NXTimeCell::Hours);
    cell.setAlignment(NXTimeCell::AlignLeft);
    cell.setCellPickerStyle(NXTimeCell::WithStepper);
    const NXTimeCell copy = cell.copy();
    EXPECT_EQ(copy.integerValue(), 90);
    EXPECT_EQ(copy.selectIndex(), NXTimeCell::NoField);
    EXPECT_EQ(copy.alignment(), NXTimeCell::AlignCentre);
    EXPECT_FALSE(copy.hasStepper());
    EXPECT_EQ(cell.stepperValue(), 5000000.0f);
}

struct PlaceCase
{
    const char *name;
    int alignment;
    int style;
    double firstX;
};

class TimeFieldPlaces : public ::testing::TestWithParam<PlaceCase>
{
};

TEST_P(TimeFieldPlaces, FieldsLieByAlignmentAndLeaveRoomForTheStepper)
{
    const PlaceCase &c = GetParam();
    NXTimeCell cell;
    cell.setAlignment(c.alignment);
    cell.setCellPickerStyle(c.style);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(cell.timeRectWidhtIndex(i, 110), QRectF(c.firstX + 28 * i, 0, 20, 21)) << i;
    EXPECT_EQ(cell.selectionRect(110), QRectF());
    cell.setSelectIndex(NXTimeCell::Minutes);
    EXPECT_EQ(cell.selectionRect(110), cell.timeRectWidhtIndex(1, 110));
    EXPECT_EQ(cell.fieldAt(QPointF(c.firstX + 28 * 2 + 1, 5), 110), int(NXTimeCell::Seconds));
    EXPECT_EQ(cell.fieldAt(QPointF(c.firstX + 24, 5), 110), int(NXTimeCell::NoField));
}

INSTANTIATE_TEST_SUITE_P(
    Alignments, TimeFieldPlaces,
    ::testing::Values(PlaceCase{"CentrePlain", 2, 0, 13}, PlaceCase{"CentreStepper", 2, 1, 5},
                      PlaceCase{"RightPlain", 1, 0, 26}, PlaceCase{"RightStepper", 1, 1, 5},
                      PlaceCase{"LeftPlain", 0, 0, 5}, PlaceCase{"LeftStepper", 0, 1, 5}),
    [](const ::testing::TestParamInfo<PlaceCase> &info) { return testsupport::testName(info.param.name); });

// A picker in a window, its actions counted with the value each one saw.
struct Fixture : editortest::WithApplication
{
    Fixture()
    {
        window.resize(200, 80);
        picker = new NXTimePicker(&window);
        picker->setGeometry(10, 10, 110, 21);
        other = new NXTimePicker(&window);
        other->setGeometry(10, 40, 110, 21);
        picker->setAction([this](NXTimePicker *sender) {
            EXPECT_EQ(sender, picker);
            sent << sender->integerValue();
        });
        window.show();
        picker->setFocus();
    }
    void click(QPoint at) { QTest::mouseClick(picker, Qt::LeftButton, Qt::NoModifier, at); }
    void key(Qt::Key k) { QTest::keyClick(picker, k); }

    QWidget window;
    NXTimePicker *picker;
    NXTimePicker *other;
    QList<int> sent;
};

TEST(NXTimePicker, ClicksChooseAFieldAndTheStepperStepsItWithoutTheLimit)
{
    Fixture f;
    EXPECT_EQ(f.picker->maxTimeValue(), 2147483647);
    EXPECT_EQ(f.picker->minTimeValue(), 0);
    EXPECT_TRUE(f.picker->cell().hasStepper());
    f.picker->setMaxTimeValue(600);
    f.picker->setIntegerValue(595);
    f.click(QPoint(43, 10));
    EXPECT_EQ(f.picker->cell().selectIndex(), int(NXTimeCell::Minutes));
    f.click(QPoint(15, 10));
    EXPECT_EQ(f.picker->cell().selectIndex(), int(NXTimeCell::Hours));
    f.click(QPoint(29, 10));
    EXPECT_EQ(f.picker->cell().selectIndex(), int(NXTimeCell::NoField));
    EXPECT_TRUE(f.sent.isEmpty());

    // The stepper's upper half steps the seconds (nothing selected) up, past the maximum.
    for (int i = 0; i < 6; ++i)
        f.click(QPoint(102, 4));
    EXPECT_EQ(f.picker->integerValue(), 601);
    EXPECT_EQ(f.sent, (QList<int>{596, 597, 598, 599, 600, 601}));
    f.click(QPoint(71, 10));
    f.click(QPoint(102, 17));
    EXPECT_EQ(f.picker->integerValue(), 600);
    EXPECT_EQ(f.sent.back(), 600);
}

TEST(NXTimePicker, ArrowsStepCheckTheLimitsAndSendTheAction)
{
    Fixture f;
    f.picker->setIntegerValue(59);
    f.key(Qt::Key_Up);
    EXPECT_EQ(f.picker->integerValue(), 60);
    expectFields(f.picker->cell(), {0, 1, 0});
    EXPECT_EQ(f.sent, QList<int>{60});
    f.picker->setIntegerValue(0);
    f.key(Qt::Key_Down);
    EXPECT_EQ(f.picker->integerValue(), 0);
    EXPECT_EQ(f.sent.size(), 2);

    // An arrow is held to the limits, as is any value set.
    f.picker->setMaxTimeValue(90);
    f.picker->setMinTimeValue(30);
    f.picker->setIntegerValue(-5);
    EXPECT_EQ(f.picker->integerValue(), 30);
    f.picker->setIntegerValue(89);
    f.key(Qt::Key_Right); // hours
    f.key(Qt::Key_Up);
    EXPECT_EQ(f.picker->integerValue(), 90);
    EXPECT_EQ(f.sent.back(), 90);
    // Other keys are swallowed and change nothing.
    f.key(Qt::Key_A);
    f.key(Qt::Key_Escape);
    EXPECT_EQ(f.picker->integerValue(), 90);
    EXPECT_EQ(f.sent.size(), 3);
}

TEST(NXTimePicker, TabAndSpaceMoveBetweenTheFieldsAndNeverLeaveTheControl)
{
    Fixture f;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.window));
    f.picker->setFocus();
    ASSERT_TRUE(f.picker->hasFocus());
    f.key(Qt::Key_Tab);
    EXPECT_EQ(f.picker->cell().selectIndex(), int(NXTimeCell::Hours));
    EXPECT_TRUE(f.picker->hasFocus());
    f.key(Qt::Key_Space);
    EXPECT_EQ(f.picker->cell().selectIndex(), int(NXTimeCell::Minutes));
    f.key(Qt::Key_Right);
    EXPECT_EQ(f.picker->cell().selectIndex(), int(NXTimeCell::Seconds));
    // Through the window, as the desktop delivers it: the key goes to the focused picker, and
    // Tab does not take the focus on to the next one.
    QTest::keyClick(f.window.windowHandle(), Qt::Key_Tab);
    EXPECT_EQ(f.picker->cell().selectIndex(), int(NXTimeCell::Hours));
    EXPECT_TRUE(f.picker->hasFocus());
    f.key(Qt::Key_Left);
    EXPECT_EQ(f.picker->cell().selectIndex(), int(NXTimeCell::Seconds));
    EXPECT_TRUE(f.sent.isEmpty());
}

TEST(NXTimePicker, TwoDigitsTypedWithinASecondAreSentAtOnceWithinTheLimit)
{
    Fixture f;
    f.picker->setMaxTimeValue(600);
    f.click(QPoint(43, 10));
    f.key(Qt::Key_4);
    EXPECT_EQ(f.picker->minutes(), 4);
    EXPECT_TRUE(f.sent.isEmpty());
    f.key(Qt::Key_5);
    // 45 minutes, lowered to the maximum of 600 seconds before the action.
    EXPECT_EQ(f.sent, QList<int>{600});
    expectFields(f.picker->cell(), {0, 10, 0});
    // The pending lone-digit action was cancelled.
    uitest::serve(1300);
    EXPECT_EQ(f.sent.size(), 1);
}

TEST(NXTimePicker, ADigitAboveFiveStartsAfreshAndALoneDigitIsSentASecondLater)
{
    Fixture f;
    f.click(QPoint(43, 10));
    QElapsedTimer clock;
    clock.start();
    f.key(Qt::Key_7);
    f.key(Qt::Key_3);
    EXPECT_EQ(f.picker->minutes(), 3);
    EXPECT_TRUE(f.sent.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.sent.isEmpty(); }, 60000));
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_EQ(f.sent, QList<int>{180});
    // More than a second after the last digit, a new digit replaces the field: 1 then 2 (from
    // the keypad) make 12.
    f.key(Qt::Key_1);
    QTest::keyClick(f.picker, Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(f.sent.back(), 12 * 60);
}

TEST(NXTimePicker, AnOutsideStepperStepsTheSelectedField)
{
    Fixture f;
    QSpinBox stepper;
    stepper.setRange(0, 100);
    stepper.setValue(50);
    f.picker->setStepper(&stepper);
    f.picker->setIntegerValue(100);
    stepper.stepUp();
    EXPECT_EQ(f.picker->integerValue(), 101);
    f.click(QPoint(43, 10));
    stepper.stepDown();
    EXPECT_EQ(f.picker->integerValue(), 41);
    EXPECT_TRUE(f.sent.isEmpty());
}

TEST(NXTimePicker, AssistiveTechnologiesSeeATimePickerThatStepsUpAndDown)
{
    Fixture f;
    f.picker->setIntegerValue(3909);
    QAccessibleInterface *a11y = QAccessible::queryAccessibleInterface(f.picker);
    ASSERT_NE(a11y, nullptr);
    EXPECT_EQ(a11y->text(QAccessible::Description), QStringLiteral("Time Picker"));
    EXPECT_EQ(a11y->text(QAccessible::Value), QStringLiteral("1:5:9"));
    QAccessibleActionInterface *actions = a11y->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->actionNames(), (QStringList{QAccessibleActionInterface::increaseAction(),
                                                   QAccessibleActionInterface::decreaseAction()}));
    EXPECT_EQ(actions->localizedActionDescription(QAccessibleActionInterface::increaseAction()),
              QStringLiteral("Increment"));
    actions->doAction(QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(f.picker->integerValue(), 3910);
    actions->doAction(QAccessibleActionInterface::decreaseAction());
    actions->doAction(QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(f.picker->integerValue(), 3908);
    // A value set from outside reaches no field.
    a11y->setText(QAccessible::Value, QStringLiteral("0:0:1"));
    EXPECT_EQ(f.picker->integerValue(), 3908);
}

TEST(NXTimePicker, ADisabledPickerIgnoresKeysAndClicks)
{
    Fixture f;
    f.picker->setIntegerValue(30);
    f.picker->setEnabled(false);
    f.key(Qt::Key_Up);
    f.key(Qt::Key_5);
    f.click(QPoint(102, 4));
    f.click(QPoint(43, 10));
    EXPECT_EQ(f.picker->integerValue(), 30);
    EXPECT_EQ(f.picker->cell().selectIndex(), int(NXTimeCell::NoField));
    EXPECT_TRUE(f.sent.isEmpty());
}

TEST(NXTimePicker, LooksFinished)
{
    app();
    QWidget window;
    window.setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(&window);
    auto add = [&](int seconds, int style, int alignment) {
        auto *picker = new NXTimePicker(&window);
        picker->setPickerStyle(style);
        picker->cell().setAlignment(alignment);
        picker->setIntegerValue(seconds);
        picker->setFixedSize(110, 21);
        layout->addWidget(picker);
        return picker;
    };
    NXTimePicker *focused = add(3725, 1, 2);
    focused->cell().setSelectIndex(NXTimeCell::Minutes);
    add(5 * 3600 + 47 * 60 + 9, 0, 2);
    add(59, 1, 1);
    add(600, 1, 0)->setEnabled(false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    focused->setFocus();
    const QImage shot(uitest::savePicture(&window, QStringLiteral("editor-controls"), QStringLiteral("time-pickers")));
    ASSERT_FALSE(shot.isNull());
}

} // namespace
