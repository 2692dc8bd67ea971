#pragma once

namespace plat {

// The browser engine as this program runs it: a handful of small pages of its own and the
// vendor's web pages, in one profile that keeps nothing on disk.
class QtEngine {
public:
    // Before the application object (after the "res" scheme's registration): software
    // drawing, and the engine's switches added to those the user gave in
    // QTWEBENGINE_CHROMIUM_FLAGS.
    static void prepare();
    // Right after the application object: brings the engine up now, so that its processes
    // start while the program reads its settings, and makes the profile every page uses.
    static void start();
};

} // namespace plat
