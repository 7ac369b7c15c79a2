#include "qt/QtClock.h"

#include <QTime>

namespace quiz {

QtClock::QtClock() : startMs_(QTime::currentTime().msecsSinceStartOfDay()) { elapsed_.start(); }

}  // namespace quiz
