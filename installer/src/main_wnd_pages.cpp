#include "installer/src/main_wnd_pages.h"

#include <algorithm>
#include <iterator>

std::optional<PageLook> LookOfPage(int page) {
    PageLook look{};
    switch (page) {
        case kDefaultInstallPage:
            look.background = L"res\\mainWnd\\bg1.png";
            look.titlePage = 1;
            look.stopsCarousel = true;
            return look;
        case kCustomInstallPage:
            look.background = L"res\\mainWnd\\bg2.png";
            look.titlePage = 1;
            look.stopsCarousel = true;
            look.showsBackButton = true;
            return look;
        case kProgressPage:
            look.background = L"res\\mainWnd\\bg3.png";
            look.showsTitleButtons = false;
            look.showsInstallLogo = true;
            look.playsProgressAnimation = true;
            return look;
        case kFinishedPage:
            look.background = L"res\\mainWnd\\bg4.png";
            look.titlePage = 2;
            look.playsFinishedAnimation = true;
            return look;
        default:
            return std::nullopt;
    }
}

const wchar_t* CarouselImage(int position) {
    static constexpr const wchar_t* kImages[] = {L"res\\mainWnd\\ab1.png", L"res\\mainWnd\\ab2.png",
                                                 L"res\\mainWnd\\ab3.png",
                                                 L"res\\mainWnd\\bg3.png"};
    const int index = position % 4;
    return index < 0 ? nullptr : kImages[index];
}

bool HasFastCarousel(int productNumber) {
    static constexpr int kFastCarouselProducts[] = {134, 257, 267, 385, 387};
    return std::find(std::begin(kFastCarouselProducts), std::end(kFastCarouselProducts),
                     productNumber) != std::end(kFastCarouselProducts);
}
