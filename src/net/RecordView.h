#pragma once

#include "net/LenientNumbers.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

namespace net {

/// One record of an answer: its fields as views into the answer's text, valid while the answer
/// lives. A field that is absent reads as empty text and as the number 0.
class RecordView final {
public:
    RecordView() = default;
    explicit RecordView(std::span<const QStringView> fields)
        : m_fields(fields) {}

    qsizetype size() const { return qsizetype(m_fields.size()); }
    bool isEmpty() const { return m_fields.empty(); }

    QStringView operator[](qsizetype i) const { return field(i); }
    QStringView field(qsizetype i) const {
        return i >= 0 && i < size() ? m_fields[static_cast<std::size_t>(i)] : QStringView();
    }
    QString text(qsizetype i) const { return field(i).toString(); }
    int intAt(qsizetype i) const { return leadingInt(field(i)); }
    double doubleAt(qsizetype i) const { return leadingDouble(field(i)); }

    QStringList toStringList() const {
        QStringList list;
        list.reserve(size());
        for (const QStringView value : m_fields) {
            list.append(value.toString());
        }
        return list;
    }

    auto begin() const { return m_fields.begin(); }
    auto end() const { return m_fields.end(); }

private:
    std::span<const QStringView> m_fields;
};

} // namespace net
