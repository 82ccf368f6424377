#pragma once

#include <QString>
#include <array>

// The company dialog's state: the seven letterhead lines as its fields hold
// them, and whether "OK" closed it.
struct SocieteForm {
    std::array<QString, 7> lineFields; // lines 1 to 7
    bool confirmed = false;

    void Init(const std::array<QString, 7> &lines) { lineFields = lines; }
    // After "OK", the seven field texts, each kept to one line of the company
    // file. Otherwise only the first line is given, empty: the caller reads
    // an empty company name as a cancel.
    void Result(std::array<QString, 7> &lines) const;
};
