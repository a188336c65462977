#include "NXTimeCell.h"

#include "DNAreaGeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
// Stepped totals are kept within what the value's integer holds.
int clampedTotal(qint64 total)
{
    return int(std::clamp<qint64>(total, INT_MIN, INT_MAX));
}

int roundedUp(double seconds)
{
    return clampedTotal(qint64(std::ceil(seconds)));
}
} // namespace

NXTimeCell NXTimeCell::fromArchive(const QVariantMap &archive)
{
    NXTimeCell cell;
    cell.timeSecond2Splice(clampedTotal(qint64(archive.value(kArchiveKey, 0.0).toDouble())));
    return cell;
}

void NXTimeCell::encodeWithCoder(QVariantMap &archive) const
{
    archive.insert(kArchiveKey, double(timeSecond2TotalSeconds()));
}

NXTimeCell NXTimeCell::copy() const
{
    NXTimeCell cell;
    cell.timeSecond2Splice(timeSecond2TotalSeconds());
    return cell;
}

void NXTimeCell::setFloatValue(float seconds)
{
    timeSecond2Splice(roundedUp(seconds));
}

void NXTimeCell::setDoubleValue(double seconds)
{
    timeSecond2Splice(roundedUp(seconds));
}

QString NXTimeCell::stringValue() const
{
    return QStringLiteral("%1:%2:%3").arg(hours_).arg(minutes_).arg(secends_);
}

void NXTimeCell::incrementHour(int hours, int minutes, int seconds)
{
    hours_ += hours;
    minutes_ += minutes;
    secends_ += seconds;
    verificationTimeFormat();
}

void NXTimeCell::decrementHour(int hours, int minutes, int seconds)
{
    incrementHour(-hours, -minutes, -seconds);
}

int &NXTimeCell::selectedField()
{
    switch (selectIndex_) {
    case Hours: return hours_;
    case Minutes: return minutes_;
    default: return secends_;
    }
}

int NXTimeCell::selectedFieldValue() const
{
    return const_cast<NXTimeCell *>(this)->selectedField();
}

void NXTimeCell::autoIncrement(int n)
{
    selectedField() += n;
    verificationTimeFormat();
}

void NXTimeCell::autoDecrement(int n)
{
    autoIncrement(-n);
}

void NXTimeCell::setSelectionValue(int value)
{
    selectedField() = value;
    verificationTimeFormat();
}

int NXTimeCell::selectionValue() const
{
    return selectedFieldValue();
}

void NXTimeCell::moveRight()
{
    selectIndex_ = selectIndex_ == NoField || selectIndex_ >= Seconds ? Hours : selectIndex_ + 1;
    eventTimeInterval_ = 0;
}

void NXTimeCell::moveLeft()
{
    selectIndex_ = selectIndex_ == NoField || selectIndex_ <= Hours ? Seconds : selectIndex_ - 1;
    eventTimeInterval_ = 0;
}

void NXTimeCell::setCellPickerStyle(int style)
{
    if (style == cellPickerStyle_)
        return;
    cellPickerStyle_ = style;
    // The stepper starts in the middle of 0 ... 10,000,000 so that it can go either way.
    stepperValue_ = style == WithStepper ? 5000000.0f : 0.0f;
}

QRectF NXTimeCell::timeRectWidhtIndex(int i, double width) const
{
    double x;
    switch (alignment_) {
    case AlignCentre:
        x = (i - 1.5) * kFieldPitch + width * 0.5 - (hasStepper() ? 8 : 0);
        break;
    case AlignRight:
        x = width - (3 - i) * kFieldPitch - (hasStepper() ? 21 : 0);
        break;
    default:
        x = i * kFieldPitch + 5;
        break;
    }
    return QRectF(x, 0, kFieldWidth, kFieldHeight);
}

QRectF NXTimeCell::selectionRect(double width) const
{
    if (selectIndex_ < Hours || selectIndex_ > Seconds)
        return QRectF();
    return timeRectWidhtIndex(selectIndex_, width);
}

int NXTimeCell::fieldAt(QPointF p, double width) const
{
    for (int i = Hours; i <= Seconds; ++i) {
        if (DNAreaGeometry::pointInRect(p, timeRectWidhtIndex(i, width)))
            return i;
    }
    return NoField;
}

QRectF NXTimeCell::stepperRect(double width) const
{
    return QRectF(width - kStepperWidth, 0, kStepperWidth, kFieldHeight);
}

void NXTimeCell::timeSecond2Splice(int seconds)
{
    hours_ = seconds / 3600;
    minutes_ = (seconds - hours_ * 3600) / 60;
    secends_ = seconds % 60;
}

int NXTimeCell::timeSecond2TotalSeconds() const
{
    return clampedTotal(qint64(hours_) * 3600 + qint64(minutes_) * 60 + secends_);
}

void NXTimeCell::verificationTimeFormat()
{
    const qint64 total = qint64(hours_) * 3600 + qint64(minutes_) * 60 + secends_;
    if (total < 1) {
        hours_ = minutes_ = secends_ = 0;
        return;
    }
    const int t = clampedTotal(total);
    hours_ = t / 3600;
    minutes_ = (t % 3600) / 60;
    secends_ = t % 60;
}
