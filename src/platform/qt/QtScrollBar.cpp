#include "platform/qt/QtScrollBar.h"
#include <QSignalBlocker>

namespace plat {

QtScrollBar::QtScrollBar(QWidget* parent) : QtControl(new QScrollBar(Qt::Vertical, parent)) {
    bar()->setPageStep(1);
    connect(bar(), &QScrollBar::valueChanged, this, [this] { fire(onChange); });
}

void QtScrollBar::setValue(int value) {
    const QSignalBlocker programs(bar());
    bar()->setValue(value);
}

} // namespace plat
