#pragma once

#include "convert/files/DNFileLoader.h"

#include <QObject>
#include <QPointer>

class DNFileLoaderSheet;
class QWidget;

// The window side of the file loader: the open panels, the progress sheet on the main window and
// the "Load Photo Failed!" alert. The loading itself is DNFileLoader's.
class DNFileLoaderController : public QObject
{
    Q_OBJECT
public:
    explicit DNFileLoaderController(QObject *parent = nullptr);
    ~DNFileLoaderController() override;

    DNFileLoader &loader() { return loader_; }
    DNFileLoaderSheet *panel() const { return sheet_; }

    // An open panel for several video files (the video extensions); on OK the load starts 0.3 s
    // later, once the panel is gone.
    void showVideoLoaderWithOpenPanel(QWidget *window, std::shared_ptr<NXAction> action);
    // Dropped files and files the system asks the program to open.
    void showVideoLoaderWithoutOpenPanel(QWidget *window, const QStringList &files, std::shared_ptr<NXAction> action);
    // The same for photo folders.
    void showPhotoLoaderWithOpenPanel(QWidget *window, std::shared_ptr<NXAction> action);
    void showPhotoLoaderWithoutOpenPanel(QWidget *window, const QStringList &folders, std::shared_ptr<NXAction> action);

    // A critical alert on the window: "Load Photo Failed!" with the description.
    void displayLoadPhotoFailedWarnning(const QString &description);
    // One alert on the window naming every file a video load left out, each with its reason.
    void displayFilesRefused(const QStringList &lines);
    // The same alert for files added another way (handed over by the system).
    static void displayFilesRefused(QWidget *window, const QStringList &lines);

private:
    void showLoadVideoProgress(const QStringList &paths);
    void showLoadPhotoPrgress(const QStringList &folders);
    void beginSheet();

    DNFileLoader loader_;
    DNFileLoaderSheet *sheet_ = nullptr;
    QPointer<QWidget> attachWindow_;
};
