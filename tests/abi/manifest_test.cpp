// The manifest the program of each release folder carries, as Windows reads it from
// the program's resources: the display scale it declares it handles itself (per monitor
// where Windows can, the system's scale on older systems) and its common controls.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// The manifest text embedded in the program: from "<assembly" to "</assembly>".
std::string EmbeddedManifest(const fs::path &program) {
    std::ifstream in(program, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::string all = bytes.str();
    const size_t begin = all.find("<assembly");
    const size_t end = all.find("</assembly>", begin);
    if (begin == std::string::npos || end == std::string::npos) return "";
    return all.substr(begin, end + 11 - begin);
}

// The text of the first element of that name in that namespace, inside `within`
// (an element name that must enclose it); "(missing)" when there is none.
std::string ElementText(const std::string &manifest, const std::string &within, const std::string &name,
                        const std::string &ns) {
    const size_t outer = manifest.find("<" + within);
    const size_t outerEnd = manifest.find("</" + within + ">", outer);
    if (outer == std::string::npos || outerEnd == std::string::npos) return "(missing)";
    const std::string open = "<" + name + " xmlns=\"" + ns + "\">";
    const size_t at = manifest.find(open, outer);
    if (at == std::string::npos || at > outerEnd) return "(missing)";
    const size_t text = at + open.size();
    return manifest.substr(text, manifest.find("</" + name + ">", text) - text);
}

const struct {
    const char *name, *dir;
} kBuilds[] = {{"32-bit", PTR_WIN32_BUILD_DIR}, {"64-bit", PTR_WIN64_BUILD_DIR}};

}  // namespace

TEST(ReleaseManifest, DeclaresPerMonitorAwarenessWithTheSystemAwareFallback) {
    int checked = 0;
    for (const auto &build : kBuilds) {
        const fs::path program = fs::path(build.dir) / "dist" / "ptrmain.exe";
        if (!*build.dir || !fs::exists(program)) continue;
        SCOPED_TRACE(build.name);
        ++checked;
        const std::string manifest = EmbeddedManifest(program);
        ASSERT_FALSE(manifest.empty()) << "no manifest in " << program;
        const struct {
            const char *within, *name, *ns, *text;
        } entries[] = {
            {"windowsSettings", "dpiAware", "http://schemas.microsoft.com/SMI/2005/WindowsSettings", "true"},
            {"windowsSettings", "dpiAwareness", "http://schemas.microsoft.com/SMI/2016/WindowsSettings",
             "PerMonitorV2, PerMonitor"},
        };
        for (const auto &e : entries) EXPECT_EQ(e.text, ElementText(manifest, e.within, e.name, e.ns)) << e.name;
        // The settings sit in the application element of the v3 assembly schema, where
        // Windows looks for them.
        EXPECT_NE(std::string::npos, manifest.find("<application xmlns=\"urn:schemas-microsoft-com:asm.v3\">"));
        EXPECT_NE(std::string::npos, manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
    }
    if (!checked) GTEST_SKIP() << "no Windows build with a release folder";
}
