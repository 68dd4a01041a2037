#include "converter/Conversion.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

// Each case is a pair of files in golden/: <case>.old.ini, an old file, and <case>.new.ini, the
// exact bytes of the "Morvo54.ini" it must give.

namespace {

const std::string OldSuffix = ".old.ini";

std::vector<std::string> GoldenCases()
{
    std::vector<std::string> cases;
    for (const auto& entry : std::filesystem::directory_iterator(MORVO_GOLDEN)) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(OldSuffix))
            cases.push_back(name.substr(0, name.size() - OldSuffix.size()));
    }
    std::sort(cases.begin(), cases.end());
    return cases;
}

class GoldenFile : public testing::TestWithParam<std::string> {};

} // namespace

TEST_P(GoldenFile, ConvertsToTheExpectedBytes)
{
    const std::string golden = std::string(MORVO_GOLDEN) + "/" + GetParam();
    const TTempFolder folder;
    const Text oldFile = folder.Write("Morvo53.ini", ReadFileBytes(golden + OldSuffix));
    TLineList input, output;
    Text sourceDir, dedicatedField;

    const auto result = RunConversion(oldFile, input, output, sourceDir, dedicatedField);

    EXPECT_EQ(result.Outcome, TConversionOutcome::Saved);
    EXPECT_EQ(result.Message, "Saved as Morvo54.ini");
    EXPECT_EQ(ReadFileBytes(folder / "Morvo54.ini"), ReadFileBytes(golden + ".new.ini"));
    EXPECT_EQ(folder.Listing(), "Morvo53.ini Morvo54.ini");
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenFile, testing::ValuesIn(GoldenCases()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });
