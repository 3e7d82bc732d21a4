// The user guide and its pictures agree: every picture the guide shows is in the release
// folder, small; every window of the picture list is shown in the guide, each with a
// Japanese description for readers who cannot see it; the folder holds nothing else.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "guide_folder.h"
#include "guide_pictures.h"
#include "wine_support.h"

namespace {

struct Image {
    std::string src, alt;
};

// The value of attribute `name` in a tag's text; "" when it has none.
std::string Attribute(const std::string &tag, const std::string &name) {
    const std::string key = " " + name + "=\"";
    const size_t at = tag.find(key);
    if (at == std::string::npos) return "";
    const size_t start = at + key.size();
    return tag.substr(start, tag.find('"', start) - start);
}

// Every <img> of the guide, in order.
std::vector<Image> ImagesOf(const std::string &html) {
    std::vector<Image> images;
    for (size_t at = html.find("<img "); at != std::string::npos; at = html.find("<img ", at + 1)) {
        const std::string tag = html.substr(at, html.find('>', at) - at);
        images.push_back({Attribute(tag, "src"), Attribute(tag, "alt")});
    }
    return images;
}

const std::string kFolder = "guide/";

// The picture's name for a source of guide/NAME.png, "" for any other.
std::string PictureName(const std::string &src) {
    const bool picture = src.rfind(kFolder, 0) == 0 && src.size() > kFolder.size() + 4 &&
                         src.compare(src.size() - 4, 4, ".png") == 0;
    return picture ? src.substr(kFolder.size(), src.size() - kFolder.size() - 4) : "";
}

// Japanese text has characters beyond ASCII (the guide is UTF-8).
bool HasJapanese(const std::string &text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// The windows the guide explains, each with the picture that shows it: a window dropped
// from the guide or from the picture list fails here.
const struct {
    const char *window;
    const char *picture;
} kWindows[] = {
    {"settings window, basic page", "settings_basic"},
    {"settings window, watch page", "settings_watch"},
    {"settings window, hotkey page", "settings_hotkey"},
    {"settings window, menu page", "settings_menu"},
    {"settings window, plug-in page", "settings_plugin"},
    {"settings window, about page", "settings_about"},
    {"function selection", "select_function"},
    {"watch editor", "watch_editor"},
    {"hotkey editor", "hotkey_editor"},
    {"menu editor", "menu_editor"},
    {"shortcut editor", "shortcut_editor"},
    {"history window", "history_window"},
    {"phrase picker", "snippet_picker"},
    {"phrase editor", "snippet_editor"},
    {"phrase places", "snippet_places"},
    {"text plug-in settings", "text_datasave"},
    {"internet plug-in settings", "internet_search"},
    {"convert plug-in settings", "convert_program"},
    {"history plug-in settings", "history_settings"},
    {"tray menu", "tray_menu"},
    {"recipe: chat addresses opened", "recipe_chat_url"},
    {"recipe: half-width from a program", "recipe_halfwidth"},
    {"recipe: quotes by hotkey", "recipe_quote_hotkey"},
    {"recipe: PDF lines joined", "recipe_pdf_lines"},
    {"recipe: web search by hotkey", "recipe_search_hotkey"},
    {"recipe: Excel left alone", "recipe_excel"},
};

std::set<std::string> ListedPictures() {
    std::set<std::string> names;
    for (const guide::Picture &picture : guide::Pictures()) names.insert(picture.name);
    return names;
}

}  // namespace

TEST(Guide, EveryPictureItShowsIsAPictureOfTheReleaseFolder) {
    const std::vector<Image> images = ImagesOf(guide::GuideText());
    ASSERT_FALSE(images.empty());
    const std::vector<std::string> inFolder = guide::PicturesInFolder();
    for (const Image &image : images) {
        const std::string name = PictureName(image.src);
        EXPECT_FALSE(name.empty()) << image.src << ": the guide's pictures are guide/NAME.png";
        EXPECT_NE(std::find(inFolder.begin(), inFolder.end(), name), inFolder.end()) << image.src << " is missing";
        EXPECT_TRUE(HasJapanese(image.alt)) << image.src << " has no Japanese alt text";
    }
}

TEST(Guide, EveryWindowOfThePictureListIsShownInTheGuide) {
    std::set<std::string> shown;
    for (const Image &image : ImagesOf(guide::GuideText())) shown.insert(PictureName(image.src));
    for (const std::string &name : ListedPictures()) EXPECT_TRUE(shown.count(name)) << name << " is not in the guide";
}

TEST(Guide, EveryWindowItExplainsHasAPicture) {
    std::set<std::string> shown;
    for (const Image &image : ImagesOf(guide::GuideText())) shown.insert(PictureName(image.src));
    const std::set<std::string> listed = ListedPictures();
    const std::vector<std::string> inFolder = guide::PicturesInFolder();
    for (const auto &w : kWindows) {
        EXPECT_TRUE(shown.count(w.picture)) << w.window << ": the guide shows no " << w.picture;
        EXPECT_TRUE(listed.count(w.picture)) << w.window << ": " << w.picture << " is not taken";
        EXPECT_NE(std::find(inFolder.begin(), inFolder.end(), w.picture), inFolder.end())
            << w.window << ": " << w.picture << " is missing from the release folder";
    }
}

TEST(Guide, TheReleaseFolderHoldsTheListedPicturesSmall) {
    const std::set<std::string> listed = ListedPictures();
    for (const std::string &name : guide::PicturesInFolder()) EXPECT_TRUE(listed.count(name)) << name << " is not listed";
    size_t total = 0;
    for (const std::string &name : listed) {
        const std::string png = ptrtest::ReadFileBytes(guide::PictureFolder() + name + ".png");
        ASSERT_GT(png.size(), 26u) << name << " is missing";
        EXPECT_EQ(png[25], 3) << name << " is not a palette picture";   // the colour type in IHDR
        EXPECT_LT(png.size(), 60u * 1024) << name;
        total += png.size();
    }
    EXPECT_LT(total, 600u * 1024) << "the release zip carries them all";
}
