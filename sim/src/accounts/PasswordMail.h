#pragma once

#include "mail/MailMessage.h"

#include <string>

namespace sim {

/// The mail that gives a newly registered user the password the service chose, in Vietnamese.
MailMessage passwordMail(const std::string& userName, const std::string& email, const std::string& password);

} // namespace sim
