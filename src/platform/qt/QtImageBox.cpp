#include "platform/qt/QtImageBox.h"
#include <QPixmap>

namespace plat {

QtImageBox::QtImageBox(QWidget* parent) : QtControl(new QLabel(parent)) {
    label()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void QtImageBox::setPicture(const QString& path) {
    path_ = path;
    label()->setPixmap(QPixmap(path));
}

} // namespace plat
