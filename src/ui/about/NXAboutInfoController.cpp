#include "NXAboutInfoController.h"

#include "core/util/DNBuildDate.h"
#include "core/util/DNSystemActions.h"
#include "core/util/DNSystemInfo.h"
#include "ui/controls/DNImageNamed.h"
#include "ui/controls/DNLinkButton.h"
#include "ui/scripting/NXAppleScriptHandle.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace {
const char *const kHomePage = "www.harnvale.com/talvane/";
const char *const kJapaneseHomePage = "www.harnvale.com/jp/talvane/";
const char *const kSupportAddress = "support@harnvale.com";

constexpr int kPanelWidth = 440;
constexpr int kPanelHeight = 330;
// The title line's bottom edge lies this far below the panel's top.
constexpr int kTitleBottom = 40;
} // namespace

NXAboutInfoController::NXAboutInfoController(QObject *parent) : QObject(parent)
{
    buildPanel();
}

NXAboutInfoController::~NXAboutInfoController()
{
    delete aboutPanel_.data();
}

void NXAboutInfoController::buildPanel()
{
    aboutPanel_ = new QDialog;
    aboutPanel_->setObjectName(QStringLiteral("NXAboutPanel"));
    aboutPanel_->setWindowTitle(tr("About %1").arg(DNApplicationName()));
    aboutPanel_->setFixedSize(kPanelWidth, kPanelHeight);

    titleAndVersion_ = new QLabel(aboutPanel_);
    QFont titleFont = titleAndVersion_->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    titleAndVersion_->setFont(titleFont);

    buildDate_ = new QLabel(aboutPanel_);
    buildDate_->setAlignment(Qt::AlignCenter);
    buildDate_->setGeometry(20, kTitleBottom + 8, kPanelWidth - 40, 20);
    buildDate_->setStyleSheet(QStringLiteral("color: #5b606a;"));

    picture_ = new QLabel(aboutPanel_);
    const QPixmap logo = DNImageNamed(QStringLiteral("our_company.png"));
    const QSize pictureSize(224, 126);
    picture_->setGeometry((kPanelWidth - pictureSize.width()) / 2, 84, pictureSize.width(), pictureSize.height());
    if (!logo.isNull())
        picture_->setPixmap(logo.scaled(pictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    homeButton_ = new DNLinkButton(buttonHomePageString(), aboutPanel_);
    supportButton_ = new DNLinkButton(buttonSupportString(), aboutPanel_);
    int y = 222;
    for (DNLinkButton *link : {homeButton_, supportButton_}) {
        const QSize hint = link->sizeHint();
        link->setGeometry((kPanelWidth - hint.width()) / 2, y, hint.width(), hint.height());
        y += hint.height() + 6;
    }
    connect(homeButton_, &QPushButton::clicked, this, &NXAboutInfoController::homeClick);
    connect(supportButton_, &QPushButton::clicked, this, &NXAboutInfoController::contactClick);

    okButton_ = new QPushButton(tr("OK"), aboutPanel_);
    okButton_->setDefault(true);
    const QSize okSize(okButton_->sizeHint().expandedTo(QSize(86, 0)));
    okButton_->setGeometry(kPanelWidth - okSize.width() - 16, kPanelHeight - okSize.height() - 14, okSize.width(),
                           okSize.height());
    connect(okButton_, &QPushButton::clicked, this, &NXAboutInfoController::OKClick);
}

void NXAboutInfoController::showWithInWindow(QWidget *window)
{
    updateStatus();
    if (window && aboutPanel_->parentWidget() != window)
        aboutPanel_->setParent(window, aboutPanel_->windowFlags() | Qt::Dialog);
    aboutPanel_->setWindowModality(Qt::WindowModal);
    aboutPanel_->exec();
}

void NXAboutInfoController::OKClick()
{
    aboutPanel_->done(QDialog::Accepted);
}

QString NXAboutInfoController::homePageForLanguage(const QString &firstLanguage)
{
    return QString::fromLatin1(firstLanguage == QLatin1String("ja") ? kJapaneseHomePage : kHomePage);
}

void NXAboutInfoController::homeClick()
{
    DNOpenWebPage(homePageForLanguage(DNFirstPreferredLanguage()));
}

void NXAboutInfoController::contactClick()
{
    NXAppleScriptHandle::sendEmailWithMail(buttonSupportString(), DNSupportMailTitle(), {}, QString());
}

void NXAboutInfoController::updateStatus()
{
    buildDate_->setText(DNBuildDateText());
    titleAndVersion_->setText(QStringLiteral("%1 %2").arg(DNApplicationName(), DNApplicationVersion()));
    titleAndVersion_->adjustSize();
    // A title wider than the panel is held inside it and centred all the same.
    const int width = qMin(titleAndVersion_->width(), kPanelWidth - 16);
    titleAndVersion_->setGeometry((kPanelWidth - width) / 2, kTitleBottom - titleAndVersion_->height(), width,
                                  titleAndVersion_->height());
}

QString NXAboutInfoController::buttonHomePageString() const
{
    return QString::fromLatin1(kHomePage);
}

QString NXAboutInfoController::buttonSupportString() const
{
    return QString::fromLatin1(kSupportAddress);
}
