#include "app/GameApp.h"

#include <algorithm>

#include "app/MouseState.h"
#include "app/SharedState.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"

namespace {
// With the main loop stopped (failed start) there is nothing to wake up for
// but events.
constexpr uint32_t kIdleWaitWithoutTicks = 100;
// The longest sleep through a quiet screen: the loop still looks at the
// screen twice a second, whatever it promised.
constexpr uint32_t kLongestQuiet = 500;
}  // namespace

GameApp::GameApp(MainFrame::Setup setup) : setup_(std::move(setup)) {
    mouse = MouseState{};
    shared = SharedState{};
}

GameApp::~GameApp() {
    mainFrame_.reset();
}

bool GameApp::InitInstance() {
    mainFrame_ = std::make_unique<MainFrame>(display_, soundSystem_, std::move(setup_));
    mainFrame_->ShowWindow();
    return true;
}

bool GameApp::TickDue(uint32_t now) const {
    return !ticked_ || TickAfter(now, nextTickTime_);
}

bool GameApp::OnIdle(long idleCount) {
    (void)idleCount;
    if (!mainFrame_ || !mainFrame_->AppActive() || !mainFrame_->CurrentScreen())
        return true;
    const uint32_t now = TickCount();
    if (!TickDue(now))
        return true;
    ticked_ = true;
    nextTickTime_ = now + kTickInterval;

    Screen* screen = mainFrame_->CurrentScreen();
    ScreenCode code = screen->Update(display_, soundSystem_, now, mouse.x, mouse.y, mouse.leftDown,
                                     mouse.rightDown);
    mainFrame_->TickRan();
    display_.Present();
    soundSystem_.RestWhenQuiet();
    Screen* target = mainFrame_->TargetScreen(code);
    if (!target) {
        StartQuiet(*screen, now);
        return true;
    }

    screen->Leave();
    target->Enter(display_, soundSystem_, now);
    mainFrame_->MakeCurrent(target);
    target->Draw(display_);
    return true;
}

void GameApp::StartQuiet(const Screen& screen, uint32_t now) {
    // A held button acts on every tick (a held picture steps the difficulty).
    if (mouse.leftDown || mouse.rightDown) {
        quiet_.Clear();
        return;
    }
    const uint32_t quiet = std::min(screen.QuietFor(now), kLongestQuiet);
    // Over at now + quiet, the first moment something may change.
    if (quiet > kTickInterval)
        quiet_.Start(now, quiet - 1);
    else
        quiet_.Clear();
}

uint32_t GameApp::MillisecondsToWait() const {
    return std::max(MillisecondsToNextTick(), quiet_.Remaining(TickCount()));
}

uint32_t GameApp::MillisecondsToNextTick() const {
    if (!mainFrame_ || !mainFrame_->AppActive() || !mainFrame_->CurrentScreen()) {
        return kIdleWaitWithoutTicks;
    }
    uint32_t now = TickCount();
    if (TickDue(now))
        return 0;
    // Due once the count has passed nextTickTime, that is at nextTickTime + 1.
    return nextTickTime_ + 1 - now;
}

int GameApp::ExitInstance() {
    mainFrame_.reset();
    // 1, not 0, for every normal quit: what the launch scripts and tests expect.
    return 1;
}

int GameApp::Run() {
    InitInstance();
    long idleCount = 0;
    while (!mainFrame_->QuitPosted()) {
        if (EventPump::DispatchOne(mainFrame_->WindowId(), *mainFrame_)) {
            idleCount = 0;
            InputArrived();
            continue;
        }
        // A wake-up with no event for us (X traffic of its own) does not
        // cut the quiet short.
        if (!Quiet())
            OnIdle(idleCount++);
        if (mainFrame_->QuitPosted())
            break;
        uint32_t wait = MillisecondsToWait();
        if (wait > 0)
            EventPump::WaitForEvent(mainFrame_->WindowId(), wait);
    }
    return ExitInstance();
}
