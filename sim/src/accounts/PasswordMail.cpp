#include "PasswordMail.h"

namespace sim {

MailMessage passwordMail(const std::string& userName, const std::string& email, const std::string& password) {
    MailMessage mail;
    mail.from = "Corvastel <no-reply@corvastel.example>";
    mail.to = email;
    mail.subject = "Mật khẩu tài khoản Corvastel của bạn";
    mail.body = "Chào " + userName + ",\n\n" + "Tài khoản Corvastel của bạn đã được tạo.\n\n" +
                "Tên đăng nhập: " + userName + "\n" + "Mật khẩu: " + password + "\n\n" +
                "Hãy đăng nhập bằng tên và mật khẩu trên trong mục Đăng nhập của Corvastel.\n\n" + "Corvastel\n";
    return mail;
}

} // namespace sim
