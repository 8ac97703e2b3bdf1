// A column of free texts.
#include "app/table/stringcolumn.h"

namespace torve::app {

QString TStringColumn::asText(int row, const QLocale&) const {
    checkRow(row);
    return values_[static_cast<std::size_t>(row)];
}

void TStringColumn::enterText(int row, const QString& text, const QLocale&) {
    checkRow(row);
    values_[static_cast<std::size_t>(row)] = text;
    reportChange();
}

void TStringColumn::insertRows(int position, int count) {
    values_.insert(values_.begin() + position, static_cast<std::size_t>(count), DefaultText);
}

void TStringColumn::deleteRows(int position, int count) {
    values_.erase(values_.begin() + position, values_.begin() + position + count);
}

std::unique_ptr<TColumn> TStringColumn::clone() const {
    auto c = std::make_unique<TStringColumn>();
    copyBaseTo(*c);
    c->DefaultText = DefaultText;
    c->WidthInches = WidthInches;
    return c;
}

}  // namespace torve::app
