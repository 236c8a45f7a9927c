#include "WorldStories.h"

#include "NewsWords.h"

#include <array>
#include <cmath>
#include <utility>

namespace sim {

namespace {

enum WorldIndex : std::size_t { DowJones = 0, SP500 = 1, Nasdaq = 2 };
enum CommodityId { Wti = 1, Brent = 2, Gold = 4 };
constexpr int kBankUsd = 9;

struct AsianIndex {
    std::size_t position;
    const char* name;
};

constexpr std::array<AsianIndex, 4> kAsia{
    {{5, "Nikkei 225"}, {6, "Hang Seng"}, {7, "Straits Times"}, {9, "Shanghai Composite"}}};

double changeOf(const InstrumentQuote& quote) {
    return quote.value - quote.previousClose;
}

// "Nasdaq tăng 12.30 điểm lên 17012.30 điểm", with the decimals of the world index page.
std::string indexMove(const std::string& name, const InstrumentQuote& quote) {
    return name + " " + NewsWords::moveTo(changeOf(quote), 2, "điểm") + " " + NewsWords::number(quote.value, 2) +
           " điểm";
}

// One reason a reader expects next to a move, by its direction.
std::string reason(const std::string& direction, const char* rising, const char* falling, const char* flat) {
    if (direction == "tăng") {
        return rising;
    }
    return direction == "giảm" ? falling : flat;
}

} // namespace

WorldStories::WorldStories(NewsFacts facts)
    : m_facts(std::move(facts)) {}

std::optional<NewsStory> WorldStories::wallStreet(int day, int minute) const {
    const SimTime t{day, minute, 0};
    const InstrumentQuote dow = m_facts.worldIndex(DowJones, t);
    if (dow.inSession || dow.sessionDay != day - 1) {
        return std::nullopt;
    }
    const double change = changeOf(dow);
    const double percent = dow.previousClose > 0.0 ? change / dow.previousClose * 100.0 : 0.0;
    const std::string direction = NewsWords::direction(change, 2);
    return NewsStory::of(
        "Dow Jones " + NewsWords::move(change, 2, "điểm") + " phiên đêm qua",
        {"Chỉ số Dow Jones " + NewsWords::moveTo(change, 2, "điểm") + " " + NewsWords::number(dow.value, 2) +
             " điểm khi kết thúc phiên giao dịch đêm qua.",
         "Mức thay đổi tương ứng " + NewsWords::number(std::abs(percent), 2) + " phần trăm so với phiên trước.",
         indexMove("S&P 500", m_facts.worldIndex(SP500, t)) + " còn " +
             indexMove("Nasdaq", m_facts.worldIndex(Nasdaq, t)) + ".",
         reason(direction, "Nhà đầu tư lạc quan trước các số liệu kinh tế mới của Mỹ.",
                "Nhà đầu tư thận trọng trước triển vọng lãi suất của Cục Dự trữ Liên bang Mỹ.",
                "Nhà đầu tư chờ thêm các số liệu kinh tế mới của Mỹ.")});
}

std::optional<NewsStory> WorldStories::asia(int day, int minute) const {
    const SimTime t{day, minute, 0};
    std::vector<std::string> lines;
    int rising = 0;
    int falling = 0;
    for (const AsianIndex& index : kAsia) {
        const InstrumentQuote quote = m_facts.worldIndex(index.position, t);
        if (quote.inSession || quote.sessionDay != day) {
            return std::nullopt;
        }
        const std::string direction = NewsWords::direction(changeOf(quote), 2);
        rising += direction == "tăng" ? 1 : 0;
        falling += direction == "giảm" ? 1 : 0;
        lines.push_back(indexMove(index.name, quote) + ".");
    }
    const int count = static_cast<int>(kAsia.size());
    const std::string trend = rising == count    ? "đồng loạt tăng điểm"
                              : falling == count ? "đồng loạt giảm điểm"
                                                 : "diễn biến trái chiều";
    lines.insert(lines.begin(), "Các thị trường chứng khoán châu Á " + trend + " khi kết thúc phiên hôm nay.");
    lines.emplace_back("Giới phân tích cho rằng nhà đầu tư vẫn chờ thêm các số liệu kinh tế vĩ mô.");
    return NewsStory::of("Chứng khoán châu Á " + trend + " phiên " + NewsWords::date(day), lines);
}

std::optional<NewsStory> WorldStories::oil(int day, int minute) const {
    const SimTime t{day, minute, 0};
    const InstrumentQuote wti = m_facts.commodity(Wti, t);
    if (wti.sessionDay != day) {
        return std::nullopt;
    }
    const double change = changeOf(wti);
    return NewsStory::of(
        "Giá dầu WTI " + NewsWords::moveTo(change, 2, "USD") + " " + NewsWords::number(wti.value, 2) + " USD mỗi thùng",
        {"Giá dầu thô WTI " + NewsWords::move(change, 2, "USD") + " mỗi thùng so với phiên trước.",
         "Dầu Brent được giao dịch ở mức " + NewsWords::number(m_facts.commodity(Brent, t).value, 2) +
             " USD mỗi thùng.",
         reason(NewsWords::direction(change, 2), "Lo ngại về nguồn cung từ Trung Đông đẩy giá dầu đi lên.",
                "Lo ngại nhu cầu năng lượng suy yếu kéo giá dầu đi xuống.",
                "Nhà đầu tư theo dõi sát tồn kho dầu của Mỹ và chính sách sản lượng của OPEC.")});
}

std::optional<NewsStory> WorldStories::gold(int day, int minute) const {
    const SimTime t{day, minute, 0};
    const InstrumentQuote bank = m_facts.bankGold(t);
    if (bank.day != day) {
        return std::nullopt;
    }
    const double change = changeOf(bank);
    // The bank quotes thousand dong a tael, in steps that keep two decimals of millions exact.
    return NewsStory::of(
        "Giá vàng miếng " + NewsWords::moveTo(change, 0, "nghìn đồng") + " " +
            NewsWords::number(bank.value / 1000.0, 2) + " triệu đồng mỗi lượng",
        {"Giá vàng miếng tại ngân hàng " + NewsWords::move(change, 0, "nghìn đồng") + " mỗi lượng so với phiên trước.",
         "Giá vàng thế giới đang ở mức " + NewsWords::number(m_facts.commodity(Gold, t).value, 2) + " USD mỗi ounce.",
         "Chênh lệch giữa giá mua vào và bán ra vẫn được các doanh nghiệp giữ ở mức cao."});
}

std::optional<NewsStory> WorldStories::dollar(int day, int minute) const {
    const SimTime t{day, minute, 0};
    const InstrumentQuote usd = m_facts.exchangeRate(kBankUsd, t);
    if (usd.sessionDay != day) {
        return std::nullopt;
    }
    const double change = changeOf(usd);
    return NewsStory::of(
        "Giá USD tại ngân hàng " + NewsWords::moveTo(change, 0, "đồng") + " " + NewsWords::number(usd.value, 0) +
            " đồng",
        {"Giá USD niêm yết tại ngân hàng " + NewsWords::move(change, 0, "đồng") + " so với phiên trước.",
         "Ngân hàng Nhà nước giữ ổn định tỷ giá trung tâm.", "Thị trường ngoại tệ tự do giao dịch ổn định."});
}

} // namespace sim
