#pragma once
#include <QString>

struct AppContext;
namespace plat {
class Browser;
}

// --dump-pages: the main page and the popup page as the program last left them, written
// as HTML (UTF-8) into the directory the command line named, for whoever checks a run.
class PageDump {
public:
    explicit PageDump(AppContext& ctx) : ctx_(ctx) {}

    // Nothing without a directory; a page that is not loaded is left out.
    void write() const;

private:
    void writePage(plat::Browser* browser, const QString& fileName) const;

    AppContext& ctx_;
};
