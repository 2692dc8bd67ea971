#include "platform/qt/QtCheckBox.h"

namespace plat {

QtCheckBox::QtCheckBox(QWidget* parent) : QtControl(new QCheckBox(parent), false) {
    connect(box(), &QCheckBox::clicked, this, [this] { fire(onClick); });
}

} // namespace plat
