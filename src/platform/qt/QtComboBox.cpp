#include "platform/qt/QtComboBox.h"

namespace plat {

void QtComboBox::setItems(const QStringList& items) {
    const QString current = text();
    box()->clear();
    box()->addItems(items);
    setText(current);
}

QStringList QtComboBox::items() const {
    QStringList items;
    for (int i = 0; i < box()->count(); ++i) items << box()->itemText(i);
    return items;
}

void QtComboBox::setText(const QString& text) {
    const int index = box()->findText(text, Qt::MatchExactly);
    box()->setPlaceholderText(index < 0 ? text : QString());
    box()->setCurrentIndex(index);
}

QString QtComboBox::text() const {
    return box()->currentIndex() >= 0 ? box()->currentText() : box()->placeholderText();
}

} // namespace plat
