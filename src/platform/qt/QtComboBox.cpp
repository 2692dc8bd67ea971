#include "platform/qt/QtComboBox.h"
#include <QPalette>

namespace plat {

// A text that is none of the choices is still the setting in force: it shows in the colour
// of a choice, not greyed as a hint would be (unless the box is disabled).
QtComboBox::QtComboBox(QWidget* parent) : QtControl(new QComboBox(parent)) {
    QPalette palette = box()->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::PlaceholderText, palette.color(group, QPalette::ButtonText));
    box()->setPalette(palette);
}

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
