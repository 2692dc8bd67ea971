#pragma once
#include "platform/qt/QtControl.h"
#include <QLabel>

namespace plat {

// A label: transparent over the window's background, text in one colour and font.
class QtLabel : public QtControl<Label> {
public:
    explicit QtLabel(QWidget* parent) : QtControl(new QLabel(parent)) {}

    void setText(const QString& text) override { label()->setText(text); }
    QString text() const override { return label()->text(); }
    void setForeColor(uint32_t rgb) override;
    uint32_t foreColor() const override { return foreColor_; }
    void setFont(const QString& family, int pointSize, bool bold) override;
    void setBackColor(uint32_t rgb) override;

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }

    uint32_t foreColor_ = 0x000000;
};

} // namespace plat
