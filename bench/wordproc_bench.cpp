#include "LetterGenerator.h"

#include "wordproc/RtfReader.h"
#include "wordproc/RtfWriter.h"

#include <benchmark/benchmark.h>

// Reading a letter of n pages from its RTF bytes.
static void BM_RtfRead(benchmark::State &state)
{
    const std::string bytes = rtf::write(generateLetter(int(state.range(0))));
    for (auto _ : state) {
        const rtf::Document letter = rtf::read(bytes);
        benchmark::DoNotOptimize(letter.paragraphs.size());
    }
    state.counters["rtf_bytes"] = double(bytes.size());
    state.SetBytesProcessed(state.iterations() * qint64(bytes.size()));
}
BENCHMARK(BM_RtfRead)->Arg(1)->Arg(50)->Unit(benchmark::kMillisecond);

// Writing a letter of n pages as RTF bytes.
static void BM_RtfWrite(benchmark::State &state)
{
    const rtf::Document letter = generateLetter(int(state.range(0)));
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string bytes = rtf::write(letter);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["rtf_bytes"] = double(size);
}
BENCHMARK(BM_RtfWrite)->Arg(1)->Arg(50)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
