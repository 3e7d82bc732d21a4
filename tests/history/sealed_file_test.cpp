// The sealed history file's layout: what is in the clear and what the parts are.
#include <gtest/gtest.h>

#include <string>

#include "sealed_history.h"

namespace {

using tlxhistory::SealedPartsOf;

const std::string kKey = "sealed key bytes";
const std::string kNonce = "nonce 12 byt";
const std::string kEncrypted = "encrypted history";
const std::string kTag = "tag of 16 bytes.";

std::string File() { return tlxhistory::SealedHeader(kKey, kNonce) + kEncrypted + kTag; }

TEST(SealedFile, PartsComeBackAsWritten) {
    const std::string file = File();
    ASSERT_TRUE(tlxhistory::LooksSealed(file));
    const auto parts = SealedPartsOf(file);
    ASSERT_TRUE(parts.has_value());
    EXPECT_EQ(kKey, parts->protectedKey);
    EXPECT_EQ(kNonce, parts->nonce);
    EXPECT_EQ(kEncrypted, parts->encrypted);
    EXPECT_EQ(kTag, parts->tag);
    EXPECT_EQ(file.substr(0, file.size() - kEncrypted.size() - kTag.size()), parts->header);
    // Nothing encrypted: a history of no entries still has a tag.
    const auto empty = SealedPartsOf(tlxhistory::SealedHeader(kKey, kNonce) + kTag);
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ("", empty->encrypted);
}

TEST(SealedFile, FilesNotOfThisLayoutAreRefused) {
    const std::string file = File();
    const struct {
        const char *name;
        std::string file;
        bool looksSealed;
    } cases[] = {
        {"a plain history", std::string("PTRHIST\0\3\0\0\0", 12), false},
        {"empty", "", false},
        {"signature alone", "PTRHSEAL", true},
        {"newer version", file.substr(0, 8) + '\x02' + file.substr(9), true},
        {"key longer than the file", file.substr(0, 12) + '\xff' + file.substr(13), true},
        {"huge key length", file.substr(0, 12) + "\xff\xff\xff\xff" + file.substr(16), true},
        {"no room for the tag", tlxhistory::SealedHeader(kKey, kNonce) + "short", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.looksSealed, tlxhistory::LooksSealed(c.file));
        EXPECT_FALSE(SealedPartsOf(c.file).has_value());
    }
}

}  // namespace
