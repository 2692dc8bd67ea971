#pragma once
#include "platform/qt/QtControl.h"
#include <QComboBox>

namespace plat {

// A drop-down list of fixed choices. A text that is none of them (a stored setting the
// list does not offer) shows as the box's placeholder until the user chooses.
class QtComboBox : public QtControl<ComboBox> {
public:
    explicit QtComboBox(QWidget* parent);

    void setItems(const QStringList& items) override;
    QStringList items() const override;
    void setText(const QString& text) override;
    QString text() const override;

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

} // namespace plat
