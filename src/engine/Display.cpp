#include "engine/Display.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

#include "platform/BitmapFile.h"
#include "platform/DiagnosticLog.h"
#include "platform/FileIo.h"
#include "platform/HostPath.h"
#include "platform/TextMode.h"
#include "platform/Window.h"

namespace {
uint64_t lastImageSerial = 0;
// A tick draws a few hundred pictures. Draws that pile up past this without a
// present (a caller that never presents) are carried out instead of kept.
constexpr size_t kMaxRecordedDraws = 8192;

// A keyed 32-bit format: black stays transparent through conversions, which
// the alpha formats would drop.
constexpr uint32_t kPixelFormat = SDL_PIXELFORMAT_RGB888;

SurfacePtr NewSurface(int width, int height) {
    SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, std::max(width, 0), std::max(height, 0),
                                                      32, kPixelFormat));
    if (surface)
        SDL_SetSurfaceBlendMode(surface.get(), SDL_BLENDMODE_NONE);
    return surface;
}

// SDL's conversion from some formats (16-bit 5-6-5 among them) fills the
// unused top byte with ones, and the colour key compares all 32 bits: only
// the colour bits are kept, so that black is transparent whatever the
// file's format. Returns whether any pixel is that black: a picture without
// one draws the same without the colour key, and SDL copies it much faster.
bool KeepColourBitsOnly(SDL_Surface* surface) {
    const uint32_t colourBits = 0x00FFFFFF;
    bool black = false;
    for (int y = 0; y < surface->h; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) +
                                                    static_cast<ptrdiff_t>(y) * surface->pitch);
        for (int x = 0; x < surface->w; ++x) {
            row[x] &= colourBits;
            black = black || row[x] == 0;
        }
    }
    return black;
}

uint32_t* Row(SDL_Surface* surface, int y) {
    return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) +
                                       static_cast<ptrdiff_t>(y) * surface->pitch);
}
}  // namespace

namespace {
// The log keeps its long-standing name so help notes that ask for it stay right.
constexpr const char* kLogName = "Direct Draw 5 Log.txt";
}  // namespace

Display::Display() {
    WriteFileAtomically(HostPath(kLogName), logText_, WriteDurability::Whole);
}

Display::~Display() = default;

void Display::Log(const char* message) {
    // CR LF line ends on every system, so the log reads alike wherever it was made.
    logText_ += ToTextMode(message);
    WriteFileAtomically(HostPath(kLogName), logText_, WriteDurability::Whole);
}

bool Display::Create(Window* window) {
    window_ = window;
    if (window_ && !SDL_GetWindowSurface(window_->Handle())) {
        DiagnosticLog::Report("display", "no drawing surface for the window: %s", SDL_GetError());
        Log("\n Could not obtain Direct Draw Interface!");
        window_ = nullptr;
        return false;
    }
    created_ = true;
    return true;
}

bool Display::SetWindowed(int width, int height) {
    bufferWidth_ = width;
    bufferHeight_ = height;
    if (!created_ || width <= 0 || height <= 0) {
        Log("\n Could not set windowed mode cooperative level!");
        return false;
    }
    ForgetDraws();
    backBuffer_ = NewSurface(width, height);
    lastPresented_ = NewSurface(width, height);
    if (!backBuffer_ || !lastPresented_) {
        DiagnosticLog::Report("display", "could not create the back buffer: %s", SDL_GetError());
        backBuffer_.reset();
        lastPresented_.reset();
        Log("\n Could not set windowed mode cooperative level!");
        return false;
    }
    wholeFrameDue_ = true;
    return true;
}

bool Display::Release() {
    ForgetDraws();
    backBuffer_.reset();
    lastPresented_.reset();
    window_ = nullptr;
    created_ = false;
    return true;
}

bool Display::Inside(int x, int y, int width, int height) const {
    return backBuffer_ && x >= 0 && y >= 0 && width >= 0 && height >= 0 &&
           static_cast<int64_t>(x) + width <= bufferWidth_ &&
           static_cast<int64_t>(y) + height <= bufferHeight_;
}

void Display::MarkChanged(int x, int y, int width, int height) const {
    if (changed_.Empty()) {
        changed_ = {x, y, x + width, y + height};
        return;
    }
    changed_.left = std::min(changed_.left, x);
    changed_.top = std::min(changed_.top, y);
    changed_.right = std::max(changed_.right, x + width);
    changed_.bottom = std::max(changed_.bottom, y + height);
}

ImagePtr Display::LoadImageFile(const std::string& path, int width, int height) {
    auto image = std::make_unique<Image>();
    image->surface = NewSurface(width, height);
    if (!image->surface) {
        DiagnosticLog::Report("picture", "no memory for picture \"%s\" (%d x %d)", path.c_str(),
                              width, height);
        return image;
    }
    image->width = width;
    image->height = height;
    image->serial = ++lastImageSerial;
    SDL_SetColorKey(image->surface.get(), SDL_TRUE, SDL_MapRGB(image->surface->format, 0, 0, 0));

    SurfacePtr file(LoadBitmapFile(HostPath(path)));
    if (!file) {
        DiagnosticLog::ReportOnce(path, "picture", "could not load picture \"%s\": %s",
                                  path.c_str(), SDL_GetError());
        return image;
    }
    // The file's top-left width x height pixels, copied one to one; the new
    // surface is black (transparent) wherever the file is smaller.
    SDL_SetColorKey(file.get(), SDL_FALSE, 0);
    SDL_SetSurfaceBlendMode(file.get(), SDL_BLENDMODE_NONE);
    SDL_Rect source{0, 0, std::max(width, 0), std::max(height, 0)};
    SDL_BlitSurface(file.get(), &source, image->surface.get(), nullptr);
    if (!KeepColourBitsOnly(image->surface.get()))
        SDL_SetColorKey(image->surface.get(), SDL_FALSE, 0);
    return image;
}

bool Display::DrawImage(const Image* image, int x, int y) {
    if (!image)
        return false;
    DrawImagePart(image, x, y, 0, 0, image->width, image->height);
    return image->surface && Inside(x, y, image->width, image->height) && image->width > 0 &&
           image->height > 0;
}

void Display::DrawImagePart(const Image* image, int x, int y, int left, int top, int right,
                            int bottom) {
    if (!image || !image->surface)
        return;
    int width = right - left;
    int height = bottom - top;
    // An empty or out-of-image source, or a destination that sticks out of
    // the buffer, draws nothing at all rather than a clipped part: every
    // picture is placed wholly on screen, so a misplaced one shows by its
    // absence instead of as a sliver.
    if (width <= 0 || height <= 0 || left < 0 || top < 0 || right > image->width ||
        bottom > image->height || !Inside(x, y, width, height)) {
        return;
    }
    Record({DrawCall::Kind::Part, image->serial, 0, left, top, x, y, width, height},
           image->surface);
}

bool Display::DrawImageScaled(const Image* image, int x, int y, int width, int height) {
    if (!image || !image->surface || image->width <= 0 || image->height <= 0 || width <= 0 ||
        height <= 0 || !Inside(x, y, width, height)) {
        return false;
    }
    Record({DrawCall::Kind::Scaled, image->serial, 0, 0, 0, x, y, width, height}, image->surface);
    return true;
}

uint32_t Display::PixelAt(int x, int y) const {
    if (!backBuffer_ || x < 0 || y < 0 || x >= bufferWidth_ || y >= bufferHeight_)
        return 0;
    CarryOutWaiting();
    return Row(backBuffer_.get(), y)[x] & 0xFFFFFF;
}

void Display::FillRect(int x, int y, int width, int height, uint32_t rgb) {
    if (!backBuffer_)
        return;
    int left = std::max(x, 0);
    int top = std::max(y, 0);
    // In 64 bits: a far-off rectangle must not wrap into the buffer.
    int right = static_cast<int>(std::min<int64_t>(static_cast<int64_t>(x) + width, bufferWidth_));
    int bottom =
        static_cast<int>(std::min<int64_t>(static_cast<int64_t>(y) + height, bufferHeight_));
    if (right <= left || bottom <= top)
        return;
    uint32_t colour =
        SDL_MapRGB(backBuffer_->format, (rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255);
    Record({DrawCall::Kind::Fill, 0, colour, 0, 0, left, top, right - left, bottom - top}, nullptr);
}

void Display::Record(const DrawCall& call, const std::shared_ptr<SDL_Surface>& surface) {
    if (tickDraws_.size() >= kMaxRecordedDraws) {
        CarryOutWaiting();
        tickDraws_.clear();
        tickSurfaces_.clear();
        carriedOut_ = 0;
        tickIncomplete_ = true;
    }
    tickDraws_.push_back(call);
    tickSurfaces_.push_back(surface);
}

void Display::CarryOutWaiting() const {
    for (; carriedOut_ < tickDraws_.size(); ++carriedOut_) {
        CarryOut(tickDraws_[carriedOut_], tickSurfaces_[carriedOut_].get());
        tickSurfaces_[carriedOut_].reset();
    }
}

void Display::CarryOut(const DrawCall& call, SDL_Surface* surface) const {
    SDL_Rect destination{call.x, call.y, call.width, call.height};
    int result = 0;
    switch (call.kind) {
        case DrawCall::Kind::Part: {
            SDL_Rect source{call.left, call.top, call.width, call.height};
            result = SDL_BlitSurface(surface, &source, backBuffer_.get(), &destination);
            break;
        }
        case DrawCall::Kind::Scaled:
            result = SDL_BlitScaled(surface, nullptr, backBuffer_.get(), &destination);
            break;
        case DrawCall::Kind::Fill:
            result = SDL_FillRect(backBuffer_.get(), &destination, call.colour);
            break;
    }
    if (result == 0)
        MarkChanged(call.x, call.y, call.width, call.height);
}

void Display::ForgetDraws() {
    tickDraws_.clear();
    tickSurfaces_.clear();
    carriedOut_ = 0;
    tickIncomplete_ = false;
    lastDraws_.clear();
}

Display::Area Display::ChangedPart(const Area& area) const {
    const int width = area.right - area.left;
    const size_t bytes = static_cast<size_t>(width) * sizeof(uint32_t);
    Area part{area.right, area.bottom, area.left, area.top};  // empty; grows
    for (int y = area.top; y < area.bottom; ++y) {
        const uint32_t* now = Row(backBuffer_.get(), y) + area.left;
        const uint32_t* shown = Row(lastPresented_.get(), y) + area.left;
        if (std::memcmp(now, shown, bytes) == 0)
            continue;
        int left = 0;
        while (now[left] == shown[left]) ++left;
        int right = width;
        while (now[right - 1] == shown[right - 1]) --right;
        part.left = std::min(part.left, area.left + left);
        part.right = std::max(part.right, area.left + right);
        part.top = std::min(part.top, y);
        part.bottom = y + 1;
    }
    return part;
}

void Display::Remember(const Area& area) {
    size_t bytes = static_cast<size_t>(area.right - area.left) * sizeof(uint32_t);
    for (int y = area.top; y < area.bottom; ++y) {
        std::memcpy(Row(lastPresented_.get(), y) + area.left, Row(backBuffer_.get(), y) + area.left,
                    bytes);
    }
}

void Display::Present() {
    if (!backBuffer_)
        return;
    PresentChanges();
    if (checkPresents_ && !ShowsBackBuffer())
        ++stalePresents_;
}

bool Display::ShowsBackBuffer() const {
    const size_t bytes = static_cast<size_t>(bufferWidth_) * sizeof(uint32_t);
    for (int y = 0; y < bufferHeight_; ++y) {
        if (std::memcmp(Row(backBuffer_.get(), y), Row(lastPresented_.get(), y), bytes) != 0)
            return false;
    }
    return true;
}

void Display::PresentChanges() {
    // A tick of the same draws as the last one carried out would leave the
    // same pixels, unless some of it already ran over what the last one left.
    bool sameAsLastTick = !tickIncomplete_ && carriedOut_ == 0 && tickDraws_ == lastDraws_;
    if (!sameAsLastTick) {
        CarryOutWaiting();
        lastDraws_.swap(tickDraws_);
        // Only its tail is known; an empty list is the one safe to match.
        if (tickIncomplete_)
            lastDraws_.clear();
    }
    tickDraws_.clear();
    tickSurfaces_.clear();
    carriedOut_ = 0;
    tickIncomplete_ = false;
    if (sameAsLastTick && !wholeFrameDue_)
        return;
    Area area = changed_;
    if (wholeFrameDue_)
        area = {0, 0, bufferWidth_, bufferHeight_};
    changed_ = {};
    // Screens repaint the same pictures tick after tick (the board's whole
    // background while two pieces slide): only the pixels that differ from
    // the frame on show are worth copying and sending to the window.
    if (!wholeFrameDue_ && !area.Empty())
        area = ChangedPart(area);
    if (area.Empty())
        return;
    wholeFrameDue_ = false;
    Remember(area);
    ++presentedFrames_;
    if (window_)
        ShowInWindow(area);
}

void Display::ShowInWindow(const Area& area) {
    SDL_Rect part{area.left, area.top, area.right - area.left, area.bottom - area.top};
    window_->ShowFrame(backBuffer_.get(), part);
}
