#include "NXMainSettingController.h"

#include "NXFolderChoice.h"

#include "core/settings/DNSetting.h"
#include "ui/controls/DNReadOnlyPathField.h"
#include "core/util/DNSystemActions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

const QString NXMainSettingController::lastCheckKey = QStringLiteral("global_check_update_time");

namespace {

std::shared_ptr<DNAppSetting> record()
{
    return DNSetting::shareSetting().appSetting();
}

const QString kOrganisation = QStringLiteral("Harnvale");
const QString kApplication = QStringLiteral("Talvane");

// The titles of the update-check modes 0 to 4, in mode order.
const char *const kUpdateModes[] = {
    QT_TRANSLATE_NOOP("NXMainSettingController", "At every start"),
    QT_TRANSLATE_NOOP("NXMainSettingController", "Daily"),
    QT_TRANSLATE_NOOP("NXMainSettingController", "Weekly"),
    QT_TRANSLATE_NOOP("NXMainSettingController", "Monthly"),
    QT_TRANSLATE_NOOP("NXMainSettingController", "Never"),
};

QPushButton *smallButton(const QString &title, QWidget *parent)
{
    auto *button = new QPushButton(title, parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace

NXMainSettingController::NXMainSettingController(QObject *parent) : QObject(parent)
{
    buildPanel();
}

NXMainSettingController::~NXMainSettingController()
{
    delete settingPanel_.data();
}

QStringList NXMainSettingController::defaultAudioLangValus() const
{
    return {QStringLiteral("中文"),     QStringLiteral("Deutsch"),   QStringLiteral("English"),
            QStringLiteral("Espanol"),  QStringLiteral("française"), QStringLiteral("italiana"),
            QStringLiteral("한국어"),   QStringLiteral("Latin"),     QStringLiteral("Português"),
            QStringLiteral("Русский"),  QStringLiteral("ภาษาไทย"),   QStringLiteral("日本語")};
}

const QStringList &NXMainSettingController::storedAudioLanguages()
{
    static const QStringList stored = {
        QStringLiteral("Chinese"),  QStringLiteral("Deutsch"),  QStringLiteral("English"), QStringLiteral("Espanol"),
        QStringLiteral("Francais"), QStringLiteral("Italiano"), QStringLiteral("Korean"),  QStringLiteral("Latin"),
        QStringLiteral("Portugues"), QStringLiteral("Russian"), QStringLiteral("Thai"),    QStringLiteral("Japanese")};
    return stored;
}

void NXMainSettingController::buildPanel()
{
    settingPanel_ = new QDialog;
    settingPanel_->setObjectName(QStringLiteral("MainSetting"));
    settingPanel_->setWindowTitle(tr("Preferences"));
    settingPanel_->setWindowModality(Qt::WindowModal);
    auto *layout = new QVBoxLayout(settingPanel_);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(12);

    auto *folders = new QGroupBox(tr("Folders"), settingPanel_);
    auto *folderGrid = new QFormLayout(folders);
    folderGrid->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    const auto folderRow = [&](const QString &label, QLineEdit *&field, void (NXMainSettingController::*choose)(),
                               void (NXMainSettingController::*open)()) {
        auto *row = new QHBoxLayout;
        field = DNReadOnlyPathField(folders);
        field->setMinimumWidth(300);
        row->addWidget(field, 1);
        QPushButton *chooseButton = smallButton(tr("Choose..."), folders);
        QPushButton *openButton = smallButton(tr("Open"), folders);
        connect(chooseButton, &QPushButton::clicked, this, choose);
        connect(openButton, &QPushButton::clicked, this, open);
        row->addWidget(chooseButton);
        row->addWidget(openButton);
        folderGrid->addRow(label, row);
    };
    folderRow(tr("Output folder:"), videoFolderField_, &NXMainSettingController::setVideoOutputFolder,
              &NXMainSettingController::openVideoOutputFolder);
    folderRow(tr("Snapshot folder:"), snapshotFolderField_, &NXMainSettingController::setSnapshotOutputFolder,
              &NXMainSettingController::openSnapshotOutputFolder);
    layout->addWidget(folders);

    auto *done = new QGroupBox(tr("When a conversion is done"), settingPanel_);
    auto *doneLayout = new QVBoxLayout(done);
    shutdownCheck_ = new QCheckBox(tr("Shut down the computer"), done);
    openFolderCheck_ = new QCheckBox(tr("Open the output folder"), done);
    add2LibraryCheck_ = new QCheckBox(tr("Add MP4 and M4V files to the video library"), done);
    for (QCheckBox *check : {shutdownCheck_, openFolderCheck_, add2LibraryCheck_})
        doneLayout->addWidget(check);
    connect(shutdownCheck_, &QCheckBox::toggled, this, &NXMainSettingController::setIsShutdownWhenDone);
    connect(openFolderCheck_, &QCheckBox::toggled, this, &NXMainSettingController::setIsOpenFolderWhenDone);
    connect(add2LibraryCheck_, &QCheckBox::toggled, this, &NXMainSettingController::setIsAdd2iTunesLib);
    layout->addWidget(done);

    auto *general = new QGroupBox(tr("General"), settingPanel_);
    auto *generalForm = new QFormLayout(general);
    updateModeChoice_ = new QComboBox(general);
    for (const char *mode : kUpdateModes)
        updateModeChoice_->addItem(tr(mode));
    connect(updateModeChoice_, &QComboBox::activated, this, &NXMainSettingController::setCheckUpdateMode);
    generalForm->addRow(tr("Check for updates:"), updateModeChoice_);
    audioLanguageChoice_ = new QComboBox(general);
    audioLanguageChoice_->addItems(defaultAudioLangValus());
    connect(audioLanguageChoice_, &QComboBox::activated, this, &NXMainSettingController::setAudioIndex);
    generalForm->addRow(tr("Default audio language:"), audioLanguageChoice_);
    layout->addWidget(general);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    doneButton_ = new QPushButton(tr("Done"), settingPanel_);
    doneButton_->setDefault(true);
    connect(doneButton_, &QPushButton::clicked, this, &NXMainSettingController::settingDone);
    buttons->addWidget(doneButton_);
    layout->addLayout(buttons);

    connect(this, &NXMainSettingController::videoOutputFolderPathChanged, this, &NXMainSettingController::refreshControls);
    connect(this, &NXMainSettingController::snapshotOutputFolderPathChanged, this, &NXMainSettingController::refreshControls);
}

void NXMainSettingController::refreshControls()
{
    videoFolderField_->setText(videoOutputFolderPath());
    snapshotFolderField_->setText(snapshotOutputFolderPath());
    const QSignalBlocker a(shutdownCheck_), b(openFolderCheck_), c(add2LibraryCheck_);
    shutdownCheck_->setChecked(isShutdownWhenDone());
    openFolderCheck_->setChecked(isOpenFolderWhenDone());
    add2LibraryCheck_->setChecked(isAdd2iTunesLib());
    const int mode = checkUpdateMode();
    updateModeChoice_->setCurrentIndex(mode >= 0 && mode <= 4 ? mode : 0);
    audioLanguageChoice_->setCurrentIndex(audioIndex_);
}

void NXMainSettingController::showSettingPanelAttench2Window(QWidget *window)
{
    audioIndex_ = qMax(0, int(storedAudioLanguages().indexOf(record()->audioLanguage())));
    refreshControls();
    if (window && settingPanel_->parentWidget() != window)
        settingPanel_->setParent(window, settingPanel_->windowFlags() | Qt::Dialog);
    settingPanel_->setWindowModality(Qt::WindowModal);
    settingPanel_->open();
}

void NXMainSettingController::settingDone()
{
    onAppSettingDone();
    settingPanel_->done(QDialog::Accepted);
}

void NXMainSettingController::onAppSettingDone()
{
    const QStringList &stored = storedAudioLanguages();
    record()->setAudioLanguage(stored.value(audioIndex_, stored.first()));
}

void NXMainSettingController::setVideoOutputFolder()
{
    NXBeginFolderPanel(settingPanel_, QString(), [this](int returnCode, const QString &path) {
        chooseVideoFolderDidEnd(returnCode, path);
    });
}

void NXMainSettingController::setSnapshotOutputFolder()
{
    NXBeginFolderPanel(settingPanel_, QString(), [this](int returnCode, const QString &path) {
        chooseSnapshotFolderDidEnd(returnCode, path);
    });
}

void NXMainSettingController::chooseVideoFolderDidEnd(int returnCode, const QString &path)
{
    if (returnCode != 1 || !NXAcceptChosenFolder(settingPanel_, path))
        return;
    record()->setVideoOutputDirectory(path);
    Q_EMIT videoOutputFolderPathChanged();
    // The main window shows the new folder at once, while the sheet stays open.
    QObject *owner = mainAppController_;
    if (owner && owner->metaObject()->indexOfMethod("resetMainAppViewVideoOutputFolder()") >= 0)
        QMetaObject::invokeMethod(owner, "resetMainAppViewVideoOutputFolder", Qt::QueuedConnection);
}

void NXMainSettingController::chooseSnapshotFolderDidEnd(int returnCode, const QString &path)
{
    if (returnCode != 1 || !NXAcceptChosenFolder(settingPanel_, path))
        return;
    record()->setSnapshotDirectory(path);
    Q_EMIT snapshotOutputFolderPathChanged();
}

void NXMainSettingController::openVideoOutputFolder()
{
    DNOpenFolderInFinder(videoOutputFolderPath());
}

void NXMainSettingController::openSnapshotOutputFolder()
{
    DNOpenFolderInFinder(snapshotOutputFolderPath());
}

QString NXMainSettingController::videoOutputFolderPath() const
{
    return record()->videoOutputDirectory();
}

QString NXMainSettingController::snapshotOutputFolderPath() const
{
    return record()->snapshotDirectory();
}

bool NXMainSettingController::isShutdownWhenDone() const
{
    return record()->isShutdowWhenDone();
}

void NXMainSettingController::setIsShutdownWhenDone(bool on)
{
    record()->setIsShutdowWhenDone(on);
}

bool NXMainSettingController::isOpenFolderWhenDone() const
{
    return record()->isOpenFolderWhenDone();
}

void NXMainSettingController::setIsOpenFolderWhenDone(bool on)
{
    record()->setIsOpenFolderWhenDone(on);
}

bool NXMainSettingController::isAdd2iTunesLib() const
{
    return record()->isAdd2iTunesLib();
}

void NXMainSettingController::setIsAdd2iTunesLib(bool on)
{
    record()->setIsAdd2iTunesLib(on);
}

int NXMainSettingController::checkUpdateMode() const
{
    return record()->updateCheckMode();
}

void NXMainSettingController::setCheckUpdateMode(int mode)
{
    record()->setUpdateCheckMode(mode);
}

// ---------------------------------------------------------------------- class methods

bool NXMainSettingController::shutdownWhenConvert()
{
    return record()->isShutdowWhenDone();
}

bool NXMainSettingController::openFolderWithConvert()
{
    return record()->isOpenFolderWhenDone();
}

bool NXMainSettingController::add2iTunesLib()
{
    return record()->isAdd2iTunesLib();
}

int NXMainSettingController::checkUpdateModeValue()
{
    return record()->updateCheckMode();
}

QDateTime NXMainSettingController::lastCheckUpdateTime()
{
    const QSettings settings(kOrganisation, kApplication);
    const QDateTime stored = settings.value(lastCheckKey).toDateTime();
    if (stored.isValid())
        return stored;
    return QDateTime::fromSecsSinceEpoch(10, Qt::UTC);
}

void NXMainSettingController::setLastCheckUpdateTime(const QDateTime &time)
{
    QSettings settings(kOrganisation, kApplication);
    settings.setValue(lastCheckKey, time);
    settings.sync();
}

void NXMainSettingController::updateCheckUpdateTime()
{
    setLastCheckUpdateTime(QDateTime::currentDateTime());
}

bool NXMainSettingController::needToCheckUpdate()
{
    return needToCheckUpdate(checkUpdateModeValue(), lastCheckUpdateTime(), QDateTime::currentDateTime());
}

bool NXMainSettingController::needToCheckUpdate(int mode, const QDateTime &lastCheck, const QDateTime &now)
{
    if (mode == 4)
        return false;
    if (mode < 1 || mode > 3)
        return true;
    // Both dates in local time, as the user's calendar counts days, weeks and months.
    const QDate last = lastCheck.toLocalTime().date();
    const QDate today = now.toLocalTime().date();
    switch (mode) {
    case 1:
        return last != today;
    case 2:
        // The week number alone, without its year: the same week of another year is not due.
        return last.weekNumber() != today.weekNumber();
    default:
        return last.year() != today.year() || last.month() != today.month();
    }
}
