// Files that someone else holds for a while — a sync client bringing them down, a virus
// scanner, another program — are read again a moment later instead of being taken for
// damaged or missing; what could not be read is never replaced by a save, and the user
// is told once.
#pragma once
#include <windows.h>

#include <string>

namespace tlx {

struct FileRead {
    enum class Outcome {
        kRead,
        kMissing,   // no such file (or folder)
        kHeld,      // there, but it could not be read: held, locked, not brought down yet
    };
    Outcome outcome = Outcome::kMissing;
    std::string bytes;
};

// How long a reader waits for a held file before it does without.
inline constexpr DWORD kHeldPatienceMs = 1000;

// The whole file, tried again with growing pauses while it is held, for up to patienceMs.
FileRead ReadWhenFree(const std::string &path, DWORD patienceMs = kHeldPatienceMs);

// A balloon of the host with this text, or a message where the host shows none; once per
// run for each key.
void TellOnce(const std::string &key, const char *title, const std::string &text);

// A message, as the plug-in quits, that what it holds of `what` ("定型文") could not be
// saved to `path`: nothing the user made is dropped without a word.
void TellNotSaved(const std::string &what, const std::string &path);

}  // namespace tlx
