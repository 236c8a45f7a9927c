#include "ui/RowKeys.h"

#include <cmath>

namespace ui {

RowKeys::~RowKeys() = default;

SortKey SortKey::of(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    SortKey key;
    key.kind = Kind::Number;
    key.number = value;
    return key;
}

SortKey SortKey::of(const QString& value) {
    if (value.isEmpty()) {
        return {};
    }
    SortKey key;
    key.kind = Kind::Text;
    key.text = value;
    return key;
}

} // namespace ui
