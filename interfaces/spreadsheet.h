/// @file
/// Spreadsheet widgets: a table whose rows carry real cell widgets chosen by
/// the table's kind, and the cell widget classes themselves. Every cell
/// belongs to its table (Qt parent); everything runs on the GUI thread.
#ifndef XY_PLOT_INTERFACES_SPREADSHEET_H
#define XY_PLOT_INTERFACES_SPREADSHEET_H

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <QWidget>
#include <QtGlobal>

/// Marks the API that the spreadsheet widget library exports.
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

/// A table of the dialog whose rows carry cell widgets; reach them with
/// cellWidget() and qobject_cast.
///
/// The kind decides the cell widgets of every row, however it is added
/// (setRowCount(), insertRow() or the insert...Row() operations):
/// - 2, Y axes: IconButtonWidget, LineEditColorWidget, CheckBoxWidget,
///   LineEdit_LineEditWidget (range min/max), LineEdit_LineEditWidget
///   (major/minor ticks), LineEditWidget (label), LineEditColorWidget with
///   grid check box, Combo_SpinBoxWidget (grid line style/width).
/// - 12, X axis: CheckBoxWidget, range, ticks, LineEditColorWidget (axis),
///   LineEditWidget (label), LineEditColorWidget (grid),
///   Combo_SpinBoxWidget.
/// - 10, variables: ZelVariable (X), ZelVariable (Y), IconButtonWidget,
///   LineEditColorWidget, Combo_SpinBoxWidget.
/// - 11, overlay: ComboBoxWidget (X), ComboBoxWidget (Y), then as kind 10;
///   a new row offers the channel names that PlotSingleton holds for the
///   table's graph.
/// - 9, all graphs: no rows of its own; insertAllVarRow() and
///   insertAllOverlayRow() give LineEditWidget, two selectors (ZelVariable
///   or ComboBoxWidget), IconButtonWidget, LineEditColorWidget,
///   Combo_SpinBoxWidget, all read only. A cell of a row out of view builds
///   its editors (the combo box, spin box, field or button that its
///   accessors return) when it first comes into view or when an accessor
///   is called; its other operations work the same before and after.
///
/// Tables of kinds 10 and 11 give the user a context menu with "Add Row"
/// and "Delete Row", up to MaxChannelRows rows; the dynamic property
/// "contextMenuVisible" set to false switches it off.
class XY_SPREADSHEET_EXPORT Spreadsheet : public QTableWidget
{
    Q_OBJECT
    /// The table kind (Kind), as Qt Designer sets it.
    Q_PROPERTY(int spreadsheetKind READ spreadsheetKind WRITE setSpreadsheetKind)
    /// The graph the table belongs to, 1 to 8 (0: none), as Qt Designer sets it.
    Q_PROPERTY(int graphNumber READ graphNumber WRITE setGraphNumber)

public:
    /// Table kinds; the number decides the cells of every row.
    enum Kind {
        /// No cells (a table not yet given its kind).
        NoKind = 0,
        /// Y axes table: row 0 left axis, row 1 right axis.
        YAxesKind = 2,
        /// The "All" overview: variables or overlay channels of every graph,
        /// read only.
        AllGraphsKind = 9,
        /// X/Y variable table of one graph.
        XYVarKind = 10,
        /// Overlay channel table of one graph.
        XYOverlayKind = 11,
        /// X axis table: one row.
        XAxisKind = 12
    };
    /// Rows a variable or overlay table can hold (the capacity of the plot
    /// data); the context menu adds no row beyond it.
    enum { MaxChannelRows = 8 };

    /// An empty table of NoKind; @p parent owns it.
    explicit Spreadsheet(QWidget *parent = nullptr);
    /// The cells go with the table.
    ~Spreadsheet() override;

    /// Inserts one X/Y variable row (kind 10 cells) at index @p row, or at
    /// the end when @p row is outside 0 to rowCount(). The second argument
    /// is not used.
    virtual void insertXYVarRow(int row, int);
    /// Inserts one overview row of overlay channels (kind 9); the first such
    /// row switches the headers to the overlay columns. Placement and second
    /// argument as insertXYVarRow().
    virtual void insertAllOverlayRow(int row, int);
    /// Inserts one overview row of variables (kind 9); the first such row
    /// switches the headers to the variable columns. Placement and second
    /// argument as insertXYVarRow().
    virtual void insertAllVarRow(int row, int);
    /// Inserts one overlay row (kind 11 cells), offering the channels of the
    /// table's graph. Placement and second argument as insertXYVarRow().
    virtual void insertXYOverlayRow(int row, int);
    /// Sets the table kind (Kind); rows already present get the cells of
    /// the new kind.
    virtual void setSpreadsheetKind(int kind);
    /// Sets the graph the table belongs to, 1 to 8. An overlay table then
    /// gives rows that were made before, and offer no channels yet, the
    /// channels PlotSingleton holds for that graph.
    virtual void setGraphNumber(int graphNumber);

    /// The table kind; NoKind until set.
    int spreadsheetKind() const;
    /// The graph the table belongs to, 1 to 8; 0 until set.
    int graphNumber() const;

protected:
    /// The "Add Row"/"Delete Row" menu of kinds 10 and 11 (unless
    /// "contextMenuVisible" is false); other kinds ignore the event.
    void contextMenuEvent(QContextMenuEvent *event) override;
    /// Forgets the cell widgets of the rows about to go before the view
    /// drops them (the overview keeps its cells for the next visit).
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
    /// Deferred while the table is hidden, so that bulk fills of a hidden
    /// table do not lay it out row by row.
    void updateGeometries() override;
    /// Kind 9 places only the cells in view; other kinds as QTableWidget.
    void updateEditorGeometries() override;
    /// Kind 9 places the cells that scrolled into view.
    void scrollContentsBy(int dx, int dy) override;
    /// Tab and Shift+Tab go through the fields of the cells, row by row and
    /// column by column, and on out of the table after its last field (or
    /// before its first).
    bool focusNextPrevChild(bool next) override;
    /// Focus that reaches the table itself by Tab goes on to its first field
    /// (by Shift+Tab to its last).
    void focusInEvent(QFocusEvent *event) override;

private:
    struct Private;
    Private *d;
};

/// Variable selector: offers the host's variable catalogue, shared by every
/// selector of the process through one model, and lets the user type to find
/// a name.
///
/// The catalogue is the only source of the names that the dialog's variable
/// tables offer: give it with setAvailableVariables() before the dialog is
/// shown. A name stored in a Plot_Screen_Info selects the first catalogue
/// entry that starts with it; a name no entry starts with shows no choice,
/// and Apply then refuses the row.
class XY_SPREADSHEET_EXPORT ZelVariable : public QWidget
{
    Q_OBJECT

public:
    /// A selector over the shared catalogue with no choice; @p parent owns it.
    explicit ZelVariable(QWidget *parent = nullptr);
    /// Leaves the shared catalogue as it is.
    ~ZelVariable() override;

    /// The combo box holding the choice; current index -1 means none. Owned
    /// by the selector.
    QComboBox *comboBox() const;

    /// Replaces the catalogue that every selector of the process offers, in
    /// this order (the names are not sorted or de-duplicated). Every
    /// existing selector drops its choice and shows none, so call it before
    /// XY_Plot_Config_Dialog::show(), which selects the stored names. GUI
    /// thread only.
    static void setAvailableVariables(const QStringList &names);
    /// The catalogue as last given to setAvailableVariables(); empty until
    /// then.
    static QStringList availableVariables();
    /// The one model behind every selector; owned by the library, lives to
    /// the end of the process. Read it, do not change it.
    static QAbstractItemModel *catalogueModel();
    /// Index of the first catalogue entry whose text starts with @p prefix,
    /// as QComboBox::findData(prefix, Qt::DisplayRole, Qt::MatchStartsWith
    /// [| Qt::MatchCaseSensitive]) would give it, or -1; answered from an
    /// index, without scanning the catalogue. @p cs chooses whether case
    /// counts.
    static int findFirstStartingWith(const QString &prefix, Qt::CaseSensitivity cs);

private:
    QComboBox *m_combo;
};

/// A choice from a list of its own: the overlay channel cells (X and Y) of
/// an overlay table, and the overlay selectors of the overview.
class XY_SPREADSHEET_EXPORT ComboBoxWidget : public QWidget
{
    Q_OBJECT

public:
    /// An empty choice; @p parent owns it.
    explicit ComboBoxWidget(QWidget *parent = nullptr);
    /// The combo box goes with the cell.
    ~ComboBoxWidget() override;

    /// Removes every entry; nothing is chosen.
    void clearContents();
    /// Replaces the entries with @p items, in this order; nothing is chosen
    /// afterwards (the caller picks with setComboBoxCurrentIndex()).
    void setComboBoxContentsList(const QStringList &items);
    /// Chooses entry @p index; -1 (or an index outside the list) chooses
    /// nothing.
    void setComboBoxCurrentIndex(int index);
    /// The chosen entry's index, -1 for none.
    int getComboBoxCurrentIndex() const;
    /// The chosen entry's text, empty for none.
    QString getComboBoxCurrentText() const;
    /// Index of the first entry equal to @p text (case counts), -1 when
    /// there is none.
    int findIndex(const QString &text) const;
    /// The combo box itself; owned by the cell.
    QComboBox *comboBox() const;

private:
    void buildCombo() const;

    mutable QComboBox *m_combo = nullptr;
    struct Pending;
    mutable Pending *m_pending = nullptr; // entries and choice until the combo is built
};

/// A check box cell: "auto range" of the axis tables.
class XY_SPREADSHEET_EXPORT CheckBoxWidget : public QWidget
{
    Q_OBJECT

public:
    /// An unchecked box; @p parent owns it.
    explicit CheckBoxWidget(QWidget *parent = nullptr);
    /// The box goes with the cell.
    ~CheckBoxWidget() override;

    /// Checks (true) or clears the box.
    void setCheckBoxTrue(bool checked);
    /// Whether the box is checked.
    bool getCheckBoxTrue() const;
    /// The check box itself; owned by the cell.
    QCheckBox *checkBox() const;

signals:
    /// The box changed its state, by the user or by setCheckBoxTrue();
    /// @p checked is the new state.
    void toggled(bool checked);

private:
    QCheckBox *m_check;
};

/// A one-field text cell: axis labels, and the graph column of the overview.
class XY_SPREADSHEET_EXPORT LineEditWidget : public QWidget
{
    Q_OBJECT

public:
    /// An empty field; @p parent owns it.
    explicit LineEditWidget(QWidget *parent = nullptr);
    /// The field goes with the cell.
    ~LineEditWidget() override;

    /// Replaces the field's text.
    void setLineEditText(const QString &text);
    /// The field's text as set or as the user entered it.
    QString getLineEditText() const;
    /// The field itself; owned by the cell.
    QLineEdit *lineEdit() const;

private:
    void buildField() const;

    mutable QLineEdit *m_edit = nullptr;
    mutable QString *m_pendingText = nullptr; // the text until the field is built
};

/// Two text fields, numbered 0 and 1 (range min/max, major/minor ticks).
/// A field other than 0 or 1 is ignored (getters give an empty text or
/// null).
class XY_SPREADSHEET_EXPORT LineEdit_LineEditWidget : public QWidget
{
    Q_OBJECT

public:
    /// Two empty fields; @p parent owns the cell.
    explicit LineEdit_LineEditWidget(QWidget *parent = nullptr);
    /// The fields go with the cell.
    ~LineEdit_LineEditWidget() override;

    /// Replaces the text of @p field (0 or 1).
    void setLineEditText(int field, const QString &text);
    /// The text of @p field (0 or 1).
    QString getLineEditText(int field) const;
    /// Enables or disables @p field (0 or 1) for editing.
    void setLineEditBoxEnabled(int field, bool enabled);
    /// Gives @p field (0 or 1) the keyboard focus.
    void setLineEditFocus(int field);
    /// The line edit of @p field (0 or 1); owned by the cell.
    QLineEdit *lineEdit(int field) const;

private:
    QLineEdit *m_edits[2];
};

/// A colour field showing a colour ("#rrggbb"); clicking it opens a modal
/// colour chooser. In the Y axes grid column it also carries a grid check
/// box.
class XY_SPREADSHEET_EXPORT LineEditColorWidget : public QWidget
{
    Q_OBJECT

public:
    /// A colour cell without grid check box; @p parent owns it.
    explicit LineEditColorWidget(QWidget *parent = nullptr);
    /// The cell's parts go with it.
    ~LineEditColorWidget() override;

    /// Shows the colour named @p colorName (anything QColor accepts, such
    /// as "#rrggbb"); a name that is no colour leaves the cell as it was.
    void setBGStyleSheet(const QString &colorName);
    /// The colour shown, as "#rrggbb" (QColor::name(), lower case).
    QString getBGStyleSheet() const;
    /// Stores whether the grid is drawn.
    void setGridVisible(bool visible);
    /// Whether the grid is drawn: as last set, or as the user last clicked
    /// the grid check box.
    bool getGridVisible() const;
    /// Checks or clears the grid check box (kept until it is shown).
    void setCheckBoxChecked(bool checked);
    /// Shows the grid check box (Y axes grid column); a click on it sets
    /// the grid visibility.
    void setGridCheckBoxShown(bool shown);

private:
    struct Private;
    Private *d;
};

/// Left or right Y axis of a channel (or which Y axis a row of the Y axes
/// table is); a click switches sides.
class XY_SPREADSHEET_EXPORT IconButtonWidget : public QWidget
{
    Q_OBJECT

public:
    /// A button on the left side; @p parent owns it.
    explicit IconButtonWidget(QWidget *parent = nullptr);
    /// The button goes with the cell.
    ~IconButtonWidget() override;

    /// Selects the left (true) or right (false) axis.
    void setLeftSelected(bool left);
    /// true for the left axis, false for the right one.
    bool getLeftSelected() const;
    /// The tool button itself; owned by the cell.
    QToolButton *button() const;

private:
    void buildButton() const;

    mutable QToolButton *m_button = nullptr;
    bool m_left = true;
};

/// Line style (the four stipple patterns, drawn as lines) and line width.
class XY_SPREADSHEET_EXPORT Combo_SpinBoxWidget : public QWidget
{
    Q_OBJECT

public:
    /// Solid, width 1; @p parent owns it.
    explicit Combo_SpinBoxWidget(QWidget *parent = nullptr);
    /// The parts go with the cell.
    ~Combo_SpinBoxWidget() override;

    /// Chooses the line style by combo index 0 to 3 (see lineStyleToIndex()).
    void setComboBoxCurrentIndex(int index);
    /// The chosen line style index, 0 to 3 (indexToLineStyle() gives the
    /// pattern).
    int getComboBoxCurrentIndex() const;
    /// Sets the line width in pixels, 0 to 50 (clamped).
    void setSpinBoxValue(int value);
    /// The line width in pixels.
    int getSpinBoxValue() const;
    /// The line style combo box; owned by the cell.
    QComboBox *comboBox() const;
    /// The line width spin box; owned by the cell.
    QSpinBox *spinBox() const;

private:
    void buildParts() const;

    mutable QComboBox *m_combo = nullptr;
    mutable QSpinBox *m_spin = nullptr;
    struct Pending;
    mutable Pending *m_pending = nullptr; // style and width until the parts are built
};

#endif // XY_PLOT_INTERFACES_SPREADSHEET_H
