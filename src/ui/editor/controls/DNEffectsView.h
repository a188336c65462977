#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>

#include <optional>

class DNEffectsView;

// Where the effects grid takes its items from, and whom it tells of a new choice.
class DNEffectsViewProtocol
{
public:
    virtual ~DNEffectsViewProtocol() = default;
    virtual int countOfEffectPreview() = 0;
    // A null image leaves the item's picture empty.
    virtual QImage effectImageAtIndex(int index) = 0;
    // A delegate without names leaves the default, which answers none.
    virtual std::optional<QString> effectNameAtIndex(int index)
    {
        Q_UNUSED(index);
        return std::nullopt;
    }
    virtual void effectSelectedAtIndex(int index) { Q_UNUSED(index); }
};

// An item's picture: white, with the image scaled into it 3 units in from the edges.
class EffectImageView : public QWidget
{
    Q_OBJECT
public:
    explicit EffectImageView(QWidget *parent = nullptr);
    QImage image() const { return image_; }
    void setImage(const QImage &image);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage image_;
};

// One item of the grid: its picture over a label that shows a check mark while the item is
// chosen (and enabled). A click on an enabled item tells its grid.
class EffectView : public QWidget
{
    Q_OBJECT
public:
    EffectView(const QRect &frame, QWidget *parent = nullptr);

    bool state() const { return state_; }
    void setState(bool state);
    bool isEnable() const { return enable_; }
    void setEnable(bool enable);
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }
    DNEffectsView *host() const { return host_; }
    void setHost(DNEffectsView *host) { host_ = host; }

    // A null image is ignored.
    void setImage(const QImage &image);
    void setName(const std::optional<QString> &name);
    EffectImageView *effectPreview() const { return effectPreview_; }
    QLabel *effectName() const { return effectName_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void showMark();

    EffectImageView *effectPreview_;
    QLabel *effectName_;
    bool state_ = false;
    bool enable_ = false;
    int tag_ = 0;
    DNEffectsView *host_ = nullptr;
};

// The effects grid: a row of items 100 wide at a pitch of 111, shown one page (the width of
// the grid) at a time, with single choice. The items come from the delegate, are made once
// (createEffectViews) and then enabled, chosen and paged. A page label, when given, reads
// "n of m" and hides when there is one page.
class DNEffectsView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kItemWidth = 100;
    static constexpr int kItemPitch = 111;
    static constexpr int kDocumentX = 8;

    explicit DNEffectsView(QWidget *parent = nullptr);
    DNEffectsView(const QRect &frame, QWidget *parent = nullptr);

    DNEffectsViewProtocol *delegate() const { return delegate_; }
    void setDelegate(DNEffectsViewProtocol *delegate) { delegate_ = delegate; }
    QLabel *pageLabel() const { return pageLabel_; }
    void setPageLabel(QLabel *label) { pageLabel_ = label; }

    // The interface's set-up: the items, then the page label on the next turn of the loop.
    void awakeFromNib();
    void createEffectViews();
    void reload();

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    int indexOfSelectedEffect() const { return indexOfSelectedEffect_; }
    void setIndexOfSelectedEffect(int index);
    void effectViewStateDidChanged(EffectView *item);

    int countOfPages() const;
    int indexOfSelectedPage() const;
    void updatePageLabelValue();
    void nextPage();
    void previousPage();
    // Slides the items to `frame` (in the grid's coordinates, origin bottom left) over 0.2 s;
    // blocking returns when the slide has ended.
    void scrollDocViewWithAnimation(const QRect &frame, bool blockThread);

    QWidget *docView() const { return docView_; }
    QList<EffectView *> effectViews() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect docFrame() const;
    void setDocFrame(const QRect &frame);
    void slideBy(int dx);

    DNEffectsViewProtocol *delegate_ = nullptr;
    bool enabled_ = false;
    QWidget *docView_;
    QLabel *pageLabel_ = nullptr;
    int indexOfSelectedEffect_ = -1;
    bool isCreatedEffectIconView_ = false;
};
