#include "recorded_history.h"

#include "history_file.h"

namespace historytest {

std::vector<std::u16string> RecordedTexts(const e2e::ProgramFolder &program, const std::vector<std::u16string> &expected) {
    std::vector<std::u16string> texts;
    ptrtest::PumpUntil([&] {
        texts.clear();
        const auto parsed =
            tlxhistory::ParseHistory(ptrtest::ReadFileBytes(program.Path() + "Plugins\\tlxHistory\\History.dat"));
        for (const auto &entry : parsed.value_or(std::vector<tlxhistory::HistoryEntry>{}))
            texts.push_back(tlxhistory::Utf16FromBytes(entry.data));
        return texts == expected;
    }, 8000);
    return texts;
}

}  // namespace historytest
