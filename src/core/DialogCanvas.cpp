#include "core/DialogCanvas.h"
#include "platform/window/Window.h"
#include <utility>

DialogCanvas::DialogCanvas(plat::Window& window, QString imageDir) : window_(window), imageDir_(std::move(imageDir)) {}

void DialogCanvas::centre(const QSize& size, const QRect& workArea) {
    QRect r(QPoint(0, 0), size);
    r.moveCenter(workArea.center());
    window_.setGeometry(r);
}

plat::Label* DialogCanvas::label(const QRect& r, const QString& text, uint32_t color, int pointSize, bool bold) {
    plat::Label* label = window_.createLabel();
    label->setGeometry(r);
    label->setFont(QStringLiteral("Sans Serif"), pointSize, bold);
    label->setForeColor(color);
    label->setText(text);
    return label;
}

plat::Label* DialogCanvas::line(const QRect& r, uint32_t color) {
    plat::Label* line = window_.createLabel();
    line->setGeometry(r);
    line->setBackColor(color);
    return line;
}

plat::ImageBox* DialogCanvas::image(const QRect& r, const QString& file) {
    plat::ImageBox* image = window_.createImageBox();
    image->setGeometry(r);
    if (!file.isEmpty()) image->setPicture(imagePath(file));
    return image;
}

plat::ImageBox* DialogCanvas::button(const QRect& r, const QString& normal, const QString& hover) {
    plat::ImageBox* box = image(r, normal);
    const size_t index = buttons_.size();
    buttons_.push_back({box, normal, hover});
    box->onMouseMove = [this, index] { show(buttons_[index], true); };
    return box;
}

void DialogCanvas::hold(plat::ImageBox* button, bool on) {
    Button* b = find(button);
    if (!b) return;
    b->held = on;
    show(*b, on);
}

void DialogCanvas::hoverOff() {
    for (const Button& b : buttons_) show(b, b.held);
}

DialogCanvas::Button* DialogCanvas::find(plat::ImageBox* box) {
    for (Button& b : buttons_)
        if (b.box == box) return &b;
    return nullptr;
}

void DialogCanvas::show(const Button& b, bool highlighted) {
    b.box->setPicture(imagePath(highlighted ? b.hover : b.normal));
}
