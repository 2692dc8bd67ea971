#include "platform/qt/QtProgressBar.h"
#include <algorithm>

namespace plat {

QtProgressBar::QtProgressBar(QWidget* parent) : QtControl(new QProgressBar(parent)) {
    bar()->setRange(0, steps);
    bar()->setTextVisible(false);
    update();
}

void QtProgressBar::setRange(qint64 maximum) {
    maximum_ = maximum;
    update();
}

void QtProgressBar::setValue(qint64 value) {
    value_ = value;
    update();
}

void QtProgressBar::setText(const QString& text) {
    bar()->setFormat(text);
    bar()->setTextVisible(!text.isEmpty());
}

void QtProgressBar::update() {
    const qint64 shown = maximum_ > 0 ? std::clamp<qint64>(value_, 0, maximum_) * steps / maximum_ : 0;
    bar()->setValue(static_cast<int>(shown));
}

} // namespace plat
