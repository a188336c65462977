#pragma once

// Names from outside the program that look like markup, and how to read what a control draws of
// them.
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QString>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace plaintexttest {

// A line as an item's name may come: bold, an entity and a live link.
inline const QString kMarkupLine = QStringLiteral("My <b>holiday</b> & <a href=\"http://example.org\">x</a>.mp4");
// The same as a name a file on disk can have (no slash): bold to its end, and a link.
inline const QString kMarkupFileName = QStringLiteral("My <b>holiday &amp; <a href=\"mailto:x@example.org\">x.mp4");

// Whether label draws its text character for character: its picture is the one it draws once
// told that its text is plain. A label that takes its text for markup draws "<b>" as bold type.
inline bool drawsAsWritten(QLabel *label)
{
    const Qt::TextFormat format = label->textFormat();
    const QImage drawn = label->grab().toImage();
    label->setTextFormat(Qt::PlainText);
    const QImage plain = label->grab().toImage();
    label->setTextFormat(format);
    return drawn == plain;
}

// Every label of alert that shows text is plain and draws it as written.
inline void expectAlertDrawsAsWritten(QMessageBox *alert)
{
    int texts = 0;
    for (QLabel *label : alert->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        ++texts;
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_TRUE(drawsAsWritten(label)) << label->text().toStdString();
    }
    // The message and the informative text.
    EXPECT_GE(texts, 2);
}

// The text a tooltip given tip shows: Qt draws a tooltip as rich text when it looks like markup.
inline QString shownAsToolTip(const QString &tip)
{
    if (!Qt::mightBeRichText(tip))
        return tip;
    QTextDocument document;
    document.setHtml(tip);
    return document.toPlainText();
}

} // namespace plaintexttest
