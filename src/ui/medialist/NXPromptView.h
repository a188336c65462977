#pragma once

#include <QPointer>
#include <QWidget>

class DNButton;
class NXMediaTableView;

// The empty list's prompt: three large buttons (DVD disc, DVD folder, ISO image) centred over the
// list, shown while the list is empty and hidden once it holds entries.
class NXPromptView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kTag = 11112222;
    explicit NXPromptView(const QRect &frame, QWidget *parent = nullptr);
    ~NXPromptView() override;
    int tag() const { return kTag; }
    void setHoster(NXMediaTableView *hoster) { hoster_ = hoster; }
    // hide: the list holds entries.
    void setPromptEnable(bool hide);
    QWidget *containerView() const { return container_; }
    DNButton *buttonOne() const { return buttonOne_; }
    DNButton *buttonTwo() const { return buttonTwo_; }
    DNButton *buttonThree() const { return buttonThree_; }

    void addActionForDisc();
    void addActionForFolder();
    void addActionForISO();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void setThreeButton();
    void centreContainer();

    QPointer<NXMediaTableView> hoster_;
    QWidget *container_ = nullptr;
    DNButton *buttonOne_ = nullptr;
    DNButton *buttonTwo_ = nullptr;
    DNButton *buttonThree_ = nullptr;
};
