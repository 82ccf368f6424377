#include "FakePlatform.h"
#include "FuzzFiles.h"

#include "document/Fiche.h"

// The four reference files (company, chart, journals, settings: the input's
// parts between NUL bytes) loaded and written back: loaded again, what was
// written reads without a word, and writes back the same bytes.

namespace {

const QString kFiles[] = {QStringLiteral("Tavelin.soc"), QStringLiteral("Tavelin.plc"), QStringLiteral("Tavelin.Cbx"),
                          QStringLiteral("Tavelin.ini")};

std::vector<std::string> loadAndWrite(const FakePlatform &fake, bool &quiet)
{
    Fiche fiche(fake.platform);
    fiche.FormActivate();
    quiet = fake.messages.shown.isEmpty();
    fiche.ledger.ref.PlanModifie = true; // the chart is written as well
    FUZZ_CHECK(fiche.ledger.saveReferenceFiles().isEmpty());
    std::vector<std::string> written;
    for (const QString &name : kFiles)
        written.push_back(readBytes(fuzz::scratchFile(name)));
    return written;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const fuzz::InScratch inScratch;
    const std::vector<std::string> contents = fuzz::parts(data, size, 4);
    for (std::size_t i = 0; i < 4; ++i)
        writeBytes(fuzz::scratchFile(kFiles[i]), contents[i]);

    FakePlatform fake;
    bool quiet = false;
    const std::vector<std::string> first = loadAndWrite(fake, quiet);
    FakePlatform fakeAgain;
    const std::vector<std::string> second = loadAndWrite(fakeAgain, quiet);
    FUZZ_CHECK(quiet);
    FUZZ_CHECK(first == second);
    return 0;
}
