#pragma once
#include <QLoggingCategory>

// The milestones of a start (application, engine, page loads, the manifest), for timing the
// start from outside (tools/startup/measure.py). Silent unless asked for with
// QT_LOGGING_RULES="zep.start.info=true"; "%{time boot}" in QT_MESSAGE_PATTERN stamps each
// with the monotonic clock.
Q_DECLARE_LOGGING_CATEGORY(lcStart)
