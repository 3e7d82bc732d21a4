// The common controls' window classes, registered before the program makes its first
// window. The library that has them is loaded on first call (delay-loaded), so a start
// that makes no window (an "/Execute:" start hands its request over) never loads it.
#pragma once

namespace ptr {

void LoadCommonControls();

}  // namespace ptr
