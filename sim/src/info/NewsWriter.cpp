#include "NewsWriter.h"

#include "CivilDate.h"
#include "Noise.h"
#include "market/Market.h"

#include <array>
#include <map>
#include <vector>

namespace sim {

namespace {

struct StoryTemplate {
    const char* title;
    std::vector<const char*> body;
};

using Slots = std::map<std::string, std::string>;

constexpr std::uint64_t kStream = 700;
constexpr int kNoon = 720;

const std::vector<StoryTemplate>& headlineTemplates() {
    static const std::vector<StoryTemplate> templates = {
        {"Chứng khoán châu Á {dir} điểm trong phiên {session}",
         {"Các thị trường chứng khoán châu Á đồng loạt {dir} điểm trong phiên {session} nay.",
          "Chỉ số {asia} biến động mạnh nhất khu vực với mức thay đổi {pts} điểm.",
          "Giới phân tích cho rằng nhà đầu tư vẫn chờ thêm các số liệu kinh tế vĩ mô."}},
        {"Giá vàng trong nước {dir} {n} nghìn đồng mỗi lượng",
         {"Giá vàng miếng trong nước {dir} {n} nghìn đồng mỗi lượng so với phiên trước.",
          "Chênh lệch giữa giá mua vào và bán ra vẫn được các doanh nghiệp giữ ở mức cao.",
          "Giá vàng thế giới cũng biến động mạnh khi đồng USD chưa ổn định."}},
        {"Khối ngoại {trade} ròng {n} tỷ đồng trên sàn HoSE",
         {"Nhà đầu tư nước ngoài {trade} ròng {n} tỷ đồng trong phiên giao dịch hôm nay.",
          "Dòng vốn ngoại tập trung vào nhóm cổ phiếu {sector}."}},
        {"Giá dầu thế giới {dir} do lo ngại về nguồn cung",
         {"Giá dầu thô WTI và dầu Brent cùng {dir} trên thị trường thế giới.",
          "Nhà đầu tư theo dõi sát tồn kho dầu của Mỹ và chính sách sản lượng của OPEC."}},
        {"Tỷ giá USD tại các ngân hàng thương mại {dir} nhẹ",
         {"Giá USD niêm yết tại các ngân hàng thương mại {dir} nhẹ so với đầu tuần.",
          "Ngân hàng Nhà nước giữ nguyên tỷ giá bình quân liên ngân hàng.",
          "Thị trường ngoại tệ tự do giao dịch ổn định."}},
        {"Thanh khoản thị trường đạt {n} tỷ đồng",
         {"Tổng giá trị giao dịch trên hai sàn đạt {n} tỷ đồng trong phiên hôm nay.",
          "Nhóm cổ phiếu {sector} thu hút dòng tiền mạnh nhất."}},
        {"Dòng tiền tìm đến nhóm cổ phiếu {sector}",
         {"Nhiều mã thuộc nhóm {sector} tăng trần ngay từ đầu phiên.",
          "Các công ty chứng khoán khuyến nghị nhà đầu tư thận trọng khi giải ngân mới."}},
        {"Ngân hàng Nhà nước giữ nguyên lãi suất điều hành",
         {"Ngân hàng Nhà nước quyết định giữ nguyên các mức lãi suất điều hành trong tháng {m}.",
          "Lãi suất huy động của các ngân hàng thương mại được dự báo sẽ ổn định."}},
        {"Phố Wall {dir} điểm phiên đêm qua",
         {"Các chỉ số chứng khoán chính của Mỹ {dir} điểm trong phiên giao dịch đêm qua.",
          "Chỉ số Dow Jones thay đổi {pts} điểm khi kết thúc phiên."}},
        {"Xuất khẩu cà phê tháng {m} {dir} mạnh",
         {"Lượng cà phê xuất khẩu trong tháng {m} {dir} mạnh so với cùng kỳ năm trước.",
          "Giá cà phê Robusta trên sàn London biến động theo nguồn cung từ Việt Nam."}},
        {"Chỉ số giá tiêu dùng tháng {m} tăng nhẹ",
         {"Chỉ số giá tiêu dùng tháng {m} tăng nhẹ so với tháng trước.",
          "Nhóm hàng ăn uống và dịch vụ giáo dục có mức tăng cao nhất."}},
        {"Bộ Tài chính lấy ý kiến dự thảo sửa đổi quy định về chứng khoán",
         {"Bộ Tài chính đang lấy ý kiến rộng rãi về dự thảo sửa đổi các quy định trên thị trường chứng khoán.",
          "Dự thảo dự kiến nâng tỷ lệ ký quỹ và rút ngắn thời gian thanh toán giao dịch."}},
    };
    return templates;
}

const std::vector<StoryTemplate>& companyTemplates() {
    static const std::vector<StoryTemplate> templates = {
        {"{name} công bố báo cáo tài chính quý {q} năm {qy}",
         {"Trong quý {q} công ty đạt lợi nhuận sau thuế {n} tỷ đồng.",
          "Cổ phiếu {code} được nhiều nhà đầu tư quan tâm sau thông tin này."}},
        {"{name} thông báo ngày đăng ký cuối cùng trả cổ tức",
         {"Cổ tức năm {py} được trả bằng tiền mặt.",
          "Tỷ lệ thực hiện là {p} phần trăm mệnh giá cho mỗi cổ phiếu {code}."}},
        {"{name} tổ chức đại hội đồng cổ đông thường niên năm {y}",
         {"Đại hội thông qua kế hoạch kinh doanh năm {y} với mục tiêu doanh thu tăng {p} phần trăm.",
          "Cổ đông sở hữu cổ phiếu {code} tại ngày chốt danh sách được quyền tham dự."}},
        {"Cổ đông lớn đăng ký {trade} {n} nghìn cổ phiếu của {name}",
         {"Một cổ đông lớn vừa đăng ký {trade} {n} nghìn cổ phiếu {code}.",
          "Giao dịch dự kiến được thực hiện theo phương thức khớp lệnh trên sàn."}},
        {"{name} giải trình biến động giá cổ phiếu",
         {"Công ty vừa gửi văn bản giải trình việc giá cổ phiếu {code} {dir} liên tục trong nhiều phiên.",
          "Ban lãnh đạo khẳng định hoạt động sản xuất kinh doanh vẫn diễn ra bình thường."}},
        {"{name} được chấp thuận niêm yết bổ sung {n} nghìn cổ phiếu",
         {"Số cổ phiếu {code} niêm yết bổ sung được phát hành để trả cổ tức cho cổ đông hiện hữu.",
          "Ngày giao dịch đầu tiên của số cổ phiếu này dự kiến vào cuối tháng {m}."}},
        {"{name} thay đổi nhân sự cấp cao",
         {"Hội đồng quản trị doanh nghiệp mã {code} vừa bổ nhiệm tổng giám đốc mới.",
          "Quyết định có hiệu lực từ ngày {dd} tháng {m} năm {y}."}},
        {"{name} ký hợp đồng mới trị giá {n} tỷ đồng",
         {"Hợp đồng cung cấp sản phẩm và dịch vụ được ký kết trong tháng {m}.",
          "Hợp đồng dự kiến đóng góp đáng kể vào doanh thu năm {y} của doanh nghiệp mã {code}."}},
    };
    return templates;
}

template <std::size_t N>
std::string pickFrom(const Noise& noise, const std::array<const char*, N>& choices, std::uint64_t stream,
                     std::int64_t a, std::int64_t b) {
    return choices[static_cast<std::size_t>(noise.between(0, static_cast<int>(N) - 1, stream, a, b))];
}

std::string fill(std::string text, const Slots& slots) {
    for (const auto& [key, value] : slots) {
        const std::string marker = "{" + key + "}";
        for (auto at = text.find(marker); at != std::string::npos; at = text.find(marker, at + value.size())) {
            text.replace(at, marker.size(), value);
        }
    }
    return text;
}

Slots detailsFor(const Noise& noise, std::int64_t subject, int day) {
    static const std::array<const char*, 2> directions = {"tăng", "giảm"};
    static const std::array<const char*, 2> trades = {"mua", "bán"};
    static const std::array<const char*, 4> asia = {"Nikkei 225", "Hang Seng", "Shanghai Composite", "Straits Times"};
    static const std::array<const char*, 6> sectors = {"ngân hàng",   "bất động sản", "thép",
                                                       "chứng khoán", "dầu khí",      "thực phẩm"};
    const CivilDate date = CivilDate::fromDay(day);
    const int previousQuarter = date.year * 4 + date.quarter() - 2;
    return Slots{
        {"dir", pickFrom(noise, directions, kStream + 1U, subject, day)},
        {"trade", pickFrom(noise, trades, kStream + 3U, subject, day)},
        {"asia", pickFrom(noise, asia, kStream + 4U, subject, day)},
        {"sector", pickFrom(noise, sectors, kStream + 5U, subject, day)},
        {"n", std::to_string(noise.between(3, 950, kStream + 6U, subject, day))},
        {"pts", std::to_string(noise.between(2, 120, kStream + 8U, subject, day))},
        {"p", std::to_string(noise.between(5, 30, kStream + 7U, subject, day))},
        {"m", std::to_string(date.month)},
        {"dd", std::to_string(date.dayOfMonth)},
        {"y", std::to_string(date.year)},
        {"py", std::to_string(date.year - 1)},
        {"q", std::to_string(previousQuarter % 4 + 1)},
        {"qy", std::to_string(previousQuarter / 4)},
    };
}

NewsStory write(const StoryTemplate& story, const Slots& slots) {
    NewsStory result;
    result.title = NewsWriter::withoutSeparators(fill(story.title, slots));
    // The article's first line is its headline.
    result.content = result.title;
    for (const char* line : story.body) {
        result.content += '\n';
        result.content += NewsWriter::withoutSeparators(fill(line, slots));
    }
    return result;
}

} // namespace

NewsWriter::NewsWriter(const Noise& noise)
    : m_noise(noise) {}

NewsStory NewsWriter::headline(int day, int slot, int minute) const {
    const auto& templates = headlineTemplates();
    const int count = static_cast<int>(templates.size());
    // Consecutive slots walk through the templates from a daily offset, so a day never repeats a
    // story before all have been told.
    const int offset = m_noise.between(0, count - 1, kStream + 10U, day);
    const auto& story = templates[static_cast<std::size_t>((offset + slot) % count)];
    Slots slots = detailsFor(m_noise, slot, day);
    slots["session"] = minute < kNoon ? "sáng" : "chiều";
    return write(story, slots);
}

NewsStory NewsWriter::companyStory(const Company& company, int day) const {
    const auto& templates = companyTemplates();
    const int which = m_noise.between(0, static_cast<int>(templates.size()) - 1, kStream + 11U, company.id, day);
    Slots slots = detailsFor(m_noise, 1000 + company.id, day);
    slots["name"] = withoutSeparators(company.name);
    slots["code"] = withoutSeparators(company.code);
    return write(templates[static_cast<std::size_t>(which)], slots);
}

std::string NewsWriter::withoutSeparators(std::string text) {
    for (char& c : text) {
        if (c == ',' || c == ';' || c == ':') {
            c = ' ';
        }
    }
    return text;
}

} // namespace sim
