#include "platform/DialogWindow.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/Clock.h"
#include "platform/DesktopScale.h"
#include "platform/DiagnosticLog.h"
#include "platform/DialogFont.h"
#include "platform/EventPump.h"
#include "platform/Headless.h"
#include "platform/ScriptedPrompts.h"
#include "platform/Window.h"

namespace {
// A warm light panel, dark ink, a blue accent for the focus and the default.
constexpr SDL_Color kPanel{238, 234, 226, 255};
constexpr SDL_Color kInk{36, 38, 54, 255};
constexpr SDL_Color kBorder{150, 146, 140, 255};
constexpr SDL_Color kAccent{58, 102, 170, 255};
constexpr SDL_Color kField{255, 255, 253, 255};
constexpr SDL_Color kButtonTop{250, 248, 244, 255};
constexpr SDL_Color kButtonBottom{222, 217, 208, 255};
constexpr SDL_Color kButtonPushed{200, 195, 186, 255};

constexpr int kWidth = 300;
constexpr int kMessageWidth = 380;
constexpr int kMargin = 18;
constexpr int kTextTop = 16;
constexpr int kButtonWidth = 80;
constexpr uint32_t kCaretBlinkMs = 530;
// Nothing in a message box changes without an event; it still looks at the
// queue twice a second, as the game's loop does, for a quit request SDL
// holds back until events are read (a signal taken by another thread wakes
// no one).
constexpr uint32_t kLongestWait = 500;

Window* owner = nullptr;
std::function<void()> beforeOpen;
std::function<void()> whileWaiting;
const EditField* openField = nullptr;

void Fill(SDL_Surface* surface, int x, int y, int w, int h, SDL_Color colour) {
    SDL_Rect rect{x, y, w, h};
    SDL_FillRect(surface, &rect, SDL_MapRGB(surface->format, colour.r, colour.g, colour.b));
}

void Frame(SDL_Surface* surface, int x, int y, int w, int h, SDL_Color colour, int thickness) {
    Fill(surface, x, y, w, thickness, colour);
    Fill(surface, x, y + h - thickness, w, thickness, colour);
    Fill(surface, x, y, thickness, h, colour);
    Fill(surface, x + w - thickness, y, thickness, h, colour);
}

Uint8 Mix(Uint8 top, Uint8 bottom, int row, int rows) {
    return static_cast<Uint8>(top + (bottom - top) * row / std::max(1, rows - 1));
}
}  // namespace

void DialogWindow::SetOwner(Window* window, std::function<void()> beforeOpening,
                            std::function<void()> afterWaiting) {
    owner = window;
    beforeOpen = std::move(beforeOpening);
    whileWaiting = std::move(afterWaiting);
}

std::string DialogWindow::TextSoFar() {
    return openField ? openField->Text() : std::string();
}

void DialogWindow::WindowFree::operator()(SDL_Window* window) const {
    SDL_DestroyWindow(window);
}

void DialogWindow::SurfaceFree::operator()(SDL_Surface* surface) const {
    SDL_FreeSurface(surface);
}

PromptAnswer DialogWindow::Run(const TextPrompt& prompt) {
    if (ScriptedPrompts* script = ScriptedPrompts::Active())
        return script->Answer(prompt);
    if (!HasScreen()) {
        DiagnosticLog::Report("dialog", "no screen to show \"%s\" on; taken as Cancel",
                              prompt.caption.c_str());
        return {};
    }
    DialogWindow dialog(prompt);
    if (!dialog.Open())
        return {};
    return dialog.RunLoop();
}

DialogWindow::DialogWindow(const TextPrompt& prompt)
    : prompt_(prompt), font_(std::make_unique<DialogFont>()), blinkStart_(TickCount()) {
    font_->Load(prompt);
    int lineHeight = font_->LineHeight();
    if (!prompt.askForText) {
        LayOutMessageBox(lineHeight);
        return;
    }
    width_ = kWidth;
    lines_ = font_->WrapWords(prompt.message, kWidth - 2 * kMargin);
    int textBottom = kTextTop + static_cast<int>(lines_.size()) * lineHeight;
    edit_ = {70, textBottom + 10, 160, lineHeight + 6};
    int buttonTop = edit_.y + edit_.h + 14;
    int buttonHeight = lineHeight + 10;
    ok_ = {kWidth - kMargin - 2 * kButtonWidth - 10, buttonTop, kButtonWidth, buttonHeight};
    cancel_ = {kWidth - kMargin - kButtonWidth, buttonTop, kButtonWidth, buttonHeight};
    height_ = buttonTop + buttonHeight + 14;
}

// Each line of the text wrapped on its own, OK centred below.
void DialogWindow::LayOutMessageBox(int lineHeight) {
    width_ = kMessageWidth;
    size_t start = 0;
    while (start <= prompt_.message.size()) {
        size_t end = std::min(prompt_.message.find('\n', start), prompt_.message.size());
        for (std::string& line :
             font_->WrapWords(prompt_.message.substr(start, end - start), width_ - 2 * kMargin)) {
            lines_.push_back(std::move(line));
        }
        start = end + 1;
    }
    int buttonTop = kTextTop + static_cast<int>(lines_.size()) * lineHeight + 16;
    ok_ = {(width_ - kButtonWidth) / 2, buttonTop, kButtonWidth, lineHeight + 10};
    height_ = buttonTop + ok_.h + 14;
}

DialogWindow::~DialogWindow() = default;

bool DialogWindow::Open() {
    // What the game drew before it stopped for the player's answer is what
    // shows behind the dialog.
    if (beforeOpen)
        beforeOpen();
#ifdef __EMSCRIPTEN__
    return OpenInsideOwner();
#endif
    SDL_Window* parent = owner ? owner->Handle() : SDL_GetKeyboardFocus();
    // The game's scale over the game's window; a box with no game window
    // behind it asks the desktop itself.
    scale_ = PixelScale(owner ? owner->Scale().Factor() : DesktopScale::Choose(width_, height_));
    const int width = scale_.ToWindow(width_), height = scale_.ToWindow(height_);
    int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
    if (parent) {
        int parentX, parentY, parentW, parentH;
        SDL_GetWindowPosition(parent, &parentX, &parentY);
        SDL_GetWindowSize(parent, &parentW, &parentH);
        x = parentX + (parentW - width) / 2;
        y = parentY + (parentH - height) / 2;
    }
    window_.reset(SDL_CreateWindow(prompt_.caption.c_str(), x, y, width, height,
                                   SDL_WINDOW_SHOWN | SDL_WINDOW_SKIP_TASKBAR));
    SDL_Surface* shown = window_ ? SDL_GetWindowSurface(window_.get()) : nullptr;
    if (shown) {
        picture_.reset(
            SDL_CreateRGBSurfaceWithFormat(0, width_, height_, 32, shown->format->format));
    }
    if (!picture_) {
        DiagnosticLog::Report("dialog", "cannot open the \"%s\" window: %s",
                              prompt_.caption.c_str(), SDL_GetError());
        return false;
    }
    if (parent)
        SDL_SetWindowModalFor(window_.get(), parent);
    SDL_RaiseWindow(window_.get());
    SDL_SetWindowInputFocus(window_.get());
    return true;
}

// A browser page has one canvas, the game's; a second window would take it
// over. The dialog is painted over the game instead, centred, and modal as
// ever: its loop takes every event until it closes.
bool DialogWindow::OpenInsideOwner() {
    SDL_Window* parent = owner ? owner->Handle() : nullptr;
    if (!parent) {
        DiagnosticLog::Report("dialog", "no game window to show \"%s\" in",
                              prompt_.caption.c_str());
        return false;
    }
    picture_.reset(SDL_CreateRGBSurfaceWithFormat(0, width_, height_, 32, SDL_PIXELFORMAT_RGB888));
    if (!picture_) {
        DiagnosticLog::Report("dialog", "cannot show \"%s\": %s", prompt_.caption.c_str(),
                              SDL_GetError());
        return false;
    }
    insideOwner_ = true;
    int parentW, parentH;
    SDL_GetWindowSize(parent, &parentW, &parentH);
    const int captionHeight = font_->LineHeight() + 8;
    originX_ = (parentW - width_) / 2;
    originY_ = (parentH - height_ - captionHeight) / 2 + captionHeight;
    return true;
}

void DialogWindow::ShowInsideOwner(SDL_Surface* panel) {
    SDL_Window* parent = owner->Handle();
    SDL_Surface* target = SDL_GetWindowSurface(parent);
    if (!target)
        return;
    const int captionHeight = font_->LineHeight() + 8;
    const int top = originY_ - captionHeight;
    Frame(target, originX_ - 2, top - 2, width_ + 4, height_ + captionHeight + 4, kInk, 2);
    Fill(target, originX_, top, width_, captionHeight, kAccent);
    font_->Draw(target, prompt_.caption, originX_ + 8, top + 4, kField);
    SDL_Rect place{originX_, originY_, width_, height_};
    SDL_BlitSurface(panel, nullptr, target, &place);
    SDL_UpdateWindowSurface(parent);
}

uint32_t DialogWindow::OurWindowId() const {
    if (insideOwner_)
        return owner ? SDL_GetWindowID(owner->Handle()) : 0;
    return SDL_GetWindowID(window_.get());
}

PromptAnswer DialogWindow::RunLoop() {
    bool textInputWasOn = SDL_IsTextInputActive();
    if (prompt_.askForText)
        SDL_StartTextInput();
    openField = &field_;
    Outcome outcome;
    bool dirty = true;
    bool caretShown = false;
    while (!outcome) {
        bool caretOn = CaretOn();
        if (dirty || caretOn != caretShown) {
            Paint(caretOn);
            caretShown = caretOn;
            dirty = false;
        }
        SDL_Event event;
        if (SDL_PollEvent(&event)) {
            outcome = Handle(event);
            dirty = true;
        } else {
            // Not SDL's own timed wait: that makes SDL wake itself with a
            // message sent to the newest window, this one, over a second X
            // connection, and one still on its way when the window is
            // destroyed got BadWindow from the server. The pump's wait
            // sleeps on the display connection itself.
            EventPump::WaitForEvent(SDL_GetWindowID(window_.get()), MillisecondsToWake());
            if (whileWaiting)
                whileWaiting();
        }
    }
    openField = nullptr;
    if (prompt_.askForText && !textInputWasOn)
        SDL_StopTextInput();
    window_.reset();
    picture_.reset();
    if (insideOwner_) {
        // The game shows its whole picture again where the dialog was.
        SDL_Event exposed{};
        exposed.type = SDL_WINDOWEVENT;
        exposed.window.event = SDL_WINDOWEVENT_EXPOSED;
        exposed.window.windowID = OurWindowId();
        forLater_.push_back(exposed);
        insideOwner_ = false;
    }
    for (SDL_Event& event : forLater_) SDL_PushEvent(&event);
    PromptAnswer answer;
    answer.accepted = *outcome == Closed::Ok;
    answer.quit = *outcome == Closed::Quit;
    answer.text = field_.Text();
    return answer;
}

bool DialogWindow::CaretOn() const {
    return prompt_.askForText && ((TickCount() - blinkStart_) / kCaretBlinkMs) % 2 == 0;
}

uint32_t DialogWindow::MillisecondsToWake() const {
    if (!prompt_.askForText)
        return kLongestWait;
    // Until the caret next turns on or off.
    return kCaretBlinkMs - (TickCount() - blinkStart_) % kCaretBlinkMs;
}

DialogWindow::Outcome DialogWindow::Handle(const SDL_Event& event) {
    Uint32 ours = OurWindowId();
    switch (event.type) {
        case SDL_QUIT:
            forLater_.push_back(event);
            return Closed::Quit;
        case SDL_WINDOWEVENT:
            if (event.window.windowID != ours)
                return ForeignWindowEvent(event);
            if (event.window.event == SDL_WINDOWEVENT_CLOSE)
                return prompt_.askForText ? Closed::Cancel : Closed::Ok;
            return std::nullopt;
        // The dialog is modal: whatever is typed is meant for it, even when the
        // window manager left the keyboard with the game's window.
        case SDL_KEYDOWN:
            return Key(event.key.keysym);
        case SDL_TEXTINPUT:
            if (prompt_.askForText)
                Changed([&] { field_.Type(event.text.text); });
            return std::nullopt;
        case SDL_MOUSEMOTION:
            if (event.motion.windowID == ours)
                return Mouse(event);
            return std::nullopt;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (event.button.windowID == ours)
                return Mouse(event);
            // The game's window is blocked; only a release reaches it later, so
            // it never believes a button is still held.
            if (event.type == SDL_MOUSEBUTTONUP)
                forLater_.push_back(event);
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

// The game's window is not ours to run, but it shows its last frame again
// when uncovered. While a question is asked it belongs to the dialog and its
// close box does nothing; behind a message box a close request is kept.
DialogWindow::Outcome DialogWindow::ForeignWindowEvent(const SDL_Event& event) {
    if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
        if (prompt_.askForText)
            return std::nullopt;
        forLater_.push_back(event);
        return Closed::Quit;
    }
    forLater_.push_back(event);
    if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        if (SDL_Window* other = SDL_GetWindowFromID(event.window.windowID)) {
            SDL_UpdateWindowSurface(other);
        }
    }
    return std::nullopt;
}

DialogWindow::Outcome DialogWindow::Key(const SDL_Keysym& key) {
    switch (key.sym) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return Closed::Ok;
        case SDLK_ESCAPE:
            return prompt_.askForText ? Closed::Cancel : Closed::Ok;
        default:
            break;
    }
    if (!prompt_.askForText)
        return std::nullopt;
    switch (key.sym) {
        case SDLK_BACKSPACE:
            Changed([&] { field_.Backspace(); });
            break;
        case SDLK_DELETE:
            Changed([&] { field_.Delete(); });
            break;
        case SDLK_LEFT:
            Changed([&] { field_.MoveLeft(); });
            break;
        case SDLK_RIGHT:
            Changed([&] { field_.MoveRight(); });
            break;
        case SDLK_HOME:
            Changed([&] { field_.MoveHome(); });
            break;
        case SDLK_END:
            Changed([&] { field_.MoveEnd(); });
            break;
        case SDLK_v:
            if (key.mod & KMOD_CTRL)
                Paste();
            break;
        default:
            break;
    }
    return std::nullopt;
}

void DialogWindow::Paste() {
    if (!SDL_HasClipboardText())
        return;
    char* clip = SDL_GetClipboardText();
    if (!clip)
        return;
    std::string text(clip);
    SDL_free(clip);
    // One line only: a pasted line break ends the paste.
    text = text.substr(0, text.find_first_of("\r\n"));
    Changed([&] { field_.Type(text); });
}

DialogWindow::Outcome DialogWindow::Mouse(const SDL_Event& event) {
    bool motion = event.type == SDL_MOUSEMOTION;
    int x = scale_.ToGame(motion ? event.motion.x : event.button.x) - originX_;
    int y = scale_.ToGame(motion ? event.motion.y : event.button.y) - originY_;
    pointerX_ = x, pointerY_ = y;
    if (motion || event.button.button != SDL_BUTTON_LEFT)
        return std::nullopt;
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        if (ok_.Contains(x, y))
            pressed_ = Pressed::Ok;
        if (cancel_.Contains(x, y))
            pressed_ = Pressed::Cancel;
        if (edit_.Contains(x, y))
            Changed([&] { PlaceCaret(x); });
        return std::nullopt;
    }
    // A push button acts when released over itself.
    Pressed released = pressed_;
    pressed_ = Pressed::None;
    if (released == Pressed::Ok && ok_.Contains(x, y))
        return Closed::Ok;
    if (released == Pressed::Cancel && cancel_.Contains(x, y))
        return Closed::Cancel;
    return std::nullopt;
}

void DialogWindow::PlaceCaret(int x) {
    field_.MoveHome();
    int pen = edit_.x + 4 - scroll_;
    for (char c : field_.Text()) {
        int width = font_->Width(static_cast<unsigned char>(c));
        if (x < pen + width / 2)
            break;
        pen += width;
        field_.MoveRight();
    }
}

template <typename Edit>
void DialogWindow::Changed(Edit edit) {
    edit();
    blinkStart_ = TickCount();
}

void DialogWindow::Paint(bool caretOn) {
    SDL_Surface* surface = picture_.get();
    if (!surface)
        return;
    Fill(surface, 0, 0, surface->w, surface->h, kPanel);
    for (size_t i = 0; i < lines_.size(); ++i) {
        int y = kTextTop + static_cast<int>(i) * font_->LineHeight();
        font_->Draw(surface, lines_[i], kMargin, y, kInk);
    }
    bool pointerOnOk = ok_.Contains(pointerX_, pointerY_);
    PaintButton(surface, ok_, "OK", pressed_ == Pressed::Ok && pointerOnOk, true);
    if (prompt_.askForText) {
        PaintEdit(surface, caretOn);
        bool pointerOnCancel = cancel_.Contains(pointerX_, pointerY_);
        PaintButton(surface, cancel_, "Cancel", pressed_ == Pressed::Cancel && pointerOnCancel,
                    false);
    }
    if (insideOwner_) {
        ShowInsideOwner(surface);
        return;
    }
    if (SDL_Surface* shown = SDL_GetWindowSurface(window_.get())) {
        scale_.Enlarge(surface, SDL_Rect{0, 0, width_, height_}, shown);
        SDL_UpdateWindowSurface(window_.get());
    }
}

void DialogWindow::PaintEdit(SDL_Surface* surface, bool caretOn) {
    Fill(surface, edit_.x, edit_.y, edit_.w, edit_.h, kField);
    Frame(surface, edit_.x, edit_.y, edit_.w, edit_.h, kAccent, 1);
    Box inner{edit_.x + 4, edit_.y + 3, edit_.w - 8, edit_.h - 6};
    const std::string& text = field_.Text();
    int caretX = font_->Width(std::string_view(text).substr(0, field_.Caret()));
    // Scroll sideways so the caret stays inside the box.
    if (caretX - scroll_ > inner.w - 1)
        scroll_ = caretX - (inner.w - 1);
    if (caretX < scroll_)
        scroll_ = caretX;
    SDL_Rect clip{inner.x, inner.y, inner.w, inner.h};
    SDL_SetClipRect(surface, &clip);
    font_->Draw(surface, text, inner.x - scroll_, inner.y, kInk);
    if (caretOn)
        Fill(surface, inner.x + caretX - scroll_, inner.y, 1, inner.h, kInk);
    SDL_SetClipRect(surface, nullptr);
}

void DialogWindow::PaintButton(SDL_Surface* surface, const Box& box, const char* label, bool pushed,
                               bool isDefault) {
    for (int row = 0; row < box.h; ++row) {
        SDL_Color shade = pushed ? kButtonPushed
                                 : SDL_Color{Mix(kButtonTop.r, kButtonBottom.r, row, box.h),
                                             Mix(kButtonTop.g, kButtonBottom.g, row, box.h),
                                             Mix(kButtonTop.b, kButtonBottom.b, row, box.h), 255};
        Fill(surface, box.x, box.y + row, box.w, 1, shade);
    }
    Frame(surface, box.x, box.y, box.w, box.h, isDefault ? kAccent : kBorder, isDefault ? 2 : 1);
    int shift = pushed ? 1 : 0;
    int textX = box.x + (box.w - font_->Width(label)) / 2 + shift;
    int textY = box.y + (box.h - font_->LineHeight()) / 2 + shift;
    font_->Draw(surface, label, textX, textY, kInk);
}
