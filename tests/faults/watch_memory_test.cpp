// Weeks of copies in a couple of minutes: every copy a watch action handles must leave
// the program's own memory (RssAnon of its Wine process) as it found it.
#include <gtest/gtest.h>

#include <cctype>

#include "fault_support.h"
#include "handled_copies.h"
#include "pump.h"
#include "settings_text.h"
#include "unix_proc.h"

using ptrbench::CopyKindInfo;

namespace {

// The first copies settle what is made once (caches of the system and of the
// plug-ins); the later ones are the measured stretch.
constexpr int kSettlingCopies = 200;
constexpr int kMeasuredCopies = 1500;
// A copy may go unhandled when the plug-in finds the clipboard held too long (Wine's
// X bridge reads it after every change): a few are no fault, and not waited for long.
constexpr DWORD kHandledWithinMs = 3000;
constexpr int MostOf(int copies) { return copies - copies / 20; }
// Generous for a noisy machine (about 700 bytes a copy), where a leak of 4 KiB a
// copy would pass it six times over.
constexpr uint64_t kAllowedGrowthKb = 1024;

class WatchMemory : public faults::ProgramTest, public testing::WithParamInterface<CopyKindInfo> {
protected:
    uint64_t OwnKb() const {
        ptrbench::PumpFor(500);   // what the last copy started has ended
        return ptrbench::SampleUnixProcess(pid_).rssAnonKb;
    }
    int pid_ = 0;
};

TEST_P(WatchMemory, HandledCopiesLeaveNoMemoryBehind) {
    folder.AddReleasePlugin("tlxText.tlx");
    folder.WriteSettings(ptrbench::SettingsIni(ptrbench::WatchActionsFor(GetParam().kind)));
    StartProgram();
    pid_ = ptrbench::FindUnixProcess(folder.Path() + "ptrmain.exe", "/Execute");
    ASSERT_GT(pid_, 0) << "the program's Linux process";
    ptrbench::HandledCopies copies(GetParam().kind, board);
    ASSERT_GE(copies.Make(kSettlingCopies, kHandledWithinMs), MostOf(kSettlingCopies));
    const uint64_t settled = OwnKb();
    ASSERT_GE(copies.Make(kMeasuredCopies, kHandledWithinMs), MostOf(kMeasuredCopies));
    const uint64_t later = OwnKb();
    EXPECT_LE(later, settled + kAllowedGrowthKb)
        << GetParam().label << ": " << settled << " KiB after " << kSettlingCopies << " copies, " << later
        << " KiB after " << kMeasuredCopies << " more";
}

std::string KindName(const testing::TestParamInfo<CopyKindInfo> &info) {
    std::string name;
    for (const char *c = info.param.label; *c; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
    return name;
}

INSTANTIATE_TEST_SUITE_P(EachKind, WatchMemory, testing::ValuesIn(ptrbench::kCopyKinds), KindName);

}  // namespace
