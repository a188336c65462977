// The editor sheet's controls: the two previews with their boxes over them, the play position
// and trim slider, the six pages, Done and Apply to all; and what each control shows of the
// controller's values and tells it back.
#include "DNVideoEditorController.h"

#include "ui/controls/DNPlainText.h"
#include "ui/controls/DNProgressIndicator.h"
#include "ui/editor/controls/DNWatermarkView.h"
#include "ui/editor/controls/NXCropCfgValueTransform.h"
#include "ui/editor/controls/NXSegmentSlider.h"
#include "ui/editor/controls/NXTimePicker.h"
#include "ui/editor/panel/DNTabView.h"
#include "ui/editor/preview/NXEditMovieView.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <functional>

namespace {
constexpr int kPreviewWidth = 400;
constexpr int kPreviewHeight = 300;
constexpr int kIndicatorSize = 32;
constexpr int kLargestPixels = 100000;

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton *button(const QString &title, const char *name)
{
    return named(new QPushButton(title), name);
}

// A page's on/off switch with a line saying what the page does.
QVBoxLayout *pageLayout(QWidget *page, QCheckBox *toggle, const QString &hint)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(14, 10, 14, 10);
    auto *head = new QHBoxLayout;
    head->addWidget(toggle);
    auto *note = new QLabel(hint);
    note->setEnabled(false);
    // Wrapped: a longer translation takes a second line instead of widening the sheet.
    note->setWordWrap(true);
    head->addSpacing(12);
    head->addWidget(note, 1);
    layout->addLayout(head);
    return layout;
}

// A preview with its caption above it and a busy indicator in its middle.
NXEditMovieView *preview(QVBoxLayout *column, const QString &caption, const char *name, DNProgressIndicator *&busy)
{
    auto *title = new QLabel(caption);
    title->setAlignment(Qt::AlignHCenter);
    column->addWidget(title);
    auto *view = named(new NXEditMovieView, name);
    view->setFixedSize(kPreviewWidth, kPreviewHeight);
    column->addWidget(view);
    busy = new DNProgressIndicator(view);
    busy->setGeometry((kPreviewWidth - kIndicatorSize) / 2, (kPreviewHeight - kIndicatorSize) / 2, kIndicatorSize,
                      kIndicatorSize);
    busy->hide();
    return view;
}

QSpinBox *pixelField(const char *name)
{
    auto *field = named(new QSpinBox, name);
    field->setRange(0, kLargestPixels);
    field->setSuffix(QStringLiteral(" px"));
    field->setKeyboardTracking(false);
    field->setMinimumWidth(90);
    return field;
}

// The sheet has no Cancel: closing its window or pressing Escape closes it as Done does, so
// what the boxes and the previews hold is written back all the same.
class EditorPanel : public QDialog
{
public:
    explicit EditorPanel(std::function<void()> close) : close_(std::move(close)) {}
    void reject() override { close_(); }

private:
    std::function<void()> close_;
};

QSlider *horizontalSlider(int minimum, int maximum, const char *name)
{
    auto *slider = named(new QSlider(Qt::Horizontal), name);
    slider->setRange(minimum, maximum);
    slider->setMinimumWidth(220);
    return slider;
}
} // namespace

void DNVideoEditorController::buildPanel()
{
    panel_ = new EditorPanel([this] { onEditorDone(); });
    panel_->setObjectName(QStringLiteral("DNVideoEditorController"));
    panel_->setWindowTitle(tr("Edit Video"));
    auto *main = new QVBoxLayout(panel_);
    main->setSpacing(8);

    // --- the two previews
    auto *previews = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    NXEditMovieView *original = preview(left, tr("Original"), "originalView", progressIndicatorONE_);
    NXEditMovieView *processed = preview(right, tr("Preview"), "effectView", progressIndicatorTWO_);
    renderControl_->setOriginalView(original);
    renderControl_->setEffectView(processed);
    processed->installEventFilter(this);
    selectionView_ = named(new DNAreaSelectView(QRect(), original), "selectionView");
    selectionView_->hide();
    // The indicators stay above the boxes.
    progressIndicatorONE_->raise();
    previews->addLayout(left);
    previews->addSpacing(8);
    previews->addLayout(right);
    main->addLayout(previews);

    // --- play, position and trim
    auto *transport = new QHBoxLayout;
    auto *play = button(QString(), "playButton");
    play->setFlat(true);
    play->setIconSize(QSize(24, 24));
    play->setFixedSize(30, 30);
    play->setToolTip(tr("Play or pause"));
    connect(play, &QPushButton::clicked, this, &DNVideoEditorController::pauseAndContinesEditVideo);
    observers_.observe(QStringLiteral("playButtonStateImage"), [this, play] { play->setIcon(playButtonStateImage()); });
    play->setIcon(playButtonStateImage());
    editPlayTime_ = named(new QLabel(QStringLiteral("00:00:00")), "editPlayTime");
    editDurationSlider_ = named(new NXSegmentSlider, "editDurationSlider");
    editDurationSlider_->setMinimumWidth(560);
    editLeftTime_ = named(new QLabel(QStringLiteral("-00:00:00")), "editLeftTime");
    transport->addWidget(play);
    transport->addWidget(editPlayTime_);
    transport->addWidget(editDurationSlider_, 1);
    transport->addWidget(editLeftTime_);
    main->addLayout(transport);

    // --- the pages, in the order the list's requests count them
    editorTabView_ = named(new DNTabView, "editorTabView");
    const struct
    {
        QString identifier;
        QString label;
        QWidget *(DNVideoEditorController::*build)();
    } pages[] = {
        {kTabGeneral, tr("General"), &DNVideoEditorController::buildGeneralPage},
        {kTabSubtitle, tr("Subtitle"), &DNVideoEditorController::buildSubtitlePage},
        {kTabTrimming, tr("Trim"), &DNVideoEditorController::buildTrimmingPage},
        {kTabCrop, tr("Crop"), &DNVideoEditorController::buildCropPage},
        {kTabWatermark, tr("Watermark"), &DNVideoEditorController::buildWatermarkPage},
        {kTabEffect, tr("Effect"), &DNVideoEditorController::buildEffectPage},
    };
    for (const auto &page : pages)
        editorTabView_->addTabViewItem(new DNTabViewItem(page.identifier, page.label, (this->*page.build)(), this));
    connect(editorTabView_, &DNTabView::didSelectTabViewItem, this,
            &DNVideoEditorController::tabViewDidSelectTabViewItem);
    main->addWidget(editorTabView_);

    // --- closing
    auto *closing = new QHBoxLayout;
    auto *info = button(tr("Information"), "infoButton");
    connect(info, &QPushButton::clicked, this, &DNVideoEditorController::infoButtonClicked);
    apply2AllButton_ = button(tr("Apply to All"), "apply2AllButton");
    apply2AllButton_->setToolTip(tr("Give these edits to every DVD title in the list"));
    connect(apply2AllButton_, &QPushButton::clicked, this, &DNVideoEditorController::onApplytoAll);
    doneButton_ = button(tr("Done"), "doneButton");
    doneButton_->setDefault(true);
    connect(doneButton_, &QPushButton::clicked, this, &DNVideoEditorController::onEditorDone);
    closing->addWidget(info);
    closing->addStretch(1);
    closing->addWidget(apply2AllButton_);
    closing->addWidget(doneButton_);
    main->addLayout(closing);
    main->setSizeConstraint(QLayout::SetFixedSize);

    connect(panel_, &QDialog::finished, this, &DNVideoEditorController::videoEditorDidEnd);
    buildLanguagePanel();
}

QCheckBox *DNVideoEditorController::boundCheckBox(const Switch &sw)
{
    auto *box = named(new QCheckBox(sw.title), sw.name);
    connect(box, &QCheckBox::toggled, this, sw.set);
    observers_.observe(sw.key, [this, box, value = sw.value] {
        const QSignalBlocker quiet(box);
        box->setChecked((this->*value)());
    });
    return box;
}

QVBoxLayout *DNVideoEditorController::switchedPageLayout(QWidget *page, const Switch &pageSwitch,
                                                        const QString &hint)
{
    return pageLayout(page, boundCheckBox(pageSwitch), hint);
}

// A field shows its value and its limits in pixels and sets the box when typed.
QSpinBox *DNVideoEditorController::boundPixelField(const PixelField &f)
{
    QSpinBox *field = pixelField(f.name);
    connect(field, &QSpinBox::valueChanged, this, [this, set = f.set](int v) { (this->*set)(float(v)); });
    observers_.observe(f.key, [this, field, f] {
        const QSignalBlocker quiet(field);
        field->setRange(f.minimum ? int((this->*f.minimum)()) : 0, int((this->*f.maximum)()));
        field->setValue(int((this->*f.value)()));
    });
    return field;
}

QWidget *DNVideoEditorController::buildGeneralPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(14, 10, 14, 10);
    auto *form = new QFormLayout;

    auto *volumeRow = new QHBoxLayout;
    auto *volume = horizontalSlider(0, 200, "volumeSlider");
    auto *volumeValue = named(new QLabel, "volumeValue");
    volumeValue->setMinimumWidth(48);
    connect(volume, &QSlider::valueChanged, this, [this](int value) { setEditVideoVolume(float(value)); });
    observers_.observe(QStringLiteral("editVideoVolume"), [this, volume, volumeValue] {
        const QSignalBlocker quiet(volume);
        volume->setValue(int(editVideoVolume()));
        volumeValue->setText(QStringLiteral("%1 %").arg(int(editVideoVolume())));
    });
    volumeRow->addWidget(volume);
    volumeRow->addWidget(volumeValue);
    volumeRow->addStretch(1);
    form->addRow(tr("Volume:"), volumeRow);

    QCheckBox *expand = boundCheckBox({tr("Fill the profile's picture size with black bands"), "expandCheck",
                                       QStringLiteral("canExpand"), &DNVideoEditorController::canExpand,
                                       &DNVideoEditorController::setCanExpand});
    form->addRow(QString(), expand);
    auto *profileSize = named(new QLabel, "profileSize");
    observers_.observe(QStringLiteral("videoResolutionStringValue"),
                       [this, profileSize] { profileSize->setText(videoResolutionStringValue()); });
    form->addRow(tr("Profile picture size:"), profileSize);

    auto *pictureSize = named(new QLabel, "pictureSize");
    // The item's own size: the player's shown size times the scale comes out a pixel or two off.
    observers_.observe(QStringLiteral("videoWidth"), [this, pictureSize] {
        const QSizeF size = item_.resolutionOfSelectedVideoTrack();
        const int w = int(size.width()), h = int(size.height());
        pictureSize->setText(w > 0 && h > 0 ? QStringLiteral("%1 × %2").arg(w).arg(h) : tr("Unknown until it plays"));
    });
    form->addRow(tr("Source picture size:"), pictureSize);
    layout->addLayout(form);
    layout->addStretch(1);
    return page;
}

QWidget *DNVideoEditorController::buildTrimmingPage()
{
    auto *page = new QWidget;
    const Switch pageSwitch{tr("Trim"), "trimCheck", QStringLiteral("editEnableTrimming"),
                            &DNVideoEditorController::editEnableTrimming,
                            &DNVideoEditorController::setEditEnableTrimming};
    QVBoxLayout *layout = switchedPageLayout(
        page, pageSwitch,
        tr("Keep the part between the start and the end; drag the slider's limit knobs or type the times."));
    auto *times = new QHBoxLayout;
    startTrimTime_ = named(new NXTimePicker, "startTrimTime");
    endTrimTime_ = named(new NXTimePicker, "endTrimTime");
    gernalTimeTrimDuration_ = named(new QLabel, "gernalTimeTrimDuration");
    auto *reset = button(tr("Reset"), "resetTrimButton");
    connect(reset, &QPushButton::clicked, this, &DNVideoEditorController::resetTimeTrimming);
    times->addWidget(new QLabel(tr("Start:")));
    times->addWidget(startTrimTime_);
    times->addSpacing(16);
    times->addWidget(new QLabel(tr("End:")));
    times->addWidget(endTrimTime_);
    times->addSpacing(16);
    times->addWidget(new QLabel(tr("Length:")));
    times->addWidget(gernalTimeTrimDuration_);
    times->addStretch(1);
    times->addWidget(reset);
    layout->addLayout(times);
    layout->addStretch(1);
    observers_.observe(QStringLiteral("editEnableTrimming"),
                       [this, reset] { reset->setEnabled(editEnableTrimming()); });
    return page;
}

QWidget *DNVideoEditorController::buildCropPage()
{
    auto *page = new QWidget;
    const Switch pageSwitch{tr("Crop"), "cropCheck", QStringLiteral("editorEnableCrop"),
                            &DNVideoEditorController::editorEnableCrop, &DNVideoEditorController::setEditorEnableCrop};
    QVBoxLayout *layout =
        switchedPageLayout(page, pageSwitch, tr("Drag the box over the original picture, or choose a preset."));
    auto *grid = new QGridLayout;
    auto *preset = named(new QComboBox, "cropPresetPopUp");
    preset->addItems(NXCropCfgValueTransform::transformedValue(selectionView_->cropConfigItems()));
    connect(preset, &QComboBox::activated, this, &DNVideoEditorController::setIndexOfCropMode);
    observers_.observe(QStringLiteral("indexOfCropMode"), [this, preset] {
        const QSignalBlocker quiet(preset);
        preset->setCurrentIndex(indexOfCropMode());
    });
    grid->addWidget(new QLabel(tr("Preset:")), 0, 0);
    grid->addWidget(preset, 0, 1, 1, 3);

    const PixelField fields[] = {
        {"cropWidth", tr("Width:"), QStringLiteral("videoCropWidth"), &DNVideoEditorController::videoCropWidth,
         &DNVideoEditorController::videoMaxCropWidth, &DNVideoEditorController::videoMinCropWidth,
         &DNVideoEditorController::setVideoCropWidth},
        {"cropHeight", tr("Height:"), QStringLiteral("videoCropHeight"), &DNVideoEditorController::videoCropHeight,
         &DNVideoEditorController::videoMaxCropHeight, &DNVideoEditorController::videoMinCropHeight,
         &DNVideoEditorController::setVideoCropHeight},
        {"cropLeft", tr("Left:"), QStringLiteral("videoCropOriginLeft"), &DNVideoEditorController::videoCropOriginLeft,
         &DNVideoEditorController::videoMaxCropLeft, nullptr, &DNVideoEditorController::setVideoCropOriginLeft},
        {"cropTop", tr("Top:"), QStringLiteral("videoCropOriginTop"), &DNVideoEditorController::videoCropOriginTop,
         &DNVideoEditorController::videoMaxCropTop, nullptr, &DNVideoEditorController::setVideoCropOriginTop},
    };
    int column = 0;
    for (const PixelField &f : fields) {
        grid->addWidget(new QLabel(f.label), 1 + column / 2, (column % 2) * 2);
        grid->addWidget(boundPixelField(f), 1 + column / 2, (column % 2) * 2 + 1);
        ++column;
    }
    grid->setColumnStretch(4, 1);
    layout->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    auto *rotate = button(tr("Rotate 90°"), "rotateButton");
    rotate->setToolTip(tr("Turn the picture a quarter turn clockwise"));
    connect(rotate, &QPushButton::clicked, this, &DNVideoEditorController::rotateVideo);
    auto *mirror = button(tr("Mirror"), "mirrorButton");
    mirror->setToolTip(tr("Mirror the picture left to right"));
    connect(mirror, &QPushButton::clicked, this, &DNVideoEditorController::flipVideo);
    auto *reset = button(tr("Reset"), "resetCropButton");
    connect(reset, &QPushButton::clicked, this, &DNVideoEditorController::resetVideoCrop);
    buttons->addWidget(rotate);
    buttons->addWidget(mirror);
    buttons->addStretch(1);
    buttons->addWidget(reset);
    layout->addLayout(buttons);
    layout->addStretch(1);
    observers_.observe(QStringLiteral("editorEnableCrop"), [this, preset, grid] {
        preset->setEnabled(editorEnableCrop());
        for (int i = 0; i < grid->count(); ++i)
            if (QWidget *w = grid->itemAt(i)->widget())
                w->setEnabled(editorEnableCrop());
    });
    return page;
}

QWidget *DNVideoEditorController::buildWatermarkPage()
{
    auto *page = new QWidget;
    QCheckBox *toggle = boundCheckBox({tr("Watermark"), "watermarkCheck", QStringLiteral("enableWaterMark"),
                                       &DNVideoEditorController::enableWaterMark,
                                       &DNVideoEditorController::setEnableWaterMark});
    observers_.observe(QStringLiteral("canEnableWaterMark"),
                       [this, toggle] { toggle->setEnabled(canEnableWaterMark()); });
    QVBoxLayout *layout =
        pageLayout(page, toggle, tr("Lay a picture or a text over the video; drag its box over the preview."));
    auto *grid = new QGridLayout;
    auto *kinds = new QButtonGroup(page);
    auto *picture = named(new QRadioButton(tr("Picture:")), "watermarkPictureRadio");
    auto *text = named(new QRadioButton(tr("Text:")), "watermarkTextRadio");
    kinds->addButton(picture, 0);
    kinds->addButton(text, 1);
    connect(kinds, &QButtonGroup::idClicked, this, &DNVideoEditorController::setWatermarkTypeIndex);
    watermarkImageAddress_ = named(new QLineEdit, "watermarkImageAddress");
    watermarkImageAddress_->setReadOnly(true);
    auto *choose = button(tr("Choose..."), "watermarkChooseButton");
    connect(choose, &QPushButton::clicked, this, &DNVideoEditorController::openImageForWatermark);
    watermarkTextInput_ = named(new QLineEdit, "watermarkTextInput");
    watermarkTextInput_->setPlaceholderText(tr("The text to show"));
    // The text is taken when the user has finished it (Return, or leaving the field): the box is
    // sized by the first text it gets, which must be the whole text and not its first letter.
    connect(watermarkTextInput_, &QLineEdit::editingFinished, this,
            [this] { textWatermarkNewInput(watermarkTextInput_->text()); });
    watermarkTextInput_->installEventFilter(this);
    auto *font = button(tr("Font..."), "watermarkFontButton");
    connect(font, &QPushButton::clicked, this, &DNVideoEditorController::openFontSetPanel);
    grid->addWidget(picture, 0, 0);
    grid->addWidget(watermarkImageAddress_, 0, 1);
    grid->addWidget(choose, 0, 2);
    grid->addWidget(text, 1, 0);
    grid->addWidget(watermarkTextInput_, 1, 1);
    grid->addWidget(font, 1, 2);
    observers_.observe(QStringLiteral("watermarkTypeIndex"), [=, this] {
        const QSignalBlocker quiet(kinds);
        (watermarkTypeIndex() == 0 ? picture : text)->setChecked(true);
    });
    observers_.observe(QStringLiteral("enableImageWatermark"), [=, this] {
        const bool image = enableImageWatermark();
        watermarkImageAddress_->setEnabled(image);
        choose->setEnabled(image);
        watermarkTextInput_->setEnabled(!image);
        font->setEnabled(!image);
    });

    auto *transparency = horizontalSlider(0, 100, "transparencySlider");
    auto *transparencyValue = named(new QLabel, "transparencyValue");
    connect(transparency, &QSlider::valueChanged, this, [this](int v) { setWmTransparency(float(v)); });
    observers_.observe(QStringLiteral("wmTransparency"), [this, transparency, transparencyValue] {
        const QSignalBlocker quiet(transparency);
        transparency->setValue(int(wmTransparency()));
        transparencyValue->setText(QStringLiteral("%1 %").arg(int(wmTransparency())));
    });
    auto *transparencyRow = new QHBoxLayout;
    transparencyRow->addWidget(transparency);
    transparencyRow->addWidget(transparencyValue);
    transparencyRow->addStretch(1);
    grid->addWidget(new QLabel(tr("Transparency:")), 2, 0);
    grid->addLayout(transparencyRow, 2, 1, 1, 2);

    const PixelField fields[] = {
        {"watermarkWidth", tr("Width:"), QStringLiteral("watermarkWidth"), &DNVideoEditorController::watermarkWidth,
         &DNVideoEditorController::watermarkMaxWidth, nullptr, &DNVideoEditorController::setWatermarkWidth},
        {"watermarkHeight", tr("Height:"), QStringLiteral("watermarkHeight"), &DNVideoEditorController::watermarkHeight,
         &DNVideoEditorController::watermarkMaxHeight, nullptr, &DNVideoEditorController::setWatermarkHeight},
        {"watermarkLeft", tr("Left:"), QStringLiteral("watermarkOriginLeft"),
         &DNVideoEditorController::watermarkOriginLeft, &DNVideoEditorController::watermarkMaxLeft, nullptr,
         &DNVideoEditorController::setWatermarkOriginLeft},
        {"watermarkTop", tr("Top:"), QStringLiteral("watermarkOriginTop"), &DNVideoEditorController::watermarkOriginTop,
         &DNVideoEditorController::watermarkMaxTop, nullptr, &DNVideoEditorController::setWatermarkOriginTop},
    };
    auto *place = new QHBoxLayout;
    for (const PixelField &f : fields) {
        place->addWidget(new QLabel(f.label));
        place->addWidget(boundPixelField(f));
        place->addSpacing(8);
    }
    place->addStretch(1);
    layout->addLayout(grid);
    layout->addLayout(place);
    layout->addStretch(1);
    return page;
}

QWidget *DNVideoEditorController::buildEffectPage()
{
    auto *page = new QWidget;
    const Switch pageSwitch{tr("Effect"), "effectCheck", QStringLiteral("enableVideoEffect"),
                            &DNVideoEditorController::enableVideoEffect,
                            &DNVideoEditorController::setEnableVideoEffect};
    QVBoxLayout *layout = switchedPageLayout(page, pageSwitch, tr("Colour the picture."));
    effectView_ = named(new DNEffectsView(QRect(0, 0, 560, 110)), "effectsGrid");
    effectView_->setFixedSize(560, 110);
    auto *pageLabel = named(new QLabel, "effectsPageLabel");
    effectView_->setPageLabel(pageLabel);
    layout->addWidget(effectView_);
    layout->addWidget(pageLabel);
    return page;
}

QWidget *DNVideoEditorController::buildSubtitlePage()
{
    auto *page = new QWidget;
    const Switch pageSwitch{tr("Subtitles"), "subtitleCheck", QStringLiteral("enableVideoSubtitle"),
                            &DNVideoEditorController::enableVideoSubtitle,
                            &DNVideoEditorController::setEnableVideoSubtitle};
    QVBoxLayout *layout =
        switchedPageLayout(page, pageSwitch, tr("Burn a subtitle stream or a subtitle file into the picture."));
    auto *grid = new QGridLayout;
    auto *modes = new QButtonGroup(page);
    auto *inner = named(new QRadioButton(tr("Subtitle stream:")), "innerSubtitleRadio");
    auto *extra = named(new QRadioButton(tr("Subtitle file:")), "extraSubtitleRadio");
    modes->addButton(inner, 0);
    modes->addButton(extra, 1);
    connect(modes, &QButtonGroup::idClicked, this, &DNVideoEditorController::setSubtitleMode);
    auto *streams = named(new QComboBox, "innerSubtitlePopUp");
    connect(streams, &QComboBox::activated, this, &DNVideoEditorController::setInnerSubtitleSelectIndex);
    auto *path = named(new QLineEdit, "extraSubtitlePath");
    path->setReadOnly(true);
    auto *choose = button(tr("Choose..."), "subtitleChooseButton");
    connect(choose, &QPushButton::clicked, this, &DNVideoEditorController::openPanelForChooseSRTFile);
    auto *language = named(new QComboBox, "subtitleLanguagePopUp");
    for (const QVariantMap &dic : extSubtitleLanguageDics())
        language->addItem(dic.value(QStringLiteral("languageName")).toString(), dic);
    connect(language, &QComboBox::activated, this,
            [this, language](int index) { setCurLanguageDic(language->itemData(index).toMap()); });
    auto *position = named(new QComboBox, "subtitlePositionPopUp");
    position->addItems(allSubtitlePosition());
    connect(position, &QComboBox::textActivated, this, &DNVideoEditorController::setSubtitlePosition);

    grid->addWidget(inner, 0, 0);
    grid->addWidget(streams, 0, 1, 1, 2);
    grid->addWidget(extra, 1, 0);
    grid->addWidget(path, 1, 1);
    grid->addWidget(choose, 1, 2);
    grid->addWidget(new QLabel(tr("Language:")), 2, 0, Qt::AlignRight);
    grid->addWidget(language, 2, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Position:")), 3, 0, Qt::AlignRight);
    grid->addWidget(position, 3, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addStretch(1);

    observers_.observe(QStringLiteral("innerSubtitile"), [this, streams] {
        const QSignalBlocker quiet(streams);
        streams->clear();
        streams->addItems(innerSubtitile());
        streams->setCurrentIndex(innerSubtitleSelectIndex());
    });
    observers_.observe(QStringLiteral("innerSubtitleSelectIndex"), [this, streams] {
        const QSignalBlocker quiet(streams);
        streams->setCurrentIndex(innerSubtitleSelectIndex());
    });
    observers_.observe(QStringLiteral("subtitleMode"), [=, this] {
        const QSignalBlocker quiet(modes);
        (isForExtraSubtitle() ? extra : inner)->setChecked(true);
    });
    observers_.observe(QStringLiteral("extraSRTFilePath"), [this, path] {
        path->setText(extraSRTFilePath());
        path->setToolTip(DNPlainToolTip(extraSRTFilePath()));
    });
    observers_.observe(QStringLiteral("curLanguageDic"), [this, language] {
        const QSignalBlocker quiet(language);
        language->setCurrentIndex(language->findData(curLanguageDic()));
    });
    observers_.observe(QStringLiteral("subtitlePosition"), [this, position] {
        const QSignalBlocker quiet(position);
        position->setCurrentText(subtitlePosition());
    });
    // What applies to the chosen kind of subtitle is enabled while subtitles are on.
    const auto enable = [=, this] {
        const bool on = enableVideoSubtitle();
        for (QWidget *w : std::initializer_list<QWidget *>{inner, extra, position})
            w->setEnabled(on);
        streams->setEnabled(on && !isForExtraSubtitle());
        for (QWidget *w : std::initializer_list<QWidget *>{path, choose, language})
            w->setEnabled(on && isForExtraSubtitle());
    };
    observers_.observe(QStringLiteral("enableVideoSubtitle"), enable);
    observers_.observe(QStringLiteral("isForExtraSubtitle"), enable);
    return page;
}

void DNVideoEditorController::buildLanguagePanel()
{
    languageChoosePanel_ = new QDialog(panel_);
    languageChoosePanel_->setObjectName(QStringLiteral("languageChoosePanel"));
    languageChoosePanel_->setWindowTitle(tr("Subtitle Language"));
    auto *layout = new QVBoxLayout(languageChoosePanel_);
    layout->addWidget(new QLabel(tr("Which language is the subtitle file in?")));
    auto *language = named(new QComboBox, "languageChoosePopUp");
    for (const QVariantMap &dic : extSubtitleLanguageDics())
        language->addItem(dic.value(QStringLiteral("languageName")).toString(), dic);
    connect(language, &QComboBox::activated, this,
            [this, language](int index) { setCurLanguageDic(language->itemData(index).toMap()); });
    observers_.observe(QStringLiteral("curLanguageDic"), [this, language] {
        const QSignalBlocker quiet(language);
        language->setCurrentIndex(language->findData(curLanguageDic()));
    });
    layout->addWidget(language);
    auto *ok = button(tr("OK"), "languageDoneButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &DNVideoEditorController::doneForceLanguageChoose);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    layout->addLayout(row);
}

void DNVideoEditorController::declareDependencies()
{
    const QString update = QStringLiteral("UpdateMediaNodeInformation");
    for (const char *value :
         {"editEnableTrimming", "editorEnableCrop", "enableWaterMark", "enableVideoEffect", "enableVideoSubtitle",
          "videoMinCropWidth", "videoMinCropHeight", "curLanguageDic", "isForDVDEdit", "editVideoVolume",
          "indexOfCropMode", "videoResolutionStringValue", "watermarkTypeIndex", "wmTransparency", "subtitleMode",
          "extraSRTFilePath", "canExpand", "innerSubtitile", "innerSubtitleSelectIndex", "subtitlePosition",
          // Shown beside the values above, read again with them.
          "enableImageWatermark", "videoWidth"})
        observers_.setDependencies(QString::fromLatin1(value), {update});
    const QString selected = QStringLiteral("SelectedRectChanged");
    const QString frame = QStringLiteral("watermarkFrameChanged");
    for (const char *side : {"Height", "Width"}) {
        observers_.setDependencies(QStringLiteral("videoCrop%1").arg(QLatin1String(side)), {selected, update});
        observers_.setDependencies(QStringLiteral("watermark%1").arg(QLatin1String(side)), {frame, update});
    }
    for (const char *side : {"OriginLeft", "OriginTop"}) {
        observers_.setDependencies(QStringLiteral("videoCrop%1").arg(QLatin1String(side)), {selected, update});
        observers_.setDependencies(QStringLiteral("watermark%1").arg(QLatin1String(side)), {frame, update});
    }
    const QStringList crops{QStringLiteral("videoCropHeight"), QStringLiteral("videoCropWidth"),
                            QStringLiteral("videoCropOriginLeft"), QStringLiteral("videoCropOriginTop")};
    const QStringList marks{QStringLiteral("watermarkWidth"), QStringLiteral("watermarkHeight"),
                            QStringLiteral("watermarkOriginLeft"), QStringLiteral("watermarkOriginTop")};
    // Every shown value follows every change of its box: a field's limits move with the others.
    for (const QString &value : crops)
        observers_.setDependencies(value, crops);
    for (const QString &value : marks)
        observers_.setDependencies(value, marks);
    observers_.setDependencies(QStringLiteral("isForExtraSubtitle"), {QStringLiteral("subtitleMode")});
    observers_.setDependencies(QStringLiteral("videoWidth"), {QStringLiteral("SelectedRectChanged")});
}
