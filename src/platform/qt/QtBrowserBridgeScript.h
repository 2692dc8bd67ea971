#pragma once
#include <QString>
#include <QWebEngineScript>

namespace plat {

// What QtBrowser puts into every top-level page it shows, in a world of its own that the
// page's scripts cannot see: the web channel's client, the journal's table of op names, the
// page model's applier and the bridge to the program (resources/scripts/: journal-applier.js
// and page-bridge.js, embedded under :/browser/).
class QtBrowserBridgeScript {
public:
    // The name under which the bridge object is published on the channel.
    static QString objectName();
    static QWebEngineScript script();

private:
    static QString source();
};

} // namespace plat
