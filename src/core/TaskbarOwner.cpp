#include "core/TaskbarOwner.h"
#include "core/AppContext.h"
#include "platform/window/Window.h"

namespace taskbar {

void AttachTaskbarProxy(AppContext& ctx, plat::Window& main) { SetOwner(ctx, main, true, nullptr); }

void DetachTaskbarProxy(AppContext& ctx, plat::Window& main) { SetOwner(ctx, main, false, nullptr); }

void SetOwner(AppContext& ctx, plat::Window& window, bool attach, plat::Window* newOwner) {
    if (!attach) {
        window.setOwner(ctx.TaskbarPreviousOwner);
        return;
    }
    ctx.TaskbarPreviousOwner = window.owner();
    window.setOwner(newOwner);
}

} // namespace taskbar
