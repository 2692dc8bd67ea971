#pragma once

namespace plat {
class Screen;
}

// The window's own unit: twips, converted with the screen's twips per pixel in each
// direction. Windows are placed in pixels; the rules that are given in twips (the minimum
// size, the news window's offset) convert through here.
class Twips {
public:
    explicit Twips(const plat::Screen& screen) : screen_(screen) {}

    int fromPixelsX(int px) const;
    int fromPixelsY(int px) const;
    // Truncating, as a twips position becomes a pixel one.
    int toPixelsX(int twips) const;
    int toPixelsY(int twips) const;

private:
    const plat::Screen& screen_;
};
