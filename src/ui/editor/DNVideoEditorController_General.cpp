// The general and trimming tabs: volume, expanding to the profile's size, play and pause, and the
// part of the video kept.
#include "DNVideoEditorController.h"

#include "core/util/DNTimeText.h"
#include "profiles/DNProfile.h"
#include "ui/controls/DNImageNamed.h"
#include "ui/editor/controls/NXSegmentSlider.h"
#include "ui/editor/controls/NXTimePicker.h"

#include <QCoreApplication>
#include <QLabel>

#include <algorithm>

void DNVideoEditorController::setEnableGeneral(bool on)
{
    item_.setEnableGeneral(on);
    setTabMark(kTabGeneral, on);
    didChange(QStringLiteral("enableGeneral"));
}

void DNVideoEditorController::setEditVideoVolume(float volume)
{
    // The player starts at half its scale for the unchanged level (100).
    renderControl_->setPlayerVolume(0.5f * volume);
    item_.setGeneralVolume(quint32(volume));
    didChange(QStringLiteral("editVideoVolume"));
}

void DNVideoEditorController::setCanExpand(bool on)
{
    item_.setAutoExpandToProfileRes(on);
    didChange(QStringLiteral("canExpand"));
}

QString DNVideoEditorController::videoResolutionStringValue() const
{
    const std::shared_ptr<DNProfile> profile = item_.profile();
    if (!profile || !profile->videoResolution())
        return QString();
    return QCoreApplication::translate("DNProfile", profile->videoResolution()->currentValue().toUtf8().constData());
}

QPixmap DNVideoEditorController::playButtonStateImage() const
{
    return DNImageNamed(renderControl_->isPaused() ? QStringLiteral("edit_play_video.png")
                                                   : QStringLiteral("edit_pause_video.png"));
}

void DNVideoEditorController::pauseAndContinesEditVideo()
{
    renderControl_->pauseOrContinue();
}

float DNVideoEditorController::videoWidth() const
{
    return float(renderControl_->videoWidth() * flags_.videoScale.width());
}

float DNVideoEditorController::videoHeight() const
{
    return float(renderControl_->videoHeight() * flags_.videoScale.height());
}

// ------------------------------------------------------------------ trimming

void DNVideoEditorController::setEditEnableTrimming(bool on)
{
    item_.setEnableTrimming(on);
    startTrimTime_->setEnabled(on);
    endTrimTime_->setEnabled(on);
    editDurationSlider_->setEnableSegments(on);
    renderControl_->setEnableCropVideo(on);
    setTabMark(kTabTrimming, on);
    if (on)
        taggeDurationSlider(editDurationSlider_);
    else
        showUntrimmedLength();
    didChange(QStringLiteral("editEnableTrimming"));
}

void DNVideoEditorController::taggeDurationSlider(NXSegmentSlider *slider)
{
    flags_.skipFlagCount = 1;
    updateWithTraggeDurationSlider();
    renderControl_->seekToDurationInPercent(float(slider->value()));
}

void DNVideoEditorController::updateWithTraggeDurationSlider()
{
    const auto [left, right] = editDurationSlider_->segmentValuePosition();
    renderControl_->setPercentageLimitedLeftTime(float(left), float(right));
    const float start = renderControl_->convertPercentToTime(float(left));
    const float end = renderControl_->convertPercentToTime(float(right));
    item_.setTrimStartTime(quint32(start));
    item_.setTrimEndTime(quint32(end));
    showTrimInFields(start, end);
}

void DNVideoEditorController::showTrimInFields(float start, float end)
{
    // The limits first: a field checks its value against them, and the limits of the part shown
    // before would change the value it is given.
    // The item keeps whole seconds, cut down; the fields show those (given a fraction, a field
    // would round it up and show a second the item does not keep).
    const int s = int(start), e = int(end);
    startTrimTime_->setMaxTimeValue(startFieldMaximum(s, e));
    endTrimTime_->setMinTimeValue(endFieldMinimum(s, e));
    startTrimTime_->setIntValue(s);
    endTrimTime_->setIntValue(e);
    gernalTimeTrimDuration_->setText(DNTimeStringFromSeconds(e - s));
}

void DNVideoEditorController::showUntrimmedLength()
{
    gernalTimeTrimDuration_->setText(DNTimeStringFromSeconds(int(item_.currentVideoTrackDuration())));
}

// Typing keeps the part at least `limitation` long, yet the limits never exclude the part the
// item keeps (the slider may have made it shorter): the fields always show the item's times.
int DNVideoEditorController::startFieldMaximum(int start, int end) const
{
    return std::max(end - limitation(), start);
}

int DNVideoEditorController::endFieldMinimum(int start, int end) const
{
    return std::min(start + limitation(), end);
}

void DNVideoEditorController::timePickerAction(NXTimePicker *sender)
{
    const int s = startTrimTime_->integerValue();
    const int e = endTrimTime_->integerValue();
    const int d = e - s;
    const auto startSteps = [&](bool withSlider) {
        item_.setTrimStartTime(quint32(s));
        renderControl_->setLimitedLeftTime(float(s));
        endTrimTime_->setMinTimeValue(endFieldMinimum(s, e));
        if (withSlider)
            editDurationSlider_->setSegmentLeftProportionValue(renderControl_->convertTimeToPercent(float(s)));
    };
    const auto endSteps = [&] {
        item_.setTrimEndTime(quint32(e));
        renderControl_->setLimitedRightTime(float(e));
        startTrimTime_->setMaxTimeValue(startFieldMaximum(s, e));
        editDurationSlider_->setSegmentRightProportionValue(renderControl_->convertTimeToPercent(float(e)));
    };
    if (sender == startTrimTime_) {
        startSteps(true);
    } else if (sender == endTrimTime_) {
        endSteps();
    } else {
        startSteps(false);
        editDurationSlider_->setSegmentLeftProportionValue(renderControl_->convertTimeToPercent(float(s)));
        item_.setTrimEndTime(quint32(e));
        endSteps();
    }
    gernalTimeTrimDuration_->setText(d < 1 ? QStringLiteral("00:00:00") : DNTimeStringFromSeconds(d));
    editDurationSlider_->updateCursorTrackRect();
}

void DNVideoEditorController::resetTimeTrimming()
{
    // The whole video again; the volume, an edit of another page, stays as the user set it.
    startTrimTime_->setIntValue(0);
    endTrimTime_->setIntValue(int(renderControl_->duration()));
    timePickerAction(nullptr);
}
