#!/usr/bin/env python3
"""Writes the two Qt Designer forms of the plot configuration dialog.

The main dialog carries eight near-identical graph pages and eight axes pages
whose layout, frame and group box names follow an irregular numbering; they
are produced here from one description each so that the copies cannot drift
apart. Run from anywhere:

    python3 scripts/forms/generate_forms.py

and commit the regenerated plot_config_dialog/*.ui together with this script.
The .ui files are what the build (AUTOUIC) and Qt Designer use; this script
stays their one source of truth. Other uses:

    generate_forms.py --check          compare the committed forms with what
                                       this script writes (the forms test)
    generate_forms.py --output-dir D   write the two forms into folder D
"""

import argparse
import os
import sys
from xml.sax.saxutils import escape

GRAPHS = range(1, 9)

RED = "color: rgb(255, 0, 0);"
OVERLAY_HEADING = 'color: rgb(255, 0, 0);\nfont: 14pt "Sans Serif";'
ICON_DIR = "../../../specs/qt/crystal_project/16x16/actions/"

# Names on the graph pages that do not carry the graph number:
# page layout, frame, grid, data points box, its layout, XY values box,
# its layout, "Overlay File:" label.
GRAPH_PAGE_NAMES = {
    1: ("verticalLayout_14", "frame_5", "gridLayout_3", "groupBox", "verticalLayout_32",
        "groupBox_2", "verticalLayout_33", "label_8"),
    2: ("verticalLayout_16", "frame_6", "gridLayout_4", "groupBox_3", "verticalLayout_34",
        "groupBox_4", "verticalLayout_35", "label_7"),
    3: ("verticalLayout_17", "frame_7", "gridLayout_5", "groupBox_5", "verticalLayout_36",
        "groupBox_6", "verticalLayout_37", "label_6"),
    4: ("verticalLayout_18", "frame_8", "gridLayout_6", "groupBox_7", "verticalLayout_38",
        "groupBox_8", "verticalLayout_39", "label_5"),
    5: ("verticalLayout_19", "frame_9", "gridLayout_7", "groupBox_9", "verticalLayout_40",
        "groupBox_10", "verticalLayout_41", "label_4"),
    6: ("verticalLayout_20", "frame_10", "gridLayout_8", "groupBox_11", "verticalLayout_42",
        "groupBox_12", "verticalLayout_43", "label_3"),
    7: ("verticalLayout_21", "frame_11", "gridLayout_9", "groupBox_13", "verticalLayout_44",
        "groupBox_14", "verticalLayout_45", "label_2"),
    8: ("verticalLayout_15", "frame_12", "gridLayout_10", "groupBox_15", "verticalLayout_46",
        "groupBox_16", "verticalLayout_47", "label"),
}

# Axes pages: page layout, frame layout.
AXES_PAGE_NAMES = {
    1: ("verticalLayout_23", "verticalLayout_4"),
    2: ("verticalLayout_24", "verticalLayout_6"),
    3: ("verticalLayout_25", "verticalLayout_7"),
    4: ("verticalLayout_26", "verticalLayout_8"),
    5: ("verticalLayout_27", "verticalLayout_9"),
    6: ("verticalLayout_28", "verticalLayout_10"),
    7: ("verticalLayout_29", "verticalLayout_11"),
    8: ("verticalLayout_30", "verticalLayout_12"),
}

# Table kinds of the spreadsheet library.
KIND_Y_AXES = 2
KIND_ALL_GRAPHS = 9
KIND_XY_VAR = 10
KIND_XY_OVERLAY = 11
KIND_X_AXIS = 12


# ---------------------------------------------------------------- XML model

class Node:
    """One XML element; children are Nodes, text is a plain string."""

    def __init__(self, tag, attrs=None, children=None, text=None):
        self.tag = tag
        self.attrs = attrs or []
        self.children = list(children or [])
        self.text = text

    def add(self, *nodes):
        self.children.extend(nodes)
        return self

    def write(self, out, depth):
        pad = " " * depth
        attrs = "".join(' %s="%s"' % (k, escape(str(v), {'"': "&quot;"})) for k, v in self.attrs)
        if self.children:
            out.append("%s<%s%s>\n" % (pad, self.tag, attrs))
            for child in self.children:
                child.write(out, depth + 1)
            out.append("%s</%s>\n" % (pad, self.tag))
        elif self.text is not None and self.text != "":
            out.append("%s<%s%s>%s</%s>\n" % (pad, self.tag, attrs, escape(self.text), self.tag))
        else:
            out.append("%s<%s%s/>\n" % (pad, self.tag, attrs))


def el(tag, text=None, **attrs):
    return Node(tag, list(attrs.items()), text=text)


# ------------------------------------------------------- property helpers

def prop(name, value_node, stdset=True):
    attrs = [("name", name)]
    if not stdset:
        attrs.append(("stdset", "0"))
    return Node("property", attrs, [value_node])


def attribute(name, value_node):
    return Node("attribute", [("name", name)], [value_node])


def p_string(name, text, translatable=True):
    if translatable:
        return prop(name, el("string", text))
    return prop(name, Node("string", [("notr", "true")], text=text))


def p_number(name, value):
    return prop(name, el("number", str(value)))


def p_bool(name, value):
    return prop(name, el("bool", "true" if value else "false"))


def p_enum(name, value):
    return prop(name, el("enum", value))


def p_set(name, value):
    return prop(name, el("set", value))


def p_style(text):
    return p_string("styleSheet", text, translatable=False)


def p_font(pointsize, bold=False, italic=False):
    font = Node("font", children=[el("pointsize", str(pointsize))])
    if italic:
        font.add(el("italic", "true"))
    if bold:
        font.add(el("bold", "true"))
    return prop("font", font)


def p_geometry(width, height):
    return prop("geometry", Node("rect", children=[
        el("x", "0"), el("y", "0"), el("width", str(width)), el("height", str(height))]))


class IconSet(Node):
    """A button icon with one file for mode Normal, state Off. Designer
    repeats the file as the text of the iconset element."""

    def __init__(self, path):
        super().__init__("iconset")
        self.path = path

    def write(self, out, depth):
        pad = " " * depth
        out.append("%s<iconset>\n" % pad)
        out.append("%s <normaloff>%s</normaloff>%s</iconset>\n"
                   % (pad, escape(self.path), escape(self.path)))


def tight(layout):
    """Spacing 0 and all contents margins 0."""
    return layout.add(p_number("spacing", 0), *margins_zero())


def no_margins(layout):
    """Contents margins 0, spacing left at the default."""
    return layout.add(*margins_zero())


def margins_zero():
    return [p_number(side + "Margin", 0) for side in ("left", "top", "right", "bottom")]


# ------------------------------------------------------ widgets and layouts

def widget(cls, name, *props):
    return Node("widget", [("class", cls), ("name", name)], list(props))


def native_widget(name, *props):
    node = widget("QWidget", name, *props)
    node.attrs.append(("native", "true"))
    return node


def layout(cls, name, *props):
    return Node("layout", [("class", cls), ("name", name)], list(props))


def item(child, row=None, column=None, rowspan=1, colspan=1):
    attrs = []
    if row is not None:
        attrs = [("row", row), ("column", column)]
        if rowspan != 1:
            attrs.append(("rowspan", rowspan))
        if colspan != 1:
            attrs.append(("colspan", colspan))
    return Node("item", attrs, [child])


class SpacerNames:
    """Designer-style spacer names, numbered per orientation."""

    def __init__(self):
        self.counts = {"horizontal": 0, "vertical": 0}

    def next(self, orientation):
        self.counts[orientation] += 1
        n = self.counts[orientation]
        base = orientation + "Spacer"
        return base if n == 1 else "%s_%d" % (base, n)


def spacer(names, orientation, width, height):
    return Node("spacer", [("name", names.next(orientation))], [
        p_enum("orientation", "Qt::Horizontal" if orientation == "horizontal" else "Qt::Vertical"),
        prop("sizeHint", Node("size", children=[el("width", str(width)), el("height", str(height))]),
             stdset=False),
    ])


def h_spacer(names):
    """40 x 20, expanding horizontally."""
    return spacer(names, "horizontal", 40, 20)


def v_spacer(names):
    """20 x 40, expanding vertically."""
    return spacer(names, "vertical", 20, 40)


def label(name, *props):
    return widget("QLabel", name, *props)


def text(value):
    return p_string("text", value)


def right_label(name, label_text, *extra):
    return label(name, *extra, p_set("alignment", "Qt::AlignRight|Qt::AlignVCenter"), text(label_text))


def mode_label(name):
    return label(name, p_font(14, bold=True, italic=True), p_style(RED), text("Pan/Zoom Mode"),
                 p_set("alignment", "Qt::AlignCenter"))


def combo(name, items):
    node = widget("QComboBox", name)
    for t in items:
        node.add(Node("item", children=[text(t)]))
    return node


def spreadsheet(name, columns, rows, kind, graph=None, font=None, context_menu=False,
                var_header=False):
    """A table. The order of the properties below is the order of the calls in
    setupUi: counts and selection mode first, then kind, graph number and the
    dynamic property."""
    node = widget("Spreadsheet", name)
    if font is not None:
        node.add(p_font(font))
    node.add(p_number("columnCount", columns))
    if rows:
        node.add(p_number("rowCount", rows))
    node.add(p_enum("selectionMode", "QAbstractItemView::NoSelection"))
    node.add(p_number("spreadsheetKind", kind))
    if graph is not None:
        node.add(p_number("graphNumber", graph))
    if context_menu:
        node.add(prop("contextMenuVisible", el("bool", "true"), stdset=False))
    if var_header:
        node.add(attribute("horizontalHeaderCascadingSectionResizes", el("bool", "false")),
                 attribute("horizontalHeaderDefaultSectionSize", el("number", "100")))
    return node


def tab_page(name, title, *children):
    return widget("QWidget", name, attribute("title", el("string", title)), *children)


def framed(name):
    return widget("QFrame", name,
                  p_enum("frameShape", "QFrame::StyledPanel"),
                  p_enum("frameShadow", "QFrame::Raised"))


def radio_box(box_name, title, layout_name, show_name, hide_name):
    return widget("QGroupBox", box_name, p_string("title", title)).add(
        tight(layout("QVBoxLayout", layout_name)).add(
            item(widget("QRadioButton", show_name, text("Show"))),
            item(widget("QRadioButton", hide_name, text("Hide")))))


def customwidgets():
    return Node("customwidgets", children=[
        Node("customwidget", children=[
            el("class", "Spreadsheet"), el("extends", "QTableWidget"),
            Node("header", [("location", "global")], text="interfaces/spreadsheet.h")]),
        Node("customwidget", children=[
            el("class", "Base_Plot_Frame_Tab"), el("extends", "QWidget"),
            Node("header", [("location", "global")], text="interfaces/base_plot_frame_tab.h")]),
    ])


REGENERATE_COMMAND = "python3 scripts/forms/generate_forms.py"

# Kept in the form as Designer's own comment element, which uic ignores and
# Designer keeps when it saves the form.
HEADER_COMMENT = (
    "Written by scripts/forms/generate_forms.py; regenerate with %s from the project's root. "
    "An edit made here in Qt Designer (or by hand) must be carried into that script, "
    "or the forms test (ctest -R tst_forms_generated) fails." % REGENERATE_COMMAND)


def document(class_name, top, *tail):
    ui = Node("ui", [("version", "4.0")],
              [el("comment", HEADER_COMMENT), el("class", class_name), top, *tail])
    out = ['<?xml version="1.0" encoding="UTF-8"?>\n']
    ui.write(out, 0)
    return "".join(out)


# ---------------------------------------------------------------- main form

def graph_page(n, spacers):
    (page_layout, frame_name, grid_name, dp_box, dp_layout,
     xy_box, xy_layout, file_label) = GRAPH_PAGE_NAMES[n]
    grid = tight(layout("QGridLayout", grid_name)).add(
        item(label(file_label, text("Overlay File:")), 0, 0),
        item(label("lblOverlayFilePlot%d" % n, text("")), 1, 0),
        item(widget("QPushButton", "btnOverlayFile%d" % n, text("Overlay File ...")), 2, 0),
        item(v_spacer(spacers), 0, 1, rowspan=3),
        item(v_spacer(spacers), 0, 4, rowspan=3),
        item(right_label("lblDisplayType%d" % n, "Display Type:"), 0, 2),
        item(combo("cboDisplayType%d" % n, ("Full Trace", "Marker Only", "Comet")), 0, 3),
        item(right_label("lblCometLength%d" % n, "Comet Length [sec]:"), 2, 2),
        item(widget("QSpinBox", "spinCometLength%d" % n), 2, 3),
        item(radio_box(dp_box, "Datapoints", dp_layout,
                       "radDatapointShowPlot%d" % n, "radDatapointHidePlot%d" % n), 0, 5, rowspan=3),
        item(radio_box(xy_box, "XY Values", xy_layout,
                       "radXYValuesShowPlot%d" % n, "radXYValuesHidePlot%d" % n), 0, 6, rowspan=3),
    )
    return tab_page("plot%dTab" % n, "Graph %d" % n).add(
        tight(layout("QVBoxLayout", page_layout)).add(
            item(mode_label("lblPlot%dMode" % n)),
            item(spreadsheet("plot%dXYVarSpreadsheet" % n, 5, 1, KIND_XY_VAR, graph=n,
                             var_header=True)),
            item(label("lblOverlay%d" % n, p_style(OVERLAY_HEADING), text("Overlay"))),
            item(spreadsheet("plot%dXYOverlaySpreadsheet" % n, 5, 1, KIND_XY_OVERLAY, graph=n)),
            item(framed(frame_name).add(grid)),
        ))


def axes_page(n):
    page_layout, frame_layout = AXES_PAGE_NAMES[n]
    heading = (p_font(20), p_style(RED))
    return tab_page("graphAxes%d" % n, "Graph %d" % n).add(
        no_margins(layout("QVBoxLayout", page_layout)).add(
            item(framed("graphAxesFrame%d" % n).add(
                tight(layout("QVBoxLayout", frame_layout)).add(
                    item(mode_label("lblAxes%dMode" % n)),
                    item(label("lblGraph%dYAxes" % n, *heading, text("Y Axes"))),
                    item(spreadsheet("graph%dYAxesSpreadsheet" % n, 8, 2, KIND_Y_AXES,
                                     graph=n, font=10)),
                    item(label("lblGraph%dTimeAxis" % n, *heading, text("X Axis"))),
                    item(spreadsheet("graph%dXAxisSpreadsheet" % n, 7, 1, KIND_X_AXIS,
                                     graph=n, font=10)),
                )))))


def rate_frame(spacers):
    def plain(name, label_text):
        return label(name, text(label_text))

    def rate_label(name, label_text, buddy):
        return right_label(name, label_text, p_enum("layoutDirection", "Qt::LeftToRight"),
                           prop("buddy", el("cstring", buddy)))

    def buddy_label(name, label_text, buddy):
        return label(name, text(label_text), prop("buddy", el("cstring", buddy)))

    def line_edit(name, empty_mask):
        node = widget("QLineEdit", name)
        if empty_mask:
            node.add(p_string("inputMask", ""))
        return node

    grid = layout("QGridLayout", "gridLayout").add(
        item(h_spacer(spacers), 0, 0),
        item(h_spacer(spacers), 0, 7),
        item(rate_label("lblScreenRefreshRate", "Screen Refresh Rate",
                        "lineEditScreenRefreshRate"), 0, 1),
        item(line_edit("lineEditScreenRefreshRate", True), 0, 2),
        item(plain("lblScreenRefreshRateUnits", "[Hz]"), 0, 3),
        item(buddy_label("lblScreenRefreshRateInterval", "= Interval",
                         "lineEditScreenRefreshInterval"), 0, 4),
        item(line_edit("lineEditScreenRefreshInterval", True), 0, 5),
        item(plain("lblScreenRefreshRateIntervalUnits", "[msec]"), 0, 6),
        item(rate_label("lblDataSampleRate", "Data Sample Rate", "lineEditDataSampleRate"), 1, 1),
        item(line_edit("lineEditDataSampleRate", False), 1, 2),
        item(plain("lblDataSampleRateUnits", "[Hz]"), 1, 3),
        item(buddy_label("lblDataSampleRateInterval", "= Interval",
                         "lineEditDataSampleInterval"), 1, 4),
        item(line_edit("lineEditDataSampleInterval", False), 1, 5),
        item(plain("lblDataSampleRateIntervalUnits", "[msec]"), 1, 6),
        item(rate_label("lblDataStorage", "Data Storage", "lineEditDataStorage"), 2, 1),
        item(line_edit("lineEditDataStorage", True), 2, 2),
        item(combo("cmbDataStorageUnits", ("Seconds", "Minutes", "Hours")), 2, 3, colspan=2),
    )
    return framed("frame").add(
        no_margins(layout("QVBoxLayout", "verticalLayout_2")).add(item(grid)))


def main_form():
    # Spacers are numbered in the order they are generated: graph pages,
    # rate frame, buttons.
    spacers = SpacerNames()
    plot_all = tab_page("plotAllTab", "All").add(
        tight(layout("QVBoxLayout", "verticalLayout_5")).add(
            item(spreadsheet("plotAllVarSpreadsheet", 6, 0, KIND_ALL_GRAPHS, font=10,
                             context_menu=True)),
            item(label("lblOverlay1_2", p_style(OVERLAY_HEADING), text("Overlay"))),
            item(spreadsheet("plotAllOverlaySpreadsheet", 6, 0, KIND_ALL_GRAPHS, font=10,
                             context_menu=True)),
        ))
    plot_tabs = widget("QTabWidget", "plotConfigTabs",
                       p_font(10),
                       p_style("QTabBar::tab { height: 75px; width: 30px; }"),
                       p_enum("tabPosition", "QTabWidget::West"),
                       p_number("currentIndex", 2))
    plot_tabs.add(plot_all)
    for n in GRAPHS:
        plot_tabs.add(graph_page(n, spacers))

    plot_config = tab_page("plotConfigTab", "Plot").add(
        no_margins(layout("QVBoxLayout", "verticalLayout_13")).add(
            item(plot_tabs),
            item(rate_frame(spacers))))

    axes_tabs = widget("QTabWidget", "axesConfigTabs",
                       p_font(10),
                       p_enum("tabPosition", "QTabWidget::West"),
                       p_number("currentIndex", 0))
    for n in GRAPHS:
        axes_tabs.add(axes_page(n))
    axes_config = widget("QWidget", "axesConfigTab",
                         p_style("QTabBar::tab { height: 75px; width: 30px; }"),
                         attribute("title", el("string", "Axes"))).add(
        no_margins(layout("QVBoxLayout", "verticalLayout_22")).add(item(axes_tabs)))

    frame_config = widget("QWidget", "frameConfigTab", p_bool("enabled", True),
                          attribute("title", el("string", "Frame"))).add(
        no_margins(layout("QVBoxLayout", "verticalLayout_31")).add(
            item(widget("Base_Plot_Frame_Tab", "plot_frame_tab"))))

    config_tabs = widget("QTabWidget", "configTabs",
                         p_bool("enabled", True),
                         p_font(12),
                         p_style("QTabBar::tab { height: 30px; width: 250px; }\n\n"),
                         p_number("currentIndex", 0)).add(plot_config, axes_config, frame_config)

    def button(name, label_text, icon_file):
        return widget("QPushButton", name,
                      p_string("toolTip", ""),
                      text(label_text),
                      prop("icon", IconSet(ICON_DIR + icon_file)),
                      p_bool("autoDefault", False))

    buttons = layout("QHBoxLayout", "horizontalLayout_2").add(
        item(h_spacer(spacers)),
        item(button("btnOk", "Ok", "ok.png")),
        item(button("btnApply", "Apply", "apply.png")),
        item(button("btnCancel", "Cancel", "cancel.png")),
        item(h_spacer(spacers)))

    inner = layout("QVBoxLayout", "verticalLayout",
                   p_number("spacing", 0), p_number("bottomMargin", 0)).add(
        item(config_tabs), item(buttons))

    dialog = widget("QDialog", "Plot_Config_Dialog",
                    p_geometry(866, 617),
                    p_string("windowTitle", "Plot Configuration Dialog")).add(
        no_margins(layout("QVBoxLayout", "verticalLayout_3")).add(item(inner)))

    chain = ["configTabs", "plotConfigTabs", "plotAllVarSpreadsheet", "plot1XYVarSpreadsheet",
             "lineEditScreenRefreshRate", "lineEditScreenRefreshInterval",
             "lineEditDataSampleRate", "lineEditDataSampleInterval", "lineEditDataStorage",
             "axesConfigTabs"]
    for n in GRAPHS:
        chain += ["graph%dYAxesSpreadsheet" % n, "graph%dXAxisSpreadsheet" % n]
    tabstops = Node("tabstops", children=[el("tabstop", name) for name in chain])

    return document("Plot_Config_Dialog", dialog, customwidgets(), tabstops,
                    Node("resources"), Node("connections"))


# ----------------------------------------------------------------- tab form

def tab_form():
    grid = layout("QGridLayout", "gridLayout_2").add(
        item(label("label_7", text("Overlay File:")), 0, 0),
        item(right_label("lblDisplayType", "Display Type:"), 0, 1),
        item(combo("cboDisplayType", ("Full Trace", "Marker Only", "Comet")), 0, 2, rowspan=2),
        item(radio_box("DatapointGrpBox", "Datapoints", "verticalLayout_34",
                       "radDatapointShowPlot", "radDatapointHidePlot"), 0, 3, rowspan=3),
        item(radio_box("XYValuesGrpBox", "XY Values", "verticalLayout_35",
                       "radXYValuesShowPlot", "radXYValuesHidePlot"), 0, 4, rowspan=3),
        item(label("lblOverlayFilePlot", text("")), 1, 0),
        item(widget("QPushButton", "btnOverlayFile", text("Overlay File ...")), 2, 0),
        item(right_label("lblCometLength", "Comet Length [sec]:"), 2, 1),
        item(widget("QSpinBox", "spinCometLength"), 2, 2),
    )
    top = widget("QWidget", "XY_Plot_Config_Tab", p_geometry(906, 532)).add(
        layout("QVBoxLayout", "verticalLayout").add(
            item(mode_label("lblPlotMode")),
            item(label("lblLiveData", p_style(OVERLAY_HEADING), text("Live Data"))),
            item(spreadsheet("plotXYVarSpreadsheet", 5, 1, KIND_XY_VAR, var_header=True)),
            item(label("lblOverlay", p_style(OVERLAY_HEADING), text("Overlay"))),
            item(spreadsheet("plotXYOverlaySpreadsheet", 5, 1, KIND_XY_OVERLAY)),
            # A plain child widget (native), not a Designer layout widget:
            # uic would otherwise zero the grid's margins.
            item(native_widget("widget").add(grid)),
        ))
    return document("XY_Plot_Config_Tab", top, customwidgets(), Node("resources"),
                    Node("connections"))


def forms(folder):
    """The two forms, by the path they are written to inside folder."""
    return {
        os.path.join(folder, "xy_plot_config_dialog.ui"): main_form(),
        os.path.join(folder, "xy_plot_config_tab.ui"): tab_form(),
    }


def first_difference(path, expected):
    """None when the file holds exactly expected, else a description of the
    first line that differs."""
    try:
        with open(path, "rb") as f:
            actual = f.read()
    except OSError as error:
        return "cannot be read: %s" % error.strerror
    wanted = expected.encode("utf-8")
    if actual == wanted:
        return None
    have_lines = actual.split(b"\n")
    want_lines = wanted.split(b"\n")
    for number, (have, want) in enumerate(zip(have_lines, want_lines), start=1):
        if have != want:
            return "line %d is\n    %r\nbut the generator writes\n    %r" % (
                number, have.decode("utf-8", "replace"), want.decode("utf-8"))
    number = min(len(have_lines), len(want_lines)) + 1
    if len(have_lines) > len(want_lines):
        return "line %d and after are not written by the generator" % number
    return "ends before line %d, which the generator writes" % number


def main(argv):
    parser = argparse.ArgumentParser(description="Writes or checks the dialog's Qt Designer forms.")
    parser.add_argument("root", nargs="?",
                        default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."),
                        help="the project's root folder (default: the one holding this script)")
    action = parser.add_mutually_exclusive_group()
    action.add_argument("--check", action="store_true",
                        help="compare the committed forms byte for byte, write nothing")
    action.add_argument("--output-dir", metavar="DIR",
                        help="write the forms into DIR instead of plot_config_dialog/")
    args = parser.parse_args(argv[1:])

    folder = args.output_dir or os.path.join(os.path.normpath(args.root), "plot_config_dialog")
    targets = forms(folder)
    if args.check:
        stale = 0
        for path, content in targets.items():
            difference = first_difference(path, content)
            if difference is not None:
                stale += 1
                print("%s differs from the generator: %s" % (path, difference))
        if stale:
            print("Carry the change into scripts/forms/generate_forms.py, then run: %s"
                  % REGENERATE_COMMAND)
            return 1
        print("the forms match the generator")
        return 0
    for path, content in targets.items():
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            f.write(content)
        print("wrote", path)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
