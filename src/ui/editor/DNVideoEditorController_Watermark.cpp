// The watermark tab: a picture or a text laid over the processed picture, its transparency, its
// font and colour, and the box's values in source pixels.
#include "DNVideoEditorController.h"

#include "core/util/DNFileTypes.h"
#include "ui/controls/DNPlainText.h"
#include "ui/editor/controls/DNWatermarkView.h"
#include "ui/editor/panel/DNTabView.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDialog>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>

using DNVideoEditorGeometry::BoxEdit;

void DNVideoEditorController::setEnableWaterMark(bool on)
{
    watermark_->setHidden(!on);
    item_.setEnableWatermark(on);
    setTabMark(kTabWatermark, on);
    didChange(QStringLiteral("enableWaterMark"));
}

void DNVideoEditorController::setWatermarkTypeIndex(int type)
{
    item_.setTypeOfWatermark(quint32(type));
    if (type != 0) {
        const QString text = item_.textOfWatermark();
        if (!text.isEmpty()) {
            watermark_->setTextColor(DNVideoEditorGeometry::colorOf(item_.textWatermarkColor()));
            watermark_->setTextFont(DNVideoEditorGeometry::fontOf(item_.textWatermarkFont()));
            watermark_->setText(text);
        } else {
            watermark_->setText(QString());
        }
    } else {
        const QString path = item_.imagePathOfWatermark();
        watermark_->setImage(!path.isEmpty() && QFileInfo::exists(path) ? QImage(path) : QImage());
    }
    didChange(QStringLiteral("enableImageWatermark"));
    didChange(QStringLiteral("watermarkTypeIndex"));
    didChange(QStringLiteral("watermarkFrameChanged"));
}

void DNVideoEditorController::setWmTransparency(float percent)
{
    watermark_->setTransparency(percent);
    watermark_->update();
    item_.setWatermarkTransparency(quint32(percent));
    didChange(QStringLiteral("wmTransparency"));
}

void DNVideoEditorController::textWatermarkNewInput(const QString &text)
{
    if (item_.typeOfWatermark() != 1)
        return;
    watermark_->setText(text);
    watermarkTextInput_->setToolTip(DNPlainToolTip(text));
    item_.setTextOfWatermark(watermark_->text());
    // A first text sizes the box: the size fields follow it.
    didChange(QStringLiteral("watermarkFrameChanged"));
}

void DNVideoEditorController::takeTypedWatermarkText()
{
    // A sheet closed straight from the text field has not heard the end of the typing.
    if (item_.typeOfWatermark() == 1 && watermarkTextInput_->text() != item_.textOfWatermark())
        textWatermarkNewInput(watermarkTextInput_->text());
}

void DNVideoEditorController::openImageForWatermark()
{
    QStringList patterns;
    for (const QString &type : DNWatermarkImageTypes())
        patterns << QStringLiteral("*.") + type;
    openFilePanel(tr("Choose a Watermark Picture"), "watermarkImagePanel",
                  tr("Pictures (%1)").arg(patterns.join(QLatin1Char(' '))),
                  &DNVideoEditorController::openImageWatermarkPanelDidEnd);
}

void DNVideoEditorController::openImageWatermarkPanelDidEnd(int returnCode, const QString &path)
{
    if (returnCode != 1)
        return;
    item_.setImagePathOfWatermark(path);
    watermarkImageAddress_->setText(path);
    watermarkImageAddress_->setToolTip(DNPlainToolTip(path));
    watermark_->setImage(QImage(path));
}

void DNVideoEditorController::openFontSetPanel()
{
    // The font panel alone; the text's colour is chosen from it, with its "Text Colour..."
    // button, in the colour panel. Both change the watermark as the user picks.
    // The watermark's own face and chosen size: OK at once keeps the font as it is.
    auto *fonts = new QFontDialog(DNVideoEditorGeometry::panelFontOf(item_.textWatermarkFont()), panel_);
    fonts->setObjectName(QStringLiteral("watermarkFontPanel"));
    // Qt's own panel, which has the button box the colour button goes into.
    fonts->setOption(QFontDialog::DontUseNativeDialog);
    fonts->setAttribute(Qt::WA_DeleteOnClose);
    connect(fonts, &QFontDialog::currentFontChanged, this, &DNVideoEditorController::changeFont);
    if (auto *buttons = fonts->findChild<QDialogButtonBox *>()) {
        QPushButton *colour = buttons->addButton(tr("Text Colour..."), QDialogButtonBox::ActionRole);
        colour->setObjectName(QStringLiteral("watermarkColourButton"));
        connect(colour, &QPushButton::clicked, fonts, [this, fonts] {
            if (auto *open = fonts->findChild<QColorDialog *>()) {
                open->raise();
                return;
            }
            // It belongs to the font panel and closes with it.
            auto *colours = new QColorDialog(watermark_->textColor(), fonts);
            colours->setObjectName(QStringLiteral("watermarkColourPanel"));
            colours->setAttribute(Qt::WA_DeleteOnClose);
            connect(colours, &QColorDialog::currentColorChanged, this, &DNVideoEditorController::changeFontColor);
            connect(fonts, &QDialog::finished, colours, &QDialog::close);
            colours->show();
        });
    }
    fonts->show();
    fonts->raise();
}

void DNVideoEditorController::changeFont(const QFont &font)
{
    const DNTabViewItem *selected = editorTabView_->selectedTabViewItem();
    if ((selected && selected->identifier() == kTabSubtitle) || item_.typeOfWatermark() != 1)
        return;
    const DNFontRef chosen = DNVideoEditorGeometry::fontRef(font);
    // The font it has (the panel shows the system font under its family's name) changes nothing.
    if (*chosen == *DNVideoEditorGeometry::fontRef(DNVideoEditorGeometry::panelFontOf(item_.textWatermarkFont())))
        return;
    watermark_->setTextFont(font);
    item_.setTextWatermarkFont(chosen);
}

void DNVideoEditorController::changeFontColor(const QColor &colour)
{
    if (item_.typeOfWatermark() != 1)
        return;
    watermark_->setTextColor(colour);
    item_.setTextWatermarkColor(DNVideoEditorGeometry::colorRef(colour));
}

void DNVideoEditorController::followProcessedPicture()
{
    if (!watermark_)
        return;
    const QRect frame = processedPictureFrame();
    if (frame == watermark_->geometry())
        return;
    const QRectF place = DNVideoEditorGeometry::fractionsOf(watermark_->selectionArea(), QSizeF(watermark_->size()));
    // A new frame puts the box back to its default place; it goes back to where it was.
    watermark_->setFrame(frame);
    if (!place.isEmpty())
        setWatermarkSelection(DNVideoEditorGeometry::ofFractions(place, QSizeF(frame.size())));
    didChange(QStringLiteral("watermarkFrameChanged"));
}

QSizeF DNVideoEditorController::watermarkScale() const
{
    return pixelsPerPoint(watermark_, processedPictureSize());
}

DNVideoEditorGeometry::BoxValues DNVideoEditorController::watermarkValues() const
{
    return DNVideoEditorGeometry::boxValues(selectionArea(watermark_), boxFrame(watermark_).size(), watermarkScale(),
                                            false);
}

float DNVideoEditorController::watermarkWidth() const
{
    return watermarkValues().width;
}

float DNVideoEditorController::watermarkHeight() const
{
    return watermarkValues().height;
}

float DNVideoEditorController::watermarkOriginLeft() const
{
    return watermarkValues().left;
}

float DNVideoEditorController::watermarkOriginBottom() const
{
    return watermarkValues().bottom;
}

float DNVideoEditorController::watermarkOriginTop() const
{
    return watermarkValues().top;
}

float DNVideoEditorController::watermarkMaxWidth() const
{
    return watermarkValues().maxWidth;
}

float DNVideoEditorController::watermarkMaxHeight() const
{
    return watermarkValues().maxHeight;
}

float DNVideoEditorController::watermarkMaxLeft() const
{
    return watermarkValues().maxLeft;
}

float DNVideoEditorController::watermarkMaxTop() const
{
    return watermarkValues().maxTop;
}

void DNVideoEditorController::setWatermarkSelection(const QRectF &area)
{
    if (watermark_)
        watermark_->setSelectionArea(area);
}

void DNVideoEditorController::editWatermark(BoxEdit edit, float pixels, const QString &key)
{
    setWatermarkSelection(DNVideoEditorGeometry::editedSelection(
        watermark_->selectionArea(), QSizeF(watermark_->size()), watermarkScale(), edit, pixels));
    didChange(key);
}

void DNVideoEditorController::setWatermarkWidth(float pixels)
{
    editWatermark(BoxEdit::Width, pixels, QStringLiteral("watermarkWidth"));
}

void DNVideoEditorController::setWatermarkHeight(float pixels)
{
    editWatermark(BoxEdit::Height, pixels, QStringLiteral("watermarkHeight"));
}

void DNVideoEditorController::setWatermarkOriginLeft(float pixels)
{
    editWatermark(BoxEdit::Left, pixels, QStringLiteral("watermarkOriginLeft"));
}

void DNVideoEditorController::setWatermarkOriginTop(float pixels)
{
    editWatermark(BoxEdit::Top, pixels, QStringLiteral("watermarkOriginTop"));
}
