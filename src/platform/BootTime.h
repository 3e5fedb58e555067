#pragma once
// Milliseconds since the computer started, as a 64-bit count that does not wrap.
#include <QtGlobal>

qint64 MillisecondsSinceBoot();
