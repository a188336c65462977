// The slideshow editor's settings: the photos' sort order and the seconds each photo is shown.
#include "ui/slideshow/DNImageEditor.h"

#include "core/util/DNTimeText.h"
#include "slideshow/records/DNGraphicsSetting.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>

namespace {
QString oneDecimal(double value)
{
    return QString::asprintf("%.1f", value);
}
} // namespace

void DNImageEditor::onSortImageTypeChanged()
{
    const int direction = sortType_->checkedId() > 0 ? 1 : -1;
    int key;
    switch (sortBy_->currentIndex()) {
    case 0:
        key = DNSortByGPSPosition;
        break;
    case 1:
        key = DNSortByCreationDate;
        break;
    case 2:
        key = DNSortByFileName;
        break;
    default:
        return;
    }
    if (!graphicsNode_)
        return;
    graphicsNode_->sortPhotoNode(key, direction);
    reloadBrowser();
}

void DNImageEditor::makeUISettingControlFitNodeSetting()
{
    if (!graphicsNode_)
        return;
    const auto setting = graphicsNode_->setting();
    int index;
    switch (setting->sortby()) {
    case DNSortByFileName:
        index = 2;
        break;
    case DNSortByCreationDate:
        index = 1;
        break;
    default:
        index = 0;
        break;
    }
    const QSignalBlocker quietSort(sortBy_);
    sortBy_->setCurrentIndex(index);
    sortType_->button(setting->ascOrDesc() == -1 ? 0 : 1)->setChecked(true);
    showValueOfDuration(oneDecimal(setting->interval()));
}

float DNImageEditor::slideshowInterval() const
{
    const float value = valueOfDuration_.toFloat();
    return value > 1.0f ? value : 2.0f;
}

void DNImageEditor::showValueOfDuration(const QString &text)
{
    valueOfDuration_ = text;
    Q_EMIT valueOfDurationChanged();
    Q_EMIT totalVideoDurationChanged();
}

void DNImageEditor::setValueOfDuration(const QString &text)
{
    showValueOfDuration(oneDecimal(text.toDouble()));
    stopSlideshowTimer();
    startSlideshowTimer();
    Q_EMIT imageForPreviewButtonChanged();
    if (graphicsNode_)
        graphicsNode_->setting()->setInterval(slideshowInterval());
    Q_EMIT totalVideoDurationChanged();
}

void DNImageEditor::setDisplayDurations(const QStringList &durations)
{
    display_durations_ = durations;
    Q_EMIT display_durationsChanged();
}

void DNImageEditor::autoCalculate()
{
    if (!graphicsNode_)
        return;
    const float d = graphicsNode_->bestDisplayDuration();
    graphicsNode_->setting()->setInterval(d);
    setDisplayDurations(QStringList{oneDecimal(d)} + QStringList{QStringLiteral("2.0"), QStringLiteral("4.0"),
                                                                 QStringLiteral("6.0"), QStringLiteral("8.0"),
                                                                 QStringLiteral("10.0")});
    showValueOfDuration(oneDecimal(d));
}

QString DNImageEditor::totalVideoDuration() const
{
    return DNTimeStringFromSeconds(graphicsNode_ ? int(graphicsNode_->videoDuration()) : 0);
}

QString DNImageEditor::totalAudioDuration() const
{
    return DNTimeStringFromSeconds(graphicsNode_ ? int(graphicsNode_->audioDuration()) : 0);
}

void DNImageEditor::setStateOfAutoCaltulate(bool on)
{
    stateOfAutoCaltulate_ = on;
    Q_EMIT stateOfAutoCaltulateChanged();
}
