#pragma once
#include "platform/sim/SimControl.h"
#include <QStringList>

namespace plat {

class SimComboBox : public SimControl<ComboBox> {
public:
    using SimControl::SimControl;

    void setItems(const QStringList& items) override { items_ = items; }
    QStringList items() const override { return items_; }
    void setText(const QString& text) override { text_ = text; }
    QString text() const override { return text_; }

    // The user picks one of the choices; false when the box cannot be reached or the text
    // is none of them.
    bool userChoose(const QString& choice) {
        if (!reachable() || !items_.contains(choice)) return false;
        text_ = choice;
        return true;
    }

private:
    QStringList items_;
    QString text_;
};

} // namespace plat
