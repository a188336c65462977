#pragma once

#include "core/model/DNNodeInfo.h"
#include "core/model/NXBasicMediaNode.h"

#include <QObject>

#include <memory>

class QDialog;
class QLineEdit;
class QPushButton;
class QWidget;

// The tag sheet: edits the output name and the title, artist, comments and genre tags of one
// media-list item. The output name is shown and stored with the extension of the item's
// profile. Done writes the fields back and asks the list to redraw, Cancel changes nothing,
// Apply to all writes them back and posts the record for every item of the list (the sheet
// stays open).
class DNNodeTagController : public QObject
{
    Q_OBJECT
public:
    explicit DNNodeTagController(QObject *parent = nullptr);
    ~DNNodeTagController() override;

    // The item edited; not kept alive. An item that holds no tag record is ignored.
    void setMediaNode(const NXMediaNodePtr &node);
    NXMediaNodePtr mediaNode() const { return mediaNode_.lock(); }
    // The item's own record (edited in place), or null.
    DNNodeInfoPtr nodeInfo() const;

    void displayTagEditorOnWindow(QWidget *window);
    void configTextFieldWithNodeInfo();
    void updateNodeInfo();
    void onDone();
    void onCancel();
    void onApple2All();

    QDialog *panel() const { return panel_; }
    QLineEdit *outputname() const { return outputname_; }
    QLineEdit *name() const { return name_; }
    QLineEdit *artist() const { return artist_; }
    QLineEdit *comments() const { return comments_; }
    QLineEdit *genre() const { return genre_; }
    QPushButton *doneButton() const { return doneButton_; }
    QPushButton *cancelButton() const { return cancelButton_; }
    QPushButton *applyToAllButton() const { return applyToAllButton_; }

private:
    void buildPanel();
    QString profileSuffix() const;

    QDialog *panel_ = nullptr;
    QLineEdit *outputname_ = nullptr;
    QLineEdit *name_ = nullptr;
    QLineEdit *artist_ = nullptr;
    QLineEdit *comments_ = nullptr;
    QLineEdit *genre_ = nullptr;
    QPushButton *doneButton_ = nullptr;
    QPushButton *cancelButton_ = nullptr;
    QPushButton *applyToAllButton_ = nullptr;
    std::weak_ptr<NXBasicMediaNode> mediaNode_;
};
