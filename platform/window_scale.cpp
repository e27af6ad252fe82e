#include "platform/window_scale.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace platform {

namespace {

// The DPI that Qt's X11 platform calls 100 %.
constexpr double kBaseDpi = 96.0;

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\n\v\f\r";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// A number as Qt reads one from the environment: surrounding blanks allowed, the C locale's
// decimal point, nothing else in the text.
std::optional<double> ParseReal(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

// An integer as Qt reads one: surrounding blanks allowed; in the environment also 0x... and 0...
// as C writes hexadecimal and octal, in the X resources decimal only.
std::optional<long> ParseInt(std::string_view text, int base) {
    const std::string trimmed(Trimmed(text));
    if (trimmed.empty() || (base == 10 && trimmed.find_first_of("xX") != std::string::npos))
        return std::nullopt;
    char* end = nullptr;
    const long value = std::strtol(trimmed.c_str(), &end, base);
    if (end != trimmed.c_str() + trimmed.size())
        return std::nullopt;
    return value;
}

int QtRound(double value) {
    return static_cast<int>(std::floor(value + 0.5));
}

// The last "Xft.dpi:<TAB>value" line of the X resources, read as an integer or, as some desktops
// write it, with a fraction that is rounded.
std::optional<int> XftDpi(std::string_view resources) {
    constexpr std::string_view kKey = "Xft.dpi:\t";
    std::optional<int> dpi;
    while (!resources.empty()) {
        const auto end = resources.find('\n');
        const std::string_view line = resources.substr(0, end);
        resources = end == std::string_view::npos ? std::string_view() : resources.substr(end + 1);
        if (!line.starts_with(kKey))
            continue;
        const std::string_view value = line.substr(kKey.size());
        if (const auto whole = ParseInt(value, 10)) {
            dpi = static_cast<int>(*whole);
        } else if (const auto real = ParseReal(value)) {
            dpi = QtRound(*real);
        }
    }
    return dpi;
}

enum class Rounding { PassThrough, Round, Ceil, Floor, RoundPreferFloor };

Rounding RoundingPolicy(const std::optional<std::string>& name) {
    if (!name)
        return Rounding::PassThrough;
    const auto is = [&](std::string_view candidate) {
        return std::equal(name->begin(), name->end(), candidate.begin(), candidate.end(),
                          [](char a, char b) {
                              return std::tolower(static_cast<unsigned char>(a)) ==
                                     std::tolower(static_cast<unsigned char>(b));
                          });
    };
    constexpr std::array<std::pair<std::string_view, Rounding>, 5> kNames{{
        {"Round", Rounding::Round},
        {"Ceil", Rounding::Ceil},
        {"Floor", Rounding::Floor},
        {"RoundPreferFloor", Rounding::RoundPreferFloor},
        {"PassThrough", Rounding::PassThrough},
    }};
    for (const auto& [text, policy] : kNames)
        if (is(text))
            return policy;
    return Rounding::PassThrough; // Qt warns about an unknown name and keeps its default
}

double Rounded(double factor, Rounding policy) {
    switch (policy) {
    case Rounding::Round:
        factor = QtRound(factor);
        break;
    case Rounding::Ceil:
        factor = std::ceil(factor);
        break;
    case Rounding::Floor:
        factor = std::floor(factor);
        break;
    case Rounding::RoundPreferFloor:
        // Up only from .75: a UI a little small is better than one a little large.
        factor = factor - std::floor(factor) < 0.75 ? std::floor(factor) : std::ceil(factor);
        break;
    case Rounding::PassThrough:
        break;
    }
    return std::max(factor, 1.0); // Qt draws no screen below 100 %
}

// QT_SCREEN_SCALE_FACTORS: "f1;f2;..." by the screens' order (the primary is the first) or
// "name=f;..." by name. Entries that are no positive number are dropped before counting; later
// entries for the same screen win. Such a factor replaces the one from the DPI, unrounded.
std::optional<double> ListedScreenFactor(std::string_view spec, std::string_view screenName) {
    std::optional<double> factor;
    int position = 0;
    while (true) {
        const auto end = spec.find(';');
        const std::string_view entry = spec.substr(0, end);
        const auto equals = entry.rfind('=');
        const auto value =
            ParseReal(equals == std::string_view::npos ? entry : entry.substr(equals + 1));
        if (value && *value > 0.0) {
            const bool forPrimary = equals == std::string_view::npos
                                        ? position == 0
                                        : entry.substr(0, equals) == screenName;
            if (forPrimary)
                factor = *value;
            ++position;
        }
        if (end == std::string_view::npos)
            break;
        spec.remove_prefix(end + 1);
    }
    return factor;
}

double ScreenFactor(const ScaleSettings& settings) {
    if (settings.screenFactors)
        if (const auto listed = ListedScreenFactor(*settings.screenFactors, settings.screenName))
            return *listed;
    const auto enabled =
        settings.enableHighDpi ? ParseInt(*settings.enableHighDpi, 0) : std::nullopt;
    if (enabled.value_or(1) <= 0)
        return 1.0;
    double dpi = kBaseDpi;
    if (const auto font = settings.fontDpi ? ParseInt(*settings.fontDpi, 0) : std::nullopt;
        font && *font > 0)
        dpi = static_cast<double>(*font);
    else if (const auto xft = settings.xResources ? XftDpi(*settings.xResources) : std::nullopt;
             xft && *xft > 0)
        dpi = *xft;
    return Rounded(dpi / kBaseDpi, RoundingPolicy(settings.roundingPolicy));
}

// The window's size in device pixels at a scale, rounded as Qt rounds sizes.
bool FitsAt(double scale, int width, int height) {
    return std::lround(kDesignWidth * scale) <= width &&
           std::lround(kDesignHeight * scale) <= height;
}

std::string Shortest(double value) {
    std::array<char, 32> text{};
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() ? std::string(text.data(), end) : std::string("1");
}

} // namespace

ScaleChoice ChooseWindowScale(const ScaleSettings& settings) {
    const double screenFactor = ScreenFactor(settings);
    std::optional<std::string> scaleFactor;
    double global = 1.0;
    if (settings.scaleFactor) {
        // Qt 6.4 takes any number it can read, and a factor of zero or below breaks every window:
        // such a value is replaced, not passed on.
        const auto read = ParseReal(*settings.scaleFactor);
        if (read && *read > 0.0)
            global = *read;
        else if (read)
            scaleFactor = Shortest(1.0);
    }

    ScaleChoice choice;
    choice.scale = global * screenFactor;
    choice.fits = settings.screenWidth >= kDesignWidth && settings.screenHeight >= kDesignHeight;
    if (choice.fits && !FitsAt(choice.scale, settings.screenWidth, settings.screenHeight)) {
        choice.scale = std::min(static_cast<double>(settings.screenWidth) / kDesignWidth,
                                static_cast<double>(settings.screenHeight) / kDesignHeight);
        scaleFactor = Shortest(choice.scale / screenFactor);
    }
    choice.scaleFactor = scaleFactor;
    return choice;
}

} // namespace platform
