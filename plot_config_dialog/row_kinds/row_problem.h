// What a row check found wrong, for the dialog to report.
#ifndef XY_PLOT_CONFIG_DIALOG_ROW_KINDS_ROW_PROBLEM_H
#define XY_PLOT_CONFIG_DIALOG_ROW_KINDS_ROW_PROBLEM_H

#include <QString>

#include <functional>

namespace RowKinds {

// The message that follows the row's prefix, the title of its box and what
// to do once the user has closed the box (focus the field, put a value
// back). A row without a problem has no title.
struct RowProblem
{
    QString text;
    QString title;
    std::function<void()> afterBox;

    explicit operator bool() const { return !title.isEmpty(); }
};

} // namespace RowKinds

#endif // XY_PLOT_CONFIG_DIALOG_ROW_KINDS_ROW_PROBLEM_H
