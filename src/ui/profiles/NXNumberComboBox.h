#pragma once

#include <QComboBox>

// The editable bitrate box. Typing completes with "K"; when editing ends, a number within the
// limits stays as typed, one outside them becomes the nearest limit, and anything that is not a
// whole number becomes the default, each written "<n>K".
class NXNumberComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit NXNumberComboBox(QWidget *parent = nullptr);

    // True when the whole text is one integer (blanks around it allowed).
    static bool isNumeric(const QString &text, int *value);
    // The typed text followed by "K" unless it already ends with it.
    static QString completedString(const QString &typed);
    // What a finished edit becomes (see the class comment).
    QString textAfterEditing(const QString &text) const;
    void textDidEndEditing();

    int minValue() const { return minValue_; }
    void setMinValue(int value) { minValue_ = value; }
    int maxValue() const { return maxValue_; }
    void setMaxValue(int value) { maxValue_ = value; }
    int defaultValue() const { return defaultValue_; }
    void setDefaultValue(int value) { defaultValue_ = value; }

signals:
    // The text the edit ended with (already corrected).
    void editingEnded(const QString &text);

private:
    int minValue_ = 600;
    int defaultValue_ = 1200;
    int maxValue_ = 2000;
};
