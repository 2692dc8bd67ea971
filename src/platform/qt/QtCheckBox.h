#pragma once
#include "platform/qt/QtControl.h"
#include <QCheckBox>

namespace plat {

// A check box; onClick after the user's click has toggled it (not on the program's change).
class QtCheckBox : public QtControl<CheckBox> {
public:
    explicit QtCheckBox(QWidget* parent);

    void setCaption(const QString& text) override { box()->setText(text); }
    int value() const override { return box()->isChecked() ? 1 : 0; }
    void setValue(int v) override { box()->setChecked(v != 0); }

private:
    QCheckBox* box() const { return static_cast<QCheckBox*>(widget()); }
};

} // namespace plat
