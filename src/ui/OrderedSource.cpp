#include "ui/OrderedSource.h"

#include "ui/RowKeys.h"
#include "ui/TextFold.h"

#include <QCollatorSortKey>

#include <algorithm>
#include <optional>

namespace ui {

namespace {

// One shown row with its key made ready for comparing: text keys become collation keys once,
// rather than being collated again at every comparison.
struct Entry {
    int row = 0;
    SortKey::Kind kind = SortKey::Kind::Missing;
    double number = 0;
    std::optional<QCollatorSortKey> text;
};

Entry entryOf(int row, const SortKey& key, const QCollator& collator) {
    Entry entry;
    entry.row = row;
    entry.kind = key.kind;
    entry.number = key.number;
    if (key.kind == SortKey::Kind::Text) {
        entry.text = collator.sortKey(key.text);
    }
    return entry;
}

// Negative, zero or positive as a comes before, with or after b in ascending order; both keys
// are present.
int comparePresent(const Entry& a, const Entry& b) {
    if (a.kind != b.kind) {
        return a.kind == SortKey::Kind::Number ? -1 : 1;
    }
    if (a.kind == SortKey::Kind::Number) {
        return a.number < b.number ? -1 : (b.number < a.number ? 1 : 0);
    }
    return a.text->compare(*b.text);
}

} // namespace

OrderedSource::OrderedSource(const RowSource& rows, const RowKeys& keys)
    : m_rows(rows)
    , m_keys(keys)
    , m_collator(QLocale(QLocale::Vietnamese, QLocale::Vietnam)) {
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setNumericMode(true);
}

void OrderedSource::rebuild(const RowOrderState& state) {
    filterRows(state.filter);
    if (state.isSorted()) {
        sortRows(state.column, state.descending);
    }
    m_identities.clear();
    m_identities.reserve(m_shown.size());
    for (const int row : m_shown) {
        m_identities.push_back(m_keys.rowIdentity(row));
    }
}

void OrderedSource::filterRows(const QString& filter) {
    const int count = m_rows.rowCount();
    m_shown.clear();
    m_shown.reserve(std::size_t(std::max(count, 0)));
    const QString needle = foldForMatch(filter.trimmed());
    for (int row = 0; row < count; ++row) {
        if (needle.isEmpty() || foldForMatch(m_keys.matchText(row)).contains(needle)) {
            m_shown.push_back(row);
        }
    }
}

// Rows without a value go last whichever way the column is sorted; rows that compare equal keep
// the list's own order.
void OrderedSource::sortRows(int column, bool descending) {
    std::vector<Entry> entries;
    entries.reserve(m_shown.size());
    for (const int row : m_shown) {
        entries.push_back(entryOf(row, m_keys.sortKey(row, column), m_collator));
    }
    std::stable_sort(entries.begin(), entries.end(), [descending](const Entry& a, const Entry& b) {
        const bool aMissing = a.kind == SortKey::Kind::Missing;
        const bool bMissing = b.kind == SortKey::Kind::Missing;
        if (aMissing || bMissing) {
            return !aMissing && bMissing;
        }
        const int order = comparePresent(a, b);
        return descending ? order > 0 : order < 0;
    });
    for (std::size_t i = 0; i < entries.size(); ++i) {
        m_shown[i] = entries[i].row;
    }
}

int OrderedSource::sourceRow(int shownRow) const {
    return shownRow >= 0 && shownRow < rowCount() ? m_shown[std::size_t(shownRow)] : -1;
}

int OrderedSource::shownRow(int sourceRow) const {
    const auto found = std::find(m_shown.begin(), m_shown.end(), sourceRow);
    return found == m_shown.end() ? -1 : int(found - m_shown.begin());
}

QString OrderedSource::shownIdentity(int shownRow) const {
    return shownRow >= 0 && shownRow < rowCount() ? m_identities[std::size_t(shownRow)] : QString();
}

int OrderedSource::shownRowOf(const QString& identity) const {
    if (identity.isEmpty()) {
        return -1;
    }
    const auto found = std::find(m_identities.begin(), m_identities.end(), identity);
    return found == m_identities.end() ? -1 : int(found - m_identities.begin());
}

int OrderedSource::rowHeight(int row) const {
    return m_rows.rowHeight(sourceRow(row));
}

void OrderedSource::paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const {
    const int source = sourceRow(row);
    if (source >= 0) {
        m_rows.paintRow(painter, rect, source, selected);
    }
}

QStringList OrderedSource::rowTexts(int row) const {
    const int source = sourceRow(row);
    return source >= 0 ? m_rows.rowTexts(source) : QStringList();
}

} // namespace ui
