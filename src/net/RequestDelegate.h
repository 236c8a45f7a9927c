#pragma once

#include <QByteArray>

#include <optional>

namespace net {

/// The owner of a request object: told once when its transfer ends.
class RequestDelegate {
public:
    virtual ~RequestDelegate() = default;

    /// The answer body (possibly empty), or no value when the transfer failed.
    virtual void DidFinishRequest(std::optional<QByteArray> data) = 0;

protected:
    RequestDelegate() = default;
    RequestDelegate(const RequestDelegate&) = default;
    RequestDelegate& operator=(const RequestDelegate&) = default;
};

} // namespace net
