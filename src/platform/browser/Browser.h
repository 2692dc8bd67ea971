#pragma once
#include <QRect>
#include <QString>
#include <functional>

namespace dom {
class Document;
}

namespace plat {

// An embedded browser control. The program reads and writes the hosted page through the
// page's document model (dom::Document), synchronously; the backend keeps the real page in
// step with the model.
class Browser {
public:
    virtual ~Browser() = default;

    virtual void setGeometry(const QRect& r) = 0; // inside its window, pixels
    virtual QRect geometry() const = 0;
    virtual void navigate(const QString& url) = 0;
    virtual QString locationUrl() const = 0;
    virtual bool busy() const = 0;
    // The model of the current top-level page; nullptr before the first page has loaded.
    virtual dom::Document* document() = 0;
    virtual void setSilent(bool on) = 0; // script errors are not shown
    virtual void setDropTarget(bool on) = 0;

    std::function<void(const QString& url)> onNavigateComplete;
    // topLevel is false for documents of frames inside the page.
    std::function<void(const QString& url, bool topLevel)> onDocumentComplete;
    // A page asks for a new window; set cancel to refuse it.
    std::function<void(bool& cancel)> onNewWindow;
    // Sizes are read at once from what the page last reported; this tells that the body's
    // client size or an element's size the program read has changed since. It comes in a
    // turn of the loop of its own, never inside a read.
    std::function<void()> onSizesChanged;
};

} // namespace plat
