#include "FuzzFiles.h"

#include "wordproc/RtfReader.h"
#include "wordproc/RtfWriter.h"

// A rich-text file read by the word processor, written back, and read again:
// what the writer writes, the reader reads into a letter that writes the same.

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const rtf::Document document = rtf::read(std::string_view(reinterpret_cast<const char *>(data), size));
    const std::string written = rtf::write(document);
    FUZZ_CHECK(rtf::write(rtf::read(written)) == written);
    return 0;
}
