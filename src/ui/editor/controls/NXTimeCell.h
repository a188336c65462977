#pragma once

#include <QRectF>
#include <QString>
#include <QVariantMap>

// The state of the time picker: hours, minutes and seconds of a whole number of seconds, the
// selected field and the arithmetic on them, and where the fields lie in a control of a given
// width (origin bottom left). The picker widget draws it and feeds it events; nothing here
// needs a window, so the rules are tested on the cell alone.
//
// The value is hours * 3600 + minutes * 60 + seconds. Setting a value splits it without
// normalising (a negative total gives negative fields); stepping and typing normalise, so
// overflow carries (75 seconds become 1:15) and a negative total becomes 0. With no field
// selected, stepping and typing act on the seconds.
class NXTimeCell
{
public:
    enum Field { NoField = -1, Hours = 0, Minutes = 1, Seconds = 2 };
    enum Alignment { AlignLeft = 0, AlignRight = 1, AlignCentre = 2 };
    enum PickerStyle { Plain = 0, WithStepper = 1 };

    static constexpr double kFieldWidth = 20;
    static constexpr double kFieldHeight = 21;
    static constexpr double kFieldPitch = 28;
    static constexpr double kStepperWidth = 16;
    static inline const QString kArchiveKey = QStringLiteral("nx_time_control");

    // Value 0, centred, nothing selected, no stepper.
    NXTimeCell() = default;

    // Keyed archives hold the total seconds as one real under "nx_time_control".
    static NXTimeCell fromArchive(const QVariantMap &archive);
    void encodeWithCoder(QVariantMap &archive) const;
    // A fresh cell that carries only the value.
    NXTimeCell copy() const;

    void setIntegerValue(int seconds) { timeSecond2Splice(seconds); }
    void setIntValue(int seconds) { timeSecond2Splice(seconds); }
    // Rounded up to the next whole second first.
    void setFloatValue(float seconds);
    void setDoubleValue(double seconds);
    int integerValue() const { return timeSecond2TotalSeconds(); }
    int intValue() const { return timeSecond2TotalSeconds(); }
    float floatValue() const { return float(timeSecond2TotalSeconds()); }
    double doubleValue() const { return timeSecond2TotalSeconds(); }
    // "h:m:s" without leading zeros (1:5:9).
    QString stringValue() const;

    void incrementHour(int hours, int minutes, int seconds);
    void decrementHour(int hours, int minutes, int seconds);
    void autoIncrement(int n);
    void autoDecrement(int n);
    void setSelectionValue(int value);
    int selectionValue() const;

    // Field moves wrap around; they also end a typed number (eventTimeInterval back to 0).
    // Moving left with nothing selected selects the seconds, as moving right selects the hours.
    void moveRight();
    void moveLeft();
    void moveUp() { autoIncrement(1); eventTimeInterval_ = 0; }
    void moveDown() { autoDecrement(1); eventTimeInterval_ = 0; }

    int selectIndex() const { return selectIndex_; }
    void setSelectIndex(int index) { selectIndex_ = index; }
    int cellPickerStyle() const { return cellPickerStyle_; }
    // Style 1 carries a stepper, whose own value starts in the middle of its range.
    void setCellPickerStyle(int style);
    bool hasStepper() const { return cellPickerStyle_ == WithStepper; }
    float stepperValue() const { return stepperValue_; }
    int alignment() const { return alignment_; }
    void setAlignment(int alignment) { alignment_ = alignment; }
    double eventTimeInterval() const { return eventTimeInterval_; }
    void setEventTimeInterval(double t) { eventTimeInterval_ = t; }

    int timeHours() const { return hours_; }
    void setTimeHours(int v) { hours_ = v; }
    int timeMinutes() const { return minutes_; }
    void setTimeMinutes(int v) { minutes_ = v; }
    int timeSecends() const { return secends_; }
    void setTimeSecends(int v) { secends_ = v; }

    // Field i's rectangle in a control `width` wide, and the selected one's (zero for none).
    QRectF timeRectWidhtIndex(int i, double width) const;
    QRectF selectionRect(double width) const;
    // The first field whose rectangle holds p, or NoField.
    int fieldAt(QPointF p, double width) const;
    // The stepper's strip at the right edge (style 1); a click in its upper half steps up.
    QRectF stepperRect(double width) const;

    void timeSecond2Splice(int seconds);
    int timeSecond2TotalSeconds() const;
    void verificationTimeFormat();

private:
    int &selectedField();
    int selectedFieldValue() const;

    int hours_ = 0;
    int minutes_ = 0;
    int secends_ = 0;
    float stepperValue_ = 0;
    int alignment_ = AlignCentre;
    int cellPickerStyle_ = Plain;
    int selectIndex_ = NoField;
    double eventTimeInterval_ = 0;
};
