#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

// The live picture of a recorder: the newest preview picture fitted into a black area, or a
// message where there is nothing to show (no camera, no session).
class DNCapturePreviewView : public QWidget
{
    Q_OBJECT
public:
    explicit DNCapturePreviewView(QWidget *parent = nullptr);

    void showFrame(const QImage &frame);
    QImage frame() const { return frame_; }
    void setMessage(const QString &message);
    QString message() const { return message_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage frame_;
    QString message_;
};
