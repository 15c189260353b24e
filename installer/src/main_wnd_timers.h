#pragma once

#include <windows.h>

// The main window's timers, all kept by its root control "winCtn".
namespace MainWndTimer {

// Turns the progress page's background carousel, for products with a fast
// carousel.
inline constexpr UINT kFastCarousel = 5669;
inline constexpr UINT kFastCarouselMs = 3500;
// Turns the carousel when the skin has buttons for it.
inline constexpr UINT kCarousel = 4396;
inline constexpr UINT kCarouselMs = 10000;
// After a successful installation: bring the window to the front, and
// close it, after the delays the package asked for.
inline constexpr UINT kTopShow = 10;
inline constexpr UINT kFinishClose = 11;

}  // namespace MainWndTimer
