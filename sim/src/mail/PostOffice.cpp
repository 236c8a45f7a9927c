#include "PostOffice.h"

#include <QUuid>

namespace sim {

namespace {

constexpr const char* kMessageIdDomain = "corvastel.example";

std::string newMessageId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString() + "@" + kMessageIdDomain;
}

} // namespace

PostOffice::PostOffice(const std::string& maildirRoot) {
    if (!maildirRoot.empty()) {
        m_maildir.emplace(maildirRoot);
    }
}

bool PostOffice::send(const MailMessage& mail) {
    SentMail sent{mail.to, formatMessage(mail, QDateTime::currentDateTime(), newMessageId()), {}};
    if (m_maildir) {
        sent.path = m_maildir->deliver(sent.message);
        if (sent.path.empty()) {
            return false;
        }
    }
    if (m_listener) {
        m_listener(sent);
    }
    return true;
}

} // namespace sim
