#pragma once

#include "net/AnswerReader.h"
#include "server/Clock.h"
#include "server/Service.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>
#include <QString>
#include <QUrl>

#include <gtest/gtest.h>
#include <httplib.h>

#include <memory>
#include <string>

namespace simtest {

/// A Tuesday morning in the trading session: the market clock of every service test.
inline QDateTime tradingMorning() {
    return sim::Clock::vietnamTime(QDate(2024, 3, 5), QTime(10, 15));
}

/// A query value escaped as the client escapes it (every reserved character, UTF-8).
inline std::string escaped(const std::string& value) {
    return QUrl::toPercentEncoding(QString::fromStdString(value)).toStdString();
}

inline std::string md5(const std::string& text) {
    return QCryptographicHash::hash(QByteArray::fromStdString(text), QCryptographicHash::Md5).toHex().toStdString();
}

/// The password a registration mail gives (the text after "Mật khẩu: " up to the line's end);
/// empty when the mail has none.
inline std::string passwordIn(const std::string& mail) {
    const std::string label = "\nMật khẩu: ";
    const auto at = mail.find(label);
    if (at == std::string::npos) {
        return {};
    }
    const auto start = at + label.size();
    return mail.substr(start, mail.find('\n', start) - start);
}

inline net::Answer read(const std::string& body) {
    return net::readAnswer(QByteArray::fromStdString(body));
}

/// A started service on loopback with its clock frozen at tradingMorning().
class ServiceHarness {
public:
    explicit ServiceHarness(sim::ServiceOptions options = {}) {
        options.clockStart = tradingMorning();
        service = std::make_unique<sim::Service>(std::move(options));
        service->clock().setFixed(tradingMorning());
        started = service->start();
    }

    httplib::Result get(const std::string& pageAndQuery) const {
        httplib::Client client("127.0.0.1", service->port());
        client.set_read_timeout(10, 0);
        return client.Get("/KTRPW/" + pageAndQuery);
    }

    /// The body of a GET that must succeed.
    std::string body(const std::string& pageAndQuery) const {
        auto result = get(pageAndQuery);
        EXPECT_TRUE(result) << pageAndQuery;
        return result ? result->body : std::string();
    }

    net::Answer answer(const std::string& pageAndQuery) const { return read(body(pageAndQuery)); }

    /// The texts of the answer's records with this many fields, which outlive the answer.
    std::vector<QStringList> records(const std::string& pageAndQuery, qsizetype fieldCount) const {
        const net::Answer reply = answer(pageAndQuery);
        std::vector<QStringList> texts;
        for (const net::RecordView& record : reply.recordsWithFieldCount(fieldCount)) {
            texts.push_back(record.toStringList());
        }
        return texts;
    }

    /// Logs in and returns the session token (empty when refused).
    std::string login(const std::string& user, const std::string& password) const {
        const auto reply = answer("login.aspx?username=" + escaped(user) + "&pass=" + md5(password) + "&imei=dev1");
        return reply.isSuccess() ? reply.headerText(3).toStdString() : std::string();
    }

    std::unique_ptr<sim::Service> service;
    bool started = false;
};

} // namespace simtest
