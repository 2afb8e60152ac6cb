// Numeric fields whose edit is finished also for text the validator cannot
// accept yet. Internal to the dialog library.
#ifndef XY_PLOT_CONFIG_DIALOG_UNFINISHED_ENTRY_H
#define XY_PLOT_CONFIG_DIALOG_UNFINISHED_ENTRY_H

class QLineEdit;

namespace UnfinishedEntry {

// A QLineEdit sends editingFinished() on losing the focus or on Return only
// when its validator accepts the text, so an emptied field, a lone sign or
// an unfinished exponent would stay in it unchecked. After this call the
// field sends editingFinished() for such text too, at the same moments, so
// that its own check refuses it.
void finishEveryEdit(QLineEdit *field);

} // namespace UnfinishedEntry

#endif // XY_PLOT_CONFIG_DIALOG_UNFINISHED_ENTRY_H
