// Any old file converts: the run saves, the new file is exactly the output lines each followed by
// CR LF, it has at least the 28 lines of a file without sections and ends with a separator.

#include "FuzzFolder.h"
#include "converter/Conversion.h"

#include <cstdio>
#include <iterator>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TFuzzFolder folder;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TLineList input, output;
    Text sourceDir, dedicatedField;

    const auto result = RunConversion(folder.Write("Morvo53.ini", bytes), input, output, sourceDir, dedicatedField);

    FUZZ_CHECK(result.Outcome == TConversionOutcome::Saved);
    FUZZ_CHECK(output.Count() >= 28);
    Text expected;
    for (std::size_t index = 0; index < output.Count(); ++index)
        expected.append(output.Strings(index)).append("\r\n");
    std::ifstream saved(folder / "Morvo54.ini", std::ios::binary);
    const Text savedBytes{std::istreambuf_iterator<char>(saved), std::istreambuf_iterator<char>()};
    FUZZ_CHECK(savedBytes == expected);
    FUZZ_CHECK(savedBytes.ends_with("\r\r\n"));
    FUZZ_CHECK(dedicatedField.starts_with("DedicatedOnly=") && dedicatedField.ends_with(","));
    return 0;
}
