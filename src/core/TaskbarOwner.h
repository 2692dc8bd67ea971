#pragma once

struct AppContext;
namespace plat {
class Window;
}

// The main window leaves its owner for a taskbar button of its own, and goes back at unload.
namespace taskbar {

void AttachTaskbarProxy(AppContext& ctx, plat::Window& main);
void DetachTaskbarProxy(AppContext& ctx, plat::Window& main);
// attach: gives the window newOwner and remembers the one it had; detach: gives that back.
void SetOwner(AppContext& ctx, plat::Window& window, bool attach, plat::Window* newOwner);

} // namespace taskbar
