#include "Secrets.h"

namespace sim {

Secrets::Secrets()
    : m_random(std::random_device{}()) {}

std::string Secrets::sessionToken() {
    constexpr const char* kHex = "0123456789abcdef";
    std::string token;
    for (int i = 0; i < 32; ++i) {
        token += kHex[m_random() % 16];
    }
    return token;
}

std::string Secrets::password() {
    std::string password;
    for (int i = 0; i < 6; ++i) {
        password += static_cast<char>('0' + m_random() % 10);
    }
    return password;
}

} // namespace sim
