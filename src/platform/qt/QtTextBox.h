#pragma once
#include "platform/qt/QtControl.h"

class QLineEdit;
class QPlainTextEdit;

namespace plat {

// A text box: one line (with password echo when asked) or, once made multi-line (for good,
// as the property is set once when a form is drawn), a plain text editor in its place.
class QtTextBox : public QtControl<TextBox> {
public:
    explicit QtTextBox(QWidget* parent);

    void setText(const QString& text) override;
    QString text() const override;
    void setPassword(bool on) override;
    void setMultiLine(bool on) override;
    void setFocus() override { widget()->setFocus(Qt::OtherFocusReason); }

private:
    void gotFocus() override { fire(onGotFocus); }

    QLineEdit* line_; // nullptr once multi-line
    QPlainTextEdit* multi_ = nullptr;
};

} // namespace plat
