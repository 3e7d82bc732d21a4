// The splash window of start-up: the product name, the copyright line, the current
// step and two colour bars that move one step per progress report. It also shows the
// messages that start-up has for the user, so progress and messages share one call.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "app_state.h"
#include "bound_window.h"
#include "dpi_scale.h"
#include "vbBitmap.h"

namespace ptr {

class frmSplash : public BoundWindow, public ProgressSink {
public:
    frmSplash() = default;
    ~frmSplash() override;

    // Creates the window (not yet shown); false when it could not be created.
    bool Load();

    // Dialog false: shows Info, draws the bars and moves them by SlideValue; 1.
    // Dialog true: a message box of style DialogType; its answer. Nothing moves.
    int32_t SetInformation(const std::string &Info, bool Dialog, UINT DialogType, int16_t SlideValue);
    void Show(const std::string &text, bool asMessage, UINT style, int step) override {
        SetInformation(text, asMessage, style, static_cast<int16_t>(step));
    }

    int SlidePos() const { return slidePos_; }
    // The window's persistent image (what it paints).
    const vbBitmap &Image() const { return image_; }

private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void Form_Load();
    void Form_Paint();
    // Moved to a monitor of another resolution: labels, fonts and image made again.
    void Form_DpiChanged(int dpi, const RECT &suggested);
    // Pixels of the design at the monitor's resolution, enlarged in help mode.
    double Factor() const;
    int Scaled(double pixels) const;
    // Twips of the form (15 to a pixel), scaled likewise.
    int Tw(int twips) const { return Scaled(twips / 15.0); }
    void DrawImage();
    void DrawTitles();
    void DrawBars(int pos);

    vbBitmap strip_;   // the colour strip, stretched to the bars' size
    vbBitmap image_;   // what the window shows under its labels
    HFONT textFont_ = nullptr;
    int slidePos_ = 0;   // SlidePos
    int barsPos_ = -1;   // the slide position the image's bars show; -1 none yet
    int dpi_ = tlx::kDesignDpi;   // of the monitor the window is on
};

// Start-up: shows the splash window when SplashShow is on and lets it paint.
void ShowSplash();
// End of start-up: closes the splash window, if one is up.
void CloseSplash();

}  // namespace ptr
