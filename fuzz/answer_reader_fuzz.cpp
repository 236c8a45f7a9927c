// The answer reader and the readers built on it, on any bytes: the header, the records at every
// field count, the lenient numbers a screen reads from fields, and the end-of-day records.
#include "core/EndOfDayApply.h"
#include "net/AnswerReader.h"
#include "net/LenientNumbers.h"

#include <cstddef>
#include <cstdint>

namespace {

// Keeps the optimiser from dropping reads whose results nothing else uses.
volatile double g_sink = 0;

void readEveryField(const net::Answer& answer) {
    double sum = answer.status();
    for (qsizetype i = 0; i <= answer.headerFieldCount(); ++i) {
        sum += static_cast<double>(answer.headerField(i).size());
    }
    answer.forEachRecord([&sum](const net::RecordView& record) {
        for (qsizetype f = 0; f < record.size(); ++f) {
            sum += net::leadingDouble(record.field(f)) + net::leadingInt(record.field(f));
        }
    });
    for (qsizetype count : {2, 6, 8, 10, 17}) {
        sum += static_cast<double>(answer.recordsWithFieldCount(count).size());
    }
    sum += static_cast<double>(answer.allRecords().size() + answer.headerFields().size());
    g_sink = g_sink + sum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const net::Answer answer = net::readAnswer(bytes);
    readEveryField(answer);
    const core::EndOfDayRecords records = core::readEndOfDayRecords(answer);
    (void)records;
    g_sink = g_sink + static_cast<double>(net::splitColonOnly(answer.text()).size()) + net::statusOf(answer.text());
    return 0;
}
