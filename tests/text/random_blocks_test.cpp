// Random blocks of every small size, each in a heap buffer of exactly its
// size, so that a sanitizer build catches any read past the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

#include "drop_files.h"
#include "html_decode.h"

namespace {

template <typename Check>
void ForRandomBlocks(Check check) {
    std::mt19937 random(12345);
    // Few distinct byte values, so that NULs, lead and continuation bytes meet often.
    const unsigned char alphabet[] = {0x00, 0x14, 0x41, 0x80, 0xBF, 0xC3, 0xE6, 0xF0, 0xF4, 0xFF};
    for (int round = 0; round < 20000; ++round) {
        const size_t size = random() % 48;
        std::unique_ptr<unsigned char[]> block(new unsigned char[size]);
        for (size_t i = 0; i < size; ++i) block[i] = alphabet[random() % std::size(alphabet)];
        if (round % 2 && size >= 20) {  // a file-list header pointing just past itself
            const unsigned char header[4] = {0x14, 0, 0, 0};
            std::copy(header, header + 4, block.get());
            block[16] = round % 4 == 1;
        }
        check(block.get(), size);
    }
}

TEST(RandomBlocks, HtmlDecoderStaysInsideTheBlock) {
    ForRandomBlocks([](const unsigned char *data, size_t size) {
        const std::u16string text = tlxtext::DecodeHtmlBlock(data, size);
        ASSERT_LE(text.size(), size);
        ASSERT_EQ(std::u16string::npos, text.find(u'\0'));
    });
}

TEST(RandomBlocks, FileListCheckStaysInsideTheBlock) {
    ForRandomBlocks([](const unsigned char *data, size_t size) {
        const tlxtext::DropFilesLayout layout = tlxtext::InspectDropFiles(data, size);
        if (layout.valid) {
            ASSERT_LE(20 + layout.count * 2, size);
        }
    });
}

}  // namespace
