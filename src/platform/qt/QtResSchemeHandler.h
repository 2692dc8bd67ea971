#pragma once
#include "platform/res/ResourceStore.h"
#include <QWebEngineUrlSchemeHandler>

class QUrl;
class QWebEngineProfile;

namespace plat {

// The "res" addresses of the pages stored in the executable:
// res://<installation directory>/Zavez_ZEP.exe/<name>. Only the part after ".exe/" names the
// resource, and of that only the last component, matched without regard to case; so the
// pages' relative ("logo.png", "./logo.png") and root-relative ("/logo.png") references all
// reach their resource. Pages and style sheets go out with their charset.
class QtResSchemeHandler : public QWebEngineUrlSchemeHandler {
public:
    // Must run before the application object exists: later registrations are ignored.
    static void registerScheme();
    // Serves the scheme in profile, once however often it is asked.
    static void installOn(QWebEngineProfile* profile);
    // The resource reference inside a res address.
    static QString resourceReference(const QUrl& url);

    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    explicit QtResSchemeHandler(QObject* parent) : QWebEngineUrlSchemeHandler(parent) {}

    ResourceStore store_;
};

} // namespace plat
