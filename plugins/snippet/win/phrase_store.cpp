#include "phrase_store.h"

#include "file_bytes.h"
#include "module_folder.h"
#include "phrase_file.h"

namespace tlxsnippet {

std::string PhrasesFile() { return tlx::PluginFolderOf(tlx::OwnModule()) + "Phrases.txt"; }

PhraseBook LoadPhrases(const std::string &file) {
    if (!tlx::FileExists(file)) return {};
    const std::optional<std::string> bytes = tlx::ReadFileBytes(file);
    std::optional<PhraseBook> book = bytes ? ReadPhraseFile(*bytes) : std::nullopt;
    if (book) return std::move(*book);
    // Out of the way before the next save replaces it.
    tlx::SetAsideDamaged(file);
    return {};
}

bool SavePhrases(const std::string &file, const PhraseBook &book) {
    const std::string folder = file.substr(0, file.find_last_of('\\') + 1);
    return tlx::EnsureFolder(folder) && tlx::ReplaceFileBytes(file, WritePhraseFile(book));
}

}  // namespace tlxsnippet
