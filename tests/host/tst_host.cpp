// The demo host driven as a person would: the sample screen, the dialog's
// widgets, Apply, the redrawn Qwt plots, pan/zoom locking and files.
#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

#include <sys/stat.h>

#include <qwt_plot_curve.h>
#include <qwt_plot_zoomer.h>
#include <qwt_scale_div.h>
#include <qwt_text_label.h>

#include <interfaces/base_plot_frame_tab.h>
#include <interfaces/spreadsheet.h>

#include "host_files.h"
#include "overlay_curve.h"
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

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
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

void sendMouse(QWidget *to, QEvent::Type type, const QPoint &at, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    QMouseEvent e(type, at, to->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(to, &e);
}

} // namespace

class TestHost : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(!PlotHostWindow::sampleScreenPath().isEmpty(), "sample screen not found");
        ZelVariable::setAvailableVariables(ChannelSimulator::channelNames());
        // Screens written here find the sample's overlay file next to them.
        const QString overlay = QStringLiteral("engine_run_overlay.dat");
        QVERIFY(QFile::copy(QFileInfo(PlotHostWindow::sampleScreenPath()).dir().filePath(overlay),
                            m_dir.filePath(overlay)));
    }

    // Edits made in the dialog's widgets reach the screen and its plots on
    // Apply; a graph added there is drawn; what is saved is what is drawn.
    void applyThroughDialog()
    {
        std::unique_ptr<PlotHostWindow> w = sampleWindow();
        QVERIFY(w);
        ModalAnswerer answerer;
        w->configure(XY_Plot_Config_Dialog::PlotArea, 0);
        XY_Plot_Config_Dialog *dialog = w->dialog();
        QVERIFY(dialog && dialog->isVisible());
        auto choose = [](ZelVariable *selector, const QString &name) {
            QVERIFY(selector && selector->comboBox()->findText(name) >= 0);
            selector->comboBox()->setCurrentIndex(selector->comboBox()->findText(name));
        };
        dialog->findChild<Base_Plot_Frame_Tab *>(QStringLiteral("plot_frame_tab"))
            ->setTitle(QStringLiteral("Cell 4 - Endurance"));
        choose(cell<ZelVariable>(dialog, "plot1XYVarSpreadsheet", 0, 1), QStringLiteral("EGT"));
        cell<LineEditColorWidget>(dialog, "plot1XYVarSpreadsheet", 0, 3)->setBGStyleSheet("#ff8800");
        auto *range = cell<LineEdit_LineEditWidget>(dialog, "graph1YAxesSpreadsheet", 0, 3);
        range->setLineEditText(0, QStringLiteral("500"));
        range->setLineEditText(1, QStringLiteral("5500"));
        auto *apply = dialog->findChild<QPushButton *>(QStringLiteral("btnApply"));
        apply->click();
        QVERIFY2(answerer.count() == 0, qPrintable(answerer.last().text));
        w->advance(1.0);
        GraphView *graph = w->graph(0);
        QVERIFY(graph->curve(0)->dataSize() > 0);
        QCOMPARE(QStringList({w->titleLabel()->text().text(),
                              w->screen()->plotAxisInfo.at(0).varChannels[0].yVarName,
                              graph->curve(0)->title().text(),
                              graph->curve(0)->pen().color().name()}),
                 QStringList({"Cell 4 - Endurance", "EGT", "EGT", "#ff8800"}));
        QVERIFY(graph->curve(1)->pen().color().name() != QStringLiteral("#ff8800"));
        QCOMPARE(graph->axisScaleDiv(QwtPlot::yLeft).interval(), QwtInterval(500.0, 5500.0));

        // A new graph needs no typing: its axes come with a fresh graph's values.
        for (QAction *action : dialog->findChild<QTabWidget *>("plotConfigTabs")->actions())
            if (action->text() == QLatin1String("Add Graph"))
                action->trigger();
        QCOMPARE(w->graphCount(), 3); // shown only after Apply
        choose(cell<ZelVariable>(dialog, "plot4XYVarSpreadsheet", 0, 0), QStringLiteral("Time"));
        choose(cell<ZelVariable>(dialog, "plot4XYVarSpreadsheet", 0, 1), QStringLiteral("Thrust"));
        QTest::qWait(600); // the dialog lets one Apply through per 500 ms
        apply->click();
        QVERIFY2(answerer.count() == 0, qPrintable(answerer.last().text));
        w->advance(1.0);
        QCOMPARE(w->graphCount(), 4);
        QVERIFY(w->graph(3)->isVisibleTo(w.get()));
        QCOMPARE(w->graph(3)->curve(0)->title().text(), QStringLiteral("Thrust"));
        QVERIFY(w->graph(3)->curve(0)->dataSize() > 0);

        const QString path = m_dir.filePath(QStringLiteral("saved.json"));
        QVERIFY(w->saveScreen(path));
        QVERIFY(w->windowTitle().contains(path));
        Plot_Screen_Info reread;
        QString error;
        QVERIFY2(reread.fromJson(readFile(path), &error), qPrintable(error));
        QCOMPARE(reread.configFileName, path);
        QCOMPARE(reread.toJson(), w->screen()->toJson());
    }

    void lockedWhilePannedOrZoomed_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("panned");
        QTest::addColumn<bool>("zoomed");
        QTest::newRow("zoom box on graph 1") << QStringLiteral("zoom") << 0 << false << true;
        QTest::newRow("middle drag on graph 3") << QStringLiteral("pan") << 2 << true << false;
        QTest::newRow("wheel on graph 2") << QStringLiteral("wheel") << 1 << false << true;
    }
    void lockedWhilePannedOrZoomed()
    {
        QFETCH(QString, gesture);
        QFETCH(int, slot);
        // Every row ends with the view reset, so the rows share one window.
        if (!m_window)
            m_window = sampleWindow();
        PlotHostWindow *w = m_window.get();
        QVERIFY(w);
        GraphView *graph = w->graph(slot);
        QVERIFY(graph);
        const QwtScaleDiv leftBefore = graph->axisScaleDiv(QwtPlot::yLeft);
        QWidget *canvas = graph->canvas();
        const QPoint centre = canvas->rect().center();
        if (gesture == QLatin1String("zoom")) {
            graph->zoomer()->zoom(QRectF(10.0, 1000.0, 20.0, 2000.0));
        } else if (gesture == QLatin1String("pan")) {
            sendMouse(canvas, QEvent::MouseButtonPress, centre, Qt::MiddleButton, Qt::MiddleButton);
            sendMouse(canvas, QEvent::MouseMove, centre + QPoint(40, 30), Qt::NoButton,
                      Qt::MiddleButton);
            sendMouse(canvas, QEvent::MouseButtonRelease, centre + QPoint(40, 30), Qt::MiddleButton,
                      Qt::NoButton);
        } else {
            wheel(canvas);
        }
        QTEST(w->panBits().testBit(slot), "panned");
        QTEST(w->zoomBits().testBit(slot), "zoomed");
        QCOMPARE(w->panBits().count(true) + w->zoomBits().count(true), 1);
        QVERIFY(w->resetZoomAction()->isEnabled());
        // Live samples keep coming, past the end of the time axes, but leave
        // the user's view where it is.
        const QwtScaleDiv leftMoved = graph->axisScaleDiv(QwtPlot::yLeft);
        const QwtScaleDiv xMoved = graph->axisScaleDiv(QwtPlot::xBottom);
        QVERIFY(!(leftMoved == leftBefore));
        w->advance(150.0);
        QVERIFY(graph->axisScaleDiv(QwtPlot::yLeft) == leftMoved);
        QVERIFY(graph->axisScaleDiv(QwtPlot::xBottom) == xMoved);
        // An untouched time graph scrolls on meanwhile.
        GraphView *other = w->graph(slot == 0 ? 2 : 0);
        QCOMPARE(other->axisScaleDiv(QwtPlot::xBottom).upperBound(), w->simulator().time());
        w->configure(XY_Plot_Config_Dialog::AxesArea, slot);
        XY_Plot_Config_Dialog *dialog = w->dialog();
        auto enabled = [dialog](const char *button) {
            return dialog->findChild<QPushButton *>(button)->isEnabled();
        };
        QVERIFY(!enabled("btnOk") && !enabled("btnApply"));
        w->resetZoomAction()->trigger();
        QCOMPARE(w->panBits().count(true) + w->zoomBits().count(true), 0);
        QVERIFY(!w->resetZoomAction()->isEnabled());
        QVERIFY(graph->axisScaleDiv(QwtPlot::yLeft) == leftBefore);
        w->configure(XY_Plot_Config_Dialog::AxesArea, slot);
        QVERIFY(enabled("btnOk") && enabled("btnApply"));
    }

    // Asking again for the open dialog turns it to the page and graph asked
    // for and keeps what the user typed and has not applied.
    void configureKeepsEdits()
    {
        std::unique_ptr<PlotHostWindow> w = sampleWindow();
        QVERIFY(w);
        w->configure(XY_Plot_Config_Dialog::FrameArea, 0);
        XY_Plot_Config_Dialog *dialog = w->dialog();
        auto *label = cell<LineEditWidget>(dialog, "graph1XAxisSpreadsheet", 0, 4);
        auto *storage = dialog->findChild<QLineEdit *>(QStringLiteral("lineEditDataStorage"));
        QVERIFY(label && storage);
        label->setLineEditText(QStringLiteral("Edited [s]"));
        storage->setText(QStringLiteral("42"));
        auto *pages = dialog->findChild<QTabWidget *>(QStringLiteral("configTabs"));
        auto *axes = dialog->findChild<QTabWidget *>(QStringLiteral("axesConfigTabs"));
        for (int slot : {1, 2}) {
            const auto request = slot == 1 ? GraphView::ConfigureAxes : GraphView::ConfigurePlot;
            emit w->graph(slot)->requested(slot, request);
            QVERIFY(dialog->isVisible());
            QCOMPARE(pages->currentIndex(), slot == 1 ? 1 : 0);
            QCOMPARE(axes->tabText(axes->currentIndex()), QStringLiteral("Graph %1").arg(slot + 1));
        }
        QCOMPARE(label->getLineEditText(), QStringLiteral("Edited [s]"));
        QCOMPARE(storage->text(), QStringLiteral("42"));
    }

    // Host and open dialog agree on the lock at every moment: a pan or zoom
    // change re-shows an unedited dialog and waits while it holds edits.
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
        if (zoomFirst)
            w->resetZoomAction()->trigger();
        else
            wheel(canvas);
        const bool locked = w->panBits().count(true) + w->zoomBits().count(true) > 0;
        QCOMPARE(locked, zoomFirst == edited); // the change waited exactly when edited
        QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("btnApply"))->isEnabled(), !locked);
        QCOMPARE(!dialog->findChild<QLabel *>(QStringLiteral("lblPlot2Mode"))->isHidden(), locked);
        if (edited) {
            QCOMPARE(frame->getTitle(), QStringLiteral("Typed while open"));
            QVERIFY2(w->statusBar()->currentMessage().contains(QStringLiteral("unapplied")),
                     qPrintable(w->statusBar()->currentMessage()));
        }
    }

    void refusedFile_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty with name "missing": no file at all
        QTest::addColumn<QString>("expected");
        const QByteArray sample = readFile(PlotHostWindow::sampleScreenPath());
        QByteArray tooMany = sample;
        tooMany.replace("\"numPlots\": 3", "\"numPlots\": 9");
        QVERIFY(tooMany != sample);
        QTest::newRow("missing") << QByteArray() << QStringLiteral("cannot be read");
        QTest::newRow("broken JSON")
            << QByteArray("{ \"title\": ") << QStringLiteral("is not a plot screen");
        QTest::newRow("graph count off") << tooMany << QStringLiteral("numPlots");
        QTest::newRow("fifo") << QByteArray("FIFO") << QStringLiteral("not a regular file");
    }
    void refusedFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        if (!m_window)
            m_window = sampleWindow();
        PlotHostWindow *w = m_window.get();
        QVERIFY(w);
        const Plot_Screen_Info *before = w->screen();
        const QByteArray json = before->toJson();
        const QString path = m_dir.filePath(QStringLiteral("%1.json").arg(QTest::currentDataTag()));
        if (content == "FIFO")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (!content.isEmpty())
            QVERIFY(writeFile(path, content));
        ModalAnswerer answerer;
        QVERIFY(!w->openScreen(path));
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(answerer.last().className + ' ' + answerer.last().title,
                 QStringLiteral("QMessageBox Open Plot Screen"));
        const QString text = answerer.last().text;
        QVERIFY2(text.contains(path) && text.contains(expected), qPrintable(text));
        // The screen shown before is kept as it was.
        QCOMPARE(w->screen(), before);
        QCOMPARE(w->screen()->toJson(), json);
        QCOMPARE(w->graphCount(), 3);
    }

    // Opened and drawn as it is, with what the dialog would change named
    // before the user configures anything.
    void openNamesDialogChanges_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<int>("graphs");
        QTest::addColumn<QString>("expected"); // empty: no message
        QTest::newRow("sample") << QByteArray() << QByteArray() << 3 << QString();
        QTest::newRow("long note")
            << QByteArray("\"note\": \"") << QByteArray("\"note\": \"" + QByteArray(60, 'n')) << 3
            << QStringLiteral("note: 106 characters; the dialog keeps the first 50");
        QTest::newRow("no graphs") << QByteArray("\"numPlots\": 3") << QByteArray("\"numPlots\": 0")
                                   << 3 << QStringLiteral("numPlots: 0 is outside");
        QTest::newRow("missing overlay file")
            << QByteArray("engine_run_overlay.dat") << QByteArray("gone.dat") << 3
            << QStringLiteral("Graph 1 (plotAxisInfo[0]).overlayFileName: ");
        QTest::newRow("name matched by its start")
            << QByteArray("\"yVarName\": \"T3\"") << QByteArray("\"yVarName\": \"T4\"") << 3
            << QStringLiteral("varChannels[1].yVarName: \"T4\" selects \"T45\"");
    }
    void openNamesDialogChanges()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, expected);
        QByteArray json = readFile(PlotHostWindow::sampleScreenPath());
        json.replace(from, to);
        const QString path = m_dir.filePath(
            QStringLiteral("open_%1.json").arg(QTest::currentDataTag()).replace(' ', '_'));
        QVERIFY(writeFile(path, json));
        PlotHostWindow w;
        w.setLive(false);
        ModalAnswerer answerer;
        QVERIFY(w.openScreen(path));
        QTEST(w.graphCount(), "graphs");
        if (expected.isEmpty()) {
            QVERIFY2(answerer.count() == 0, qPrintable(answerer.last().text));
            return;
        }
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(answerer.last().title, QStringLiteral("Open Plot Screen"));
        QVERIFY2(answerer.last().text.contains(path + QStringLiteral(": the dialog will change:\n")),
                 qPrintable(answerer.last().text));
        QVERIFY2(answerer.last().text.contains(expected), qPrintable(answerer.last().text));
    }

    // A screen without graphs comes back from OK as one graph without a
    // record; the host draws it rather than refusing it.
    void noGraphsSurviveOk()
    {
        Plot_Screen_Info empty;
        const QString path = m_dir.filePath(QStringLiteral("no_graphs.json"));
        QVERIFY(writeFile(path, empty.toJson()));
        PlotHostWindow w;
        w.setLive(false);
        ModalAnswerer answerer;
        QVERIFY(w.openScreen(path));
        answerer.clear();
        w.configure();
        const Plot_Screen_Info *before = w.screen();
        w.dialog()->findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
        QVERIFY2(answerer.count() == 0, qPrintable(answerer.last().text));
        QVERIFY(w.screen() != before);
        QCOMPARE(w.screen()->numPlots, 1UL);
        QCOMPARE(w.graphCount(), 0);
    }

    void channelCatalogue_data()
    {
        QTest::addColumn<QByteArray>("content"); // "FIFO": a named pipe
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("error"); // empty: read
        QTest::newRow("names") << QByteArray(
            "\xEF\xBB\xBFN1_Speed\r\n\n  EGT \nN1_Speed\nT\xC3\xA4\n")
                               << QStringList{"N1_Speed", "EGT", QString::fromUtf8("T\xC3\xA4")}
                               << QString();
        QTest::newRow("fifo") << QByteArray("FIFO") << QStringList()
                              << QStringLiteral("not a regular file");
        QTest::newRow("binary") << QByteArray("\x7f"
                                              "ELF\x02\x01\x01\x00\x00",
                                              9)
                                << QStringList() << QStringLiteral("line 1 is not a channel name");
        QTest::newRow("bad third line")
            << QByteArray("N1\nN2\nN\xff"
                          "3\nN4\n")
            << QStringList() << QStringLiteral("line 3 is not a channel name");
    }
    void channelCatalogue()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, error);
        const QString path =
            m_dir.filePath(QStringLiteral("cat_%1").arg(QTest::currentDataTag()).replace(' ', '_'));
        if (content == "FIFO")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(writeFile(path, content));
        QStringList names;
        QString why;
        QCOMPARE(readChannelCatalogue(path, &names, &why), error.isEmpty());
        QTEST(names, "names");
        QVERIFY2(why.contains(error) && (error.isEmpty() || why.contains(path)), qPrintable(why));
    }

    // What the host's series reader makes of a file: "rows firstN2 secondTime",
    // empty when refused.
    void loggerSeries_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: the shipped sample
        QTest::addColumn<QString>("read");
        QTest::newRow("sample") << QByteArray() << "401 9028.8 0.3";
        QTest::newRow("semicolons, CRLF, comment")
            << QByteArray("# rig 3\r\nTime;N2_Speed\r\n0;100.5\r\n0.1;101\r\n") << "2 100.5 0.1";
        QTest::newRow("stops at a ragged line")
            << QByteArray("Time\tN2_Speed\n0\t1\n1\t2\n2\n3\t4\n") << "2 1 1";
        QTest::newRow("metadata, units, decimal comma")
            << QByteArray("\"Pr\xFC"
                          "fstand 3\"\nTime;N2_Speed\ns;1/min\n0;1,5\n0,5;2\n")
            << "2 1.5 0.5";
        QTest::newRow("ISO time stamps: seconds from the first")
            << QByteArray("Time,N2_Speed\n2026-03-12T23:59:59.5+01:00,7\n2026-03-12T23:00:01Z,8\n")
            << "2 7 1.5";
        QTest::newRow("clock times past midnight")
            << QByteArray("Time\tN2_Speed\n23:59:59\t3\n00:00:02,5\t4\n") << "2 3 3.5";
        QTest::newRow("header only") << QByteArray("Time,N2_Speed\n") << "";
    }
    void loggerSeries()
    {
        QFETCH(QByteArray, content);
        QString path = QFileInfo(PlotHostWindow::sampleScreenPath())
                           .dir()
                           .filePath(QStringLiteral("engine_run_overlay.dat"));
        if (!content.isEmpty()) {
            path = m_dir.filePath(
                QStringLiteral("log_%1.dat").arg(QTest::currentDataTag()).replace(' ', '_'));
            QVERIFY(writeFile(path, content));
        }
        LoggerSeries series;
        QString error;
        const bool ok = series.load(path, &error);
        const QVector<double> time = series.column(QStringLiteral("Time"));
        QVERIFY(time.size() == series.rowCount() && ok == (series.rowCount() > 0));
        QVERIFY2(ok || error.contains(path), qPrintable(error));
        QTEST(ok ? QStringLiteral("%1 %2 %3")
                       .arg(series.rowCount())
                       .arg(series.column(QStringLiteral("N2_Speed")).value(0))
                       .arg(time.value(1))
                 : QString(),
              "read");
    }

    // A decimal-comma export where a channel did not answer: the overlay
    // curve stops at the empty cell instead of dropping to zero.
    void overlayGapFromDecimalCommaFile()
    {
        std::unique_ptr<PlotHostWindow> w = sampleWindow();
        QVERIFY(w);
        const QString path = m_dir.filePath(QStringLiteral("cell3_de.csv"));
        QVERIFY(writeFile(path, "\"Pr\xFC"
                                "fstand 3\"\r\nZeit;N2_Speed;\xD6l\r\ns;1/min;\xB0"
                                "C\r\n"
                                "0,0;9028,8;80\r\n0,5;9100,25;81\r\n1,0;;82\r\n"
                                "1,5;9300;83\r\n2,0;9350,5;84\r\n"));
        auto *screen = new Plot_Screen_Info;
        QVERIFY(screen->fromJson(w->screen()->toJson()));
        Plot_Axis_Info &graph = screen->plotAxisInfo[0];
        graph.overlayFileName = path;
        graph.numOverlayChannels = 1;
        graph.overlayChannels[0].xVarName = QStringLiteral("Zeit");
        graph.overlayChannels[0].yVarName = QStringLiteral("N2_Speed");
        w->takeAppliedScreen(screen);

        QCOMPARE(w->graph(0)->overlayCurveCount(), 1);
        auto *curve = dynamic_cast<OverlayCurve *>(w->graph(0)->overlayCurve(0));
        QVERIFY(curve);
        QStringList samples;
        for (size_t i = 0; i < curve->dataSize(); ++i)
            samples << QStringLiteral("%1:%2").arg(curve->sample(i).x()).arg(curve->sample(i).y());
        QCOMPARE(samples.join(' '), QStringLiteral("0:9028.8 0.5:9100.25 1:nan 1.5:9300 2:9350.5"));
        QCOMPARE(curve->segments(), (QVector<QPair<int, int>>{{0, 1}, {3, 4}}));
        QCOMPARE(curve->boundingRect(), QRectF(QPointF(0.0, 9028.8), QPointF(2.0, 9350.5)));
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<PlotHostWindow> m_window;
};

QTEST_MAIN(TestHost)
#include "tst_host.moc"
