#include "net/AnswerReader.h"

#include <algorithm>
#include <utility>

namespace net {
namespace {

// The service may write a line break after a ";", so field 0 may begin with one: the value is
// then the part after the first break (up to the next one, if any).
QStringView dropLeadingBreak(QStringView field) {
    // A plain loop: field 0 is a few characters long, too short for a library search to pay off.
    const QChar* const begin = field.data();
    const QChar* const end = begin + field.size();
    const QChar* firstBreak = begin;
    while (firstBreak != end && *firstBreak != u'\n') {
        ++firstBreak;
    }
    if (firstBreak == end) {
        return field;
    }
    const QChar* secondBreak = firstBreak + 1;
    while (secondBreak != end && *secondBreak != u'\n') {
        ++secondBreak;
    }
    return QStringView(firstBreak + 1, secondBreak);
}

// Appends the parts of text between separators, empty ones included; always at least one.
qsizetype splitInto(QStringView text, char16_t separator, std::vector<QStringView>& parts) {
    qsizetype count = 1;
    qsizetype start = 0;
    for (qsizetype at = text.indexOf(separator); at >= 0; at = text.indexOf(separator, start)) {
        parts.push_back(text.sliced(start, at - start));
        start = at + 1;
        ++count;
    }
    parts.push_back(text.sliced(start));
    return count;
}

bool isOnlyBreak(QStringView record) {
    return record.size() == 1 && record[0] == u'\n';
}

} // namespace

Answer::Answer() {
    parse();
}

Answer::Answer(QString text)
    : m_text(std::move(text)) {
    parse();
}

QStringView Answer::headerField(qsizetype i) const& {
    if (i < 0 || i >= headerFieldCount()) {
        return {};
    }
    return m_headerFields[static_cast<std::size_t>(i)];
}

QStringList Answer::headerFields() const {
    QStringList list;
    list.reserve(headerFieldCount());
    for (const QStringView field : m_headerFields) {
        list.append(field.toString());
    }
    return list;
}

int Answer::status() const {
    return headerFieldCount() >= 2 ? statusOf(headerField(1)) : kNoStatus;
}

std::vector<RecordView> Answer::viewsFrom(std::size_t first, qsizetype fieldCount) const {
    std::vector<RecordView> views;
    views.reserve(m_records.size());
    for (std::size_t r = first; r < m_records.size(); ++r) {
        if (fieldCount < 0 || m_records[r].count == fieldCount) {
            views.push_back(view(r));
        }
    }
    return views;
}

QString Answer::textKeeping(std::initializer_list<qsizetype> fieldCounts) const {
    const qsizetype headerEnd = m_text.indexOf(u';');
    if (headerEnd < 0) {
        return m_text;
    }
    QString kept = m_text.first(headerEnd + 1);
    for (std::size_t r = 1; r < m_records.size(); ++r) {
        if (std::find(fieldCounts.begin(), fieldCounts.end(), m_records[r].count) == fieldCounts.end()) {
            continue;
        }
        kept += u'\n';
        const RecordView record = view(r);
        for (qsizetype i = 0; i < record.size(); ++i) {
            if (i > 0) {
                kept += u',';
            }
            kept += record.field(i);
        }
        kept += u';';
    }
    return kept;
}

void Answer::parse() {
    const QStringView all(m_text);
    qsizetype headerEnd = all.indexOf(u';');
    if (headerEnd < 0) {
        headerEnd = all.size();
    }
    const QStringView header = all.first(headerEnd);
    readHeader(header);
    if (isOnlyBreak(header)) {
        m_records.push_back({});
        m_firstDataRecord = 1;
    } else {
        addRecord(header);
    }
    if (headerEnd == all.size()) {
        return;
    }
    scanRecords(all.sliced(headerEnd + 1));
}

// One pass over the text after the header: every "," ends a field, every ";" a record too; the
// end of the text ends the last record as a ";" would.
void Answer::scanRecords(QStringView rest) {
    m_fields.reserve(std::size_t(rest.size() / 4));
    m_records.reserve(std::size_t(rest.size() / 32));
    const QChar* const data = rest.data();
    const qsizetype size = rest.size();
    qsizetype recordStart = 0;
    qsizetype fieldStart = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i].unicode();
        if (c == u',') {
            m_fields.emplace_back(data + fieldStart, i - fieldStart);
            fieldStart = i + 1;
        } else if (c == u';') {
            m_fields.emplace_back(data + fieldStart, i - fieldStart);
            endRecord(QStringView(data + recordStart, i - recordStart));
            recordStart = fieldStart = i + 1;
        }
    }
    m_fields.emplace_back(data + fieldStart, size - fieldStart);
    endRecord(QStringView(data + recordStart, size - recordStart));
}

// Closes the record whose fields were appended since the previous record's end.
void Answer::endRecord(QStringView record) {
    const qsizetype first = m_records.empty() ? 0 : m_records.back().first + m_records.back().count;
    if (isOnlyBreak(record)) {
        m_fields.pop_back();
        return;
    }
    QStringView& field0 = m_fields[std::size_t(first)];
    field0 = dropLeadingBreak(field0);
    m_records.push_back(Span{first, qsizetype(m_fields.size()) - first});
}

void Answer::readHeader(QStringView record) {
    splitInto(record, u':', m_headerFields);
}

void Answer::addRecord(QStringView record) {
    Span span{qsizetype(m_fields.size()), 0};
    span.count = splitInto(record, u',', m_fields);
    QStringView& field0 = m_fields[std::size_t(span.first)];
    field0 = dropLeadingBreak(field0);
    m_records.push_back(span);
}

Answer readAnswer(QByteArrayView body) {
    return Answer(QString::fromUtf8(body));
}

QStringList splitColonOnly(const QString& text) {
    return text.split(u':');
}

int statusOf(QStringView field) {
    const qsizetype lineBreak = field.indexOf(u'\n');
    const QStringView digits = (lineBreak < 0 ? field : field.first(lineBreak)).trimmed();
    bool ok = false;
    const int status = digits.toInt(&ok);
    return ok ? status : Answer::kNoStatus;
}

} // namespace net
