// Reading an end-of-day answer of about 1 MB against the cheapest possible split of the same text.
#include "net/AnswerReader.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// Companies (4 fields), index days (9) and company quotes (17), some records after a line break,
// as the service writes them.
std::string endOfDayAnswer(std::size_t targetBytes) {
    std::string text = "KTRPW:0:3650;";
    for (int i = 0; text.size() < targetBytes; ++i) {
        const std::string n = std::to_string(i);
        const std::string_view gap = i % 3 == 0 ? "\n" : "";
        text.append(gap).append(n).append(",VN").append(n).append(",Công ty Cổ phần ").append(n).append(",2;");
        text.append(gap).append(i % 2 == 0 ? "1" : "2").append(",-1.25,-0.31,").append(n);
        text.append(",401.5,402.75,1234.5,56.7,3650;");
        text.append(gap).append(n).append(
            ",3650,25.5,0.5,1.9,25,26,24.5,25.1,25.6,120000,3050.25,24.1,25.9,1000,2000,");
        text.append(n).append(";");
    }
    text += "\n";
    return text;
}

const std::string& sample() {
    static const std::string text = endOfDayAnswer(1 << 20);
    return text;
}

void BM_ReadEodAnswer(benchmark::State& state) {
    const std::string& text = sample();
    const QByteArrayView bytes(text.data(), qsizetype(text.size()));
    for (auto _ : state) {
        const net::Answer answer = net::readAnswer(bytes);
        qint64 sum = answer.status();
        answer.forEachRecord(4, [&](const net::RecordView& record) { sum += record[1].size(); });
        answer.forEachRecord(9, [&](const net::RecordView& record) { sum += record[4].size(); });
        answer.forEachRecord(17, [&](const net::RecordView& record) { sum += record[16].size(); });
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(state.iterations() * qint64(text.size()));
}
BENCHMARK(BM_ReadEodAnswer)->Unit(benchmark::kMicrosecond);

// The floor: records and fields found with memchr on the raw bytes, nothing decoded or kept.
void BM_SplitBaseline(benchmark::State& state) {
    const std::string& text = sample();
    for (auto _ : state) {
        std::size_t fields = 0;
        std::string_view rest(text);
        while (!rest.empty()) {
            const void* semicolon = std::memchr(rest.data(), ';', rest.size());
            const std::size_t recordLength =
                semicolon ? std::size_t(static_cast<const char*>(semicolon) - rest.data()) : rest.size();
            std::string_view record = rest.substr(0, recordLength);
            rest.remove_prefix(std::min(rest.size(), recordLength + 1));
            ++fields;
            while (const void* comma = std::memchr(record.data(), ',', record.size())) {
                ++fields;
                record.remove_prefix(std::size_t(static_cast<const char*>(comma) - record.data()) + 1);
            }
        }
        benchmark::DoNotOptimize(fields);
    }
    state.SetBytesProcessed(state.iterations() * qint64(text.size()));
}
BENCHMARK(BM_SplitBaseline)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
