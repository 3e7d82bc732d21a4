// Copies that password managers mark private, copied in another program while the real
// program watches: they run no watch action, keep their marks through what a function
// asked for explicitly writes back, are never joined in and never reach the disk.
#include <gtest/gtest.h>

#include <sstream>

#include "e2e_support.h"
#include "private_copy.h"
#include "program_settings.h"

using e2e::ProgramFolder;
using Blocks = std::vector<std::pair<UINT, std::string>>;

namespace {

UINT Format(const char *name) { return RegisterClipboardFormatA(name); }
std::string Dword(DWORD value) { return std::string(reinterpret_cast<const char *>(&value), sizeof value); }
std::string Text(const std::string &text) { return text + '\0'; }

// The marks as the password managers set them.
struct Marker {
    const char *name;
    Blocks marks;
};
const Marker kKeePass{"KeePass",
                      {{Format(tlx::kViewerIgnoreFormat), Text("KeePass")},
                       {Format(tlx::kExcludeFromMonitorFormat), Text("1")},
                       {Format(tlx::kCanIncludeInHistoryFormat), Dword(0)},
                       {Format(tlx::kCanUploadToCloudFormat), Dword(0)}}};
const Marker kKeePassXC{"KeePassXC", {{Format(tlx::kExcludeFromMonitorFormat), Text("1")}}};
const Marker kBitwarden{"Bitwarden",
                        {{Format(tlx::kCanIncludeInHistoryFormat), Dword(0)},
                         {Format(tlx::kCanUploadToCloudFormat), Dword(0)}}};
const Marker kAllowed{"history allowed", {{Format(tlx::kCanIncludeInHistoryFormat), Dword(1)}}};

const UINT kExtraFormat = Format("Porterica Test Extra");

bool CopyMarked(const std::string &text, const Marker &marker) {
    Blocks blocks{{CF_TEXT, Text(text)}, {kExtraFormat, "extra"}};
    blocks.insert(blocks.end(), marker.marks.begin(), marker.marks.end());
    return ptrtest::SetClipboardBlocks(blocks);
}

// Every mark of the marker is on the clipboard with its data.
void ExpectMarks(const Marker &marker, int line) {
    for (const auto &[format, bytes] : marker.marks) {
        const std::optional<std::string> block = ptrtest::GetClipboardBlock(format);
        ASSERT_TRUE(block.has_value()) << marker.name << " mark " << format << " lost (line " << line << ")";
        EXPECT_EQ(block->substr(0, bytes.size()), bytes) << marker.name << " mark " << format << " (line " << line << ")";
    }
}

// Watching, with these actions on text.
std::string Settings(const std::string &main, const std::vector<ptrtest::WatchAction> &actions) {
    return ptrtest::QuietMain(true, main) + ptrtest::WatchSection(actions);
}

struct Privacy : ::testing::Test {
    ProgramFolder program;
    void SetUp() override {
        program.AddProbe("tlxProbe", "Probe");
        program.AddPlugin("tlxText.tlx");
        program.AddPlugin("tlxInternet.tlx");
    }
    void TearDown() override { ptrtest::SetClipboardText("clean"); }
    // The probe's calls once `count` have come and no more follow for a while.
    size_t SettledCalls(size_t count) { return program.SettledCalls("tlxProbe", count, 700).size(); }
    bool HasExtraFormat() const { return ptrtest::GetClipboardBlock(kExtraFormat).has_value(); }
};

}  // namespace

TEST_F(Privacy, WatchingLeavesPrivateCopiesAloneAndGoesOnWithTheNext) {
    program.WriteSettings(Settings("", {{"tlxText.tlx/1/1"}, {"tlxProbe.tlx/1/1"}}));
    ASSERT_TRUE(program.Start());
    size_t calls = 0;
    for (const Marker *marker : {&kKeePass, &kKeePassXC, &kBitwarden}) {
        ASSERT_TRUE(CopyMarked("secret", *marker));
        ptrtest::PumpFor(700);
        EXPECT_TRUE(HasExtraFormat()) << marker->name << ": the copy stays as the other program left it";
        ExpectMarks(*marker, __LINE__);
        ASSERT_TRUE(ptrtest::SetClipboardText("ordinary"));
        ++calls;
        EXPECT_EQ(SettledCalls(calls), calls) << marker->name << ": only the ordinary copy ran the actions";
    }
    ASSERT_TRUE(CopyMarked("shared", kAllowed));
    ++calls;
    EXPECT_EQ(SettledCalls(calls), calls) << "a copy allowed in the history is an ordinary copy";
    EXPECT_FALSE(HasExtraFormat()) << "text only ran on it";
    ExpectMarks(kAllowed, __LINE__);
}

TEST_F(Privacy, WithTheRuleOffWatchingHandlesThemAndTheirMarksStay) {
    program.WriteSettings(Settings("IgnorePrivate= 0\r\n", {{"tlxText.tlx/1/1"}, {"tlxProbe.tlx/1/1"}}));
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(CopyMarked("secret", kKeePass));
    EXPECT_EQ(SettledCalls(1), 1u);
    EXPECT_FALSE(HasExtraFormat());
    EXPECT_EQ(ptrtest::GetClipboardText(), "secret");
    ExpectMarks(kKeePass, __LINE__);
}

TEST_F(Privacy, AFunctionAskedForRunsOnAPrivateCopyAndKeepsItsMarks) {
    program.WriteSettings(Settings("", {{"tlxProbe.tlx/1/1"}}));
    ASSERT_TRUE(program.Start());
    for (const Marker *marker : {&kKeePass, &kKeePassXC, &kBitwarden}) {
        ASSERT_TRUE(CopyMarked("secret", *marker));
        EXPECT_EQ(program.Run("/Execute:1:tlxText.tlx/1/1").Wait(), 0);
        EXPECT_TRUE(ptrtest::PumpUntil([&] { return !HasExtraFormat(); })) << marker->name << ": text only ran";
        EXPECT_EQ(ptrtest::GetClipboardText(), "secret") << marker->name;
        ExpectMarks(*marker, __LINE__);
    }
    EXPECT_EQ(SettledCalls(0), 0u) << "and watching never ran";
}

TEST_F(Privacy, APrivateCopyIsNeverJoinedInNorStartsAJoin) {
    program.WriteSettings(Settings("", {{"tlxText.tlx/4/1"}, {"tlxProbe.tlx/1/1"}}));
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(ptrtest::SetClipboardText("first"));
    ASSERT_EQ(SettledCalls(1), 1u);
    ASSERT_TRUE(CopyMarked("secret", kBitwarden));
    ptrtest::PumpFor(700);   // a change that comes while the last is handled is dropped
    ASSERT_TRUE(ptrtest::SetClipboardText("second"));
    ASSERT_EQ(SettledCalls(2), 2u);
    const std::string joined = ptrtest::GetClipboardText();
    EXPECT_NE(joined.find("first"), std::string::npos) << joined;
    EXPECT_NE(joined.find("second"), std::string::npos) << joined;
    EXPECT_EQ(joined.find("secret"), std::string::npos) << joined;

    // Asked for on a private copy with nothing kept, the join writes it back marked and keeps nothing.
    EXPECT_EQ(program.Run("/Execute:1:tlxText.tlx/5/1").Wait(), 0);
    ASSERT_TRUE(CopyMarked("secret", kKeePassXC));
    EXPECT_EQ(program.Run("/Execute:1:tlxText.tlx/4/1").Wait(), 0);
    EXPECT_TRUE(ptrtest::PumpUntil([&] { return !HasExtraFormat(); })) << "the join ran";
    EXPECT_EQ(ptrtest::GetClipboardText(), "secret");
    ExpectMarks(kKeePassXC, __LINE__);
    ASSERT_TRUE(ptrtest::SetClipboardText("third"));
    ASSERT_EQ(SettledCalls(3), 3u);
    EXPECT_EQ(ptrtest::GetClipboardText(), "third") << "nothing was kept to join it to";
}

TEST_F(Privacy, APrivateClipboardAtQuitIsNotSavedAndNotRestored) {
    const std::string folder = program.Path() + "Plugins\\tlxText\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(ptrtest::WriteFileBytes(folder + "Setting.ini", "[Main]\r\nDataSave=1\r\n"));
    ASSERT_TRUE(ptrtest::WriteFileBytes(folder + "_datalog", "saved before"));
    program.WriteSettings(Settings("", {}));
    ASSERT_TRUE(program.Start());
    EXPECT_TRUE(ptrtest::PumpUntil([] { return ptrtest::GetClipboardText() == "saved before"; }))
        << "restored at the start";
    ASSERT_TRUE(CopyMarked("secret", kKeePass));
    program.Stop();
    EXPECT_EQ(ptrtest::ReadFileBytes(folder + "_datalog"), "saved before") << "the private text never reached the disk";
    EXPECT_EQ(ptrtest::ReadFileBytes(folder + "_datalog.utf8").find("secret"), std::string::npos);

    ASSERT_TRUE(ptrtest::SetClipboardText("in between"));
    ASSERT_TRUE(program.Start());
    EXPECT_TRUE(ptrtest::PumpUntil([] { return ptrtest::GetClipboardText() == "saved before"; }))
        << ptrtest::GetClipboardText();
}

TEST_F(Privacy, TheAddressChecksAnswerNoOnAPrivateCopyEvenWithTheRuleOff) {
    // The last action runs on every copy: once it has, the checks of that copy are done.
    program.WriteSettings(Settings("IgnorePrivate= 0\r\n", {{"tlxProbe.tlx/1/1", "tlxInternet.tlx/4/1"},
                                                            {"tlxProbe.tlx/1/2", "tlxInternet.tlx/5/1"},
                                                            {"tlxProbe.tlx/1/3"}}));
    ASSERT_TRUE(program.Start());
    const struct {
        bool isPrivate;
        const char *text;
        size_t callsAfter;
    } copies[] = {
        {true, "http://example.com/secret", 1},
        {true, "someone@example.com", 2},
        {false, "http://example.com/open", 4},
        {false, "someone@example.com", 6},
    };
    for (const auto &copy : copies) {
        ASSERT_TRUE(copy.isPrivate ? CopyMarked(copy.text, kBitwarden) : ptrtest::SetClipboardText(copy.text));
        EXPECT_EQ(SettledCalls(copy.callsAfter), copy.callsAfter) << copy.text;
    }
    std::vector<std::string> calls = program.Calls("tlxProbe");
    for (std::string &call : calls) call = call.substr(0, 10);
    EXPECT_EQ(calls, (std::vector<std::string>{"Func 1 3 1", "Func 1 3 1", "Func 1 1 1", "Func 1 3 1", "Func 1 2 1",
                                               "Func 1 3 1"}));
}

TEST_F(Privacy, TheProgramsLookAtEachCopyIsHandedToThePlugins) {
    // Record, Rewrite (a new copy the program has not looked at), Record again, on every copy.
    program.WriteSettings(Settings("IgnorePrivate= 0\r\n",
                                   {{"tlxProbe.tlx/1/1"}, {"tlxProbe.tlx/4/1"}, {"tlxProbe.tlx/1/2"}}));
    ASSERT_TRUE(program.Start());
    const auto looks = [&] {
        std::vector<std::string> lines;
        std::istringstream in(ptrtest::ReadFileBytes(program.Path() + "Plugins\\tlxProbe.look"));
        for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.find('\r')));
        return lines;
    };
    ASSERT_TRUE(ptrtest::SetClipboardText("ordinary"));
    ASSERT_EQ(SettledCalls(3), 3u);
    ASSERT_TRUE(CopyMarked("secret", kBitwarden));
    ASSERT_EQ(SettledCalls(6), 6u);
    EXPECT_EQ(looks(), (std::vector<std::string>{"current private=0", "current private=0", "none", "current private=1",
                                                 "current private=1", "none"}));
    EXPECT_EQ(program.Run("/Execute:1:tlxProbe.tlx/1/1").Wait(), 0);
    ASSERT_EQ(SettledCalls(7), 7u);
    EXPECT_EQ(looks().back(), "none") << "the program has not looked at what the rewrite put there";
}
