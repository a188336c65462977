#include "ui/profiles/NXProfilePreviewCell.h"

#include <QPainter>

namespace {

QLabel *makeLabel(QWidget *parent, const QRect &rect, int pixelSize, bool bold,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    auto *label = new QLabel(parent);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    label->setGeometry(rect);
    label->setAlignment(alignment);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

const QColor kSelectedFill = QColor::fromRgbF(0.2196f, 0.4588f, 0.8431f);

} // namespace

NXProfilePreviewCell::NXProfilePreviewCell(QWidget *parent, Plain)
    : QWidget(parent)
{
    resize(460, kHeight);
}

NXProfilePreviewCell::NXProfilePreviewCell(QWidget *parent)
    : NXProfilePreviewCell(parent, Plain {})
{
    makeTitle();
    makeDescribe(14);
    makeSummary();
    makeSlider();
    updateColors();
}

void NXProfilePreviewCell::makeTitle()
{
    profileTitle_ = makeLabel(this, QRect(10, 10, 320, 30), 14, true);
}

void NXProfilePreviewCell::makeDescribe(int height)
{
    describe_ = makeLabel(this, describeRect(false), 10, false);
    describe_->resize(describe_->width(), height);
    describe_->setWordWrap(height > 14);
}

void NXProfilePreviewCell::makeSummary()
{
    otherInfo_ = makeLabel(this, QRect(10, 63, 320, 14), 10, false);
}

void NXProfilePreviewCell::makeSlider()
{
    levelSilder = new QSlider(Qt::Horizontal, this);
    levelSilder->setGeometry(330, 29, 100, 26);
    levelSilder->setRange(0, 2);
    levelSilder->setSingleStep(1);
    levelSilder->setPageStep(1);
    levelSilder->setTickInterval(1);
    levelSilder->setTickPosition(QSlider::TicksBelow);
    levelSilder->setFocusPolicy(Qt::NoFocus);
    connect(levelSilder, &QSlider::valueChanged, this, [this] { sliderTrackEvent(); });
    sliderLabels_ << makeLabel(this, QRect(320, 63, 40, 12), 9, false)
                  << makeLabel(this, QRect(400, 63, 50, 12), 9, false, Qt::AlignRight | Qt::AlignTop)
                  << makeLabel(this, QRect(320, 13, 40, 12), 9, false)
                  << makeLabel(this, QRect(400, 13, 50, 12), 9, false, Qt::AlignRight | Qt::AlignTop);
    sliderLabels_[0]->setText(tr("Fast"));
    sliderLabels_[1]->setText(tr("Slow"));
    sliderLabels_[2]->setText(tr("LQ"));
    sliderLabels_[3]->setText(tr("HQ"));
}

QRect NXProfilePreviewCell::describeRect(bool recommend) const
{
    return recommend ? QRect(10, 48, 310, 14) : QRect(10, 43, 310, 14);
}

void NXProfilePreviewCell::setSelected(bool selected)
{
    selected_ = selected;
    updateColors();
    update();
}

void NXProfilePreviewCell::setRecommend(bool recommend)
{
    if (recommend && !recommand_label) {
        recommand_label = makeLabel(this, QRect(10, 33, 320, 14), 10, false);
        recommand_label->setText(tr("➤ Recommended"));
        recommand_label->show();
    } else if (!recommend && recommand_label) {
        delete recommand_label;
    }
    if (describe_) {
        const QRect rect = describeRect(recommend);
        describe_->move(rect.topLeft());
    }
    updateColors();
}

void NXProfilePreviewCell::setProfileTitle(const QString &title)
{
    profileTitle_->setText(title);
}

void NXProfilePreviewCell::setDescribe(const QString &description)
{
    describe_->setText(description.isNull() ? QString(QLatin1String("")) : description);
}

void NXProfilePreviewCell::setConvert_model(int model)
{
    convert_model_ = model;
    if (levelSilder) {
        const QSignalBlocker blocker(levelSilder);
        levelSilder->setValue(model);
    }
}

void NXProfilePreviewCell::setBottomOtherInfomationText(const QString &text)
{
    if (otherInfo_)
        otherInfo_->setText(text);
}

void NXProfilePreviewCell::sliderTrackEvent()
{
    if (!target_)
        return;
    convert_model_ = levelSilder->value();
    target_(this);
}

void NXProfilePreviewCell::updateColors()
{
    const QColor text = selected_ ? QColor(Qt::white) : QColor(Qt::black);
    QList<QLabel *> labels {profileTitle_, describe_, otherInfo_};
    labels << sliderLabels_;
    for (QLabel *label : labels) {
        if (!label)
            continue;
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, text);
        label->setPalette(palette);
    }
    if (recommand_label) {
        // Greens that stay readable: a pale one on the blue of a selected card, a darker one on
        // white.
        QPalette palette = recommand_label->palette();
        palette.setColor(QPalette::WindowText,
                         selected_ ? QColor(190, 255, 190) : QColor::fromRgbF(0, 0.6f, 0.25f));
        recommand_label->setPalette(palette);
    }
}

void NXProfilePreviewCell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (selected_) {
        painter.fillRect(rect(), kSelectedFill);
        return;
    }
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(Qt::lightGray));
    painter.drawLine(0, 0, width(), 0);
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

NXDVDProfilePreviewCell::NXDVDProfilePreviewCell(QWidget *parent)
    : NXProfilePreviewCell(parent, Plain {})
{
    makeTitle();
    makeDescribe(30);
    updateColors();
}

QRect NXDVDProfilePreviewCell::describeRect(bool recommend) const
{
    return recommend ? QRect(10, 48, 400, 30) : QRect(10, 40, 400, 30);
}

NXMusicProfilePreviewCell::NXMusicProfilePreviewCell(QWidget *parent)
    : NXProfilePreviewCell(parent, Plain {})
{
    makeTitle();
    makeDescribe(14);
    makeSummary();
    updateColors();
}
