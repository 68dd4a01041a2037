// Any file and any query give a value no longer than the reader's limit, the same on every read.
// The input's first line is the query, "section TAB key TAB default"; the rest is the file.

#include "FuzzFolder.h"
#include "core/ProfileReader.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TFuzzFolder folder;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t queryEnd = std::min(input.find('\n'), input.size());
    std::string_view query = input.substr(0, queryEnd);
    const std::string_view file = input.substr(std::min(queryEnd + 1, input.size()));

    std::string_view fields[3];
    for (auto& field : fields) {
        const std::size_t tab = std::min(query.find('\t'), query.size());
        field = query.substr(0, tab);
        query.remove_prefix(std::min(tab + 1, query.size()));
    }

    const TProfileReader reader(folder.Write("Morvo53.ini", file));
    const Text value = reader.ReadString(fields[0], fields[1], fields[2]);
    FUZZ_CHECK(value.size() <= TProfileReader::MaxValueLength);
    FUZZ_CHECK(reader.ReadString(fields[0], fields[1], fields[2]) == value);
    return 0;
}
