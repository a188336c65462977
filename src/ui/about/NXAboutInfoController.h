#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>

class DNLinkButton;
class QLabel;
class QPushButton;
class QWidget;

// The about box: a sheet on the main window with the program's name and version, when it was
// built, a link to the maker's web site and a link that writes a support e-mail. It runs
// modally until it is closed.
class NXAboutInfoController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString buttonHomePageString READ buttonHomePageString CONSTANT)
    Q_PROPERTY(QString buttonSupportString READ buttonSupportString CONSTANT)
public:
    explicit NXAboutInfoController(QObject *parent = nullptr);
    ~NXAboutInfoController() override;

    // updateStatus, then the sheet on window; returns when the sheet has ended.
    void showWithInWindow(QWidget *window);
    void OKClick();
    // The maker's site: its Japanese page when the user's first language is Japanese.
    void homeClick();
    // A new message to the support address, subject the support-mail title, empty body.
    void contactClick();
    // Fills the build date and the title line, and centres the title.
    void updateStatus();

    QString buttonHomePageString() const;
    QString buttonSupportString() const;
    // The page homeClick opens for the given first preferred language.
    static QString homePageForLanguage(const QString &firstLanguage);

    QDialog *aboutPanel() const { return aboutPanel_; }
    QLabel *titleAndVersion() const { return titleAndVersion_; }
    QLabel *buildDate() const { return buildDate_; }
    DNLinkButton *homeButton() const { return homeButton_; }
    DNLinkButton *supportButton() const { return supportButton_; }
    QPushButton *okButton() const { return okButton_; }

private:
    void buildPanel();

    QPointer<QDialog> aboutPanel_;
    QLabel *titleAndVersion_ = nullptr;
    QLabel *buildDate_ = nullptr;
    QLabel *picture_ = nullptr;
    DNLinkButton *homeButton_ = nullptr;
    DNLinkButton *supportButton_ = nullptr;
    QPushButton *okButton_ = nullptr;
};
