// The baselines: small processes that do by themselves, as directly as Windows allows,
// what ptrmain is measured doing. They are this program started again with
// "--child=NAME args...".
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace ptrbench {

// Runs the child mode named by argv[1] ("--child=NAME"); -1 when argv names none.
int RunChildMode(int argc, char **argv);

// A child of this program, ended (by its quit event, or by force) when it goes.
class Child {
public:
    // Starts "--child=name args..." and waits until it reports ready (if it has a ready
    // event) or up to 10 s.
    Child(const std::string &name, const std::vector<std::string> &args = {}, bool waitReady = true);
    ~Child();
    Child(const Child &) = delete;
    Child &operator=(const Child &) = delete;
    bool Ok() const { return process_ != nullptr && ready_; }
    HANDLE Process() const { return process_; }
    // A text unique to this child's command line.
    const std::string &Token() const { return token_; }
    // Asks it to end and waits.
    void Finish();

private:
    HANDLE process_ = nullptr;
    HANDLE quit_ = nullptr;
    HANDLE readyEvent_ = nullptr;
    bool ready_ = false;
    std::string token_;
};

// This program's path.
std::string SelfPath();

}  // namespace ptrbench
