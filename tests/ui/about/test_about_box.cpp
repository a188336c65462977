// The about box: name, version and build date, the title centred, and its two links: the
// maker's site and a support mail written through xdg-email (a stand-in here records it).
#include "../mainwindow/main_window_fixture.h"
#include "../ui_test_support.h"

#include "core/util/DNBuildDate.h"
#include "core/util/DNSystemInfo.h"
#include "ui/about/NXAboutInfoController.h"
#include "ui/controls/DNLinkButton.h"
#include "ui/scripting/NXAppleScriptHandle.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

TEST(AboutBox, BuildDatesJoinTheCompilerDateWithDashes)
{
    EXPECT_EQ(DNFormatCompilerDate("Dec 13 2017", "18:29:13"), QStringLiteral("Dec-13-2017 18:29:13"));
    EXPECT_EQ(DNFormatCompilerDate("Dec  3 2017", "09:05:00"), QStringLiteral("Dec-3-2017 09:05:00"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[A-Z][a-z]{2}-\\d{1,2}-\\d{4} \\d{2}:\\d{2}:\\d{2}$"))
                    .match(DNBuildDateText())
                    .hasMatch())
        << DNBuildDateText().toStdString();
}

TEST(AboutBox, ShowsNameVersionAndBuildDateAndRunsUntilClosed)
{
    shelltest::MainWindowFixture main;
    NXAppController &controller = main.controller;
    DNWindow *window = main.ui.window;

    bool shown = false;
    QTimer::singleShot(100, window, [&] {
        NXAboutInfoController *about = controller.aboutInfoController;
        ASSERT_TRUE(about);
        QDialog *panel = about->aboutPanel();
        shown = panel->isVisible();
        EXPECT_EQ(panel->parentWidget(), window);
        EXPECT_EQ(about->titleAndVersion()->text(), QStringLiteral("Talvane %1").arg(DNApplicationVersion()));
        EXPECT_EQ(about->buildDate()->text(), DNBuildDateText());
        // The title is centred, its bottom 40 points below the top; nothing is cut off.
        const QRect title = about->titleAndVersion()->geometry();
        EXPECT_LE(std::abs(title.center().x() - panel->width() / 2), 1);
        EXPECT_EQ(title.bottom() + 1, 40);
        for (QWidget *part : {static_cast<QWidget *>(about->titleAndVersion()), static_cast<QWidget *>(about->buildDate()),
                              static_cast<QWidget *>(about->homeButton()), static_cast<QWidget *>(about->supportButton()),
                              static_cast<QWidget *>(about->okButton())}) {
            EXPECT_TRUE(panel->rect().contains(part->geometry())) << part->metaObject()->className();
            EXPECT_GE(part->width(), part->sizeHint().width()) << part->metaObject()->className();
        }
        shelltest::saveWindowPicture(panel, QStringLiteral("ui_about"), QStringLiteral("about_box"));
        about->OKClick();
    });
    controller.onAbout();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(controller.aboutInfoController->aboutPanel()->isVisible());
}

TEST(AboutBox, LinksOpenTheSiteAndWriteASupportMail)
{
    shelltest::app();
    QTemporaryDir bin;
    const QString recorded = bin.filePath(QStringLiteral("mail-arguments"));
    QFile standIn(bin.filePath(QStringLiteral("xdg-email")));
    ASSERT_TRUE(standIn.open(QIODevice::WriteOnly));
    standIn.write(QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '%1.part'\nmv '%1.part' '%1'\n")
                      .arg(recorded)
                      .toUtf8());
    standIn.close();
    standIn.setPermissions(standIn.permissions() | QFileDevice::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);

    NXAboutInfoController about;
    shelltest::openedTargets().clear();
    about.homeClick();
    ASSERT_EQ(shelltest::openedTargets().size(), 1);
    EXPECT_TRUE(shelltest::openedTargets().first().startsWith(QStringLiteral("http://www.harnvale.com/talvane/")));
    EXPECT_EQ(NXAboutInfoController::homePageForLanguage(QStringLiteral("ja")), QStringLiteral("www.harnvale.com/jp/talvane/"));

    about.contactClick();
    ASSERT_TRUE(uitest::waitFor([&] { return QFile::exists(recorded); }, 60000));
    qputenv("PATH", path);
    QFile arguments(recorded);
    ASSERT_TRUE(arguments.open(QIODevice::ReadOnly));
    const QStringList words = QString::fromUtf8(arguments.readAll()).split(QLatin1Char('\n'));
    EXPECT_EQ(words.value(words.indexOf(QStringLiteral("--subject")) + 1), DNSupportMailTitle());
    EXPECT_TRUE(words.contains(about.buttonSupportString()));
    EXPECT_FALSE(words.contains(QStringLiteral("--attach")));
    // Arguments reach the mail program as they are, shell characters included.
    EXPECT_EQ(NXAppleScriptHandle::mailArguments(QStringLiteral("a@b.c"), QStringLiteral("$(rm -rf ~) `x`"), QString(),
                                                 {QStringLiteral("/tmp/log; echo")}),
              (QStringList{"--utf8", "--subject", "$(rm -rf ~) `x`", "--attach", "/tmp/log; echo", "a@b.c"}));
}

} // namespace
