#pragma once

#include <QDateTime>
#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

// The preferences sheet: output and snapshot folders, what happens when a batch is done, how
// often the update check runs, and the default audio language. Every value lives in the
// settings object's application record; the sheet edits that record at once (there is no
// Cancel), except the audio language, which is stored when Done is pressed. The record is
// saved with the settings.
//
// The class methods read the same values without an instance and keep the update-check
// schedule (the time of the last started check in the user settings, and whether one is due).
class NXMainSettingController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList defaultAudioLangValus READ defaultAudioLangValus CONSTANT)
    Q_PROPERTY(QString videoOutputFolderPath READ videoOutputFolderPath NOTIFY videoOutputFolderPathChanged)
    Q_PROPERTY(QString snapshotOutputFolderPath READ snapshotOutputFolderPath NOTIFY snapshotOutputFolderPathChanged)
    Q_PROPERTY(bool isShutdownWhenDone READ isShutdownWhenDone WRITE setIsShutdownWhenDone)
    Q_PROPERTY(bool isOpenFolderWhenDone READ isOpenFolderWhenDone WRITE setIsOpenFolderWhenDone)
    Q_PROPERTY(bool isAdd2iTunesLib READ isAdd2iTunesLib WRITE setIsAdd2iTunesLib)
    Q_PROPERTY(int checkUpdateMode READ checkUpdateMode WRITE setCheckUpdateMode)
    Q_PROPERTY(int audioIndex READ audioIndex WRITE setAudioIndex)

public:
    // User-settings key of the last started update check.
    static const QString lastCheckKey; // "global_check_update_time"

    explicit NXMainSettingController(QObject *parent = nullptr);
    ~NXMainSettingController() override;

    // The language names shown (a new list at each call) and the names stored, row by row.
    QStringList defaultAudioLangValus() const;
    static const QStringList &storedAudioLanguages();

    // Shows the sheet on window with the record's audio language selected (row 0 for a name
    // outside the list).
    void showSettingPanelAttench2Window(QWidget *window);
    // Done: stores the audio language, then ends the sheet.
    void settingDone();
    void onAppSettingDone();

    // The Choose buttons: a folder panel on the preferences sheet; the end steps store a
    // writable chosen folder (returnCode 1), refuse an unwritable one with an alert, and leave
    // the setting unchanged otherwise. A new output folder is also shown in the main window
    // (the delegate's resetMainAppViewVideoOutputFolder, when it has one).
    void setVideoOutputFolder();
    void setSnapshotOutputFolder();
    void chooseVideoFolderDidEnd(int returnCode, const QString &path);
    void chooseSnapshotFolderDidEnd(int returnCode, const QString &path);
    // The Open buttons: the folder in the file manager.
    void openVideoOutputFolder();
    void openSnapshotOutputFolder();

    QString videoOutputFolderPath() const;
    QString snapshotOutputFolderPath() const;
    bool isShutdownWhenDone() const;
    void setIsShutdownWhenDone(bool on);
    bool isOpenFolderWhenDone() const;
    void setIsOpenFolderWhenDone(bool on);
    bool isAdd2iTunesLib() const;
    void setIsAdd2iTunesLib(bool on);
    // 0 at every start, 1 daily, 2 weekly, 3 monthly, 4 never.
    int checkUpdateMode() const;
    void setCheckUpdateMode(int mode);
    int audioIndex() const { return audioIndex_; }
    void setAudioIndex(int index) { audioIndex_ = index; }

    QDialog *settingPanel() const { return settingPanel_; }
    QObject *delegate() const { return mainAppController_; }
    void setDelegate(QObject *delegate) { mainAppController_ = delegate; }

    // The sheet's controls.
    QLineEdit *videoFolderField() const { return videoFolderField_; }
    QLineEdit *snapshotFolderField() const { return snapshotFolderField_; }
    QCheckBox *shutdownCheck() const { return shutdownCheck_; }
    QCheckBox *openFolderCheck() const { return openFolderCheck_; }
    QCheckBox *add2LibraryCheck() const { return add2LibraryCheck_; }
    QComboBox *updateModeChoice() const { return updateModeChoice_; }
    QComboBox *audioLanguageChoice() const { return audioLanguageChoice_; }
    QPushButton *doneButton() const { return doneButton_; }

    // ---- class methods
    static bool shutdownWhenConvert();
    static bool openFolderWithConvert();
    static bool add2iTunesLib();
    static int checkUpdateModeValue();
    // The last started check; 10 s after the start of 1970 (UTC) when there was none.
    static QDateTime lastCheckUpdateTime();
    static void setLastCheckUpdateTime(const QDateTime &time);
    static void updateCheckUpdateTime();
    static bool needToCheckUpdate();
    // Due when the mode's calendar unit (1 day, 2 week of the year, 3 month) differs between
    // the last check and now; never for 4; always for any other mode.
    static bool needToCheckUpdate(int mode, const QDateTime &lastCheck, const QDateTime &now);

Q_SIGNALS:
    void videoOutputFolderPathChanged();
    void snapshotOutputFolderPathChanged();

private:
    void buildPanel();
    void refreshControls();

    QPointer<QDialog> settingPanel_;
    QPointer<QObject> mainAppController_;
    int audioIndex_ = 0;
    QLineEdit *videoFolderField_ = nullptr;
    QLineEdit *snapshotFolderField_ = nullptr;
    QCheckBox *shutdownCheck_ = nullptr;
    QCheckBox *openFolderCheck_ = nullptr;
    QCheckBox *add2LibraryCheck_ = nullptr;
    QComboBox *updateModeChoice_ = nullptr;
    QComboBox *audioLanguageChoice_ = nullptr;
    QPushButton *doneButton_ = nullptr;
};
