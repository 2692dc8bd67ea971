#pragma once
#include "core/Form.h"
#include <functional>
#include <memory>

struct AppContext;
namespace plat {
class Browser;
class Window;
} // namespace plat

// The news window: a plain browser window that opens one article (from the news list or a
// popup row) where its opener puts it, as wide as the main window's article column and as
// high as the article.
class IE_frm : public Form {
public:
    explicit IE_frm(AppContext& ctx);
    ~IE_frm() override;

    // Opens NewsLink and uses it up.
    void Form_Load() override;
    void Form_Resize();
    // The owner (the main window) takes this window's place, where the user left the article.
    void Form_Unload() override;
    void setOwnerWindow(plat::Window* owner) { owner_ = owner; }

    void Move(int leftTwips, int topTwips);
    void Show();

    plat::Window& window() { return *window_; }
    // nullptr where the system has no browser.
    plat::Browser* WebBrowser1() const { return WebBrowser1_; }

private:
    void WebBrowser1_DocumentComplete(bool topLevel);
    void WebBrowser1_SizesChanged();
    void fitToArticle();
    bool run(const char* where, const std::function<void()>& step);

    AppContext& ctx_;
    std::unique_ptr<plat::Window> window_;
    plat::Browser* WebBrowser1_;
    plat::Window* owner_ = nullptr;
    bool complete_ = false; // the article's document has completed once
};
