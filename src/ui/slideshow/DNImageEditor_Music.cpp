// The slideshow editor's music table: the item's music in playing order, its adding and
// removing, and the seconds per photo that follow the music's length.
#include "ui/slideshow/DNImageEditor.h"

#include "core/util/DNTimeText.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QTableWidget>

int DNImageEditor::numberOfRowsInTableView() const
{
    return graphicsNode_ ? int(graphicsNode_->audioTracks().size()) : 0;
}

QString DNImageEditor::tableViewObjectValue(const QString &column, int row) const
{
    const DNGraphicsAudioPtr audio = graphicsNode_ ? graphicsNode_->audioTracks().value(row) : nullptr;
    if (!audio)
        return QString();
    if (column == QLatin1String("File"))
        return QFileInfo(audio->audioPath()).fileName();
    if (column == QLatin1String("Duration"))
        return DNTimeStringFromSeconds(audio->audioDuration());
    return QStringLiteral("x");
}

void DNImageEditor::reloadMusicTable()
{
    const int rows = numberOfRowsInTableView();
    audioList_->clearContents();
    audioList_->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        audioList_->setItem(row, 0, new QTableWidgetItem(tableViewObjectValue(QStringLiteral("File"), row)));
        audioList_->setItem(row, 1, new QTableWidgetItem(tableViewObjectValue(QStringLiteral("Duration"), row)));
        auto *remove = new QPushButton(tableViewObjectValue(QStringLiteral("Remove"), row));
        remove->setObjectName(QStringLiteral("removeMusicButton"));
        remove->setFlat(true);
        remove->setToolTip(tr("Remove this music"));
        // The row's button acts on its row: the row is selected first, as a click on it does.
        connect(remove, &QPushButton::clicked, this, [this, row] {
            audioList_->selectRow(row);
            buttonCellClick();
        });
        audioList_->setCellWidget(row, 2, remove);
        audioList_->setRowHeight(row, kMusicRowHeight + 6);
    }
}

void DNImageEditor::addMovieMusic()
{
    openPanel(audioList_->window(), tr("Add Music"), "addMusicPanel", QFileDialog::ExistingFiles,
              tr("Music (*.mp3 *.m4a)"), &DNImageEditor::addMusicPanelDidEnd);
}

void DNImageEditor::addMusicPanelDidEnd(int returnCode, const QStringList &files)
{
    if (returnCode != 1 || !graphicsNode_)
        return;
    for (const QString &file : files)
        graphicsNode_->audioTracks().append(DNGraphicsAudio::graphicsAudio(file));
    reloadMusicTable();
    Q_EMIT totalAudioDurationChanged();
    setStateOfAutoCaltulate(!graphicsNode_->audioTracks().isEmpty());
    autoCalculate();
}

void DNImageEditor::buttonCellClick()
{
    const QModelIndexList selected = audioList_->selectionModel()->selectedRows();
    if (!graphicsNode_ || selected.isEmpty())
        return;
    const int row = selected.first().row();
    if (row < 0 || row >= graphicsNode_->audioTracks().size())
        return;
    graphicsNode_->audioTracks().removeAt(row);
    reloadMusicTable();
    Q_EMIT totalAudioDurationChanged();
    setStateOfAutoCaltulate(!graphicsNode_->audioTracks().isEmpty());
    autoCalculate();
}
