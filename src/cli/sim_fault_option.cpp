#include "cli/sim_fault_option.h"

#include <charconv>
#include <sstream>

namespace rb::cli {

namespace {

bool number(const std::string& text, long long& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end && out >= 0;
}

}  // namespace

bool parseSimFaults(const std::string& text, sim::Faults& out, std::string& error) {
    std::stringstream words(text);
    std::string word;
    while (std::getline(words, word, ',')) {
        if (word.empty()) continue;
        const auto eq = word.find('=');
        const std::string name = word.substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : word.substr(eq + 1);
        long long n = 0;
        const bool hasNumber = eq != std::string::npos && number(value, n);
        if (name == "silent" && eq == std::string::npos) {
            out.silent = true;
        } else if (name == "corrupt" && eq == std::string::npos) {
            out.corruptChecksum = true;
        } else if (name == "drop" && hasNumber && n > 0) {
            out.dropNth = int(n);
        } else if (name == "delay" && hasNumber) {
            out.delay = sim::Micros(n * 1000);
        } else if (name == "pace" && (eq == std::string::npos || (hasNumber && n > 0))) {
            out.pace = true;
            out.paceBaud = int(n);
        } else {
            error = "--sim-faults: cannot use '" + word +
                    "' (silent, drop=N, delay=MS, corrupt, pace[=BAUD])";
            return false;
        }
    }
    return true;
}

}  // namespace rb::cli
