#include "MarketStories.h"

#include "MarketView.h"
#include "NewsWords.h"
#include "Noise.h"

#include <array>
#include <cmath>

namespace sim {

namespace {

constexpr std::uint64_t kStream = 720;
constexpr int kHnx = 1;
constexpr int kHose = 2;
constexpr int kSessionOver = 150;
constexpr int kLateEvening = 1439;

// The index's change as the feed states it: between the two levels at their two decimals.
double changeOf(const IndexSummary& index) {
    return std::round(index.value * 100.0) / 100.0 - std::round(index.reference * 100.0) / 100.0;
}

double percentOf(const IndexSummary& index) {
    return index.reference > 0.0 ? 100.0 * changeOf(index) / index.reference : 0.0;
}

std::string level(const std::string& name, const IndexSummary& index) {
    return name + " " + NewsWords::moveTo(changeOf(index), 2, "điểm") + " " + NewsWords::number(index.value, 2) +
           " điểm";
}

} // namespace

MarketStories::MarketStories(const Noise& noise, const MarketView& market)
    : m_noise(noise)
    , m_market(market) {}

std::optional<MarketStories::Session> MarketStories::sessionOf(int day, int minute) const {
    if (!m_market.isTradingDay(day)) {
        return std::nullopt;
    }
    const SimTime t{day, minute, 0};
    Session session{day, m_market.indexAt(kHose, t), m_market.indexAt(kHnx, t)};
    if (session.hose.day != day || session.hose.minute < kSessionOver) {
        return std::nullopt;
    }
    return session;
}

std::string MarketStories::sectorOf(int day, std::uint64_t which) const {
    static constexpr std::array<const char*, 8> kSectors = {"ngân hàng", "bất động sản", "thép",   "chứng khoán",
                                                            "dầu khí",   "thực phẩm",    "bán lẻ", "công nghệ"};
    return kSectors[static_cast<std::size_t>(
        m_noise.between(0, static_cast<int>(kSectors.size()) - 1, kStream + which, day))];
}

std::string MarketStories::leadingSector(int day) const {
    return sectorOf(day, 6);
}

NewsStory MarketStories::close(const Session& session) const {
    const int day = session.day;
    const double traded = session.hose.tradedValue + session.hnx.tradedValue;
    return NewsStory::of(
        level("VN-Index", session.hose),
        {"Kết thúc phiên giao dịch ngày " + NewsWords::date(day) + " " + level("VN-Index", session.hose) + ".",
         "Mức thay đổi tương ứng " + NewsWords::number(std::abs(percentOf(session.hose)), 2) +
             " phần trăm so với phiên trước.",
         level("HNX-Index", session.hnx) + ".",
         "Tổng giá trị giao dịch trên hai sàn đạt " + NewsWords::billions(traded) + " tỷ đồng."});
}

NewsStory MarketStories::liquidity(const Session& session) const {
    const int day = session.day;
    const double traded = session.hose.tradedValue + session.hnx.tradedValue;
    const int dayBefore = m_market.sessionDayAt(SimTime{day, 0, 0});
    const std::optional<Session> before = sessionOf(dayBefore, kLateEvening);
    const double tradedBefore = before ? before->hose.tradedValue + before->hnx.tradedValue : traded;
    return NewsStory::of(
        "Thanh khoản hai sàn đạt " + NewsWords::billions(traded) + " tỷ đồng phiên " + NewsWords::date(day),
        {"Tổng giá trị giao dịch trên HoSE và HNX đạt " + NewsWords::billions(traded) + " tỷ đồng " +
             (traded >= tradedBefore ? "cao hơn" : "thấp hơn") + " phiên trước.",
         "Riêng sàn HoSE đạt " + NewsWords::billions(session.hose.tradedValue) + " tỷ đồng với " +
             NewsWords::number(session.hose.tradedQuantity / 1e6, 0) + " triệu cổ phiếu được chuyển nhượng.",
         NewsWords::direction(changeOf(session.hose), 2) == "giảm"
             ? "Áp lực bán tập trung ở nhóm cổ phiếu " + leadingSector(day) + "."
             : "Nhóm cổ phiếu " + leadingSector(day) + " thu hút dòng tiền mạnh nhất."});
}

NewsStory MarketStories::foreignTrade(const Session& session) const {
    const int day = session.day;
    // Foreign investors keep to one side for weeks at a time, mostly selling.
    const bool buying = m_noise.smooth(kStream + 2U, 0, day / 6.0) + 0.3 * m_noise.centred(kStream + 3U, day) > 0.3;
    const double net = session.hose.tradedValue * (0.005 + 0.04 * m_noise.unit(kStream + 4U, day));
    const std::string side = buying ? "mua" : "bán";
    const std::string sector = sectorOf(day, 5);
    return NewsStory::of("Khối ngoại " + side + " ròng " + NewsWords::billions(net) + " tỷ đồng trên HoSE phiên " +
                             NewsWords::date(day),
                         {"Nhà đầu tư nước ngoài " + side + " ròng " + NewsWords::billions(net) +
                              " tỷ đồng trên sàn HoSE trong phiên hôm nay.",
                          buying ? "Dòng vốn ngoại tập trung vào nhóm cổ phiếu " + sector + "."
                                 : "Khối ngoại bán mạnh nhất nhóm cổ phiếu " + sector + "."});
}

NewsStory MarketStories::sectors(const Session& session) const {
    const int day = session.day;
    const std::string sector = leadingSector(day);
    const double change = changeOf(session.hose);
    const std::string direction = NewsWords::direction(change, 2);
    const std::string move = "VN-Index " + NewsWords::move(change, 2, "điểm");
    const std::string date = " phiên " + NewsWords::date(day);
    if (direction == "tăng") {
        return NewsStory::of("Dòng tiền tìm đến nhóm cổ phiếu " + sector + date,
                             {"Nhiều mã thuộc nhóm " + sector + " tăng mạnh giúp " + move + ".",
                              "Các công ty chứng khoán khuyến nghị nhà đầu tư thận trọng khi giải ngân mới."});
    }
    if (direction == "giảm") {
        return NewsStory::of("Nhóm cổ phiếu " + sector + " chịu áp lực bán" + date,
                             {"Nhiều mã thuộc nhóm " + sector + " giảm sâu khiến " + move + ".",
                              "Các công ty chứng khoán khuyến nghị nhà đầu tư tránh bán tháo."});
    }
    return NewsStory::of("Nhóm cổ phiếu " + sector + " giằng co" + date,
                         {"Nhóm " + sector + " giằng co quanh giá tham chiếu và " + move + ".",
                          "Các công ty chứng khoán khuyến nghị nhà đầu tư quan sát thêm."});
}

} // namespace sim
