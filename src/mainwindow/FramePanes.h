#pragma once
#include <QString>

struct AppContext;
class MainPage;

// The panes that show pages of the vendor's web site in a frame (strategy reference, news
// report, daily strategy) and the news list pane. A frame pane loads its page when shown
// while logged in, keeps a page it already holds, and discards it when hidden.
class FramePanes {
public:
    FramePanes(AppContext& ctx, MainPage& page) : ctx_(ctx), page_(page) {}

    void CLRefer(bool show);
    void NewsReport(bool show);
    void prof_tactics(bool show);
    void FXAllNews(bool show);

private:
    struct Frame {
        const char* container;
        const char* frameId;
        const char* sitePath;
        int heightMargin;
    };
    void showFrame(const Frame& frame, bool show);

    AppContext& ctx_;
    MainPage& page_;
};
