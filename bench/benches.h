// The benchmarks of the resident program, each printing its own figures.
#pragma once
#include <string>
#include <vector>

#include "stats.h"

namespace ptrbench {

// A build of the program to measure: its release folder and how its rows are labelled.
struct Program {
    std::string label;     // "" when only one is measured
    std::string distDir;   // ends in a backslash
    bool earlier = false;  // the build before (--before), whose files may be of earlier versions
};

struct Options {
    int changes = 1000;      // clipboard changes per latency series
    int warmup = 20;         // unmeasured changes or starts before each series
    int executeRuns = 40;    // second starts per series
    int startupRuns = 5;     // starts per start-up configuration
    int idleSeconds = 60;
    // The start-up, /Execute and questions phases measure each in turn, in the same run: an older
    // build first when one is given (--before), then the one built with this program.
    std::vector<Program> programs;
};

void RunWatchLatency(const Options &options);
void RunExecuteRoundTrip(const Options &options);
void RunStartUp(const Options &options);
void RunIdle(const Options &options);
void RunHistory(const Options &options);
void RunSequentialPaste(const Options &options);
void RunSnippet(const Options &options);
void RunPasteOwner(const Options &options);
void RunMemory(const Options &options);
// relayLog: the file this program's error output goes to.
void RunClipboardQuestions(const Options &options, const std::string &relayLog);

// Output: a heading, then rows of figures in milliseconds.
void Heading(const std::string &title);
void Note(const std::string &text);
void Row(const std::string &label, const Summary &summary);
void Failure(const std::string &what);

// The probe plug-in built beside this program.
std::string ProbePluginPath();
inline constexpr const char *kProbeFile = "benchprobe.tlx";
inline constexpr const char *kProbeStamp = "benchprobe.tlx/1/1";
inline constexpr const char *kProbeAccept = "benchprobe.tlx/2/1";

}  // namespace ptrbench
