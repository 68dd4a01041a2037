// A file loads into the lines that a plain reading of its line breaks gives, and saving and
// loading again keeps them; a line limit keeps the first lines.

#include "FuzzFolder.h"
#include "core/LineList.h"

#include <cstdio>
#include <vector>

namespace {

// Each CR LF, lone CR and lone LF ends a line; the end of the file ends a begun line.
std::vector<Text> PlainLines(std::string_view bytes)
{
    std::vector<Text> lines;
    Text line;
    bool begun = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char byte = bytes[i];
        if (byte == '\r' || byte == '\n') {
            lines.push_back(line);
            line.clear();
            begun = false;
            if (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            line += byte;
            begun = true;
        }
    }
    if (begun)
        lines.push_back(line);
    return lines;
}

std::vector<Text> LinesOf(const TLineList& list)
{
    std::vector<Text> lines;
    for (std::size_t index = 0; index < list.Count(); ++index)
        lines.emplace_back(list.Strings(index));
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TFuzzFolder folder;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<Text> expected = PlainLines(bytes);

    TLineList list;
    list.LoadFromFile(folder.Write("in.ini", bytes));
    FUZZ_CHECK(LinesOf(list) == expected);
    FUZZ_CHECK(list.Strings(list.Count()).empty());

    list.SaveToFile(folder / "out.ini");
    TLineList again;
    again.LoadFromFile(folder / "out.ini");
    FUZZ_CHECK(LinesOf(again) == expected);

    const std::size_t limit = size % 5;
    TLineList limited;
    limited.LoadFromFile(folder / "in.ini", limit);
    FUZZ_CHECK(limited.Count() == std::min(limit, expected.size()));
    for (std::size_t index = 0; index < limited.Count(); ++index)
        FUZZ_CHECK(limited.Strings(index) == expected[index]);
    return 0;
}
