#pragma once
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

namespace plat {
class ImageBox;
class Label;
class Window;
} // namespace plat

// How the program's fixed dialogs are drawn on their window: labels in one font, pictures
// from the installation's image folder, and image buttons that show their highlighted
// picture while the mouse is over them until the mouse reaches the window's background.
class DialogCanvas {
public:
    // RGB(1, 90, 168): the title strips and the frame lines.
    static constexpr uint32_t FrameColor = 0x015AA8;
    // The dialogs' texts: on the title strip, plain, links, warnings and news of progress.
    static constexpr uint32_t TitleColor = 0xFFFFFF;
    static constexpr uint32_t TextColor = 0x333333;
    static constexpr uint32_t LinkColor = 0x416FC6; // RGB(65, 111, 198)
    static constexpr uint32_t WarningColor = 0xD03020;
    static constexpr uint32_t StatusColor = 0x1F4E9C;

    // imageDir ends with a separator.
    DialogCanvas(plat::Window& window, QString imageDir);

    // The window at this size in the middle of the work area.
    void centre(const QSize& size, const QRect& workArea);
    plat::Label* label(const QRect& r, const QString& text, uint32_t color, int pointSize = 9, bool bold = false);
    // A line of the dialog's drawing: a label filled with the colour.
    plat::Label* line(const QRect& r, uint32_t color);
    // A picture; an empty file name leaves the box empty (a place to click or drag).
    plat::ImageBox* image(const QRect& r, const QString& file);
    // A picture that turns to its highlighted one while the mouse is over it.
    plat::ImageBox* button(const QRect& r, const QString& normal, const QString& hover);
    // A button held highlighted stays so when the mouse leaves it (the selected tab).
    void hold(plat::ImageBox* button, bool on);
    // Every button back to its normal picture, except those held.
    void hoverOff();
    QString imagePath(const QString& file) const { return imageDir_ + file; }

private:
    struct Button {
        plat::ImageBox* box;
        QString normal;
        QString hover;
        bool held = false;
    };
    Button* find(plat::ImageBox* box);
    void show(const Button& b, bool highlighted);

    plat::Window& window_;
    const QString imageDir_;
    std::vector<Button> buttons_;
};
