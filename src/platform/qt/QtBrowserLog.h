#pragma once
#include <QLoggingCategory>

// Where the real browser control writes what it steps over (script errors, a page that
// disagrees with its model, a batch the page could not apply, a size that came too late).
Q_DECLARE_LOGGING_CATEGORY(lcBrowser)
