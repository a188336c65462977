#include "ui/profiles/NXProfilePreviewCell.h"

#include <QPainter>

namespace {

// A frame at least one line of font high, grown about its middle: the faces of Japanese, Korean
// and Chinese have taller lines than the frames were drawn for. The line is measured as a label
// lays out a text mixing the scripts the cards show.
QRect lineFrame(const QRect &frame, const QFont &font)
{
    QLabel probe(QStringLiteral("ÅgÉ高한"));
    probe.setFont(font);
    const int missing = probe.sizeHint().height() - frame.height();
    return missing > 0 ? frame.adjusted(0, -missing / 2, 0, missing - missing / 2) : frame;
}

QLabel *makeLabel(QWidget *parent, const QRect &rect, int pixelSize, bool bold,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    auto *label = new QLabel(parent);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    label->setGeometry(lineFrame(rect, font));
    label->setAlignment(alignment);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// Shows text whole in label's one line: a long text is drawn in a smaller face, down to
// smallest pixels, and only then cut with an ellipsis, the whole text in the tooltip. The
// catalogue's names and descriptions (and their translations) vary much in length.
void setFittedText(QLabel *label, const QString &text, int smallest)
{
    if (!label->property("pixelSize").isValid())
        label->setProperty("pixelSize", label->font().pixelSize());
    QFont font = label->font();
    font.setPixelSize(label->property("pixelSize").toInt());
    const auto shownIn = [&](const QFont &face) {
        return QFontMetrics(face).elidedText(text, Qt::ElideRight, label->width());
    };
    while (font.pixelSize() > smallest && shownIn(font) != text)
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
    const QString shown = shownIn(font);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
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
    const QRect frame = describeRect(false);
    describe_ = makeLabel(this, QRect(frame.topLeft(), QSize(frame.width(), height)), 10, false);
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
        describe_->move(lineFrame(QRect(rect.topLeft(), describe_->size()), describe_->font()).topLeft());
    }
    updateColors();
}

void NXProfilePreviewCell::setProfileTitle(const QString &title)
{
    setFittedText(profileTitle_, title, 11);
}

void NXProfilePreviewCell::setDescribe(const QString &description)
{
    const QString text = description.isNull() ? QString(QLatin1String("")) : description;
    if (describe_->wordWrap())
        describe_->setText(text);
    else
        setFittedText(describe_, text, 9);
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
        setFittedText(otherInfo_, text, 9);
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
