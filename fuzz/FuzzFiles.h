#pragma once

#include "TempDir.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// What the fuzz targets share: a scratch folder in memory when the system has
// one, and the input cut into the parts a target hands to its readers.
namespace fuzz {

inline const QString &scratchDir()
{
    static const QString path = [] {
        const char *base = QDir(QStringLiteral("/dev/shm")).exists() ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(base) + "/tavelin-fuzz-XXXXXX";
        const char *made = ::mkdtemp(pattern.data());
        return made ? QFile::decodeName(made) : QDir::tempPath();
    }();
    return path;
}

inline QString scratchFile(const QString &name)
{
    return QDir(scratchDir()).filePath(name);
}

// The scratch folder made the current one (where the reference files are
// read and the command line's relative names land) for one run of the target,
// then the folder libFuzzer was started in again: it reads the corpus by the
// names it was given.
class InScratch {
public:
    InScratch() : previous_(QDir::currentPath()) { QDir::setCurrent(scratchDir()); }
    ~InScratch() { QDir::setCurrent(previous_); }
    InScratch(const InScratch &) = delete;
    InScratch &operator=(const InScratch &) = delete;

private:
    QString previous_;
};

// The input cut at its NUL bytes (a NUL ends the text of every file the
// program reads, so no file needs one), at most `parts` parts.
inline std::vector<std::string> parts(const std::uint8_t *data, std::size_t size, std::size_t count)
{
    std::vector<std::string> out(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0 && out.size() < count)
            out.emplace_back();
        else
            out.back().push_back(char(data[i]));
    }
    out.resize(count);
    return out;
}

// Stops the run with the input that broke a property, naming the property.
inline void check(bool holds, const char *property, int line)
{
    if (holds)
        return;
    std::fprintf(stderr, "Property broken (line %d): %s\n", line, property);
    std::abort();
}

} // namespace fuzz

#define FUZZ_CHECK(property) fuzz::check((property), #property, __LINE__)
