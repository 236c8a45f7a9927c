// Every text value the client puts in a URL reaches the service as it was given: the URL is
// built, escaped and parsed as the network sends it, then decoded as the service decodes it.
#include "net/Endpoints.h"
#include "net/UrlEscaping.h"
#include "server/QueryParser.h"

#include <QUrl>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

const QString kBase = QStringLiteral("http://127.0.0.1:9");

// Splits the input at zero bytes into up to six texts, decoded as UTF-8 the way a form's text
// would hold them (invalid sequences become replacement characters, as in any QString).
QStringList textsOf(const std::uint8_t* data, std::size_t size) {
    QStringList texts;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QByteArray& part : bytes.split('\0')) {
        texts.append(QString::fromUtf8(part));
    }
    while (texts.size() < 6) {
        texts.append(QString());
    }
    return texts;
}

// What reaches the service for a URL text: the request target the client sends, decoded.
sim::Request delivered(const QString& url) {
    const QUrl sent = net::escapedUrl(url);
    QByteArray target = sent.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority);
    const std::optional<sim::Request> request = sim::requestFromTarget(target.toStdString());
    if (!request) {
        std::fprintf(stderr, "no page in %s\n", target.constData());
        std::abort();
    }
    return *request;
}

void expectDelivered(const QString& url, const QStringList& values) {
    const sim::Request request = delivered(url);
    for (const QString& value : values) {
        const std::string expected = value.toStdString();
        bool found = false;
        for (const auto& entry : request.params) {
            found = found || entry.second == expected;
        }
        if (!found) {
            std::fprintf(stderr, "value \"%s\" lost in %s\n", expected.c_str(), qPrintable(url));
            std::abort();
        }
    }
}

} // namespace

// Each input sends its texts through one builder, picked by its first byte, so that every input
// is quick and every builder gets its share.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const QStringList t = textsOf(data + 1, size - 1);
    net::Identity identity;
    identity.isAuthenticated = !t[5].isEmpty();
    identity.session = t[5];
    identity.imei = t[4];
    const net::Endpoints endpoints(kBase, [&identity] { return identity; });

    net::HoldingValues holding;
    holding.companyId = t[0];
    holding.price = t[1];
    holding.volume = t[2];
    holding.over = t[3];
    holding.under = t[4];
    holding.fee = t[5];
    const QStringList all{t[0], t[1], t[2], t[3], t[4], t[5]};

    const std::array<std::function<void()>, 16> builders{
        [&] {
            expectDelivered(endpoints.login(t[0], t[1]), {t[0], t[1]});
        },
        [&] {
            expectDelivered(endpoints.registration(t[0], t[1]), {t[0], t[1]});
        },
        [&] { expectDelivered(endpoints.addCategory(t[0]), {t[0]}); },
        [&] {
            expectDelivered(endpoints.renameCategory(t[0], t[1]), {t[0], t[1]});
        },
        [&] { expectDelivered(endpoints.deleteCategory(t[2]), {t[2]}); },
        [&] { expectDelivered(endpoints.addHoldingWithCategory(t[3], holding), all); },
        [&] { expectDelivered(endpoints.addHolding(t[3], holding), all); },
        [&] { expectDelivered(endpoints.editHolding(t[2], t[3], holding), all); },
        [&] { expectDelivered(endpoints.holdings(t[0]), {t[0]}); },
        [&] { expectDelivered(endpoints.deleteHolding(t[1]), {t[1]}); },
        [&] { expectDelivered(endpoints.companyRealtime(t[0], 3), {t[0]}); },
        [&] { expectDelivered(endpoints.companyFinance(t[1]), {t[1]}); },
        [&] { expectDelivered(endpoints.companyNews(t[2]), {t[2]}); },
        [&] { expectDelivered(endpoints.priceWarnings(t[3]), {t[3]}); },
        [&] { expectDelivered(endpoints.watchListQuotes(t[0]), {t[0]}); },
        [&] { expectDelivered(endpoints.versionCheck(t[1]), {t[1]}); },
    };
    builders[data[0] % builders.size()]();
    return 0;
}
