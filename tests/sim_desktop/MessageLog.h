#pragma once
#include "platform/window/Window.h"
#include <vector>

// Hooks a window and keeps every message as it reached the hook (before any answer changed
// it); answers none of them unless told to.
struct MessageLog {
    explicit MessageLog(plat::Window& w) {
        w.setMessageHook([this](plat::WindowMessage& m) {
            seen.push_back(m);
            return answer && answer(m);
        });
    }
    std::vector<int> ids() const {
        std::vector<int> out;
        for (const auto& m : seen) out.push_back(m.msg);
        return out;
    }

    std::vector<plat::WindowMessage> seen;
    std::function<bool(plat::WindowMessage&)> answer;
};
