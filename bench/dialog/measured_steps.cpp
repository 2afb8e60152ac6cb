#include "measured_steps.h"

#include "bench_screen.h"
#include "support/dialog_access.h"

#include <QApplication>
#include <QBitArray>
#include <QEventLoop>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

using Access = XY_Plot_Config_Dialog_TestAccess;

namespace dialog_bench {

int modalsAnswered = 0;

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Until nothing is left: a paint or layout that the passes above asked
    // for belongs to the step that caused it, not to the next one timed.
    QEventLoop loop;
    for (int pass = 0; pass < 50 && loop.processEvents(); ++pass)
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void watchForModals(QObject *parent)
{
    auto *timer = new QTimer(parent);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            ++modalsAnswered;
            std::fprintf(stderr, "unexpected modal window answered: %s\n",
                         qPrintable(modal->windowTitle()));
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            else
                modal->close();
        }
    });
    timer->start(50);
}

} // namespace dialog_bench

namespace {

using dialog_bench::GraphSlots;

QBitArray clearBits()
{
    return QBitArray(GraphSlots);
}

} // namespace

using dialog_bench::buildBaseline;
using dialog_bench::Census;
using dialog_bench::settle;

namespace bench {

bool dropFormStyleSheets = false;

__attribute__((noinline)) XY_Plot_Config_Dialog *construct(Plot_Screen_Info *host)
{
    auto *d = new XY_Plot_Config_Dialog(host, nullptr, false);
    if (dropFormStyleSheets) {
        Ui_Plot_Config_Dialog *ui = Access::ui(*d);
        ui->configTabs->setStyleSheet(QString());
        ui->plotConfigTabs->setStyleSheet(QString());
        ui->axesConfigTab->setStyleSheet(QString());
    }
    return d;
}

__attribute__((noinline)) void showDialog(XY_Plot_Config_Dialog *d, Plot_Screen_Info *host)
{
    d->show(host, clearBits(), clearBits(), XY_Plot_Config_Dialog::PlotArea, 0, false);
    settle();
}

__attribute__((noinline)) bool applyWriteBack(XY_Plot_Config_Dialog *d)
{
    if (!Access::checkIfDataIsValid(*d))
        return false;
    Access::writeScreenInfoToDataStructure(*d);
    return true;
}

__attribute__((noinline)) void switchToAll(XY_Plot_Config_Dialog *d)
{
    Access::ui(*d)->plotConfigTabs->setCurrentIndex(0);
    settle();
}

// The same, apart for profiling: later visits reuse the overview's cells.
__attribute__((noinline)) void switchToAllAgain(XY_Plot_Config_Dialog *d)
{
    Access::ui(*d)->plotConfigTabs->setCurrentIndex(0);
    settle();
}

__attribute__((noinline)) void deleteGraph(XY_Plot_Config_Dialog *d)
{
    Access::delOldTab(*d);
    settle();
}

__attribute__((noinline)) void addGraph(XY_Plot_Config_Dialog *d)
{
    Access::addNewTab(*d);
    settle();
}

__attribute__((noinline)) void destroyDialog(XY_Plot_Config_Dialog *d)
{
    delete d;
    settle();
}

__attribute__((noinline)) QDialog *buildAndShowBaseline(const Census &target, bool styleSheet)
{
    QDialog *dialog = buildBaseline(target, styleSheet).release();
    dialog->show();
    settle();
    return dialog;
}

} // namespace bench
