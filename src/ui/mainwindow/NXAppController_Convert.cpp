// The Convert command and the conversion run: the checks before a batch, the batch loop on the
// progress sheet's worker thread (slideshows rendered, then converted as files), the one-second
// progress dictionary and the stop request.
#include "NXAppController.h"

#include "DNWindow.h"

#include "convert/driver/ConvertState.h"
#include "convert/driver/DNVideoConverter.h"
#include "core/platform/PlayerProcessRegistry.h"
#include "convert/slideshow/NXSlideshowConversion.h"
#include "core/log/DNLogger.h"
#include "core/settings/DNSetting.h"
#include "core/util/DNNameText.h"
#include "dvd/DNDVDGroupTitle.h"
#include "dvd/DNDVDNode.h"
#include "dvd/file/DNFileGroupNode.h"
#include "dvd/slideshow/DNGraphicsNode.h"
#include "profiles/DNProfileKind.h"
#include "profiles/DNProfileManager.h"
#include "ui/controls/DNAlertSheet.h"
#include "ui/progress/NXProgressController.h"
#include "ui/progress/NXProgressItemTimes.h"
#include "ui/scripting/NXAppleScriptHandle.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QThread>

#include <algorithm>
#include <typeinfo>

namespace {
// The whole-disc ISO backup needs no title.
constexpr int kISOBackupProfileID = 1000002;
constexpr int kEntryPauseMs = 100;

// Media files and file groups convert through the same driver as DVD titles, one run each.
bool isConvertibleFileEntry(const NXMediaNodePtr &entry)
{
    return entry && (typeid(*entry) == typeid(DNFileNode) || typeid(*entry) == typeid(DNFileGroupNode));
}

// A slideshow with photos converts through the movie the image-to-video engine renders of it.
bool isConvertibleSlideshow(const NXMediaNodePtr &entry)
{
    return entry && typeid(*entry) == typeid(DNGraphicsNode)
        && std::static_pointer_cast<DNGraphicsNode>(entry)->countOfPhotos() > 0;
}

bool isConvertibleEntry(const NXMediaNodePtr &entry)
{
    return isConvertibleFileEntry(entry) || isConvertibleSlideshow(entry);
}

// An entry as the progress sheet names it.
QString itemName(const NXMediaNodePtr &node)
{
    if (!node)
        return QString();
    if (const std::optional<QString> title = NXProgressNamesForNode(node.get()).currentTitle; title && !title->isEmpty())
        return *title;
    if (const auto dvd = std::dynamic_pointer_cast<DNDVDNode>(node))
        return dvd->sourceInfo() ? dvd->sourceInfo()->name() : QString();
    return QString();
}

int ConvertStateCallback(void *context, int code)
{
    static_cast<NXAppController *>(context)->convertStateChanged(code);
    return 0;
}

void showAlertSheet(QWidget *window, QMessageBox::Icon icon, const QString &message,
                    const QString &informative, const QString &button)
{
    DNOpenAlertSheet(window, icon, message, message, informative, button);
}
}

void NXAppController::onStartConvertClick()
{
    // A preview player must not hold the drive while titles are read.
    PlayerProcessRegistry::shared().killAll();
    if (!checkConvertSource()) {
        showNoSourceAlert();
        return;
    }
    if (!checkOutputFolder()) {
        showInvalidFolderAlert();
        return;
    }
    // An entry without a profile has no output to make: refused before any work, so that a
    // slideshow is not rendered for a minute only to fail.
    if (const QStringList missing = entriesWithoutProfile(); !missing.isEmpty()) {
        showNoProfileAlert(missing);
        return;
    }
    convertAfterOutputSpaceCheck();
}

bool NXAppController::checkConvertSource()
{
    if (mediaFiles->isEmpty())
        return false;
    // The list holds one kind of media, so its last entry tells the kind; a DVD group title is
    // not a DVD source. A list of other media needs one file, file group or slideshow.
    const NXMediaNodePtr &last = mediaFiles->last();
    if (!last || typeid(*last) != typeid(DNDVDNode))
        return std::any_of(mediaFiles->cbegin(), mediaFiles->cend(), isConvertibleEntry);
    for (const NXMediaNodePtr &entry : *mediaFiles) {
        if (const auto dvd = std::dynamic_pointer_cast<DNDVDNode>(entry);
            dvd && dvd->profile() && dvd->profile()->GlobalID() == kISOBackupProfileID)
            return true;
    }
    for (const NXMediaNodePtr &entry : *mediaFiles) {
        const auto dvd = std::dynamic_pointer_cast<DNDVDNode>(entry);
        if (!dvd)
            continue;
        for (const DNDVDTitlePtr &title : dvd->titles()) {
            if (title && title->isSelected())
                return true;
        }
    }
    return false;
}

QStringList NXAppController::entriesWithoutProfile() const
{
    QStringList names;
    for (const NXMediaNodePtr &entry : *mediaFiles) {
        if (isConvertibleFileEntry(entry)) {
            if (!std::static_pointer_cast<DNFileNode>(entry)->profile())
                names << itemName(entry);
        } else if (isConvertibleSlideshow(entry)) {
            if (!std::static_pointer_cast<DNGraphicsNode>(entry)->profile())
                names << itemName(entry);
        } else if (const auto dvd = std::dynamic_pointer_cast<DNDVDNode>(entry)) {
            const bool runs = std::any_of(dvd->titles().cbegin(), dvd->titles().cend(),
                                          [](const DNDVDTitlePtr &title) { return title && title->isSelected(); });
            if (runs && !dvd->profile())
                names << itemName(dvd);
        }
    }
    return names;
}

void NXAppController::showNoProfileAlert(const QStringList &entries)
{
    showAlertSheet(mainWindow, QMessageBox::Warning, tr("No output format!"),
                   tr("Choose an output format for these items:") + QLatin1Char('\n') + entries.join(QLatin1Char('\n')),
                   tr("OK"));
}

bool NXAppController::checkOutputFolder()
{
    const QFileInfo folder(DNSetting::shareSetting().appSetting()->videoOutputDirectory());
    // A path the engines cannot take is as unusable as a missing folder. A folder that is there
    // under a name that is not text passes: the run refuses it, and its sheet names what to rename.
    return !folder.filePath().isEmpty() && DNIsFolderOnDisk(folder.filePath())
        && outputFolderFitsEngines(folder.filePath());
}

void NXAppController::showNoSourceAlert()
{
    showAlertSheet(mainWindow, QMessageBox::Warning, tr("No video source!"),
                   tr("Please load a DVD disc, add video clips or photos folder."), tr("OK"));
}

// This alert's texts, its button too, stay in English in every interface language.
void NXAppController::showInvalidFolderAlert()
{
    showAlertSheet(mainWindow, QMessageBox::Critical, QStringLiteral("Invalid Output Directory!"),
                   QStringLiteral("The destination folder you specified is an invalid path! You must "
                                  "specify a valid directory name."),
                   QStringLiteral("OK"));
}

void NXAppController::startConvertProgressView()
{
    // Owned by the window, as the sheet it shows is: both go when the window goes.
    if (!progressController)
        progressController = new NXProgressController(mainWindow ? static_cast<QObject *>(mainWindow.data()) : this);
    startConvert();
}

void NXAppController::startConvert()
{
    // The batch works on the entries as they are now; the sheet keeps the list from changing
    // while it is open, and the worker never reads the shared array itself.
    batch_ = *mediaFiles;
    // A batch that begins with a slideshow opens on the photo face.
    const auto first = std::find_if(batch_.cbegin(), batch_.cend(),
                                    [](const NXMediaNodePtr &entry) { return isConvertibleEntry(entry); });
    const bool photoFace = first != batch_.cend() && isConvertibleSlideshow(*first);
    progressController->showWithInWindow(
        mainWindow,
        [](QObject *target) { static_cast<NXAppController *>(target)->convertVideos(); },
        [](QObject *target) { return static_cast<NXAppController *>(target)->updaterConvert(); },
        [](QObject *target) { static_cast<NXAppController *>(target)->interruptConvert(); },
        photoFace, this);
}

int NXAppController::countConversions() const
{
    int count = 0;
    for (const NXMediaNodePtr &entry : batch_) {
        if (const auto dvd = std::dynamic_pointer_cast<DNDVDNode>(entry)) {
            for (const DNDVDTitlePtr &title : dvd->titles())
                count += title && title->isSelected() ? 1 : 0;
        }
        count += isConvertibleEntry(entry) ? 1 : 0;
    }
    return count;
}

bool NXAppController::convertSlideshow(const NXMediaNodePtr &entry, QStringList &outputs)
{
    const auto slideshow = std::static_pointer_cast<DNGraphicsNode>(entry);
    if (slideshow->profile())
        DNProfileManager::profileManager().addRecentUseProfile(slideshow->profile().get(), DNProfileKindVideo);
    NXProgressController *sheet = progressController;
    sheet->setInfoWithNode(entry);
    QMetaObject::invokeMethod(sheet, [sheet] { sheet->showPhotos2VideoView(); }, Qt::QueuedConnection);
    const auto engine = std::make_shared<NXImageEngine>();
    {
        std::lock_guard<std::mutex> guard(imageEngineLock_);
        imageEngine_ = engine;
    }
    converting_ = true;
    ConvertFailureReason failure;
    NXSlideshowConversionSteps steps;
    steps.rendered = [this, sheet, slideshow] {
        {
            std::lock_guard<std::mutex> guard(imageEngineLock_);
            imageEngine_.reset();
        }
        // The sheet follows the movie's conversion under the slideshow's name, with the rendered
        // movie's length.
        sheet->setConvertingNode(slideshow);
        QMetaObject::invokeMethod(sheet, [sheet] { sheet->showConvertViewView(); }, Qt::QueuedConnection);
    };
    steps.stopped = [this] { return stopRequested_.load(); };
    const int result = NXConvertSlideshowItem(*slideshow, *engine, ConvertStateCallback, this, steps, &failure);
    {
        std::lock_guard<std::mutex> guard(imageEngineLock_);
        imageEngine_.reset();
    }
    sheet->setStartConvertFailed(result < 0 && result != ConvertResultStopped);
    if (result != 0 && result != ConvertResultStopped)
        sheet->reportConvertFailure(itemName(entry), failure);
    if (result < 0)
        return false;
    if (result == 0) {
        outputs.append(slideshow->fileNode()->outputName());
        sheet->reportConvertOutput(outputs.last());
    }
    return true;
}

void NXAppController::convertVideos()
{
    converting_ = false;
    progressController->setTotalConvertCount(countConversions());
    QStringList outputs;

    // Runs one conversion; false ends the batch (refused, failed or stopped). An engine's own
    // failure (a result above 0) ends only its item; every failure is named when the sheet ends.
    auto runOne = [&](const NXMediaNodePtr &shown, NXBasicMediaNode *node, int titleIndex,
                      const std::function<QString()> &outputName) {
        progressController->setInfoWithNode(shown);
        const int result = DNVideoConverterStart(node, titleIndex, ConvertStateCallback, this);
        // A stopped conversion did not fail to start; it ends the batch all the same.
        progressController->setStartConvertFailed(result < 0 && result != ConvertResultStopped);
        if (result != 0 && result != ConvertResultStopped)
            progressController->reportConvertFailure(itemName(shown), DNVideoConverterFailureReason());
        if (result < 0)
            return false;
        if (result == 0) {
            outputs.append(outputName());
            progressController->reportConvertOutput(outputs.last());
        }
        return true;
    };

    bool batchEnded = false;
    const NXMediaList batch = batch_;
    for (const NXMediaNodePtr &entry : batch) {
        if (stopRequested_) {
            endConvert();
            return;
        }
        if (isConvertibleFileEntry(entry)) {
            const auto file = std::static_pointer_cast<DNFileNode>(entry);
            if (file->profile())
                DNProfileManager::profileManager().addRecentUseProfile(file->profile().get(), DNProfileKindVideo);
            converting_ = true;
            // A group has no title of its own; a file is its own only title.
            const int titleIndex = typeid(*entry) == typeid(DNFileGroupNode) ? -1 : 0;
            if (!runOne(entry, file.get(), titleIndex, [&file] { return file->outputName(); }))
                break;
            QThread::msleep(kEntryPauseMs);
            continue;
        }
        if (isConvertibleSlideshow(entry)) {
            if (!convertSlideshow(entry, outputs))
                break;
            QThread::msleep(kEntryPauseMs);
            continue;
        }
        const auto dvd = std::dynamic_pointer_cast<DNDVDNode>(entry);
        if (!dvd) {
            // The Convert command's checks keep other media out of a batch (a slideshow without
            // photos has nothing to render).
            converting_ = false;
            DNRoughLog(QStringLiteral("the kind of %s node type, it should NOT come here.."),
                       typeid(*entry).name());
            QThread::msleep(kEntryPauseMs);
            continue;
        }
        if (dvd->profile())
            DNProfileManager::profileManager().addRecentUseProfile(dvd->profile().get(), DNProfileKindDVD);
        converting_ = true;
        if (dvd->mergeIntoOne()) {
            const auto group = DNDVDGroupTitle::dvdGroupTitleWithDVDNode(dvd);
            if (!group)
                progressController->reportConvertFailure(itemName(dvd), ConvertFailureKind::TitlesCannotBeJoined);
            batchEnded = !group
                || !runOne(group, group.get(), -1, [&group] { return group->outputName(); });
        } else {
            const QList<DNDVDTitlePtr> titles = dvd->titles();
            for (int index = 0; index < titles.size() && !batchEnded; ++index) {
                if (stopRequested_)
                    break;
                const DNDVDTitlePtr &title = titles.at(index);
                if (!title || !title->isSelected())
                    continue;
                batchEnded = !runOne(title, dvd.get(), index, [&title] { return title->outputName(); });
            }
        }
        if (batchEnded)
            break;
        QThread::msleep(kEntryPauseMs);
    }

    if (!stopRequested_ && DNSetting::shareSetting().appSetting()->isAdd2iTunesLib()) {
        QThread *copy = QThread::create([this, outputs] { addToAppleiTunesThread(outputs); });
        QObject::connect(copy, &QThread::finished, copy, &QObject::deleteLater);
        copy->start();
    }
    endConvert();
}

std::optional<QVariantMap> NXAppController::updaterConvert()
{
    if (!converting_)
        return std::nullopt;
    std::shared_ptr<NXImageEngine> engine;
    {
        std::lock_guard<std::mutex> guard(imageEngineLock_);
        engine = imageEngine_;
    }
    if (engine) {
        return QVariantMap{
            {QStringLiteral("EncodeCategory"), 0},
            {QStringLiteral("currentFrame"), engine->currentFrame()},
            {QStringLiteral("totalFrames"), engine->totalFrames()},
            {QStringLiteral("currentImage"), engine->currentImagePath().value_or(QString())},
        };
    }
    ConvertProgressInfo info;
    DNVideoConverterProgress(&info);
    return QVariantMap{
        {QStringLiteral("EncodeCategory"), 2},
        {QStringLiteral("currentFPS"), info.speed},
        {QStringLiteral("frame_number"), info.frame},
        {QStringLiteral("convertedTime"), info.time},
        {QStringLiteral("current_percent"), info.percent},
    };
}

void NXAppController::interruptConvert()
{
    stopRequested_ = true;
    {
        std::lock_guard<std::mutex> guard(imageEngineLock_);
        if (imageEngine_)
            imageEngine_->stopEncoding();
    }
    if (converting_)
        DNVideoConverterStop();
}

void NXAppController::endConvert()
{
    stopRequested_ = false;
    converting_ = false;
    batch_.clear();
    Q_EMIT conversionRunEnded();
}

void NXAppController::convertStateChanged(int code)
{
    if (progressController)
        progressController->converterStateDidChanged(code);
}

QStringList NXAppController::outputsForMediaLibrary(const QStringList &outputs)
{
    QStringList files;
    for (const QString &path : outputs) {
        if ((path.endsWith(QLatin1String("mp4")) || path.endsWith(QLatin1String("m4v")))
            && QFileInfo(path).isFile())
            files.append(path);
    }
    return files;
}

void NXAppController::addToAppleiTunesThread(const QStringList &outputs)
{
    NXAppleScriptHandle::copyMediaFile2iTunes(outputsForMediaLibrary(outputs));
}
