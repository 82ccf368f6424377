#pragma once

#include <memory>
#include <string>
#include <string_view>

// SHA-256 through the system's libcrypto, which uses the processor's SHA
// instructions: a year of entries is hashed at every opening, several times
// faster than QCryptographicHash manages.
namespace yearend {

class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256 &) = delete;
    Sha256 &operator=(const Sha256 &) = delete;

    void add(std::string_view bytes);
    // The digest of everything added, in 64 lowercase hexadecimal digits;
    // nothing may be added afterwards.
    std::string hex();

private:
    struct Context;
    std::unique_ptr<Context> context_;
};

} // namespace yearend
