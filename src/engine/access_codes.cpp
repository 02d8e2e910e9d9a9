#include "engine/access_codes.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "ini/ini_file.h"

namespace rb::engine {

namespace {

constexpr const char* kSection = "Access";
constexpr const char* kScheme = "pbkdf2-sha256";
constexpr int kIterations = 200000;
constexpr std::size_t kSaltBytes = 16;
constexpr std::size_t kHashBytes = 32;

const char* keyOf(bool forMonitor) { return forMonitor ? "monitor" : "protest"; }

std::string toHex(const std::vector<unsigned char>& bytes) {
    std::string out;
    char buf[3];
    for (unsigned char b : bytes) {
        std::snprintf(buf, sizeof buf, "%02x", b);
        out += buf;
    }
    return out;
}

std::optional<std::vector<unsigned char>> fromHex(const std::string& hex) {
    if (hex.size() % 2 != 0) return std::nullopt;
    std::vector<unsigned char> out;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        unsigned v = 0;
        for (char c : hex.substr(i, 2)) {
            v <<= 4;
            if (c >= '0' && c <= '9')
                v |= unsigned(c - '0');
            else if (c >= 'a' && c <= 'f')
                v |= unsigned(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                v |= unsigned(c - 'A' + 10);
            else
                return std::nullopt;
        }
        out.push_back(static_cast<unsigned char>(v));
    }
    return out;
}

std::optional<std::vector<unsigned char>> derive(const std::string& code,
                                                 const std::vector<unsigned char>& salt,
                                                 int iterations, std::size_t length) {
    std::vector<unsigned char> out(length);
    if (PKCS5_PBKDF2_HMAC(code.data(), int(code.size()), salt.data(), int(salt.size()), iterations,
                          EVP_sha256(), int(out.size()), out.data()) != 1)
        return std::nullopt;
    return out;
}

// The fields of "scheme$iterations$salt$hash".
std::vector<std::string> fieldsOf(const std::string& stored) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const auto end = stored.find('$', start);
        fields.push_back(stored.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return fields;
}

}  // namespace

std::string accessStorePath() {
    if (const char* p = std::getenv("RADIOBENCH_ACCESS_FILE"); p && *p) return p;
    return kAccessFile;
}

std::string hashAccessCode(const std::string& code, const std::string& saltHex) {
    std::vector<unsigned char> salt(kSaltBytes);
    if (auto given = fromHex(saltHex); given && !given->empty()) {
        salt = *given;
    } else if (RAND_bytes(salt.data(), int(salt.size())) != 1) {
        return {};
    }
    const auto hash = derive(code, salt, kIterations, kHashBytes);
    if (!hash) return {};
    return std::string(kScheme) + "$" + std::to_string(kIterations) + "$" + toHex(salt) + "$" +
           toHex(*hash);
}

bool accessHashMatches(const std::string& stored, const std::string& entered) {
    const auto fields = fieldsOf(stored);
    if (fields.size() != 4 || fields[0] != kScheme) return false;
    const int iterations = std::atoi(fields[1].c_str());
    const auto salt = fromHex(fields[2]);
    const auto expected = fromHex(fields[3]);
    if (iterations < 1 || iterations > 10000000 || !salt || !expected || expected->empty())
        return false;
    const auto got = derive(entered, *salt, iterations, expected->size());
    return got && CRYPTO_memcmp(got->data(), expected->data(), got->size()) == 0;
}

bool accessCodeAccepted(bool forMonitor, const std::string& entered) {
    const std::string path = accessStorePath();
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        ini::IniFile store;
        if (!store.load(path)) return false;
        if (store.has(kSection, keyOf(forMonitor)))
            return accessHashMatches(store.getRaw(kSection, keyOf(forMonitor)), entered);
    }
    return entered == (forMonitor ? kMonitorCode : kProductionTestCode);
}

std::optional<std::string> setAccessCode(bool forMonitor, const std::string& code) {
    if (code.empty()) return std::string("an empty code is not accepted");
    const std::string path = accessStorePath();
    std::error_code ec;
    const auto dir = std::filesystem::path(path).parent_path();
    if (!dir.empty()) std::filesystem::create_directories(dir, ec);
    ini::IniFile store;
    std::string error;
    if (!store.loadIfExists(path, &error)) return error;
    const std::string hash = hashAccessCode(code);
    if (hash.empty()) return std::string("no random salt could be made");
    store.setRaw(kSection, keyOf(forMonitor), hash);
    if (!store.save(path, &error)) return error;
    return std::nullopt;
}

}  // namespace rb::engine
