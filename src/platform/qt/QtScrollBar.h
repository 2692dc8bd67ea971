#pragma once
#include "platform/qt/QtControl.h"
#include <QScrollBar>

namespace plat {

// A vertical scroll bar; onChange when the user moved it (not on the program's change).
class QtScrollBar : public QtControl<ScrollBar> {
public:
    explicit QtScrollBar(QWidget* parent);

    void setRange(int maximum) override { bar()->setRange(0, maximum); }
    int maximum() const override { return bar()->maximum(); }
    void setValue(int value) override;
    int value() const override { return bar()->value(); }

private:
    QScrollBar* bar() const { return static_cast<QScrollBar*>(widget()); }
};

} // namespace plat
