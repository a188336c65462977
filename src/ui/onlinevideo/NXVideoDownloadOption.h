#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QStringList>

class NXSegmentedControl;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The online-video download options sheet: preferred format and resolution, target folder,
// speed limit, what to do when downloads finish, and an optional proxy. Every choice goes into
// the settings' download record at once (saved with the settings); the proxy address and port
// only at Done, and only when they are usable while the proxy is on (else a warning picture
// shows and the sheet stays). Main thread only.
class NXVideoDownloadOption : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList formatsList READ formatsList NOTIFY formatsListChanged)
    Q_PROPERTY(QStringList resolutionsList READ resolutionsList NOTIFY resolutionsListChanged)
    Q_PROPERTY(QString selectedFormat READ selectedFormat WRITE setSelectedFormat)
    Q_PROPERTY(QString selectedResolution READ selectedResolution WRITE setSelectedResolution)
public:
    // The sheet's heights with and without the proxy fields, and how far below the top of its
    // window it hangs.
    static constexpr int kHeightWithProxy = 300;
    static constexpr int kHeightWithoutProxy = 275;
    static constexpr int kBelowWindowTop = 22;
    // enableProxy's segments.
    enum { ProxyOn = 0, ProxyOff = 1 };

    explicit NXVideoDownloadOption(QObject *parent = nullptr);
    ~NXVideoDownloadOption() override;

    // ------------------------------------------------------------------ outlets
    QPointer<QDialog> optionPanel;
    QPointer<QLineEdit> targetFolderField;
    QPointer<QLineEdit> proxyAddress;
    QPointer<QLineEdit> proxyPort;
    QPointer<QCheckBox> speed;
    QPointer<QCheckBox> shutdown;
    QPointer<QCheckBox> openTarget;
    QPointer<QWidget> optionalBox;
    QPointer<NXSegmentedControl> enableProxy;
    QPointer<QLabel> wrongNotice;
    QPointer<QPushButton> done;
    QPointer<QPushButton> browseButton;        // brower2Selected
    QPointer<QComboBox> formatPopUp;           // bound to selectedFormat
    QPointer<QComboBox> resolutionPopUp;       // bound to selectedResolution
    QPointer<QWidget> currentWindow;

    QStringList formatsList() const { return formatsList_; }
    QStringList resolutionsList() const { return resolutionsList_; }

    // Fills the controls from the settings and shows the sheet on window.
    void displayPanelWithWindow(QWidget *window);
    void sheetDidEnd(int returnCode);
    void doneSetting();
    // A folder chooser on the sheet; its choice becomes the target folder.
    void brower2Selected();
    void targetOpenPanelDidEnd(int returnCode, const QString &path);

    QString selectedFormat() const;
    void setSelectedFormat(const QString &format);
    QString selectedResolution() const;
    void setSelectedResolution(const QString &resolution);

    void speedLimitedChanged(QAbstractButton *sender);
    void openTargetChanged(QAbstractButton *sender);
    void shutdownChanged(QAbstractButton *sender);
    // Stores the proxy switch and shows or hides the proxy fields, the sheet growing or
    // shrinking (animated) to its height for them.
    void enableProxyChanged();

    // The sheet's frame for the proxy state: its present x and width, its height for the state,
    // its top kBelowWindowTop below the top of currentWindow.
    QRect panelFrameForProxy(bool enabled) const;

    // A proxy port text's number as the settings read it: leading blanks, a sign and the
    // digits that follow ("8080" and " 8080x" give 8080, "abc" and "" give 0).
    static int portValue(const QString &text);
    // Whether the proxy address and port may be stored while the proxy is on.
    static bool isUsableProxy(const QString &address, const QString &port);

Q_SIGNALS:
    void formatsListChanged();
    void resolutionsListChanged();

private:
    void buildPanel();
    void setChoiceLists();
    void fillControls();

    QStringList formatsList_;
    QStringList resolutionsList_;
};
