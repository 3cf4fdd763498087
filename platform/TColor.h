#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

/// A colour value: red in the low byte, green in the second, blue in the
/// third; negative values name system colours.
using TColor = std::int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

inline std::uint8_t GetRValue(TColor c) { return static_cast<std::uint8_t>(c & 0xFF); }
inline std::uint8_t GetGValue(TColor c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
inline std::uint8_t GetBValue(TColor c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

/// The colour names form-resource text may use for colour properties.
inline const std::vector<std::pair<std::string, std::int64_t>>& ColorIdents()
{
    static const std::vector<std::pair<std::string, std::int64_t>> idents = {
        {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen},   {"clOlive", clOlive},
        {"clNavy", clNavy},   {"clPurple", clPurple}, {"clTeal", clTeal},     {"clGray", clGray},
        {"clSilver", clSilver}, {"clRed", clRed},     {"clLime", clLime},     {"clYellow", clYellow},
        {"clBlue", clBlue},   {"clFuchsia", clFuchsia}, {"clAqua", clAqua},   {"clWhite", clWhite},
    };
    return idents;
}
