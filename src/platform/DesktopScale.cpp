#include "platform/DesktopScale.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "platform/DiagnosticLog.h"
#include "platform/PixelScale.h"

#if defined(__unix__) && __has_include(<X11/Xlib.h>) && __has_include(<dlfcn.h>)
#include <X11/Xlib.h>
#include <dlfcn.h>
#define VLIMS_XLIB 1
#endif

namespace {
// The DPI at which desktops draw at their natural size.
constexpr double kNaturalDpi = 96.0;
constexpr int kPrimary = 0;

std::optional<int> ForcedScale() {
    const char* value = std::getenv("VLIMS_SCALE");
    if (!value)
        return std::nullopt;
    if (std::strlen(value) == 1 && value[0] >= '1' && value[0] - '0' <= PixelScale::kLargest)
        return value[0] - '0';
    DiagnosticLog::Report("scale", "VLIMS_SCALE=\"%s\" is not a scale from 1 to %d; ignored", value,
                          PixelScale::kLargest);
    return std::nullopt;
}

// A positive number, or nothing when the variable is unset or not one.
std::optional<double> NumberIn(const char* variable) {
    const char* value = std::getenv(variable);
    if (!value || !*value)
        return std::nullopt;
    char* end = nullptr;
    double number = std::strtod(value, &end);
    if (*end != '\0' || !(number > 0))
        return std::nullopt;
    return number;
}

// What toolkits are told to scale by, where the desktop says it that way.
std::optional<double> ToolkitScale() {
    if (auto gdk = NumberIn("GDK_SCALE"))
        return gdk;
    return NumberIn("QT_SCALE_FACTOR");
}

#ifdef VLIMS_XLIB
// The number after "Xft.dpi:" in the X resources, the DPI that desktops on
// X set for their scale.
std::optional<double> DpiInResources(const char* resources) {
    const char* found = resources;
    while ((found = std::strstr(found, "Xft.dpi:")) != nullptr) {
        bool atLineStart = found == resources || found[-1] == '\n';
        found += std::strlen("Xft.dpi:");
        if (!atLineStart)
            continue;
        char* end = nullptr;
        double dpi = std::strtod(found, &end);
        if (end != found && dpi > 0)
            return dpi;
    }
    return std::nullopt;
}

// Read over a connection of our own: SDL keeps its own to itself, and the
// window that would hand it out is made only once its size is known.
std::optional<double> XftDpi() {
    // SDL loads Xlib itself; these are that same library's functions.
    void* xlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (!xlib)
        return std::nullopt;
    auto open = reinterpret_cast<::Display* (*)(const char*)>(dlsym(xlib, "XOpenDisplay"));
    auto close = reinterpret_cast<int (*)(::Display*)>(dlsym(xlib, "XCloseDisplay"));
    auto resourceString =
        reinterpret_cast<char* (*)(::Display*)>(dlsym(xlib, "XResourceManagerString"));
    std::optional<double> dpi;
    if (open && close && resourceString) {
        if (::Display* display = open(nullptr)) {
            if (const char* resources = resourceString(display))
                dpi = DpiInResources(resources);
            close(display);
        }
    }
    dlclose(xlib);
    return dpi;
}
#else
std::optional<double> XftDpi() {
    return std::nullopt;
}
#endif

// The desktop's own scale, 1 for a desktop that says none.
double DesktopFactor() {
    const char* driver = SDL_GetCurrentVideoDriver();
    const std::string name = driver ? driver : "";
    if (name == "x11") {
        if (auto dpi = XftDpi())
            return *dpi / kNaturalDpi;
    } else if (name == "windows") {
        // The manifest makes the game aware of each monitor's DPI, so this is
        // the monitor's own and Windows leaves the enlarging to us.
        float dpi = 0;
        if (SDL_GetDisplayDPI(kPrimary, &dpi, nullptr, nullptr) == 0 && dpi > 0) {
            return dpi / kNaturalDpi;
        }
    } else if (name == "wayland") {
        // A window that does not claim high DPI is enlarged by the compositor
        // to its output's scale already; doing it here too would double it.
        return 1.0;
    }
    return ToolkitScale().value_or(1.0);
}
}  // namespace

int DesktopScale::Choose(int width, int height) {
    std::optional<int> forced = ForcedScale();
    int wanted = forced ? *forced : PixelScale::Rounded(DesktopFactor());
    if (wanted == 1)
        return 1;
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(kPrimary, &usable) != 0)
        return 1;  // a display that cannot say its size holds only the plain window
    return PixelScale::Fitting(wanted, width, height, usable.w, usable.h);
}
