// The interface in each of its languages, as the program starts it: the translations built into
// share/talvane/translations, the face of the language's script, the main window's menus and
// Convert button, the sheet Convert opens on an empty list, the profile chooser with the
// catalogue's own translations, no text cut off anywhere (the tool windows too: recorders,
// online video, slideshow editor); and a choice in the Language menu that brings the program
// back in the chosen language.
#include "app/DNApplicationLanguage.h"
#include "app/DNInterfaceFont.h"
#include "app/DNMainInterface.h"

#include "../ui/editor/video_editor_support.h"
#include "../ui/mainwindow/shell_test_support.h"
#include "../ui/medialist/medialist_test_support.h"
#include "../ui/slideshow/slideshow_editor_support.h"

#include "convert/capture/DNCaptureDevices.h"
#include "core/platform/DNBundle.h"
#include "core/settings/DNSetting.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileManager.h"
#include "profiles/NXProfileCategory.h"
#include "ui/controls/DNButton.h"
#include "ui/info/NXFloatInfoWindowController.h"
#include "ui/mainwindow/DNWindow.h"
#include "ui/medialist/DNCellWidgets.h"
#include "ui/medialist/DNDVDRootCell.h"
#include "ui/onlinevideo/NXYoutubeControlller.h"
#include "ui/progress/NXProgressController.h"
#include "ui/profiles/NXProfileController.h"
#include "ui/profiles/DNProfilePreviewTableViewController.h"
#include "ui/profiles/NXNavigationBar.h"
#include "ui/profiles/NXProfileChooserController.h"
#include "ui/profiles/NXProfilePreviewCell.h"
#include "ui/recorder/DNSRWindowController.h"
#include "ui/recorder/DNToolWindow.h"
#include "ui/recorder/NXCameraRecorderController.h"

#include <QAbstractButton>
#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <future>
#include <memory>

namespace {

using shelltest::app;

// What each language shows, as a native speaker reads it.
struct Language
{
    const char *code;
    const char *help;           // the Help menu
    const char *convert;        // the Convert button
    const char *noSource;       // the sheet Convert opens on an empty list
    const char *popular;        // the chooser's first category
};

const Language kLanguages[] = {
    {"ja", "ヘルプ", "変換", "ビデオソースがありません！", "人気のプロファイル"},
    {"de", "Hilfe", "Konvertieren", "Keine Videoquelle!", "Beliebte Profile"},
    {"it", "Aiuto", "Converti", "Nessuna sorgente video!", "Profili più usati"},
    {"fr", "Aide", "Convertir", "Aucune source vidéo\u00a0!", "Profils populaires"},
    {"es", "Ayuda", "Convertir", "¡No hay ninguna fuente de vídeo!", "Perfiles populares"},
    {"ko", "도움말", "변환", "동영상 소스가 없습니다!", "인기 프로필"},
    {"pt-PT", "Ajuda", "Converter", "Nenhuma origem de vídeo!", "Perfis populares"},
    {"zh-Hant", "說明", "轉換", "沒有影片來源！", "熱門設定檔"},
    {"zh-Hans", "帮助", "转换", "没有视频源！", "热门预设"},
};

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// Starts "the next start" of the program in code, as main() does: the stored language decides,
// the translations and the face of that language are installed. Undone by the destructor.
class InterfaceLanguage
{
public:
    explicit InterfaceLanguage(const QString &code)
    {
        app();
        font_ = QApplication::font();
        shelltest::setUserSetting(QStringLiteral("AppleLanguages"), QStringList{code});
        DNInstallInterfaceTranslator(app(), code);
        DNApplyInterfaceFont(app(), code);
    }
    ~InterfaceLanguage()
    {
        for (QTranslator *translator : app().findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QApplication::setFont(font_);
        shelltest::setUserSetting(QStringLiteral("AppleLanguages"), QVariant());
    }

private:
    QFont font_;
};

// What a line edit keeps around its text: the frame, Qt's two-pixel margin on each side, the
// text margins and the clear button's place when it has one.
int placeholderMargins(const QLineEdit *field)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    const QMargins text = field->textMargins();
    const int clear = field->isClearButtonEnabled() ? field->height() : 0;
    return 2 * frame + 2 * 2 + text.left() + text.right() + clear;
}

// Shown labels, buttons and tab bars whose text does not fit: smaller than their size hint; and
// empty fields whose placeholder does not fit.
QStringList cutTexts(const QWidget *root)
{
    QStringList cut;
    for (const QWidget *widget : root->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(root))
            continue;
        QString shown;
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            if (label->wordWrap())
                continue;
            shown = label->text();
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
            shown = button->text();
        } else if (const auto *field = qobject_cast<const QLineEdit *>(widget)) {
            // An empty field's hint at what to type is read whole.
            const QString hint = field->text().isEmpty() ? field->placeholderText() : QString();
            const int room = field->width() - placeholderMargins(field);
            if (!hint.isEmpty() && field->fontMetrics().horizontalAdvance(hint) > room)
                cut << QStringLiteral("%1 placeholder \"%2\" %3 wide, needs %4")
                           .arg(QString::fromLatin1(widget->metaObject()->className()), hint)
                           .arg(room)
                           .arg(field->fontMetrics().horizontalAdvance(hint));
            continue;
        } else if (const auto *tabs = qobject_cast<const QTabBar *>(widget)) {
            // A tab bar narrower than its titles shortens them or scrolls them away.
            if (tabs->width() < tabs->sizeHint().width())
                cut << QStringLiteral("QTabBar \"%1\" %2 wide, needs %3")
                           .arg(tabs->tabText(tabs->count() - 1))
                           .arg(tabs->width())
                           .arg(tabs->sizeHint().width());
            continue;
        }
        if (shown.isEmpty())
            continue;
        const QSize hint = widget->sizeHint();
        if (widget->width() < hint.width() || widget->height() < hint.height())
            cut << QStringLiteral("%1 \"%2\" %3x%4, needs %5x%6")
                       .arg(QString::fromLatin1(widget->metaObject()->className()), shown)
                       .arg(widget->width())
                       .arg(widget->height())
                       .arg(hint.width())
                       .arg(hint.height());
    }
    return cut;
}

// No text of shown cut off; a picture of it kept for the languages a reader checks by eye.
void expectNothingCut(QWidget *shown, const QString &code, const QString &picture)
{
    const QStringList cut = cutTexts(shown);
    EXPECT_TRUE(cut.isEmpty()) << picture.toStdString() << ":\n" << cut.join(QLatin1Char('\n')).toStdString();
    if (code == QLatin1String("de") || code == QLatin1String("ja"))
        shelltest::saveWindowPicture(shown, QStringLiteral("app_interface_languages"), picture + QLatin1Char('_') + code);
}

QString menuTitle(const QMenuBar *bar, int index)
{
    return bar->actions().value(index) ? bar->actions().value(index)->text() : QString();
}

// The catalogue's translation of english in code, as its translation file gives it.
QString catalogueTranslation(const QString &code, const QString &english)
{
    QFile file(testsupport::sourceDir() + QStringLiteral("/resources/profiles/generator/translations/%1.tsv").arg(code));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << file.fileName().toStdString();
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (cells.size() == 2 && cells.first() == english)
            return cells.last();
    }
    return QString();
}

class InterfaceIn : public ::testing::TestWithParam<Language>
{
};

TEST_P(InterfaceIn, MainWindowSheetAndChooserSpeakTheLanguageWithNothingCut)
{
    const Language &language = GetParam();
    const QString code = QString::fromLatin1(language.code);
    const InterfaceLanguage in(code);

    auto shell = DNLoadMainInterface();
    shell->controller.onApplicationDidFinishLaunching();
    shell->delegate.resetMenuBarItemCurrentName();
    DNWindow *window = shell->ui.window;
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));

    // The menus: every text is translated. The program's name stays in the items that carry
    // it; the languages of the Language menu name themselves, but for "Default".
    const QMenuBar *bar = window->menuBar();
    EXPECT_EQ(menuTitle(bar, 1), text(language.help));
    ASSERT_TRUE(shell->delegate.languageMenu());
    const QStringList english{QStringLiteral("Help"), QStringLiteral("Show Log"), QStringLiteral("Language"),
                              QStringLiteral("About Talvane"), QStringLiteral("Hide Talvane"),
                              QStringLiteral("Quit Talvane"), QStringLiteral("Talvane Help"), QStringLiteral("Default")};
    QStringList shown;
    for (QAction *menu : bar->actions()) {
        if (menu->menu() && menu != bar->actions().first())
            shown << menu->text();
        for (QAction *item : menu->menu() ? menu->menu()->actions() : QList<QAction *>()) {
            if (item->isSeparator())
                continue;
            shown << item->text();
            if (item->menu() == shell->delegate.languageMenu())
                shown << item->menu()->actions().first()->text();
        }
    }
    for (const QString &item : std::as_const(shown))
        EXPECT_FALSE(english.contains(item)) << item.toStdString() << " is not translated";
    for (QAction *item : {shell->ui.aboutItem.data(), shell->ui.hiddenItem.data(), shell->ui.quitItem.data(),
                          shell->ui.helpItem.data()})
        EXPECT_TRUE(item->text().contains(QStringLiteral("Talvane"))) << item->text().toStdString();
    EXPECT_GE(shown.size(), 7);
    EXPECT_EQ(shell->controller.right_run_btn->text(), text(language.convert));
    // Qt's own dialogs (file choosers, standard buttons) too, where Qt ships the language: it has
    // no European Portuguese.
    if (code != QLatin1String("pt-PT"))
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    EXPECT_TRUE(window->font().families().value(0) == DNInterfaceFontFamily(code)
                || DNInterfaceFontFamily(code).isEmpty());

    expectNothingCut(window, code, QStringLiteral("main_window"));

    // A DVD's rows: the title rows' Edit pills, the merge switch, the tag link.
    shell->controller.actionForDVDScaner(medialisttest::makeDVD({5, 9}));
    ASSERT_TRUE(uitest::waitFor([&] { return window->findChildren<DNDVDTitleCell *>().size() == 2; }));
    expectNothingCut(window, code, QStringLiteral("dvd_rows"));
    shell->controller.clearAll();
    ASSERT_TRUE(uitest::waitFor([&] { return shell->controller.mediaFiles->isEmpty(); }));

    // A media file's row with its toolbar (information, edit, tags), the chooser a first file
    // brings up answered with the profile it proposes.
    shell->controller.addFilesFromContentOfFiles({testsupport::fixturePath(QStringLiteral("media/clip.mp4"))});
    NXProfileChooserController *proposal =
        shell->controller.profileController ? shell->controller.profileController->profileChooseController() : nullptr;
    if (proposal && proposal->choosePanel() && proposal->choosePanel()->isVisible())
        QTest::mouseClick(proposal->doneButton(), Qt::LeftButton);
    ASSERT_TRUE(uitest::waitFor([&] { return window->findChildren<DNRootCell *>().size() == 1; }));
    expectNothingCut(window, code, QStringLiteral("file_row"));
    shell->controller.clearAll();
    ASSERT_TRUE(uitest::waitFor([&] { return shell->controller.mediaFiles->isEmpty(); }));

    // Convert with nothing loaded: the alert sheet.
    QTest::mouseClick(shell->controller.right_run_btn, Qt::LeftButton);
    QMessageBox *alert = nullptr;
    ASSERT_TRUE(uitest::waitFor([&] {
        alert = window->findChild<QMessageBox *>();
        return alert && alert->isVisible();
    }));
    EXPECT_EQ(alert->text(), text(language.noSource));
    EXPECT_TRUE(alert->windowModality() == Qt::WindowModal);
    expectNothingCut(alert, code, QStringLiteral("no_source_alert"));
    alert->buttons().first()->click();

    // The chooser: the categories and the profiles in the language of the catalogue's own files.
    QTemporaryDir dir;
    const QString settingsFile = dir.filePath(QStringLiteral("profiles.ini"));
    DNProfileManager manager([settingsFile] { return std::make_unique<QSettings>(settingsFile, QSettings::IniFormat); });
    NXProfileChooserController chooser;
    chooser.setProfileManager(&manager);
    chooser.setProfileType(1);
    chooser.showProfileChooseListAtWindow(window);
    chooser.resetDefault();
    QTRY_VERIFY(chooser.isPushedEnd() && !chooser.navigationBar()->isAnimating());
    EXPECT_EQ(chooser.detailNavigationBar()->currentTitle(), text(language.popular));
    const auto cards = chooser.detaileProfileTableController()->tableView()->dataCells();
    ASSERT_FALSE(cards.isEmpty());
    EXPECT_EQ(cards.first()->profileTitle()->text(), catalogueTranslation(code, QStringLiteral("Main Title Backup (MPEG-2)")));
    expectNothingCut(chooser.choosePanel(), code, QStringLiteral("chooser"));
    chooser.cancelClick();
}

// Texts cut in any window on the screen, each line naming its window.
QStringList cutInOpenWindows()
{
    // A text set a moment ago is laid out by a request still waiting in the queue: what the user
    // sees is the text after it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QStringList cut;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        for (const QString &line : cutTexts(window))
            cut << QString::fromLatin1(window->metaObject()->className()) + QStringLiteral(": ") + line;
    }
    return cut;
}

int visibleWindows()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return int(std::count_if(windows.cbegin(), windows.cend(), [](const QWidget *w) { return w->isVisible(); }));
}

// Ends every sheet and closes every window but the main one.
void closeAllBut(QWidget *main)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window == main || !window->isVisible())
            continue;
        if (auto *dialog = qobject_cast<QDialog *>(window))
            dialog->reject();
        else
            window->close();
    }
    uitest::serve(50);
}

// No text cut in the windows open beside the main window; their pictures kept in the languages
// pictured.
void expectShownWindowsFit(QWidget *main, const QString &code, const QString &name,
                           const QStringList &pictured = {QStringLiteral("de")})
{
    uitest::serve(50);
    const QStringList cut = cutInOpenWindows();
    EXPECT_TRUE(cut.isEmpty()) << name.toStdString() << ":\n" << cut.join(QLatin1Char('\n')).toStdString();
    if (pictured.contains(code)) {
        QWidgetList shown;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window != main && window->isVisible())
                shown << window;
        // A window with a sheet: a picture of each, named after it.
        for (QWidget *window : shown) {
            const QString which = window->objectName().isEmpty() ? QString::fromLatin1(window->metaObject()->className())
                                                                 : window->objectName();
            shelltest::saveWindowPicture(window, QStringLiteral("app_interface_languages"),
                                         shown.size() == 1 ? QStringLiteral("%1_%2").arg(name, code)
                                                           : QStringLiteral("%1_%2_%3").arg(name, which, code));
        }
    }
}

// The same, then every one of them closed.
void expectOpenWindowsFit(QWidget *main, const QString &code, const QString &name)
{
    expectShownWindowsFit(main, code, name);
    closeAllBut(main);
}

// The video editor the Edit command opens on row, once it plays (the source's picture size
// shown): each of its pages, and for a DVD title the sheet asking a subtitle file's language;
// pictures in German and Japanese. The sheet is closed again.
void expectVideoEditorFits(NXAppController &c, QWidget *main, const QString &code, const NXMediaNodePtr &row,
                           const QString &name)
{
    editortest::clickRow(c, row);
    QTest::mouseClick(c.editButton, Qt::LeftButton);
    DNVideoEditorController *editor = editortest::shownEditor(c);
    ASSERT_TRUE(editor);
    ASSERT_TRUE(editortest::playing(*editor));
    const QStringList pictured{QStringLiteral("de"), QStringLiteral("ja")};
    for (const QString &page : editortest::tabIdentifiers(*editor)) {
        editortest::clickTab(*editor, page);
        expectShownWindowsFit(main, code, name + QLatin1Char('_') + page, pictured);
    }
    if (editor->isForDVDEdit()) {
        editor->forceUserChooseLanguagePanel();
        ASSERT_TRUE(uitest::waitFor([&] { return editor->languageChoosePanel()->isVisible(); }));
        expectShownWindowsFit(main, code, name + QStringLiteral("_language"), pictured);
        editor->doneForceLanguageChoose();
    }
    ASSERT_TRUE(editortest::pressDone(*editor));
}

// A microphone and no camera: the camera recorder shows all its texts and opens no device.
class MicrophoneOnly : public DNCaptureDeviceCatalogue
{
public:
    DNCaptureDeviceList videoDevices() const override { return {}; }
    DNCaptureDeviceList audioDevices() const override
    {
        return {{QStringLiteral("test.mic"), QStringLiteral("Built-in Audio Analog Stereo"), false}};
    }
    DNCaptureSourcePtr sourceFor(const DNCaptureDevice &, const DNCaptureDevice *) const override { return nullptr; }
    bool canPlaySound() const override { return false; }
};

// No X display while it lives: the screen recorder built offscreen says it cannot record, as
// it would on a machine without one, instead of recording the screen the tests run beside.
class WithoutDisplay
{
public:
    WithoutDisplay() : display_(qgetenv("DISPLAY")) { qunsetenv("DISPLAY"); }
    ~WithoutDisplay()
    {
        if (!display_.isEmpty())
            qputenv("DISPLAY", display_);
    }

private:
    QByteArray display_;
};

// The progress sheet of a batch that waits until it is stopped; the photo face (a slideshow's
// pictures being rendered) or the video face.
void expectProgressSheetFits(QWidget *window, const QString &code, const NXMediaNodePtr &node, bool photos,
                             const QString &picture)
{
    std::promise<void> stopped;
    NXProgressController sheet;
    const QVariantMap rendering{{QStringLiteral("EncodeCategory"), 0},
                                {QStringLiteral("currentFrame"), 120},
                                {QStringLiteral("totalFrames"), 600},
                                {QStringLiteral("currentImage"), slideshowfixture::photoPath(0)}};
    sheet.showWithInWindow(
        window,
        [&](QObject *) {
            sheet.setTotalConvertCount(1);
            sheet.setInfoWithNode(node);
            sheet.converterStateDidChanged(NXProgressController::kEncodeStateStarted);
            stopped.get_future().wait();
        },
        [&](QObject *) { return photos ? std::optional<QVariantMap>(rendering) : std::optional<QVariantMap>(); },
        [&](QObject *) { stopped.set_value(); }, photos, window);
    ASSERT_TRUE(uitest::waitFor([&] { return sheet.stopButton()->isEnabled(); }));
    if (photos) {
        ASSERT_TRUE(uitest::waitFor([&] { return sheet.encodeFrameLabel()->text().contains(QLatin1String("600")); }));
    }
    const QStringList cut = cutInOpenWindows();
    EXPECT_TRUE(cut.isEmpty()) << picture.toStdString() << ":\n" << cut.join(QLatin1Char('\n')).toStdString();
    if (code == QLatin1String("de"))
        shelltest::saveWindowPicture(sheet.progressPanel(), QStringLiteral("app_interface_languages"), picture + QStringLiteral("_de"));
    QTest::mouseClick(sheet.stopButton(), Qt::LeftButton);
    ASSERT_TRUE(uitest::waitFor([&] { return !sheet.progressPanel()->isVisible(); }));
}

// The main window's other windows and sheets: preferences, about box, log, update check, the
// DVD folder panel, and for a DVD its tag sheet, its profile settings sheet and the media
// information window; the screen and camera recorders with their settings sheets and the
// capture-area window, the online-video window with its download options, the slideshow
// editor; the progress sheet of a batch, on its video face and on its photo face; and the video
// editor on a media file and on a DVD title.
TEST_P(InterfaceIn, EveryOtherWindowAndSheetFitsItsTexts)
{
    const QString code = QString::fromLatin1(GetParam().code);
    const InterfaceLanguage in(code);
    NXMediaTableView::setAnimationDurationMs(0);
    auto shell = DNLoadMainInterface();
    NXAppController &c = shell->controller;
    c.onApplicationDidFinishLaunching();
    shell->delegate.resetMenuBarItemCurrentName();
    DNWindow *window = shell->ui.window;
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));

    auto dvd = medialisttest::makeDVD({5, 9});
    dvd->setProfile(DNProfile::parserFromContentOfFile(
        DNBundle::pathForResource(QStringLiteral("profiles/DVD/iPhone5_H264.plist"))));
    const auto dvdRow = [&] { return window->findChild<DNDVDRootCell *>(); };
    const WithoutDisplay noDisplay;
    DNSRWindowController screenRecorder;
    NXCameraRecorderController cameraRecorder(std::make_shared<MicrophoneOnly>());
    NXYoutubeControlller onlineVideo;
    const struct
    {
        const char *name;
        std::function<void()> open;
    } steps[] = {
        {"preferences", [&] { c.setting(); }},
        {"about", [&] { shell->ui.aboutItem->trigger(); }},
        {"log", [&] { shell->ui.logItem->trigger(); }},
        {"update", [&] { c.checkNewVersion(); }},
        {"dvd_folder_panel", [&] { c.dvdLoad_Path(); }},
        {"tags", [&] {
             c.actionForDVDScaner(dvd);
             ASSERT_TRUE(uitest::waitFor([&] { return dvdRow() != nullptr; }));
             QTest::mouseClick(dvdRow()->findChild<DNButton *>(QStringLiteral("setTagButton")), Qt::LeftButton);
         }},
        {"profile_settings", [&] { Q_EMIT dvdRow()->profileView()->changeProfileTypeClicked(); }},
        {"media_information", [&] { NXFloatInfoWindowController::shareInstance().showWindowWithNode(dvd); }},
        {"screen_recorder", [&] { screenRecorder.window()->show(); }},
        {"screen_recorder_settings", [&] {
             screenRecorder.window()->show();
             screenRecorder.showSettingPannel();
         }},
        {"capture_area", [&] { screenRecorder.onSetRecordRegion(); }},
        {"camera_recorder", [&] { cameraRecorder.window()->show(); }},
        {"camera_recorder_settings", [&] {
             cameraRecorder.window()->show();
             cameraRecorder.recorderRequestSetting();
         }},
        {"online_video", [&] { onlineVideo.window()->show(); }},
        {"download_options", [&] {
             // With the proxy fields, at the sheet's larger height.
             DNSetting::shareSetting().downloadSetting()->setIsProxyEnabled(true);
             onlineVideo.window()->show();
             onlineVideo.showDownloadOptions();
         }},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.name);
        const int before = visibleWindows();
        // Looked at from the event loop: some windows run their own (the about box is modal),
        // and closing them lets open() return.
        bool looked = false;
        QTimer look;
        look.setInterval(50);
        QObject::connect(&look, &QTimer::timeout, [&] {
            if (looked || visibleWindows() <= before)
                return;
            looked = true;
            expectOpenWindowsFit(window, code, QLatin1String(step.name));
        });
        look.start();
        step.open();
        EXPECT_TRUE(uitest::waitFor([&] { return looked; }, 60000));
    }

    DNSetting::shareSetting().downloadSetting()->setIsProxyEnabled(false);

    // The slideshow editor on a photo folder's slideshow; the DVD makes way for it, as the list
    // holds one kind of media.
    c.clearAll();
    ASSERT_TRUE(uitest::waitFor([&] { return c.mediaFiles->isEmpty(); }));
    const DNGraphicsNodePtr slideshow = slideshowui::dropPhotoFolder(c, slideshowfixture::photosFolder());
    ASSERT_TRUE(slideshow);
    ASSERT_TRUE(slideshowui::openEditor(c, slideshow));
    expectOpenWindowsFit(window, code, QStringLiteral("slideshow_editor"));

    expectProgressSheetFits(window, code, dvd->titleAt(0), false, QStringLiteral("progress"));
    expectProgressSheetFits(window, code, slideshow, true, QStringLiteral("progress_photos"));

    // The video editor on a media file, then on a DVD title: each in a list of its own kind.
    c.clearAll();
    ASSERT_TRUE(uitest::waitFor([&] { return c.mediaFiles->isEmpty(); }));
    const DNFileNodePtr file =
        fileNodeWithFile(testsupport::fixturePath(QStringLiteral("editor/letterbox_quadrants.mp4")), false);
    ASSERT_TRUE(file);
    file->setProfile(DNProfile::parserFromContentOfFile(
        DNBundle::pathForResource(QStringLiteral("profiles/Video/Video_MP4_H264.plist"))));
    c.block_loadVideoNode(file);
    expectVideoEditorFits(c, window, code, file, QStringLiteral("video_editor_file"));

    c.clearAll();
    ASSERT_TRUE(uitest::waitFor([&] { return c.mediaFiles->isEmpty(); }));
    const DNDVDNodePtr disc = dvdbuildertest::loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("MacGen_MP4_H264.plist"));
    ASSERT_TRUE(disc);
    c.actionForDVDScaner(disc);
    ASSERT_TRUE(uitest::waitFor([&] { return DNCell::cellOfNode(disc->titleAt(1).get()) != nullptr; }));
    expectVideoEditorFits(c, window, code, disc->titleAt(1), QStringLiteral("video_editor_dvd"));
}

// Every profile's card and every category title in the chooser's title bars, in the language:
// the catalogue's translations fit where the chooser shows them.
TEST_P(InterfaceIn, EveryCatalogueTextFitsTheChooser)
{
    const QString code = QString::fromLatin1(GetParam().code);
    const InterfaceLanguage in(code);
    QTemporaryDir dir;
    const QString settingsFile = dir.filePath(QStringLiteral("profiles.ini"));
    DNProfileManager manager([settingsFile] { return std::make_unique<QSettings>(settingsFile, QSettings::IniFormat); });
    NXProfileChooserController chooser;
    chooser.setProfileManager(&manager);
    QWidget window;
    window.resize(900, 700);
    window.show();
    chooser.setProfileType(1);
    chooser.showProfileChooseListAtWindow(&window);
    QStringList cut;
    for (const char *folder : {"DVD", "Video"}) {
        const QDir profiles(DNBundle::pathForResource(QStringLiteral("profiles/") + QLatin1String(folder)));
        for (const QString &name : profiles.entryList({QStringLiteral("*.plist")}, QDir::Files)) {
            if (name.startsWith(QLatin1String("Category")))
                continue;
            const auto profile = DNProfile::parserFromContentOfFile(profiles.filePath(name));
            std::unique_ptr<NXProfilePreviewCell> card(chooser.detaileProfileTableController()->cellWithProfile(*profile));
            card->show();
            cut << cutTexts(card.get());
            // A card draws a long text smaller and, when even that is too long, cuts it with an
            // ellipsis: a translation should never need the cut.
            for (const QLabel *label : card->findChildren<QLabel *>())
                if (label->text().endsWith(QChar(0x2026)) && label->toolTip() != label->text())
                    cut << QStringLiteral("card text shortened: \"%1\"").arg(label->toolTip());
        }
    }
    for (const char *folder : {"DVD", "Video"}) {
        for (const char *list : {"Category_Major_Profile.plist", "Category_Secondary_Profile.plist"}) {
            const auto category = NXProfileCategory::categoryWithFilePath(
                DNBundle::pathForResource(QStringLiteral("profiles/%1/%2").arg(QLatin1String(folder), QLatin1String(list))));
            for (const auto &item : category->categoryItems()) {
                // Every category titles the profiles' bar; a major category of categories also
                // titles the list's bar once it is opened.
                QList<NXNavigationBar *> bars{chooser.detailNavigationBar()};
                if (item->memberType() == 1 && QLatin1String(list).contains(QLatin1String("Major")))
                    bars << chooser.navigationBar();
                for (NXNavigationBar *bar : bars) {
                    bar->setCurrentTitle(item->title());
                    cut << cutTexts(bar);
                }
            }
        }
    }
    chooser.cancelClick();
    cut.removeDuplicates();
    EXPECT_TRUE(cut.isEmpty()) << cut.size() << " cut:\n" << cut.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, InterfaceIn, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<Language> &info) {
                             return QString::fromLatin1(info.param.code).remove(QLatin1Char('-')).toStdString();
                         });

// Every language shows in its own name and script, drawn by a font that has its glyphs (the
// Korean entry once showed as boxes), whatever the interface language.
TEST(LanguageMenu, EveryEntryIsDrawnInItsOwnScript)
{
    for (const char *interface : {"en", "ko"}) {
        SCOPED_TRACE(interface);
        const InterfaceLanguage in(QString::fromLatin1(interface));
        auto shell = DNLoadMainInterface();
        shell->delegate.resetMenuBarItemCurrentName();
        const QList<QAction *> items = shell->delegate.languageMenu()->actions();
        ASSERT_EQ(items.size(), DNInterfaceLanguageCodes().size());
        const QStringList names{QStringLiteral("日本語"), QStringLiteral("Deutsch"), QStringLiteral("한국어"),
                                QStringLiteral("繁體中文"), QStringLiteral("简体中文")};
        QStringList titles;
        for (QAction *item : items) {
            titles << item->text();
            const QFontMetrics metrics(item->font());
            for (const char32_t c : item->text().toUcs4())
                EXPECT_TRUE(metrics.inFontUcs4(c)) << item->text().toStdString() << " U+" << std::hex << uint(c);
        }
        for (const QString &name : names)
            EXPECT_TRUE(std::any_of(titles.cbegin(), titles.cend(), [&](const QString &t) { return t.startsWith(name); }))
                << name.toStdString() << " in " << titles.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(items.at(2)->font().families().value(0), QStringLiteral("Noto Sans CJK JP"));
        EXPECT_EQ(items.at(7)->font().families().value(0), QStringLiteral("Noto Sans CJK KR"));
    }
}

// Choosing German in the menu asks, stores the choice and asks for the relauncher; the program
// it starts again settles the language before anything else and comes back in German.
TEST(LanguageMenu, ChoosingALanguageRestartsTheProgramInIt)
{
    app();
    shelltest::setUserSetting(QStringLiteral("kAppCustomizeLanguage"), QVariant());
    shelltest::setUserSetting(QStringLiteral("AppleLanguages"), QVariant());
    {
        auto shell = DNLoadMainInterface();
        QString relauncher;
        QStringList arguments;
        bool terminated = false;
        shell->delegate.prompts().restartNow = [](QWidget *) { return true; };
        shell->delegate.prompts().startDetached = [&](const QString &program, const QStringList &args) {
            relauncher = program;
            arguments = args;
            return true;
        };
        shell->delegate.prompts().terminate = [&] { terminated = true; };
        shell->delegate.resetMenuBarItemCurrentName();
        shell->delegate.languageMenu()->actions().at(DNInterfaceLanguageCodes().indexOf(QStringLiteral("de")))->trigger();
        EXPECT_EQ(shelltest::userSetting(QStringLiteral("kAppCustomizeLanguage")).toString(), QStringLiteral("de"));
        EXPECT_EQ(relauncher, DNBundle::pathForCompanion(QStringLiteral("appRelauncher")));
        EXPECT_EQ(arguments.value(1), QString::number(QCoreApplication::applicationPid()));
        EXPECT_TRUE(terminated);
    }

    // The next start, on an English system.
    {
        QSettings settings(QStringLiteral("Harnvale"), QStringLiteral("Talvane"));
        configureApplicationLanguage(settings, {QStringLiteral("en")});
    }
    const QSettings settings(QStringLiteral("Harnvale"), QStringLiteral("Talvane"));
    const QString language = DNEffectiveInterfaceLanguage(settings, {QStringLiteral("en")});
    EXPECT_EQ(language, QStringLiteral("de"));
    {
        const InterfaceLanguage in(language);
        auto shell = DNLoadMainInterface();
        EXPECT_EQ(shell->controller.right_run_btn->text(), QStringLiteral("Konvertieren"));
        EXPECT_EQ(menuTitle(shell->ui.window->menuBar(), 1), QStringLiteral("Hilfe"));
    }
    shelltest::setUserSetting(QStringLiteral("kAppCustomizeLanguage"), QVariant());
}

} // namespace
