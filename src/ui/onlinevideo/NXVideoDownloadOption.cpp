#include "NXVideoDownloadOption.h"

#include "core/settings/DNSetting.h"
#include "ui/controls/DNImageNamed.h"
#include "ui/controls/DNReadOnlyPathField.h"
#include "ui/controls/NXSegmentedControl.h"
#include "ui/prefs/NXFolderChoice.h"
#include "ui/transition/NXScreenPlacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace {

std::shared_ptr<NXVideoDownloadSetting> record()
{
    return DNSetting::shareSetting().downloadSetting();
}

// The panel waits this long after it is shown before it takes its height.
constexpr int kTakeHeightDelayMs = 500;
constexpr int kResizeAnimationMs = 200;

const char *const kHighestDefinition = QT_TRANSLATE_NOOP("NXVideoDownloadOption", "Highest Definition");

QString textOf(const QLineEdit *field)
{
    return field ? field->text() : QString();
}

} // namespace

NXVideoDownloadOption::NXVideoDownloadOption(QObject *parent) : QObject(parent)
{
    buildPanel();
}

NXVideoDownloadOption::~NXVideoDownloadOption()
{
    delete optionPanel.data();
}

void NXVideoDownloadOption::buildPanel()
{
    optionPanel = new QDialog;
    optionPanel->setObjectName(QStringLiteral("NXVideoDownloadOption"));
    optionPanel->setWindowTitle(tr("Download Options"));
    optionPanel->setWindowModality(Qt::WindowModal);
    auto *layout = new QVBoxLayout(optionPanel);
    // The panel's height is set from outside (with or without the proxy fields): the layout
    // must not hold it to its own idea of a minimum.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->setContentsMargins(16, 12, 16, 10);
    layout->setSpacing(6);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    formatPopUp = new QComboBox(optionPanel);
    resolutionPopUp = new QComboBox(optionPanel);
    grid->addWidget(new QLabel(tr("Format:"), optionPanel), 0, 0);
    grid->addWidget(formatPopUp, 0, 1);
    grid->addWidget(new QLabel(tr("Resolution:"), optionPanel), 0, 2);
    grid->addWidget(resolutionPopUp, 0, 3);
    connect(formatPopUp, &QComboBox::activated, this,
            [this](int) { setSelectedFormat(formatPopUp->currentData().toString()); });
    connect(resolutionPopUp, &QComboBox::activated, this,
            [this](int) { setSelectedResolution(resolutionPopUp->currentData().toString()); });

    targetFolderField = DNReadOnlyPathField(optionPanel);
    targetFolderField->setMinimumWidth(280);
    browseButton = new QPushButton(tr("Browse..."), optionPanel);
    browseButton->setAutoDefault(false);
    connect(browseButton, &QPushButton::clicked, this, &NXVideoDownloadOption::brower2Selected);
    grid->addWidget(new QLabel(tr("Save to:"), optionPanel), 1, 0);
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(targetFolderField, 1);
    folderRow->addWidget(browseButton);
    grid->addLayout(folderRow, 1, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);

    speed = new QCheckBox(tr("Limit the download speed"), optionPanel);
    openTarget = new QCheckBox(tr("Open the target folder when downloads finish"), optionPanel);
    shutdown = new QCheckBox(tr("Shut down the computer when downloads finish"), optionPanel);
    const struct
    {
        QCheckBox *box;
        void (NXVideoDownloadOption::*changed)(QAbstractButton *);
    } checks[] = {
        {speed, &NXVideoDownloadOption::speedLimitedChanged},
        {openTarget, &NXVideoDownloadOption::openTargetChanged},
        {shutdown, &NXVideoDownloadOption::shutdownChanged},
    };
    for (const auto &check : checks) {
        layout->addWidget(check.box);
        connect(check.box, &QCheckBox::toggled, this, [this, check] { (this->*check.changed)(check.box); });
    }

    auto *proxyRow = new QHBoxLayout;
    proxyRow->addWidget(new QLabel(tr("Proxy:"), optionPanel));
    enableProxy = new NXSegmentedControl({tr("On"), tr("Off")}, optionPanel);
    connect(enableProxy, &NXSegmentedControl::segmentChanged, this, &NXVideoDownloadOption::enableProxyChanged);
    proxyRow->addWidget(enableProxy);
    proxyRow->addStretch(1);
    layout->addLayout(proxyRow);

    optionalBox = new QWidget(optionPanel);
    optionalBox->setObjectName(QStringLiteral("proxyBox"));
    auto *box = new QHBoxLayout(optionalBox);
    box->setContentsMargins(12, 0, 0, 0);
    proxyAddress = new QLineEdit(optionalBox);
    proxyAddress->setPlaceholderText(QStringLiteral("proxy.example.org"));
    proxyPort = new QLineEdit(optionalBox);
    proxyPort->setPlaceholderText(QStringLiteral("8080"));
    proxyPort->setMaximumWidth(70);
    wrongNotice = new QLabel(optionalBox);
    wrongNotice->setObjectName(QStringLiteral("wrongNotice"));
    wrongNotice->setPixmap(DNImageNamed(QStringLiteral("yt_wrong_notice.png")));
    wrongNotice->setToolTip(tr("Enter the proxy's address and a port from 1 to 65535."));
    wrongNotice->hide();
    box->addWidget(new QLabel(tr("Address:"), optionalBox));
    box->addWidget(proxyAddress, 1);
    box->addWidget(new QLabel(tr("Port:"), optionalBox));
    box->addWidget(proxyPort);
    box->addWidget(wrongNotice);
    layout->addWidget(optionalBox);

    layout->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    done = new QPushButton(tr("Done"), optionPanel);
    connect(done, &QPushButton::clicked, this, &NXVideoDownloadOption::doneSetting);
    buttons->addWidget(done);
    layout->addLayout(buttons);

    connect(optionPanel, &QDialog::finished, this, &NXVideoDownloadOption::sheetDidEnd);
}

void NXVideoDownloadOption::setChoiceLists()
{
    formatsList_ = {QStringLiteral("mp4"), QStringLiteral("webm"), QStringLiteral("flv"), QStringLiteral("3gp")};
    Q_EMIT formatsListChanged();
    resolutionsList_ = {QStringLiteral("240P"), QStringLiteral("360P"), QStringLiteral("480P"),
                        QStringLiteral("720P"), QStringLiteral("1080P"), QString::fromLatin1(kHighestDefinition)};
    Q_EMIT resolutionsListChanged();
}

void NXVideoDownloadOption::fillControls()
{
    const auto settings = record();
    // The entries are what the settings store; the pop-ups show them translated where they are
    // words.
    const auto fillChoice = [](QComboBox *popUp, const QStringList &entries, const QString &chosen) {
        popUp->clear();
        for (const QString &entry : entries)
            popUp->addItem(entry == QLatin1String(kHighestDefinition) ? tr(kHighestDefinition) : entry, entry);
        // A stored entry no list holds shows the first one; nothing is written until the user
        // picks.
        popUp->setCurrentIndex(qMax(0, int(entries.indexOf(chosen))));
    };
    fillChoice(formatPopUp, formatsList_, settings->favFormat());
    fillChoice(resolutionPopUp, resolutionsList_, settings->favResolution());
    targetFolderField->setText(settings->downloadTarget());
    proxyAddress->setText(settings->proxyAddress());
    proxyPort->setText(settings->proxyPort());
    const QSignalBlocker a(speed), b(shutdown), c(openTarget);
    speed->setChecked(settings->isSpeedLimited());
    shutdown->setChecked(settings->isFinishedShutdown());
    openTarget->setChecked(settings->isFinishedOpenTarget());
    enableProxy->setSelectedSegment(settings->isProxyEnabled() ? ProxyOn : ProxyOff);
}

void NXVideoDownloadOption::displayPanelWithWindow(QWidget *window)
{
    setChoiceLists();
    fillControls();
    wrongNotice->hide();
    done->setDefault(true);
    QTimer::singleShot(kTakeHeightDelayMs, this, &NXVideoDownloadOption::enableProxyChanged);
    currentWindow = window;
    if (window && optionPanel->parentWidget() != window)
        optionPanel->setParent(window, optionPanel->windowFlags() | Qt::Dialog);
    // It opens at the height for the stored proxy state, centred across the window; the
    // scheduled switch then only confirms it.
    const bool proxy = enableProxy->selectedSegment() == ProxyOn;
    optionalBox->setVisible(proxy);
    const int width = qMax(optionPanel->sizeHint().width(), 460);
    const int x = window ? window->frameGeometry().center().x() - width / 2 : optionPanel->x();
    const QRect frame = panelFrameForProxy(proxy);
    optionPanel->setGeometry(x, frame.y(), width, frame.height());
    optionPanel->open();
}

void NXVideoDownloadOption::sheetDidEnd(int)
{
    optionPanel->hide();
}

void NXVideoDownloadOption::doneSetting()
{
    const QString address = textOf(proxyAddress);
    const QString port = textOf(proxyPort);
    if (record()->isProxyEnabled() && !isUsableProxy(address, port)) {
        wrongNotice->show();
        return;
    }
    record()->setProxyAddress(address);
    record()->setProxyPort(port);
    wrongNotice->hide();
    optionPanel->done(QDialog::Accepted);
}

void NXVideoDownloadOption::brower2Selected()
{
    NXBeginFolderPanel(optionPanel, QString(),
                       [this](int returnCode, const QString &path) { targetOpenPanelDidEnd(returnCode, path); });
}

void NXVideoDownloadOption::targetOpenPanelDidEnd(int returnCode, const QString &path)
{
    if (returnCode != 1)
        return;
    targetFolderField->setText(path);
    record()->setDownloadTarget(path);
}

QString NXVideoDownloadOption::selectedFormat() const
{
    return record()->favFormat();
}

void NXVideoDownloadOption::setSelectedFormat(const QString &format)
{
    record()->setFavFormat(format);
}

QString NXVideoDownloadOption::selectedResolution() const
{
    return record()->favResolution();
}

void NXVideoDownloadOption::setSelectedResolution(const QString &resolution)
{
    record()->setFavResolution(resolution);
}

void NXVideoDownloadOption::speedLimitedChanged(QAbstractButton *sender)
{
    record()->setIsSpeedLimited(sender->isChecked());
}

void NXVideoDownloadOption::openTargetChanged(QAbstractButton *sender)
{
    record()->setIsFinishedOpenTarget(sender->isChecked());
}

void NXVideoDownloadOption::shutdownChanged(QAbstractButton *sender)
{
    record()->setIsFinishedShutdown(sender->isChecked());
}

QRect NXVideoDownloadOption::panelFrameForProxy(bool enabled) const
{
    const int height = enabled ? kHeightWithProxy : kHeightWithoutProxy;
    const QRect present = optionPanel->geometry();
    const int top = currentWindow ? currentWindow->frameGeometry().top() : present.top() - kBelowWindowTop;
    // Grown below a window near the screen's bottom, it keeps inside the screen.
    return NXScreenPlacement::fittedContent(optionPanel,
                                            QRect(present.x(), top + kBelowWindowTop, present.width(), height));
}

void NXVideoDownloadOption::enableProxyChanged()
{
    if (!optionPanel || !enableProxy)
        return;
    const bool enabled = enableProxy->selectedSegment() == ProxyOn;
    record()->setIsProxyEnabled(enabled);
    const QRect target = panelFrameForProxy(enabled);
    if (enabled)
        optionalBox->show();
    else
        optionalBox->hide();
    auto *resize = new QPropertyAnimation(optionPanel, "geometry", optionPanel);
    resize->setDuration(kResizeAnimationMs);
    resize->setEndValue(target);
    resize->start(QAbstractAnimation::DeleteWhenStopped);
}

int NXVideoDownloadOption::portValue(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        negative = text.at(i++) == QLatin1Char('-');
    qint64 value = 0;
    for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); ++i)
        value = qMin<qint64>(value * 10 + (text.at(i).unicode() - '0'), qint64(std::numeric_limits<int>::max()) + 1);
    value = negative ? -value : value;
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

bool NXVideoDownloadOption::isUsableProxy(const QString &address, const QString &port)
{
    const int number = portValue(port);
    return !address.isEmpty() && number >= 1 && number <= 65535;
}
