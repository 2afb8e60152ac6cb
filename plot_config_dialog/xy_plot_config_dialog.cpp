// The dialog object itself: construction, show, OK/Apply/Cancel, closing,
// the coupling of the graph and axes tab widgets, and destruction.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "overlay_files.h"
#include "steady_tab_layout.h"
#include "unfinished_entry.h"
#include "ui_xy_plot_config_dialog.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPointer>
#include <QMetaType>
#include <QPushButton>
#include <QTabBar>

#include <interfaces/spreadsheet.h>

#include <algorithm>
#include <memory>

namespace {

// When the last Apply or OK press was let through, in ms since the epoch.
// Shared by every dialog of the process; all of them live on the GUI thread.
qint64 lastApplyTime = 0;

// A press this close to the last one let through counts as a double click.
const qint64 ApplyRepeatWindowMs = 500;

const char *const PanZoomLockToolTip =
    "The Plot Configuration Information can not be modified\nwhile in Pan or Zoom Mode";

// The types that travel through queued connections of applyPressedSignal
// and the show slot. The enum is known by its short name in the slot's
// signature and by its qualified name wherever callers spell it out.
void registerDialogMetaTypes()
{
    static const bool registered = [] {
        registerPlotScreenInfoMetaType();
        qRegisterMetaType<QBitArray>("QBitArray");
        qRegisterMetaType<XY_Plot_Config_Dialog::DialogOpenArea>("DialogOpenArea");
        qRegisterMetaType<XY_Plot_Config_Dialog::DialogOpenArea>(
            "XY_Plot_Config_Dialog::DialogOpenArea");
        return true;
    }();
    Q_UNUSED(registered);
}

// The form names icon files relative to the working directory; where they
// are not found the button gets the library's own icon of that name.
void useOwnIconIfMissing(QAbstractButton *button, const QString &iconFile)
{
    if (!QFileInfo::exists(iconFile))
        button->setIcon(
            QIcon(QStringLiteral(":/xy_plot_config/icons/") + QFileInfo(iconFile).fileName()));
}

bool anyBitSet(const QBitArray &bits)
{
    return bits.count(true) > 0;
}

} // namespace

XY_Plot_Config_Dialog::XY_Plot_Config_Dialog(Plot_Screen_Info *hostInfo, QWidget *parent,
                                             bool plugin_mode)
    : QDialog(parent)
    , screenRefreshRateValidator(nullptr)
    , screenRefreshIntervalValidator(nullptr)
    , dataSampleRateValidator(nullptr)
    , dataSampleIntervalValidator(nullptr)
    , dataStorageValidator(nullptr)
    , psi(nullptr)
    , ui(new Ui_Plot_Config_Dialog)
    , sloIntervalMs(0)
    , fasIntervalMs(0)
    , addGraphAction(nullptr)
    , deleteGraphAction(nullptr)
    , rateWarningShowing(false)
    , psiHandedOut(false)
{
    registerDialogMetaTypes();

    ui->setupUi(this);
    useOwnIconIfMissing(ui->btnOk,
                        QStringLiteral("../../../specs/qt/crystal_project/16x16/actions/ok.png"));
    useOwnIconIfMissing(ui->btnApply,
                        QStringLiteral(
                            "../../../specs/qt/crystal_project/16x16/actions/apply.png"));
    useOwnIconIfMissing(ui->btnCancel,
                        QStringLiteral(
                            "../../../specs/qt/crystal_project/16x16/actions/cancel.png"));

    // Return finishes the edit of the field it is typed in. No button may
    // take it as a press (a chooser opening, or OK, Apply or Cancel), so no
    // button of the dialog becomes its default.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);
    // Cancel does not take the focus from the field being edited when it is
    // clicked, so that the click that throws the edit away is not first
    // stopped by a check of it.
    ui->btnCancel->setFocusPolicy(Qt::TabFocus);

    // Switching graphs repaints the page shown, not the whole dialog.
    auto *steadyTabs = new SteadyTabLayout(this);
    for (QTabWidget *tabs : findChildren<QTabWidget *>())
        steadyTabs->watch(tabs);

    const QString name = hostInfo ? hostInfo->configFileName : QString();
    setWindowTitle(QStringLiteral("Configuration for ") + name);
    setConfigFilename(name);

    QLabel *const modeLabels[] = {ui->lblAxes1Mode, ui->lblAxes2Mode, ui->lblAxes3Mode,
                                  ui->lblAxes4Mode, ui->lblAxes5Mode, ui->lblAxes6Mode,
                                  ui->lblAxes7Mode, ui->lblAxes8Mode, ui->lblPlot1Mode,
                                  ui->lblPlot2Mode, ui->lblPlot3Mode, ui->lblPlot4Mode,
                                  ui->lblPlot5Mode, ui->lblPlot6Mode, ui->lblPlot7Mode,
                                  ui->lblPlot8Mode};
    for (QLabel *label : modeLabels)
        label->hide();
    for (QLabel *label : modeLabels)
        label->setToolTip(QString::fromLatin1(PanZoomLockToolTip));

    addValidatorsToFields();
    // Text the validators cannot accept yet is checked (and refused) by the
    // rate slots like any other, not left in the field unnoticed.
    for (QLineEdit *field : {ui->lineEditScreenRefreshRate, ui->lineEditScreenRefreshInterval,
                             ui->lineEditDataSampleRate, ui->lineEditDataSampleInterval})
        UnfinishedEntry::finishEveryEdit(field);

    if (plugin_mode) {
        // One graph only: collapse the tab bars so that just the pages show.
        const QString noTabBar = QStringLiteral("QTabBar::tab { height: 0px; width: 0px; }");
        ui->plotConfigTabs->setStyleSheet(noTabBar);
        ui->axesConfigTabs->setStyleSheet(noTabBar);
    }

    plotVisible.resize(plugin_mode ? 1 : 8);
    axesLoaded.resize(plotVisible.size());
    setPlotVisibleValues(hostInfo, plugin_mode);

    capture_ms_interval_values();

    if (!plugin_mode)
        createActionsForPlotTabs();

    setupSpreadsheetArrays(plugin_mode);
    setupWidgetArrays(plugin_mode);
    // The comet length applies to comets only, also before the first change
    // of a display type.
    for (int g = 0; g < displayTypeCombos.size(); ++g)
        handleDisplayTypeChange(g, displayTypeCombos[g]->currentIndex());
    // The page tabs are wide (form style sheet): the dialog is never made so
    // narrow that "Frame" is cut and the tabs need scrolling. That width also
    // leaves the graph pages room for "Full Trace" and "Marker Only" whole.
    ui->configTabs->setUsesScrollButtons(false);

    addToolTips();

    allPlotsPanStatus.resize(8);
    allPlotsZoomStatus.resize(8);

    if (hostInfo) {
        // A host vector longer than the graph slots has nowhere to go.
        const int graphs = std::min(hostInfo->plotAxisInfo.size(), overlayFilenames.size());
        for (int g = 0; g < graphs; ++g) {
            const QString overlayFile = hostInfo->plotAxisInfo[g].overlayFileName;
            overlayFilenames[g] = overlayFile;
            overlayFileLabels[g]->setText(overlayFile);
            // No overlay channel is chosen until the dialog is loaded.
            OverlayFiles::fillChannelCombos(xyOverlaySpreadsheets[g],
                                            PlotSingleton::overlayChannelNamesOf(g), -1);
        }
    }
}

XY_Plot_Config_Dialog::~XY_Plot_Config_Dialog()
{
    // A host may delete a dialog that is still shown after its application
    // object is gone; hiding would then reach into what the application
    // took with it. Without an application there is no screen to leave,
    // so the dialog only counts itself hidden.
    if (!QCoreApplication::instance() && testAttribute(Qt::WA_WState_Visible)) {
        const QList<QWidget *> shown = findChildren<QWidget *>();
        for (QWidget *widget : shown)
            widget->setAttribute(Qt::WA_WState_Visible, false);
        setAttribute(Qt::WA_WState_Visible, false);
        setAttribute(Qt::WA_WState_Hidden, true);
    }
    delete ui;
    // A description handed out belongs to the host, even after we are gone.
    if (!psiHandedOut)
        delete psi;
}

QString XY_Plot_Config_Dialog::getConfigFilename()
{
    return configFilename;
}

void XY_Plot_Config_Dialog::setConfigFilename(QString name)
{
    configFilename = name;
}

void XY_Plot_Config_Dialog::show(Plot_Screen_Info *hostInfo, QBitArray panStatus,
                                 QBitArray zoomStatus, DialogOpenArea openArea, int plotIndex,
                                 bool plugin_mode)
{
    allPlotsPanStatus = panStatus;
    allPlotsZoomStatus = zoomStatus;

    // While any graph of the screen is panned or zoomed, every graph counts
    // as locked and nothing can be applied.
    if (anyBitSet(allPlotsZoomStatus) || anyBitSet(allPlotsPanStatus)) {
        allPlotsPanStatus.fill(true);
        allPlotsZoomStatus.fill(true);
        ui->btnOk->setEnabled(false);
        ui->btnApply->setEnabled(false);
    } else {
        ui->btnOk->setEnabled(true);
        ui->btnApply->setEnabled(true);
    }

    const QString name = hostInfo ? hostInfo->configFileName : QString();
    setConfigFilename(name);
    setWindowTitle(QStringLiteral("Configuration for ")
                   + (name.isEmpty() ? QStringLiteral("<not set>") : name));

    setPlotVisibleValues(hostInfo, plugin_mode);

    fillScreensWithDataStructureInfo(hostInfo, allPlotsPanStatus, allPlotsZoomStatus);

    switch (openArea) {
    case PlotArea:
        ui->configTabs->setCurrentIndex(0);
        ui->plotConfigTabs->setCurrentIndex(plotIndex + 1);
        ui->axesConfigTabs->setCurrentIndex(plotIndex);
        break;
    case AxesArea:
        ui->configTabs->setCurrentIndex(1);
        ui->axesConfigTabs->setCurrentIndex(plotIndex);
        ui->plotConfigTabs->setCurrentIndex(plotIndex + 1);
        break;
    case FrameArea:
        ui->configTabs->setCurrentIndex(2);
        ui->plotConfigTabs->setCurrentIndex(plotIndex + 1);
        ui->axesConfigTabs->setCurrentIndex(plotIndex);
        break;
    default:
        ui->configTabs->setCurrentIndex(0);
        ui->plotConfigTabs->setCurrentIndex(1);
        ui->axesConfigTabs->setCurrentIndex(0);
        break;
    }

    shownState = writtenState();
    QDialog::setVisible(true);
}

QByteArray XY_Plot_Config_Dialog::writtenState()
{
    // Written aside: psi stays what the host or the "All" tab last got.
    Plot_Screen_Info *const kept = psi;
    const bool keptHandedOut = psiHandedOut;
    psi = nullptr;
    writeScreenInfoToDataStructure();
    const std::unique_ptr<Plot_Screen_Info> written(psi);
    psi = kept;
    psiHandedOut = keptHandedOut;
    // Saving the screen under a new name edits nothing in the dialog.
    written->configFileName.clear();
    return written->toJson();
}

bool XY_Plot_Config_Dialog::hasUnappliedEdits() const
{
    if (shownState.isEmpty())
        return false;
    // writtenState() leaves every member as it found it.
    return const_cast<XY_Plot_Config_Dialog *>(this)->writtenState() != shownState;
}

bool XY_Plot_Config_Dialog::applyPressed()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - lastApplyTime <= ApplyRepeatWindowMs)
        return true;
    // Taken before validating, so a refused press also opens a new window.
    lastApplyTime = now;

    if (!checkIfDataIsValid())
        return false;

    writeScreenInfoToDataStructure();
    shownState = writtenState();
    // Without a receiver nobody would ever free it: the dialog keeps it as
    // one of its own.
    psiHandedOut =
        isSignalConnected(QMetaMethod::fromSignal(&XY_Plot_Config_Dialog::applyPressedSignal));
    emit applyPressedSignal(psi);
    return true;
}

void XY_Plot_Config_Dialog::okPressed()
{
    // A receiver may delete the dialog in its slot; nothing of it is
    // touched after that.
    const QPointer<XY_Plot_Config_Dialog> alive(this);
    if (applyPressed() && alive) {
        emit okPressedSignal();
        if (alive)
            hide();
    }
}

void XY_Plot_Config_Dialog::cancelPressed()
{
    hide();
    emit cancelPressedSignal();
}

void XY_Plot_Config_Dialog::closeEvent(QCloseEvent *event)
{
    cancelPressed();
    event->accept();
}

void XY_Plot_Config_Dialog::on_btnOk_clicked()
{
    okPressed();
}

void XY_Plot_Config_Dialog::on_btnApply_clicked()
{
    applyPressed();
}

void XY_Plot_Config_Dialog::on_btnCancel_clicked()
{
    cancelPressed();
}

void XY_Plot_Config_Dialog::on_plotConfigTabs_currentChanged(int index)
{
    if (index != 0) {
        // The cells hidden while another tab is current, so that coming back
        // does not show those of the last visit only to replace them.
        ui->plotAllVarSpreadsheet->viewport()->hide();
        ui->plotAllOverlaySpreadsheet->viewport()->hide();
        ui->axesConfigTabs->setCurrentIndex(index - 1);
        return;
    }
    // The "All" tab lists what is in the widgets now.
    writeScreenInfoToDataStructure();
    fillAllGraphTab();
}

void XY_Plot_Config_Dialog::on_axesConfigTabs_currentChanged(int index)
{
    ui->plotConfigTabs->setCurrentIndex(index + 1);
}
