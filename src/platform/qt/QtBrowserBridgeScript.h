#pragma once
#include <QString>
#include <QWebEngineScript>

namespace plat {

// What QtBrowser puts into every top-level page it shows, in a world of its own that the
// page's scripts cannot see: the web channel's client, the model's applier
// (dom::Journal::applierScript) and the bridge, which
//   - numbers the page's elements as the model numbers them and says so ("ready": count and
//     hash, for the comparison with the model; "loaded" at the window's load);
//   - applies the program's batches strictly in their order and acknowledges each
//     ("applied", with fresh sizes);
//   - reports the page's own changes (its scripts: inline event scripts, the sort, the
//     layout handlers) as ops of the journal's format ("changed", with the last batch the
//     page had applied when it saw them): attr/rmattr, text, order, checked, and html for
//     whatever cannot be told otherwise;
//   - reports click, mousedown, mouseup, mousemove and contextmenu ("event": the element,
//     whether a user or a script fired it), focus moving to an element or into a frame
//     ("focus"), frames that finished loading ("frame", their address);
//   - reports the body's client size and the offset sizes of the elements it is asked to
//     watch whenever they change ("measured").
// Every message is one JSON text with "kind" and the page instance's "instance".
class QtBrowserBridgeScript {
public:
    // The name under which the bridge object is published on the channel.
    static QString objectName();
    static QWebEngineScript script();

private:
    static QString bridgeSource();
};

} // namespace plat
