#pragma once
#include "platform/qt/QtControl.h"
#include <QProgressBar>

namespace plat {

// A progress bar. Values may pass the 32 bits that the widget takes, so it shows tenths of
// a percent of the range.
class QtProgressBar : public QtControl<ProgressBar> {
public:
    explicit QtProgressBar(QWidget* parent);

    void setRange(qint64 maximum) override;
    void setValue(qint64 value) override;
    void setText(const QString& text) override;

private:
    static constexpr int steps = 1000;
    QProgressBar* bar() const { return static_cast<QProgressBar*>(widget()); }
    void update();

    qint64 maximum_ = 100;
    qint64 value_ = 0;
};

} // namespace plat
