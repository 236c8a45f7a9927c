#pragma once

#include "net/LenientNumbers.h"
#include "net/RecordView.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <initializer_list>
#include <vector>

namespace net {

/// A service answer read once: the text decoded from UTF-8, split at ";" into records, record 0
/// split at ":" into header fields, every record split at "," into fields. Fields are views into
/// the one decoded text, so reading a large answer copies no field.
class Answer final {
public:
    /// Returned by status() when the header has no status field, or one that is not an integer
    /// (an HTML error page from a proxy, say): either way the answer is an error.
    static constexpr int kNoStatus = -1;

    /// The answer to an empty body: one empty header field, no records.
    Answer();
    explicit Answer(QString text);

    const QString& text() const { return m_text; }

    qsizetype headerFieldCount() const { return qsizetype(m_headerFields.size()); }
    /// Header field i, or a null view when the header has fewer fields. Views (and the records
    /// below) point into this answer's text, so they are not to be had from a temporary answer:
    /// `for (auto r : readAnswer(x).records())` would read a freed text.
    QStringView headerField(qsizetype i) const&;
    QStringView headerField(qsizetype i) const&& = delete;
    QString headerText(qsizetype i) const { return headerField(i).toString(); }
    QStringList headerFields() const;
    /// Header field 1 as an integer, kNoStatus when absent or not an integer.
    int status() const;
    /// Whether header field 1 is an integer at all, so that the rest of the header is the
    /// service's own and its message may be shown.
    bool hasStatus() const { return status() != kNoStatus; }
    /// The header holds a status and it is 0.
    bool isSuccess() const { return status() == 0; }

    /// The records after the header (a record that is only a line break is left out).
    std::vector<RecordView> records() const& { return viewsFrom(1, -1); }
    std::vector<RecordView> records() const&& = delete;
    /// As records(), with the header record included as a data record split at ",".
    std::vector<RecordView> allRecords() const& { return viewsFrom(m_firstDataRecord, -1); }
    std::vector<RecordView> allRecords() const&& = delete;
    /// The records after the header with exactly fieldCount fields.
    std::vector<RecordView> recordsWithFieldCount(qsizetype fieldCount) const& { return viewsFrom(1, fieldCount); }
    std::vector<RecordView> recordsWithFieldCount(qsizetype fieldCount) const&& = delete;

    /// Calls visit(record) for each record after the header with exactly fieldCount fields.
    template <typename Visitor> void forEachRecord(qsizetype fieldCount, Visitor&& visit) const {
        for (std::size_t r = 1; r < m_records.size(); ++r) {
            if (m_records[r].count == fieldCount) {
                visit(view(r));
            }
        }
    }

    /// Calls visit(record) for each record after the header, whatever its field count.
    template <typename Visitor> void forEachRecord(Visitor&& visit) const {
        for (std::size_t r = 1; r < m_records.size(); ++r) {
            visit(view(r));
        }
    }

    /// The text as a store keeps it: the header record as it came, then only the records after it
    /// with one of these field counts, each on its own line. A malformed record mixed into a good
    /// answer is so never stored, and the stored text reads as the answer did.
    QString textKeeping(std::initializer_list<qsizetype> fieldCounts) const;

private:
    struct Span {
        qsizetype first = 0;
        qsizetype count = 0;
    };

    void parse();
    void readHeader(QStringView record);
    void addRecord(QStringView record);
    void scanRecords(QStringView rest);
    void endRecord(QStringView record);
    RecordView view(std::size_t r) const {
        const Span& span = m_records[r];
        return RecordView(std::span<const QStringView>(m_fields).subspan(static_cast<std::size_t>(span.first),
                                                                         static_cast<std::size_t>(span.count)));
    }
    std::vector<RecordView> viewsFrom(std::size_t first, qsizetype fieldCount) const;

    QString m_text;
    std::vector<QStringView> m_headerFields;
    std::vector<QStringView> m_fields;
    // m_records[0] is the header record split at ","; it is empty when that record is only "\n".
    std::vector<Span> m_records;
    std::size_t m_firstDataRecord = 0;
};

/// Decodes the answer bytes as UTF-8 and reads them.
Answer readAnswer(QByteArrayView body);

/// The registration answer, which is split at ":" only.
QStringList splitColonOnly(const QString& text);

/// A status field read strictly: an optional sign and digits, blanks and a trailing line break
/// aside; anything else (empty, "OK", "<html>") gives Answer::kNoStatus.
int statusOf(QStringView field);

} // namespace net
