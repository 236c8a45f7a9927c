// corvastel-sim: the market-information service on its own, for demos and for clients run by hand.

#include "server/Service.h"
#include "server/ServiceOptions.h"

#include <csignal>
#include <iostream>
#include <pthread.h>

namespace {

/// Blocks SIGINT and SIGTERM in every thread (the server's threads inherit the mask), so that the
/// main thread can wait for them with sigwait instead of a handler touching shared state.
sigset_t blockStopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    return set;
}

} // namespace

int main(int argc, char* argv[]) {
    const auto parsed = sim::parseServiceOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.showHelp) {
        std::cout << sim::serviceUsage();
        return 0;
    }
    if (!parsed.error.empty()) {
        std::cerr << "corvastel-sim: " << parsed.error << "\n" << sim::serviceUsage();
        return 2;
    }
    const sigset_t stopSignals = blockStopSignals();
    sim::Service service(parsed.options);
    service.setMailListener([](const sim::SentMail& mail) {
        std::cout << "corvastel-sim: mail to " << mail.to << " "
                  << (mail.path.empty() ? std::string("(no mail folder)") : "saved as " + mail.path) << "\n"
                  << mail.message << std::endl;
    });
    if (!service.start()) {
        std::cerr << "corvastel-sim: cannot listen on " << parsed.options.host << ":" << parsed.options.port << "\n";
        return 1;
    }
    std::cout << "corvastel-sim listening on " << service.baseUrl() << std::endl;
    int signal = 0;
    sigwait(&stopSignals, &signal);
    service.stop();
    return 0;
}
