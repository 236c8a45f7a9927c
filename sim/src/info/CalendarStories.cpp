#include "CalendarStories.h"

#include "CivilDate.h"
#include "NewsWords.h"
#include "Noise.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace sim {

namespace {

constexpr std::uint64_t kStream = 740;
constexpr int kStatisticsDay = 6;
constexpr int kRobusta = 10;

// Thousand tonnes of coffee shipped in a usual January … December: most after the harvest.
constexpr std::array<double, 12> kCoffeeSeason = {190, 160, 170, 150, 120, 100, 90, 80, 70, 80, 110, 170};

struct Month {
    int year = 2000;
    int month = 1;

    int key() const { return year * 12 + month - 1; }
};

// The month whose statistics come out on day, when day is the sixth.
std::optional<Month> reportedOn(int day) {
    const CivilDate date = CivilDate::fromDay(day);
    if (date.dayOfMonth != kStatisticsDay) {
        return std::nullopt;
    }
    return date.month == 1 ? Month{date.year - 1, 12} : Month{date.year, date.month - 1};
}

std::string exportTrend(int percent) {
    if (percent >= 15) {
        return "tăng mạnh";
    }
    if (percent <= -15) {
        return "giảm mạnh";
    }
    return percent > 0 ? "tăng" : "giảm";
}

} // namespace

CalendarStories::CalendarStories(const Noise& noise, NewsFacts::IdQuote commodity)
    : m_noise(noise)
    , m_commodity(std::move(commodity)) {}

int CalendarStories::runDay(int day, int firstDay, int spread, std::uint64_t which) const {
    const CivilDate date = CivilDate::fromDay(day);
    const Month month{date.year, date.month};
    int run =
        CivilDate{date.year, date.month, firstDay + m_noise.between(0, spread, kStream + which, month.key())}.toDay();
    while (CivilDate::isWeekend(run)) {
        ++run;
    }
    return run;
}

std::optional<NewsStory> CalendarStories::coffeeExports(int day, int minute) const {
    const std::optional<Month> month = reportedOn(day);
    if (!month) {
        return std::nullopt;
    }
    const double tonnes = std::round(kCoffeeSeason[static_cast<std::size_t>(month->month - 1)] *
                                     (1.0 + 0.1 * m_noise.centred(kStream + 1U, month->key())));
    int percent = static_cast<int>(std::lround(30.0 * m_noise.centred(kStream + 2U, month->key())));
    percent = percent == 0 ? 1 : percent;
    const std::string trend = exportTrend(percent);
    const std::string change = NewsWords::number(std::abs(percent), 0) + " phần trăm";
    const std::string name = "tháng " + std::to_string(month->month);
    return NewsStory::of(
        "Xuất khẩu cà phê " + name + " " + trend + " " + change,
        {"Lượng cà phê xuất khẩu trong " + name + " năm " + std::to_string(month->year) + " ước đạt " +
             NewsWords::number(tonnes, 0) + " nghìn tấn " + trend + " " + change + " so với cùng kỳ năm trước.",
         "Giá cà phê Robusta trên sàn London đang ở mức " +
             NewsWords::number(m_commodity(kRobusta, SimTime{day, minute, 0}).value, 0) + " USD mỗi tấn."});
}

std::optional<NewsStory> CalendarStories::consumerPrices(int day, int /*minute*/) const {
    const std::optional<Month> month = reportedOn(day);
    if (!month) {
        return std::nullopt;
    }
    const double monthly = 0.15 + 0.3 * m_noise.centred(kStream + 3U, month->key());
    const double yearly = 2.5 + 2.0 * m_noise.unit(kStream + 4U, month->key());
    const std::string name = "tháng " + std::to_string(month->month);
    const std::string move = NewsWords::move(monthly, 2, "phần trăm");
    return NewsStory::of(
        "Chỉ số giá tiêu dùng " + name + " " + move,
        {"Chỉ số giá tiêu dùng " + name + " năm " + std::to_string(month->year) + " " + move + " so với tháng trước.",
         "So với cùng kỳ năm trước chỉ số tăng " + NewsWords::number(yearly, 2) + " phần trăm.",
         "Nhóm hàng ăn uống và dịch vụ giáo dục có mức biến động lớn nhất."});
}

std::optional<NewsStory> CalendarStories::policyRates(int day, int /*minute*/) const {
    if (day != runDay(day, 18, 5, 5)) {
        return std::nullopt;
    }
    const std::string month = "tháng " + std::to_string(CivilDate::fromDay(day).month);
    return NewsStory::of(
        "Ngân hàng Nhà nước giữ nguyên lãi suất điều hành " + month,
        {"Ngân hàng Nhà nước quyết định giữ nguyên các mức lãi suất điều hành trong " + month + ".",
         "Lãi suất tái cấp vốn ở mức 4.5 phần trăm mỗi năm và lãi suất tái chiết khấu ở mức 3 phần trăm mỗi năm.",
         "Lãi suất huy động của các ngân hàng thương mại được dự báo sẽ ổn định."});
}

std::optional<NewsStory> CalendarStories::draftRules(int day, int /*minute*/) const {
    if (day != runDay(day, 8, 6, 6)) {
        return std::nullopt;
    }
    static constexpr std::array<const char*, 6> kTopics = {
        "tỷ lệ ký quỹ giao dịch chứng khoán", "công bố thông tin trên thị trường chứng khoán",
        "chào bán cổ phiếu riêng lẻ",         "giao dịch của nhà đầu tư nước ngoài",
        "phí giao dịch chứng khoán",          "thời gian thanh toán giao dịch chứng khoán"};
    const CivilDate date = CivilDate::fromDay(day);
    const std::string topic = kTopics[static_cast<std::size_t>(
        m_noise.between(0, static_cast<int>(kTopics.size()) - 1, kStream + 7U, Month{date.year, date.month}.key()))];
    return NewsStory::of("Bộ Tài chính lấy ý kiến dự thảo về " + topic,
                         {"Bộ Tài chính đang lấy ý kiến rộng rãi về dự thảo sửa đổi quy định về " + topic + ".",
                          "Dự thảo dự kiến được ban hành trong năm " + std::to_string(date.year) + "."});
}

} // namespace sim
