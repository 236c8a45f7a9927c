#pragma once

#include "SimTypes.h"

#include <optional>
#include <string>

namespace sim {

/// Turns a raw request target ("/KTRPW/page.aspx?a=1&b=C%C3%A0") into a Request: the page name after
/// "/KTRPW/" and the query values percent-decoded as UTF-8. "+" stays a plus: the client escapes
/// spaces as %20, and a name like "A+B" must arrive unchanged. Nothing outside /KTRPW/ is a page.
std::optional<Request> requestFromTarget(const std::string& target);

/// Percent-decodes one query component; malformed escapes are kept as they are.
std::string percentDecode(const std::string& text);

} // namespace sim
