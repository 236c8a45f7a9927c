#pragma once

#include <QString>

namespace ui {

/// What one row is sorted by in one column: a number, a text, or nothing (a "-" cell, a quote
/// not received yet), which always sorts after the rest.
struct SortKey {
    enum class Kind { Missing, Number, Text };

    Kind kind = Kind::Missing;
    double number = 0;
    QString text;

    static SortKey missing() { return {}; }
    /// A number that is not finite counts as missing.
    static SortKey of(double value);
    /// An empty text counts as missing.
    static SortKey of(const QString& value);
};

/// What a list offers for ordering and filtering its rows, row numbers as its RowSource counts.
class RowKeys {
public:
    virtual ~RowKeys();
    /// The key of `row` in `column`, columns numbered as the source's column titles.
    virtual SortKey sortKey(int row, int column) const = 0;
    /// The texts a typed filter looks in: the row's code and name.
    virtual QString matchText(int row) const = 0;
    /// What names the row across reloads (its code): a selection follows it to its new place.
    virtual QString rowIdentity(int row) const = 0;
};

} // namespace ui
