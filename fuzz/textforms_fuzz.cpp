#include "FuzzFiles.h"

#include "ledger/AmountTotal.h"
#include "ledger/Codec1252.h"
#include "ledger/ReferenceData.h"
#include "ledger/TextForms.h"

#include <cmath>
#include <cstring>

// Dates and amounts as every reader of the program takes them: each line of
// the input given to the date, amount and field readers. What a reader
// accepts, the matching writer writes back so that it reads the same; totals
// never leave the range the reader accepts.

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    AmountTotal total;
    std::size_t start = 0;
    while (start <= input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string::npos)
            end = input.size();
        const std::string_view line(input.data() + start, end - start);
        const QString text = cp1252::decode(line);

        if (const std::optional<Cents> amount = forms::parseAmount(line)) {
            FUZZ_CHECK(forms::parseAmount(QStringView(text)) == amount);
            FUZZ_CHECK(forms::parseAmount(QStringView(forms::formatAmount(*amount))) == amount);
            FUZZ_CHECK(forms::parseAmount(QStringView(forms::Rset(forms::formatRunningSum(*amount)))) == amount);
            total.add(*amount);
            if (total.computed())
                FUZZ_CHECK(forms::parseAmount(QStringView(total.text())) == total.value());
        }
        const QDate date = forms::parseDate(text);
        if (date.isValid())
            FUZZ_CHECK(forms::parseDate(forms::formatDate(date)) == date);
        forms::dateKey(line);
        forms::completeAccount(text);
        forms::singleLine(text);
        QString fields = text;
        for (int guard = 0; !fields.isEmpty(); ++guard) {
            FUZZ_CHECK(guard <= text.size());
            forms::ChampSuivant(fields);
        }

        if (line.size() >= sizeof(double)) {
            double real = 0;
            std::memcpy(&real, line.data(), sizeof real);
            if (std::isfinite(real)) {
                const QString written = reference::formatReelIni(real);
                bool ok = false;
                const double read = written.trimmed().toDouble(&ok);
                FUZZ_CHECK(written.size() == 23 && ok && std::isfinite(read));
            }
        }
        start = end + 1;
    }
    return 0;
}
