// The screen file's format, shared by its writer and its reader.
//
// Layout: one object per record, member names as in the classes. Values:
// - whole numbers are JSON numbers while a double holds them exactly
//   (|v| < 2^53) and decimal strings from there on, so 64-bit values survive;
//   the reader accepts either form for every integer member;
// - doubles are JSON numbers, except "nan", "inf", "-inf" and "-0", which
//   JSON numbers cannot carry;
// - channel colours are "#rrggbb" (opaque) or "#aarrggbb", "" when invalid;
// - fonts are objects {family, pointSize, pixelSize, weight, italic,
//   underline, strikeOut}.
//
// Reading is strict about types and about what a member can hold (no
// negative unsigned values, no ints beyond 32 bits, at most 8 graphs and 8
// channels per graph); codes and colour names are left to
// consistencyErrors(), so that any consistent description reads back exactly
// as it was written. What may be missing:
// - the engine's run-time state (screenId, lastSavedTime and the
//   engine-private members of a graph) and formatVersion: they take their
//   defaults, so a hand-written screen file needs only what a user sets;
// - trailing records of varChannels/overlayChannels: default records;
// every other member is required. Unknown members are ignored.
#ifndef XY_PLOT_ENGINE_PLOT_SCREEN_JSON_FORMAT_H
#define XY_PLOT_ENGINE_PLOT_SCREEN_JSON_FORMAT_H

#include <QtGlobal>

namespace plot_json {

const int FormatVersion = 1;
// Whole numbers below 2^53 in magnitude are exact as JSON numbers; from
// 2^53 on, neighbouring integers share one double.
const qint64 MaxExactInteger = Q_INT64_C(1) << 53;

} // namespace plot_json

#endif // XY_PLOT_ENGINE_PLOT_SCREEN_JSON_FORMAT_H
