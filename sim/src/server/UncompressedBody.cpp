#include "server/UncompressedBody.h"

#include <httplib.h>

#include <memory>

namespace sim {

void sendUncompressed(httplib::Response& response, std::string body, const std::string& contentType) {
    if (body.empty()) {
        response.set_content(std::string(), contentType);
        return;
    }
    auto shared = std::make_shared<const std::string>(std::move(body));
    response.set_content_provider(shared->size(), contentType,
                                  [shared](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                                      return sink.write(shared->data() + offset, length);
                                  });
}

} // namespace sim
