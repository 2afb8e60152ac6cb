// Tool tips, the validators of the numeric fields and the pan/zoom mode
// labels of each graph.
#include <plot_config_dialog/xy_plot_config_dialog.h>

#include "ui_xy_plot_config_dialog.h"

#include <QDoubleValidator>
#include <QProxyStyle>
#include <QTabBar>

namespace {

// The graph tabs stand on the left, as long as the form's tab style sheet
// makes them (75 px); the style's padding at either end of a tab would
// leave "Graph 1" less than it needs and cut its first and last letters.
// Their tab bars get a lighter padding; the form's style sheet, fonts and
// texts stay as they are.
class GraphTabStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? qMin(value, 8) : value;
    }
};

void fitTabLabels(QTabWidget *tabs)
{
    auto *bar = tabs->findChild<QTabBar *>(QString(), Qt::FindDirectChildrenOnly);
    if (!bar)
        return;
    auto *style = new GraphTabStyle;
    style->setParent(tabs); // outlives the tab bar, made before it
    bar->setStyle(style);
}

} // namespace

void XY_Plot_Config_Dialog::addValidatorsToFields()
{
    // Qt's defaults: unbounded, scientific notation. They keep non-numbers
    // out; the ranges are checked when editing ends and on Apply.
    screenRefreshRateValidator = new QDoubleValidator(this);
    screenRefreshIntervalValidator = new QDoubleValidator(this);
    dataSampleRateValidator = new QDoubleValidator(this);
    dataSampleIntervalValidator = new QDoubleValidator(this);
    dataStorageValidator = new QDoubleValidator(this);

    // The fields are read with a decimal point and without group separators
    // in every locale, so the validators judge by the same rule: on a rig
    // set up with a decimal comma, "2.5" is typed and used as everywhere
    // else, and a comma cannot be typed.
    QLocale numbers = QLocale::c();
    numbers.setNumberOptions(QLocale::RejectGroupSeparator);
    for (QDoubleValidator *validator :
         {screenRefreshRateValidator, screenRefreshIntervalValidator, dataSampleRateValidator,
          dataSampleIntervalValidator, dataStorageValidator})
        validator->setLocale(numbers);

    ui->lineEditScreenRefreshRate->setValidator(screenRefreshRateValidator);
    ui->lineEditScreenRefreshInterval->setValidator(screenRefreshIntervalValidator);
    ui->lineEditDataSampleRate->setValidator(dataSampleRateValidator);
    ui->lineEditDataSampleInterval->setValidator(dataSampleIntervalValidator);
    ui->lineEditDataStorage->setValidator(dataStorageValidator);
}

void XY_Plot_Config_Dialog::addToolTips()
{
    ui->btnOk->setToolTip(
        QStringLiteral("Apply and Save the current settings and close the dialog"));
    ui->btnApply->setToolTip(QStringLiteral("Apply the current settings to the plot"));
    ui->btnCancel->setToolTip(
        QStringLiteral("Close the dialog without applying or saving the current settings"));
    ui->lineEditScreenRefreshRate->setToolTip(
        QStringLiteral("Set the refresh rate [Hz] of the Plot display"));
    ui->lineEditScreenRefreshInterval->setToolTip(
        QStringLiteral("Set the refresh interval [time] of the Plot display"));
    ui->lineEditDataSampleRate->setToolTip(
        QStringLiteral("Set the sample rate [Hz] of the Plot data"));
    ui->lineEditDataSampleInterval->setToolTip(
        QStringLiteral("Set the sample interval [time] of the Plot data\n\n"
                       "The lower and upper limits are equal to the SLO and FAS\n"
                       "update rates from the master scheduler"));
    ui->lineEditDataStorage->setToolTip(
        QStringLiteral("Set the storage period [time] for the Plot data"));
    ui->cmbDataStorageUnits->setToolTip(
        QStringLiteral("Set the storage period units for the Plot data"));

    // The graph tabs' labels, which the tips go with, are read whole.
    fitTabLabels(ui->plotConfigTabs);
    fitTabLabels(ui->axesConfigTabs);

    // Tab 0 is "All", which cannot be deleted and adds nothing.
    for (int i = 1; i < ui->plotConfigTabs->count(); ++i)
        ui->plotConfigTabs->setTabToolTip(i,
                                          QStringLiteral("Right click to Add or Delete a Graph"));
}

void XY_Plot_Config_Dialog::turnPanZoomModeLabelsOn(int plotNum, bool panOn, bool zoomOn)
{
    QLabel *const axesLabels[] = {ui->lblAxes1Mode, ui->lblAxes2Mode, ui->lblAxes3Mode,
                                  ui->lblAxes4Mode, ui->lblAxes5Mode, ui->lblAxes6Mode,
                                  ui->lblAxes7Mode, ui->lblAxes8Mode};
    QLabel *const plotLabels[] = {ui->lblPlot1Mode, ui->lblPlot2Mode, ui->lblPlot3Mode,
                                  ui->lblPlot4Mode, ui->lblPlot5Mode, ui->lblPlot6Mode,
                                  ui->lblPlot7Mode, ui->lblPlot8Mode};
    if (plotNum < 0 || plotNum >= 8)
        return;
    QLabel *axesLabel = axesLabels[plotNum];
    QLabel *plotLabel = plotLabels[plotNum];

    if (panOn || zoomOn) {
        axesLabel->show();
        plotLabel->show();
        // Pan wins when a graph is both panned and zoomed.
        const QString text = panOn ? QStringLiteral("Pan Mode") : QStringLiteral("Zoom Mode");
        axesLabel->setText(text);
        plotLabel->setText(text);
    } else {
        axesLabel->hide();
        plotLabel->hide();
    }
}
