// Replays every file of a fuzz target's corpus through the target, as an ordinary test.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

TEST(FuzzCorpus, EveryInputRunsCleanly) {
    namespace fs = std::filesystem;
    ASSERT_TRUE(fs::is_directory(PTR_FUZZ_CORPUS)) << PTR_FUZZ_CORPUS;
    size_t count = 0;
    for (const auto &entry : fs::directory_iterator(PTR_FUZZ_CORPUS)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        SCOPED_TRACE(entry.path().string());
        EXPECT_EQ(0, LLVMFuzzerTestOneInput(bytes.data(), bytes.size()));
        ++count;
    }
    EXPECT_GT(count, 0u);
}
