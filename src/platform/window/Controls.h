#pragma once
#include <cstdint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

namespace plat {

// The few controls that the program's own dialogs are drawn with, in the manner of a form
// designer's controls: absolutely placed, with the properties and events the dialogs use.
class Control {
public:
    virtual ~Control() = default;
    virtual void setGeometry(const QRect& r) = 0;
    virtual QRect geometry() const = 0;
    virtual void setVisible(bool on) = 0;
    virtual bool isVisible() const = 0;
    virtual void setHandCursor(bool on) = 0;
    // A disabled control shows greyed and takes no input.
    virtual void setEnabled(bool on) = 0;
    virtual bool isEnabled() const = 0;

    std::function<void()> onClick;
    std::function<void()> onMouseDown;
    std::function<void()> onMouseMove;
};

class Label : public Control {
public:
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
    virtual void setForeColor(uint32_t rgb) = 0; // 0xRRGGBB
    virtual uint32_t foreColor() const = 0;
    virtual void setFont(const QString& family, int pointSize, bool bold) = 0;
    // Fills the label's rectangle with the colour (0xRRGGBB); transparent until set.
    virtual void setBackColor(uint32_t rgb) = 0;
};

class TextBox : public Control {
public:
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
    virtual void setPassword(bool on) = 0;
    virtual void setMultiLine(bool on) = 0;
    virtual void setFocus() = 0;
    std::function<void()> onGotFocus;
};

class CheckBox : public Control {
public:
    virtual void setCaption(const QString& text) = 0;
    virtual int value() const = 0; // 0 unchecked, 1 checked
    virtual void setValue(int v) = 0;
};

// A drop-down list of fixed choices. Its text is the chosen one, or a text that the program
// set and that is none of the choices (shown as it is until the user chooses).
class ComboBox : public Control {
public:
    virtual void setItems(const QStringList& items) = 0;
    virtual QStringList items() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
};

// A vertical scroll bar over the values 0..maximum.
class ScrollBar : public Control {
public:
    virtual void setRange(int maximum) = 0;
    virtual int maximum() const = 0;
    // The program's change raises no onChange.
    virtual void setValue(int value) = 0;
    virtual int value() const = 0;
    std::function<void()> onChange; // the user moved it
};

// An image box showing a picture file (gif, png) from the installation.
class ImageBox : public Control {
public:
    virtual void setPicture(const QString& path) = 0;
    virtual QString picture() const = 0;
};

// A progress bar, for long work the user waits on.
class ProgressBar : public Control {
public:
    virtual void setRange(qint64 maximum) = 0;
    virtual void setValue(qint64 value) = 0;
    virtual void setText(const QString& text) = 0;
};

} // namespace plat
