/// @file
/// Plot engine: the macro that marks what its shared library exports.
#ifndef XY_PLOT_INTERFACES_PLOT_ENGINE_EXPORT_H
#define XY_PLOT_INTERFACES_PLOT_ENGINE_EXPORT_H

#include <QtGlobal>

/// Marks the API that the plot engine library exports.
#if defined(XY_PLOT_ENGINE_LIBRARY)
#define XY_PLOT_ENGINE_EXPORT Q_DECL_EXPORT
#else
#define XY_PLOT_ENGINE_EXPORT Q_DECL_IMPORT
#endif

#endif // XY_PLOT_INTERFACES_PLOT_ENGINE_EXPORT_H
