#pragma once

#include "yearend/Verification.h"

#include <string>

// The report of `verifier` in French: one finding per line with its month,
// entry and line of the file, then the totals of every month and of the year,
// then the number of anomalies.
namespace cli {

// Findings past this many are counted, not listed.
inline constexpr std::size_t kListedFindings = 1000;

// Writes the report into `out` as the check goes.
class VerificationReport {
public:
    explicit VerificationReport(std::string &out) : out_(out) {}

    // One finding, listed while fewer than kListedFindings are.
    void add(const yearend::Finding &finding);
    // How many findings were not listed, the totals and the count.
    void finish(const yearend::Verification &verification);

private:
    std::string &out_;
    std::size_t listed_ = 0;
};

// The whole report of a check whose findings were kept.
std::string formatVerification(const yearend::Verification &verification);

} // namespace cli
