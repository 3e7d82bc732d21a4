// The plug-in-wide paste options, as kept in the [Main] section of its Setting.ini.
#pragma once

#include "profile_store.h"

namespace tlxsnippet {

struct SnippetOptions {
    // The clipboard gets back what it held once the target has taken the paste.
    bool restoreClipboard = true;
    // A pasted phrase is marked so that no clipboard history records it.
    bool keepOutOfHistory = true;

    void Load(tlx::ProfileStore &store);
    void Save(tlx::ProfileStore &store) const;
};

}  // namespace tlxsnippet
