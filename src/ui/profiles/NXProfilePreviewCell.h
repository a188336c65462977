#pragma once

#include <QLabel>
#include <QPointer>
#include <QSlider>
#include <QWidget>

#include <functional>

// One profile card of the chooser, 80 high: title, description, the profile's one-line summary,
// a recommended mark and a quality slider (LQ..HQ, Fast..Slow) with three steps. Moving the
// slider tells the target the card's new quality step.
class NXProfilePreviewCell : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kHeight = 80;

    explicit NXProfilePreviewCell(QWidget *parent = nullptr);

    void setSelected(bool selected);
    bool isSelected() const { return selected_; }
    void setRecommend(bool recommend);
    bool isRecommend() const { return recommand_label != nullptr; }
    void setProfileTitle(const QString &title);
    // A null description shows "".
    void setDescribe(const QString &description);
    void setConvert_model(int model);
    int convert_model() const { return convert_model_; }
    void setBottomOtherInfomationText(const QString &text);
    void setTarget(std::function<void(NXProfilePreviewCell *)> target) { target_ = std::move(target); }
    int index() const { return index_; }
    void setIndex(int index) { index_ = index; }

    QLabel *profileTitle() const { return profileTitle_; }
    QLabel *describe() const { return describe_; }
    QLabel *otherInfo() const { return otherInfo_; }
    QSlider *levelSlider() const { return levelSilder; }
    QLabel *recommendLabel() const { return recommand_label; }

protected:
    void paintEvent(QPaintEvent *event) override;
    // Where the description sits: it moves when the recommended mark is shown.
    virtual QRect describeRect(bool recommend) const;
    void makeTitle();
    void makeDescribe(int wordWrapHeight);
    void makeSummary();
    void makeSlider();
    void updateColors();
    void sliderTrackEvent();

    QLabel *profileTitle_ = nullptr;
    QLabel *describe_ = nullptr;
    QLabel *otherInfo_ = nullptr;
    QSlider *levelSilder = nullptr;
    QList<QLabel *> sliderLabels_;
    QPointer<QLabel> recommand_label;
    bool selected_ = false;
    int index_ = 0;
    int convert_model_ = 0;
    std::function<void(NXProfilePreviewCell *)> target_;

    struct Plain {};
    NXProfilePreviewCell(QWidget *parent, Plain);
};

// The card of a DVD backup profile: title and a two-line description only.
class NXDVDProfilePreviewCell : public NXProfilePreviewCell
{
    Q_OBJECT
public:
    explicit NXDVDProfilePreviewCell(QWidget *parent = nullptr);

protected:
    QRect describeRect(bool recommend) const override;
};

// The card of an audio-only profile: title, description and summary, no slider.
class NXMusicProfilePreviewCell : public NXProfilePreviewCell
{
    Q_OBJECT
public:
    explicit NXMusicProfilePreviewCell(QWidget *parent = nullptr);
};
