// The demo host driven as a person would: the sample screen, the dialog's
// widgets, Apply, the redrawn Qwt plots, pan/zoom locking and files.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

#include <sys/stat.h>

#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>
#include <qwt_text_label.h>

#include <interfaces/base_plot_frame_tab.h>
#include <interfaces/spreadsheet.h>

#include "plot_host_window.h"
#include "support/modal_answerer.h"

namespace {

template<class T>
T *cell(XY_Plot_Config_Dialog *dialog, const char *table, int row, int column)
{
    auto *sheet = dialog->findChild<Spreadsheet *>(QLatin1String(table));
    return sheet ? qobject_cast<T *>(sheet->cellWidget(row, column)) : nullptr;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// "FIFO" makes a named pipe.
bool makeFile(const QString &path, const QByteArray &content)
{
    if (content == "FIFO")
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

// A window on the sample screen with the timers stopped, so nothing but
// the test moves the simulation.
std::unique_ptr<PlotHostWindow> sampleWindow()
{
    std::unique_ptr<PlotHostWindow> w(new PlotHostWindow);
    w->setLive(false);
    w->resize(1200, 800);
    w->show();
    if (!w->openScreen(PlotHostWindow::sampleScreenPath()))
        return nullptr;
    w->setLive(false);
    w->advance(10.0);
    return w;
}

void wheel(QWidget *canvas)
{
    const QPoint at = canvas->rect().center();
    QWheelEvent e(QPointF(at), QPointF(canvas->mapToGlobal(at)), QPoint(), QPoint(0, 120),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas, &e);
}

} // namespace

class TestHost : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        ZelVariable::setAvailableVariables(ChannelSimulator::channelNames());
        // Screens written here find the sample's overlay file next to them.
        const QString overlay = QStringLiteral("engine_run_overlay.dat");
        QVERIFY(QFile::copy(QFileInfo(PlotHostWindow::sampleScreenPath()).dir().filePath(overlay),
                            m_dir.filePath(overlay)));
    }

    // Edits made in the dialog's widgets reach the screen and its plots on
    // Apply, a graph added there is drawn, and what is saved is what is drawn.
    void applyThroughDialog()
    {
        std::unique_ptr<PlotHostWindow> w = sampleWindow();
        QVERIFY(w);
        ModalAnswerer answerer;
        w->configure(XY_Plot_Config_Dialog::PlotArea, 0);
        XY_Plot_Config_Dialog *dialog = w->dialog();
        QVERIFY(dialog && dialog->isVisible());
        auto choose = [dialog](const char *table, int column, const QString &name) {
            ZelVariable *selector = cell<ZelVariable>(dialog, table, 0, column);
            QVERIFY(selector && selector->comboBox()->findText(name) >= 0);
            selector->comboBox()->setCurrentIndex(selector->comboBox()->findText(name));
        };
        dialog->findChild<Base_Plot_Frame_Tab *>(QStringLiteral("plot_frame_tab"))
            ->setTitle(QStringLiteral("Cell 4 - Endurance"));
        choose("plot1XYVarSpreadsheet", 1, QStringLiteral("EGT"));
        cell<LineEditColorWidget>(dialog, "plot1XYVarSpreadsheet", 0, 3)->setBGStyleSheet("#ff8800");
        auto *range = cell<LineEdit_LineEditWidget>(dialog, "graph1YAxesSpreadsheet", 0, 3);
        range->setLineEditText(0, QStringLiteral("500"));
        range->setLineEditText(1, QStringLiteral("5500"));
        // A new graph needs no typing: its axes come with a fresh graph's values.
        for (QAction *action : dialog->findChild<QTabWidget *>("plotConfigTabs")->actions())
            if (action->text() == QLatin1String("Add Graph"))
                action->trigger();
        QCOMPARE(w->graphCount(), 3); // shown only after Apply
        choose("plot4XYVarSpreadsheet", 0, QStringLiteral("Time"));
        choose("plot4XYVarSpreadsheet", 1, QStringLiteral("Thrust"));
        const QString trail = m_dir.filePath(QStringLiteral("trail.jsonl"));
        w->setAuditFile(trail);
        dialog->findChild<QPushButton *>(QStringLiteral("btnApply"))->click();
        QVERIFY2(answerer.count() == 0, qPrintable(answerer.last().text));
        QCOMPARE(readFile(trail).count('\n'), 1); // the Apply went on record
        w->advance(1.0);
        QCOMPARE(w->graphCount(), 4);
        GraphView *graph = w->graph(0);
        QVERIFY(graph->curve(0)->dataSize() > 0 && w->graph(3)->curve(0)->dataSize() > 0
                && w->graph(3)->isVisibleTo(w.get()));
        QCOMPARE(QStringList({w->titleLabel()->text().text(),
                              w->screen()->plotAxisInfo.at(0).varChannels[0].yVarName,
                              graph->curve(0)->title().text(), graph->curve(0)->pen().color().name(),
                              w->graph(3)->curve(0)->title().text()}),
                 QStringList({"Cell 4 - Endurance", "EGT", "EGT", "#ff8800", "Thrust"}));
        QVERIFY(graph->curve(1)->pen().color().name() != QStringLiteral("#ff8800"));
        QCOMPARE(graph->axisScaleDiv(QwtPlot::yLeft).interval(), QwtInterval(500.0, 5500.0));

        // The Edit menu takes the Apply back and redoes it.
        for (const char *action : {"undoAction", "redoAction"}) {
            w->findChild<QAction *>(action)->trigger();
            QCOMPARE(w->graphCount(), action[0] == 'u' ? 3 : 4);
        }
        QCOMPARE(w->screen()->plotAxisInfo.at(3).varChannels[0].yVarName, QStringLiteral("Thrust"));
        const QString path = m_dir.filePath(QStringLiteral("saved.json"));
        QVERIFY(w->saveScreen(path));
        QVERIFY(w->windowTitle().contains(path));
        Plot_Screen_Info reread;
        QVERIFY(reread.fromJson(readFile(path)));
        QCOMPARE(reread.toJson(), w->screen()->toJson()); // with the file's name in it
        // A refused save names the file and keeps the screen's name.
        const QString gone = m_dir.filePath(QStringLiteral("gone/saved.json"));
        QVERIFY(!w->saveScreen(gone));
        QCOMPARE(QString::number(answerer.count()) + ' ' + answerer.last().title + ": "
                     + answerer.last().text.section('\n', 0, 0),
                 "1 Save Plot Screen: " + gone + " cannot be written:");
        QCOMPARE(w->screen()->configFileName, path);
    }

    // Host and open dialog agree on the lock at every moment: a pan or zoom
    // change re-shows an unedited dialog and waits while it holds edits,
    // which nothing but Apply or Cancel throws away.
    void lockFollowsPanZoom_data()
    {
        QTest::addColumn<bool>("zoomFirst"); // zoomed before opening, then reset
        QTest::addColumn<bool>("edited");
        QTest::newRow("zoom, nothing edited") << false << false;
        QTest::newRow("zoom waits for an edit") << false << true;
        QTest::newRow("reset, nothing edited") << true << false;
        QTest::newRow("reset waits for an edit") << true << true;
    }
    void lockFollowsPanZoom()
    {
        QFETCH(bool, zoomFirst);
        QFETCH(bool, edited);
        std::unique_ptr<PlotHostWindow> w = sampleWindow();
        QVERIFY(w);
        QWidget *canvas = w->graph(1)->canvas();
        if (zoomFirst)
            wheel(canvas);
        w->configure();
        XY_Plot_Config_Dialog *dialog = w->dialog();
        auto *frame = dialog->findChild<Base_Plot_Frame_Tab *>(QStringLiteral("plot_frame_tab"));
        if (edited)
            frame->setTitle(QStringLiteral("Typed while open"));
        // Asking again turns the open dialog to the page and graph asked for.
        emit w->graph(2)->requested(2, GraphView::ConfigureAxes);
        auto *axes = dialog->findChild<QTabWidget *>(QStringLiteral("axesConfigTabs"));
        QCOMPARE(dialog->findChild<QTabWidget *>(QStringLiteral("configTabs"))->currentIndex(), 1);
        QCOMPARE(axes->tabText(axes->currentIndex()), QStringLiteral("Graph 3"));
        if (zoomFirst)
            w->resetZoomAction()->trigger();
        else
            wheel(canvas);
        const bool locked = w->panBits().count(true) + w->zoomBits().count(true) > 0;
        QCOMPARE(locked, zoomFirst == edited); // the change waited exactly when edited
        QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("btnApply"))->isEnabled(), !locked);
        QCOMPARE(!dialog->findChild<QLabel *>(QStringLiteral("lblPlot2Mode"))->isHidden(), locked);
        QCOMPARE(frame->getTitle() == QStringLiteral("Typed while open"), edited);
        QCOMPARE(w->statusBar()->currentMessage().contains(QStringLiteral("unapplied")), edited);
    }

    // A file is refused with a message that names it, keeping the screen
    // shown; or drawn as it is, with what the dialog would change named before
    // the user configures anything. One window takes every row in turn.
    void openScreen_data()
    {
        QTest::addColumn<QByteArray>("from"); // replaced in the sample; or "FIFO", "/dev/..."
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("expected"); // in the message; empty: no message
        auto row = [](const char *tag, const QByteArray &from, const QByteArray &to, bool opened,
                      const char *expected) {
            QTest::newRow(tag) << from << to << opened << QString(expected);
        };
        const QByteArray plots("\"numPlots\": 3"), note("\"note\": \""), y("\"yVarName\": \"T");
        row("sample", "", "", true, "");
        row("long note", note, note + QByteArray(60, 'n'), true,
            "note: 106 characters; the dialog keeps the first 50");
        row("no graphs", plots, "\"numPlots\": 0", true, "numPlots: 0 is outside");
        row("missing overlay file", "engine_run_overlay.dat", "gone.dat", true,
            "Graph 1 (plotAxisInfo[0]).overlayFileName: ");
        row("name matched by its start", y + "3\"", y + "4\"", true,
            "varChannels[1].yVarName: \"T4\" selects \"T45\"");
        row("broken JSON", "{", "{ \"title\": ", false, "is not a plot screen:\n");
        row("graph count off", plots, "\"numPlots\": 9", false, "numPlots: 9 is more than 8");
        row("missing", "MISSING", "", false, "cannot be read:\ndoes not exist");
        row("fifo", "FIFO", "", false, "cannot be read:\nis not a regular file");
        row("device", "/dev/zero", "", false, "cannot be read:\nis not a regular file");
    }
    void openScreen()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(bool, opened);
        QFETCH(QString, expected);
        if (!m_window)
            m_window = sampleWindow();
        PlotHostWindow *w = m_window.get();
        QVERIFY(w);
        const Plot_Screen_Info *before = w->screen();
        const QByteArray json = before->toJson();
        QString path = m_dir.filePath(QStringLiteral("open %1.json").arg(QTest::currentDataTag()));
        const QByteArray edited = readFile(PlotHostWindow::sampleScreenPath()).replace(from, to);
        if (from.startsWith("/dev/"))
            path = from;
        else if (from != "MISSING")
            QVERIFY(makeFile(path, from == "FIFO" ? from : edited));
        ModalAnswerer answerer;
        QCOMPARE(w->openScreen(path), opened);
        QCOMPARE(w->graphCount(), 3);
        QCOMPARE(w->screen() == before && w->screen()->toJson() == json, !opened);
        QCOMPARE(answerer.count(), expected.isEmpty() ? 0 : 1);
        const ModalAnswerer::Seen seen = answerer.last();
        QVERIFY2(expected.isEmpty()
                     || (seen.className + ' ' + seen.title == "QMessageBox Open Plot Screen"
                         && seen.text.startsWith(path
                                                 + (opened ? ": the dialog will change:\n" : " "))
                         && seen.text.contains(expected)),
                 qPrintable(seen.title + ": " + seen.text));
    }

    // A screen without graphs comes back from OK as one graph without a
    // record; the host draws it rather than refusing it.
    void noGraphsSurviveOk()
    {
        const QString path = m_dir.filePath(QStringLiteral("no_graphs.json"));
        QVERIFY(makeFile(path, Plot_Screen_Info().toJson()));
        PlotHostWindow w;
        w.setLive(false);
        ModalAnswerer answerer;
        QVERIFY(w.openScreen(path));
        answerer.clear();
        w.configure();
        const Plot_Screen_Info *before = w.screen();
        w.dialog()->findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
        QVERIFY2(answerer.count() == 0, qPrintable(answerer.last().text));
        QVERIFY(w.screen() != before && w.screen()->numPlots == 1 && w.graphCount() == 0);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<PlotHostWindow> m_window;
};

QTEST_MAIN(TestHost)
#include "tst_host.moc"
