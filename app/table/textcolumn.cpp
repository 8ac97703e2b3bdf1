// A column of free texts.
#include "app/table/textcolumn.h"

namespace torve::app {

QString TextColumn::text(int row, const QLocale&) const {
    checkRow(row);
    return values_[static_cast<std::size_t>(row)];
}

void TextColumn::enterText(int row, const QString& text, const QLocale&) {
    checkRow(row);
    QString& cell = values_[static_cast<std::size_t>(row)];
    if (cell == text) return;
    cell = text;
    reportChange();
}

void TextColumn::insertRows(int position, int count) {
    values_.insert(values_.begin() + position, static_cast<std::size_t>(count), defaultText);
}

void TextColumn::deleteRows(int position, int count) {
    values_.erase(values_.begin() + position, values_.begin() + position + count);
}

std::unique_ptr<Column> TextColumn::clone() const {
    auto c = std::make_unique<TextColumn>();
    copyBaseTo(*c);
    c->defaultText = defaultText;
    c->widthInches = widthInches;
    return c;
}

}  // namespace torve::app
