// Where the user guide and its pictures are: Readme.html of the sources, and the
// pictures in guide\ of the release folder, where the release zip takes them from.
#pragma once
#include <string>
#include <vector>

namespace guide {

// The folder of the pictures, with a backslash; made when missing.
std::string PictureFolder();
// The names (without ".png") of the pictures in the folder.
std::vector<std::string> PicturesInFolder();
// The guide's text.
std::string GuideText();

// Writes a window's picture small: the few colours a window has in a palette, without
// dithering so that text stays sharp, written whole or not at all. False when no
// picture came.
bool Shrink(const std::string &raw, const std::string &small);

}  // namespace guide
