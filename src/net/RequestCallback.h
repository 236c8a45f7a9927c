#pragma once

#include "net/RequestDelegate.h"

#include <functional>
#include <utility>

namespace net {

/// A receiver that hands the answer to a function: for an owner that keeps several request
/// objects and must know which one finished.
class RequestCallback final : public RequestDelegate {
public:
    using Receive = std::function<void(std::optional<QByteArray>)>;

    explicit RequestCallback(Receive receive)
        : m_receive(std::move(receive)) {}

    void DidFinishRequest(std::optional<QByteArray> data) override {
        if (m_receive) {
            m_receive(std::move(data));
        }
    }

private:
    Receive m_receive;
};

} // namespace net
