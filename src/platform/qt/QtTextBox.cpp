#include "platform/qt/QtTextBox.h"
#include <QLineEdit>
#include <QPlainTextEdit>

namespace plat {

QtTextBox::QtTextBox(QWidget* parent) : QtControl(new QLineEdit(parent)) { line_ = static_cast<QLineEdit*>(widget()); }

void QtTextBox::setText(const QString& text) {
    if (multi_)
        multi_->setPlainText(text);
    else
        line_->setText(text);
}

QString QtTextBox::text() const { return multi_ ? multi_->toPlainText() : line_->text(); }

void QtTextBox::setPassword(bool on) {
    if (line_) line_->setEchoMode(on ? QLineEdit::Password : QLineEdit::Normal);
}

void QtTextBox::setMultiLine(bool on) {
    if (!on || multi_) return;
    const QString current = line_->text();
    multi_ = new QPlainTextEdit(widget()->parentWidget());
    multi_->setPlainText(current);
    replaceWidget(multi_);
    line_ = nullptr;
}

} // namespace plat
