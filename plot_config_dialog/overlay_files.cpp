#include "overlay_files.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include <interfaces/darlen_data_input.h>
#include <interfaces/spreadsheet.h>
#include <interfaces/spreadsheet_columns.h>

QString OverlayFiles::askForLoggerFile()
{
    // Recorded logs are copied to the PC_format area of the data disk; when
    // that directory is missing Qt falls back to its own start directory.
    return QFileDialog::getOpenFileName(nullptr, QStringLiteral("Select Logger File"),
                                        QStringLiteral("/data/PC_format/"),
                                        QStringLiteral("Logger Files (*.*)"));
}

void OverlayFiles::reportInvalidFile(const QString &path)
{
    // No buttons are added: Qt then offers its default OK button.
    QMessageBox box;
    box.setWindowTitle(QStringLiteral("Invalid file format"));
    box.setText(QStringLiteral("The selected Overlay file - %1 - is not in the expected "
                               "file format - a logger file is required")
                    .arg(path));
    box.exec();
}

QStringList OverlayFiles::channelListFor(const LoggerFileInfo &info)
{
    QStringList names = info.channelNames;
    names.prepend(QString());
    return names;
}

void OverlayFiles::fillChannelCombos(Spreadsheet *table, const QStringList &names, int currentIndex)
{
    if (!table)
        return;
    const int rows = table->rowCount();
    for (int row = 0; row < rows; ++row) {
        for (int column : {SpreadsheetColumns::ChannelRow::X, SpreadsheetColumns::ChannelRow::Y}) {
            auto *cell = qobject_cast<ComboBoxWidget *>(table->cellWidget(row, column));
            if (!cell)
                continue;
            cell->clearContents();
            cell->setComboBoxContentsList(names);
            cell->setComboBoxCurrentIndex(currentIndex);
        }
    }
}

QString OverlayFiles::labelText(const QString &path)
{
    const QFileInfo info(path);
    // Both parts in one arg() call, so a '%' in a file name is never taken
    // for a place marker.
    return QStringLiteral("%1.%2").arg(info.baseName(), info.suffix());
}
