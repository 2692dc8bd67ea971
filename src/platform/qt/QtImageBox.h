#pragma once
#include "platform/qt/QtControl.h"
#include <QLabel>

namespace plat {

// A picture from a file, at its own size from the control's top-left corner; clickable,
// with mouse-over events for its highlighted picture.
class QtImageBox : public QtControl<ImageBox> {
public:
    explicit QtImageBox(QWidget* parent);

    void setPicture(const QString& path) override;
    QString picture() const override { return path_; }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }

    QString path_;
};

} // namespace plat
