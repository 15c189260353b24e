#pragma once

// What each page of the main window looks like and the background carousel
// of the progress page: plain rules the window applies to its controls.

#include <optional>
#include <string>

// Pages of "mainTabLt".
enum MainPage : int {
    kDefaultInstallPage = 0,
    kCustomInstallPage = 1,
    kProgressPage = 2,
    kFinishedPage = 3,
};

struct PageLook {
    const wchar_t* background;      // image of "winCtn"
    std::optional<int> titlePage;   // page of "titleTabLt"; none: unchanged
    bool stopsCarousel = false;     // kill timers 5669 and 4396
    bool showsTitleButtons = true;  // "titleGrpCtn" (minimise, close)
    bool showsInstallLogo = false;  // "installLogo"
    bool showsBackButton = false;   // "backBtn"
    bool playsProgressAnimation = false;
    bool playsFinishedAnimation = false;  // also stops the progress animation
};

// The look of `page`; none for an index outside the four pages.
std::optional<PageLook> LookOfPage(int page);

// The carousel starts here; its image index is the position modulo 4.
inline constexpr int kCarouselStart = 127;

// The background for carousel `position`, or none for a negative position
// (the remainder then keeps the dividend's sign).
const wchar_t* CarouselImage(int position);

// Product numbers whose progress page turns the carousel every 3.5 seconds.
bool HasFastCarousel(int productNumber);
inline constexpr int kProductNumber = 501;
