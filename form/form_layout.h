#pragma once

#include <cstdint>
#include <string_view>

// The window's own description: its client size, background colour and caption. Where the
// controls stand on it is the business of the control layout table.
struct FormLayout final {
    int clientWidthTwips;
    int clientHeightTwips;
    std::uint32_t background;  // 0xRRGGBB
    std::u16string_view webAddress;
    std::u16string_view title;
    // The font of every control: "Times New Roman" (fontconfig gives the metric-compatible
    // Liberation Serif where it is missing), 12 points, normal weight.
    std::string_view fontFamily;
    int fontPointSize;
};

inline constexpr FormLayout kFormLayout{
    .clientWidthTwips = 7545,
    .clientHeightTwips = 6585,
    .background = 0xC0C0FF,
    .webAddress = u"www.affine-cipher.example",
    .title = u"Информатика - криптиране, Affine cipher",
    .fontFamily = "Times New Roman",
    .fontPointSize = 12,
};
