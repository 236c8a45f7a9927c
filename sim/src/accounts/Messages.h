#pragma once

namespace sim::messages {

// Texts the client shows unchanged in its alerts; none may hold "," ";" or ":" since they travel
// inside an answer header.
inline constexpr const char* kSessionExpired = "Phiên làm việc đã hết hạn. Vui lòng đăng nhập lại";
inline constexpr const char* kWrongLogin = "Tên đăng nhập hoặc mật khẩu không đúng";
inline constexpr const char* kBadCategoryName =
    "Tên danh mục không được để trống và không được chứa dấu phẩy hoặc dấu chấm phẩy hoặc dấu hai chấm";
inline constexpr const char* kUnreadableCategoryName = "Tên danh mục chứa ký tự không hợp lệ";
inline constexpr const char* kUnknownCategory = "Danh mục không tồn tại";
inline constexpr const char* kUnknownHolding = "Mã CK không có trong danh mục";
inline constexpr const char* kUnknownCompany = "Mã chứng khoán không tồn tại";
inline constexpr const char* kBadHoldingData = "Dữ liệu không hợp lệ";
inline constexpr const char* kUnknownRequest = "Yêu cầu không hợp lệ";
inline constexpr const char* kBusy = "Hệ thống đang bận. Xin vui lòng thử lại sau";

// The registration answer is split at ":" only; the client maps these four texts to its own
// Vietnamese messages, so they stay in English exactly as the service has always sent them.
inline constexpr const char* kRegisterNameUsed = "User name was used;\n";
inline constexpr const char* kRegisterEmailUsed = "Email was used;\n";
inline constexpr const char* kRegisterFailed = "Register failed;\n";
inline constexpr const char* kRegisterDone = "Register successfully;\n";

} // namespace sim::messages
