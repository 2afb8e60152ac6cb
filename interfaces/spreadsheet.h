// Spreadsheet widgets: a table whose rows carry real cell widgets chosen by
// the table's kind, and the cell widget classes themselves.
#ifndef XY_PLOT_INTERFACES_SPREADSHEET_H
#define XY_PLOT_INTERFACES_SPREADSHEET_H

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <QWidget>
#include <QtGlobal>

#if defined(XY_SPREADSHEET_LIBRARY)
#define XY_SPREADSHEET_EXPORT Q_DECL_EXPORT
#else
#define XY_SPREADSHEET_EXPORT Q_DECL_IMPORT
#endif

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QToolButton;
class QAbstractItemModel;

// Table of the dialog. The kind decides the cell widgets of every row:
//  2  Y axes:    IconButtonWidget, LineEditColorWidget, CheckBoxWidget,
//                LineEdit_LineEditWidget (range min/max),
//                LineEdit_LineEditWidget (major/minor ticks), LineEditWidget
//                (label), LineEditColorWidget with grid check box,
//                Combo_SpinBoxWidget (grid line style/width)
//  12 X axis:    CheckBoxWidget, range, ticks, LineEditColorWidget (axis),
//                LineEditWidget (label), LineEditColorWidget (grid),
//                Combo_SpinBoxWidget
//  10 variables: ZelVariable (X), ZelVariable (Y), IconButtonWidget,
//                LineEditColorWidget, Combo_SpinBoxWidget
//  11 overlay:   ComboBoxWidget (X), ComboBoxWidget (Y), then as kind 10
//  9  all graphs: no rows of its own; insertAllVarRow and insertAllOverlayRow
//                give LineEditWidget, two selectors (ZelVariable or
//                ComboBoxWidget), IconButtonWidget, LineEditColorWidget,
//                Combo_SpinBoxWidget.
class XY_SPREADSHEET_EXPORT Spreadsheet : public QTableWidget
{
    Q_OBJECT
    Q_PROPERTY(int spreadsheetKind READ spreadsheetKind WRITE setSpreadsheetKind)
    Q_PROPERTY(int graphNumber READ graphNumber WRITE setGraphNumber)

public:
    enum Kind {
        NoKind = 0,
        YAxesKind = 2,
        AllGraphsKind = 9,
        XYVarKind = 10,
        XYOverlayKind = 11,
        XAxisKind = 12
    };
    // Rows a variable or overlay table can hold (the capacity of the plot
    // data); the context menu adds no row beyond it.
    enum { MaxChannelRows = 8 };

    explicit Spreadsheet(QWidget *parent = nullptr);
    ~Spreadsheet() override;

    virtual void insertXYVarRow(int row, int);
    virtual void insertAllOverlayRow(int row, int);
    virtual void insertAllVarRow(int row, int);
    virtual void insertXYOverlayRow(int row, int);
    virtual void setSpreadsheetKind(int kind);
    virtual void setGraphNumber(int graphNumber);

    int spreadsheetKind() const;
    int graphNumber() const;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
    void updateGeometries() override;
    void updateEditorGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    // Tab and Shift+Tab go through the fields of the cells, row by row and
    // column by column, and on out of the table after its last field.
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    struct Private;
    Private *d;
};

// Variable selector: offers the host's variable catalogue, shared by every
// selector of the process through one model, and lets the user type to find
// a name.
class XY_SPREADSHEET_EXPORT ZelVariable : public QWidget
{
    Q_OBJECT

public:
    explicit ZelVariable(QWidget *parent = nullptr);
    ~ZelVariable() override;

    // The combo box holding the choice; current index -1 means none.
    QComboBox *comboBox() const;

    // The catalogue offered by every selector, in this order.
    static void setAvailableVariables(const QStringList &names);
    static QStringList availableVariables();
    // The one model behind every selector.
    static QAbstractItemModel *catalogueModel();
    // Index of the first catalogue entry whose text starts with prefix, as
    // QComboBox::findData(prefix, Qt::DisplayRole, Qt::MatchStartsWith [|
    // Qt::MatchCaseSensitive]) would give it, or -1; answered from an index.
    static int findFirstStartingWith(const QString &prefix, Qt::CaseSensitivity cs);

private:
    QComboBox *m_combo;
};

class XY_SPREADSHEET_EXPORT ComboBoxWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ComboBoxWidget(QWidget *parent = nullptr);
    ~ComboBoxWidget() override;

    void clearContents();
    void setComboBoxContentsList(const QStringList &items);
    void setComboBoxCurrentIndex(int index);
    int getComboBoxCurrentIndex() const;
    QString getComboBoxCurrentText() const;
    int findIndex(const QString &text) const;
    QComboBox *comboBox() const;

private:
    QComboBox *m_combo;
};

class XY_SPREADSHEET_EXPORT CheckBoxWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CheckBoxWidget(QWidget *parent = nullptr);
    ~CheckBoxWidget() override;

    void setCheckBoxTrue(bool checked);
    bool getCheckBoxTrue() const;
    QCheckBox *checkBox() const;

signals:
    void toggled(bool checked);

private:
    QCheckBox *m_check;
};

class XY_SPREADSHEET_EXPORT LineEditWidget : public QWidget
{
    Q_OBJECT

public:
    explicit LineEditWidget(QWidget *parent = nullptr);
    ~LineEditWidget() override;

    void setLineEditText(const QString &text);
    QString getLineEditText() const;
    QLineEdit *lineEdit() const;

private:
    QLineEdit *m_edit;
};

// Two text fields, numbered 0 and 1 (range min/max, major/minor ticks).
class XY_SPREADSHEET_EXPORT LineEdit_LineEditWidget : public QWidget
{
    Q_OBJECT

public:
    explicit LineEdit_LineEditWidget(QWidget *parent = nullptr);
    ~LineEdit_LineEditWidget() override;

    void setLineEditText(int field, const QString &text);
    QString getLineEditText(int field) const;
    void setLineEditBoxEnabled(int field, bool enabled);
    void setLineEditFocus(int field);
    QLineEdit *lineEdit(int field) const;

private:
    QLineEdit *m_edits[2];
};

// A colour field showing a colour name ("#rrggbb"); clicking it opens a
// colour chooser. In the Y axes grid column it also carries a grid check box.
class XY_SPREADSHEET_EXPORT LineEditColorWidget : public QWidget
{
    Q_OBJECT

public:
    explicit LineEditColorWidget(QWidget *parent = nullptr);
    ~LineEditColorWidget() override;

    void setBGStyleSheet(const QString &colorName);
    QString getBGStyleSheet() const;
    void setGridVisible(bool visible);
    bool getGridVisible() const;
    void setCheckBoxChecked(bool checked);
    // Shows the grid check box (Y axes grid column).
    void setGridCheckBoxShown(bool shown);

private:
    struct Private;
    Private *d;
};

// Left or right Y axis.
class XY_SPREADSHEET_EXPORT IconButtonWidget : public QWidget
{
    Q_OBJECT

public:
    explicit IconButtonWidget(QWidget *parent = nullptr);
    ~IconButtonWidget() override;

    void setLeftSelected(bool left);
    bool getLeftSelected() const;
    QToolButton *button() const;

private:
    QToolButton *m_button;
    bool m_left = true;
};

// Line style (the four stipple patterns, drawn as lines) and line width.
class XY_SPREADSHEET_EXPORT Combo_SpinBoxWidget : public QWidget
{
    Q_OBJECT

public:
    explicit Combo_SpinBoxWidget(QWidget *parent = nullptr);
    ~Combo_SpinBoxWidget() override;

    void setComboBoxCurrentIndex(int index);
    int getComboBoxCurrentIndex() const;
    void setSpinBoxValue(int value);
    int getSpinBoxValue() const;
    QComboBox *comboBox() const;
    QSpinBox *spinBox() const;

private:
    QComboBox *m_combo;
    QSpinBox *m_spin;
};

#endif // XY_PLOT_INTERFACES_SPREADSHEET_H
