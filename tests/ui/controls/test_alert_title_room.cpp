// Alerts keep room for their title: a title bar draws the title in a bold face beside the
// window's icon and its three buttons, and an alert with a short message must still be that
// wide, also after its parts or its title change.
#include "ui/controls/DNAlertSheet.h"
#include "ui/ui_test_support.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Title, icon and three buttons in a title bar of the interface's bold face: each of the four
// at least as wide as the bar is high.
int titleBarNeeds(const QString &title)
{
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(title) + 4 * (metrics.height() + 4);
}

TEST(AlertTitleRoom, AnAlertIsWideEnoughForItsTitleWhateverChangesAfterwards)
{
    uitest::app();
    QWidget window;
    window.resize(900, 600);
    window.show();
    const QString title = QStringLiteral("Some files were not added");

    // The shared sheet, with a message shorter than its title.
    QMessageBox *sheet = DNOpenAlertSheet(&window, QMessageBox::Warning, title, QStringLiteral("Not added:"),
                                          QStringLiteral("a.txt"), QStringLiteral("OK"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet));
    EXPECT_GE(sheet->width(), titleBarNeeds(title));
    uitest::savePicture(sheet, QStringLiteral("ui_controls_alert_title_room"), QStringLiteral("sheet"));
    sheet->close();

    // An alert made by hand, fitted first: its layout is made anew when the informative text
    // comes, and its title grows once it shows.
    QMessageBox alert(QMessageBox::Warning, title, QStringLiteral("Not added:"), QMessageBox::Ok, &window);
    DNFitAlertToTitle(&alert);
    alert.setInformativeText(QStringLiteral("a.txt"));
    alert.setIcon(QMessageBox::Critical);
    alert.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&alert));
    EXPECT_GE(alert.width(), titleBarNeeds(title));
    const QString longer = title + QStringLiteral(" to the list of media to convert");
    alert.setWindowTitle(longer);
    EXPECT_TRUE(uitest::waitFor([&] { return alert.width() >= titleBarNeeds(longer); })) << alert.width();
    // Fitting twice keeps one room.
    const int width = alert.width();
    DNFitAlertToTitle(&alert);
    uitest::serve(50);
    EXPECT_EQ(alert.width(), width);
}

} // namespace
