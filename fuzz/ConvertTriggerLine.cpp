// Any text gives a text that starts with the entry's head, then DedicatedField and "Filename=",
// holds "HideInMenu=" after them and ends with ")".

#include "FuzzFolder.h"
#include "converter/Conversion.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // The first byte says how much of the rest is the old Dedicated value.
    const std::size_t valueLength = input.empty() ? 0 : static_cast<unsigned char>(input[0]) % 8;
    const std::string_view rest = input.substr(input.empty() ? 0 : 1);
    const Text dedicatedField = "DedicatedOnly=" + Text(rest.substr(0, valueLength)) + ",";
    const Text entry(rest.substr(std::min(valueLength, rest.size())));

    const Text result = ConvertTriggerLine(entry, dedicatedField);

    const std::size_t marker = entry.find("SoundFilename=");
    const std::size_t headLength = marker == Text::npos ? 0 : marker;
    const Text fixed = dedicatedField + "Filename=";
    FUZZ_CHECK(result.compare(0, headLength, entry, 0, headLength) == 0);
    FUZZ_CHECK(result.compare(headLength, fixed.size(), fixed) == 0);
    FUZZ_CHECK(result.find("HideInMenu=", headLength + fixed.size()) != Text::npos);
    FUZZ_CHECK(result.back() == ')');
    FUZZ_CHECK(result.size() <= entry.size() + dedicatedField.size() + 21);
    return 0;
}
