#include "app/MainFrame.h"

#include "app/MouseState.h"
#include "app/SharedState.h"
#include "engine/Display.h"
#include "engine/SoundSystem.h"
#include "platform/Clock.h"
#include "platform/DiagnosticLog.h"
#include "platform/DialogWindow.h"
#include "platform/MessageBox.h"
#include "platform/PageHidden.h"
#include "platform/Window.h"

// The version comes from the build (the project version), as the package's does.
const char* const MainFrame::kTitle = "Vlims " VLIMS_VERSION;
// The failed graphics check keeps its DirectX caption and text: they are the
// words players search for when the game will not start.
const char* const MainFrame::kCheckCaption = "DirectX";

namespace {
// Where the client area's top-left corner sits on the desktop.
constexpr int kWindowLeft = 50;
constexpr int kWindowTop = 50;
constexpr const char* kIconFile = "Graphics\\Gui\\Icon.bmp";
constexpr const char* kLargeIconFile = "Graphics\\Gui\\Icon Large.bmp";
constexpr const char* kBoxFontSheet = "Graphics\\Gui\\Times Roman 10 Font.bmp";
constexpr const char* kBoxFontMetrics = "Data\\Times Roman 10 Font Metrics.dat";
constexpr const char* kDirectXDownloadPage =
    "https://www.microsoft.com/en-us/download/details.aspx?id=35";
}  // namespace

const std::string& MainFrame::CheckFailedText() {
    static const std::string text =
        std::string(
            "Vlims requires DirectX 5.  Your system does not have DirectX 5 installed.\n"
            " Please download DirectX FREE from ") +
        kDirectXDownloadPage + " ";
    return text;
}

std::unique_ptr<Window> MainFrame::OpenGameWindow(std::string* error) {
    std::unique_ptr<Window> window =
        Window::Open(kTitle, kWindowLeft, kWindowTop, kClientWidth, kClientHeight, error);
    if (window)
        window->SetIcon(kIconFile, kLargeIconFile);
    return window;
}

void MainFrame::UseMessageBoxFont() {
    SetMessageBoxFont(kBoxFontSheet, kBoxFontMetrics);
}

MainFrame::MainFrame(Display& display, SoundSystem& soundSystem, Setup setup)
    : display_(display), soundSystem_(soundSystem) {
    UseMessageBoxFont();
    if (!PassesGraphicsCheck(setup)) {
        ShowMessageBox(kCheckCaption, CheckFailedText());
        appActive_ = false;
        quitPosted_ = true;
        return;
    }
    appActive_ = true;
    DialogWindow::SetOwner(
        window_.get(), [this] { display_.Present(); }, [this] { soundSystem_.RestWhenQuiet(); });
    PageHidden::SetHandler([this] { SaveAndPlayOn(); });

    display_.Create(window_.get());
    display_.SetWindowed(kClientWidth, kClientHeight);
    soundSystem_.Create(window_.get());
    soundSystem_.CreatePrimaryBuffer();

    if (setup.makeScreens)
        screens_ = setup.makeScreens();

    if (screens_.start) {
        screens_.start->Enter(display_, soundSystem_, TickCount());
        currentScreen_ = screens_.start.get();
        screens_.start->Draw(display_);
    }
    display_.Present();
}

bool MainFrame::PassesGraphicsCheck(Setup& setup) {
    if (!setup.openWindow)
        return true;  // headless
    std::string error;
    window_ = setup.openWindow(&error);
    if (window_)
        return true;
    DiagnosticLog::Report("graphics", "the graphics check failed: %s", error.c_str());
    return false;
}

MainFrame::~MainFrame() {
    // Normally the close request has done this already; a frame deleted
    // without one (a test, a failed run) still leaves the screens properly.
    ReleaseEverything();
    DialogWindow::SetOwner(nullptr, nullptr);
    PageHidden::SetHandler(nullptr);
}

// The page went out of sight, which may be the last the game hears before it
// is closed: the running game is saved as a close saves it, then goes on from
// that save. Nobody is there to answer the box saying so.
void MainFrame::SaveAndPlayOn() {
    if (!currentScreen_ || currentScreen_ != screens_.play.get() || shared.finalScore != -1)
        return;
    {
        MessageBoxRecorder away;
        currentScreen_->Leave();
        for (const MessageBoxRecorder::Shown& box : away.All())
            DiagnosticLog::Report("page hidden", "%s: %s", box.caption.c_str(), box.text.c_str());
    }
    shared.resumeRequested = true;
    currentScreen_->Enter(display_, soundSystem_, TickCount());
    currentScreen_->Draw(display_);
}

// The display is gone: the screen is left as on a close, which saves what a
// close saves; the display and the sound system are not touched.
void MainFrame::SaveWithoutDisplay() {
    if (currentScreen_)
        currentScreen_->Leave();
}

void MainFrame::ShowWindow() {
    if (window_)
        window_->Show();
}

uint32_t MainFrame::WindowId() const {
    return window_ ? window_->Id() : 0;
}

void MainFrame::ReleaseEverything() {
    if (currentScreen_)
        currentScreen_->Leave();
    currentScreen_ = nullptr;
    if (appActive_ && !released_) {
        released_ = true;
        display_.Release();
        soundSystem_.Release();
        screens_.start.reset();
        screens_.play.reset();
        screens_.score.reset();
    }
}

void MainFrame::OnClose() {
    ReleaseEverything();
    quitPosted_ = true;
}

Screen* MainFrame::TargetScreen(ScreenCode code) const {
    switch (code) {
        case ToStart:
            return screens_.start.get();
        case ToPlay:
            return screens_.play.get();
        case ToScores:
            return screens_.score.get();
        default:
            return nullptr;
    }
}

void MainFrame::OnPaint() {
    display_.Invalidate();
}

void MainFrame::OnEraseBackground() {
    if (currentScreen_)
        currentScreen_->Draw(display_);
}

void MainFrame::Press(bool& down, PressHold& hold) {
    down = true;
    hold = {true, false};
}

void MainFrame::Release(bool& down, PressHold& hold) {
    if (hold.unseen)
        hold.releaseHeld = true;
    else
        down = false;
}

void MainFrame::EndHold(bool& down, PressHold& hold) {
    if (hold.releaseHeld)
        down = false;
    hold = {};
}

void MainFrame::TickRan() {
    EndHold(mouse.leftDown, leftHold_);
    EndHold(mouse.rightDown, rightHold_);
}

void MainFrame::OnLeftButtonDown(int x, int y) {
    mouse.x = x;
    mouse.y = y;
    Press(mouse.leftDown, leftHold_);
}

void MainFrame::OnLeftButtonUp(int x, int y) {
    mouse.x = x;
    mouse.y = y;
    Release(mouse.leftDown, leftHold_);
}

void MainFrame::OnRightButtonDown(int x, int y) {
    mouse.x = x;
    mouse.y = y;
    Press(mouse.rightDown, rightHold_);
}

void MainFrame::OnRightButtonUp(int x, int y) {
    mouse.x = x;
    mouse.y = y;
    Release(mouse.rightDown, rightHold_);
}

void MainFrame::OnMouseMove(int x, int y) {
    mouse.x = x;
    mouse.y = y;
}

void MainFrame::OnActivate() {
    mouse.leftDown = false;
    mouse.rightDown = false;
    leftHold_ = {};
    rightHold_ = {};
}
