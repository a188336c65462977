// The automatic update check after launch: started only when the preferences' schedule says it
// is due and an update service is set; the time of a started check is stored.
#include "app/QuivraVideoConverterAppDelegate.h"

#include "../ui/mainwindow/main_window_fixture.h"
#include "../ui/ui_test_support.h"
#include "../ui/update/update_test_server.h"

#include "core/settings/DNSetting.h"
#include "ui/prefs/NXMainSettingController.h"
#include "ui/update/DNUpgradeController.h"
#include "ui/update/DNYTBUpdateController.h"

#include <QDialog>

namespace {

struct ScheduleCase
{
    const char *name;
    bool service;
    int mode;
    int lastCheckDaysAgo;
    bool checks;
};

class AutomaticCheck : public ::testing::TestWithParam<ScheduleCase>
{
};

TEST_P(AutomaticCheck, FollowsTheSchedule)
{
    const ScheduleCase &c = GetParam();
    shelltest::app();
    updatetest::Server server;
    shelltest::setUserSetting(DNUpgradeController::informationAddressKey,
                              c.service ? QVariant(server.address(QStringLiteral("/newer"))) : QVariant());
    DNSetting::shareSetting().appSetting()->setUpdateCheckMode(c.mode);
    const QDateTime last = QDateTime::currentDateTime().addDays(-c.lastCheckDaysAgo);
    NXMainSettingController::setLastCheckUpdateTime(last);

    shelltest::MainWindowFixture main;
    NXAppController &controller = main.controller;
    QuivraVideoConverterAppDelegate delegate;
    delegate.setAppController(&controller);
    delegate.delayCheckMethod();

    if (c.checks) {
        EXPECT_LE(NXMainSettingController::lastCheckUpdateTime().secsTo(QDateTime::currentDateTime()), 5)
            << "the start of the check is stored at once";
        ASSERT_TRUE(uitest::waitFor([&] { return controller.u2bUpdateController != nullptr; }, 60000));
        EXPECT_TRUE(controller.u2bUpdateController->upgradePanel()->isVisible());
        controller.u2bUpdateController->cancelUpdateWindow();
    } else {
        uitest::serve(900);
        EXPECT_FALSE(controller.u2bUpdateController);
        EXPECT_EQ(server.requests(), 0);
        EXPECT_EQ(NXMainSettingController::lastCheckUpdateTime().toSecsSinceEpoch(), last.toSecsSinceEpoch());
    }
}

INSTANTIATE_TEST_SUITE_P(
    UpdateSchedule, AutomaticCheck,
    ::testing::Values(ScheduleCase{"EveryStart", true, 0, 0, true},
                      ScheduleCase{"DailyCheckedToday", true, 1, 0, false},
                      ScheduleCase{"DailyCheckedYesterday", true, 1, 1, true},
                      ScheduleCase{"MonthlyCheckedLastYear", true, 3, 400, true},
                      ScheduleCase{"Never", true, 4, 400, false},
                      ScheduleCase{"NoService", false, 0, 400, false}),
    [](const ::testing::TestParamInfo<ScheduleCase> &info) { return std::string(info.param.name); });

} // namespace
