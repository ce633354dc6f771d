#pragma once

#include <QStringView>

#include <optional>

namespace weftara::settings {
class Settings;
} // namespace weftara::settings

namespace weftara::app {

// The main window's outer position and size, in twips.
struct WindowGeometry
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const WindowGeometry &, const WindowGeometry &) = default;
};

// Where the window opens when the settings hold nothing usable.
inline constexpr WindowGeometry DefaultWindowGeometry{500, 50, 13500, 10700};

// A geometry value from the settings file: its leading decimal number,
// rounded halves to even; nullopt when the text holds no number at all
// (empty text included) or one beyond the integer range.
std::optional<int> geometryNumber(QStringView text);

// The window's geometry from the settings; each value that is not a number
// falls back to its default.
WindowGeometry readWindowGeometry(const settings::Settings &settings);

// Stores the four values as plain decimal text (no leading blank). The caller
// writes the file afterwards.
void storeWindowGeometry(settings::Settings &settings, const WindowGeometry &geometry);

} // namespace weftara::app
