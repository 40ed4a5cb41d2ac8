#include "HeadlessGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "app/MouseState.h"
#include "app/SharedState.h"
#include "board/MoveList.h"
#include "modes/GameMode.h"
#include "screens/Button.h"
#include "screens/PlayScreen.h"

namespace fs = std::filesystem;

namespace {
MainFrame::Setup HeadlessSetup() {
    MainFrame::Setup setup;
    setup.makeScreens = MainFrame::Setup::Game().makeScreens;
    return setup;
}
// A click is acted on more than 250 ms after the press, then the screen switches.
constexpr int kTicksPerButtonClick = 40;
}  // namespace

void HeadlessGame::CopyGameFolder() {
    const fs::path game = VLIMS_GAME_DIR;
    const std::set<std::string> written = {"Resume.dat", "Info.dat", "Help.dat", "Help2.dat"};
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(game)) {
        const fs::path relative = fs::relative(entry.path(), game);
        const std::string name = relative.filename().string();
        if (entry.is_directory())
            fs::create_directories(relative);
        else if (relative != "vlims" && !written.count(name) && name.find(".tmp-") == name.npos)
            fs::copy_file(entry.path(), relative, fs::copy_options::overwrite_existing);
    }
}

HeadlessGame::HeadlessGame(uint32_t startTick) : clock_(startTick), app_(HeadlessSetup()) {
    mouse = MouseState{};
    app_.GetDisplay().CheckEveryPresent();
}

HeadlessGame::~HeadlessGame() {
    mouse = MouseState{};
    EXPECT_EQ(app_.GetDisplay().StalePresents(), 0) << "a present left part of a change unshown";
}

void HeadlessGame::Start() {
    app_.InitInstance();
    // Buttons take no press in the millisecond they were loaded in.
    Tick();
}

void HeadlessGame::Idle(uint32_t milliseconds) {
    clock_.Advance(milliseconds);
    const bool quiet = app_.Quiet();
    const int presented = app_.GetDisplay().PresentedFrames();
    app_.OnIdle(0);
    quietTicks_ += quiet;
    // The first few are enough to tell what broke the promise.
    if (quiet && app_.GetDisplay().PresentedFrames() != presented && ++brokenQuiet_ <= 3)
        ADD_FAILURE() << "the tick at " << clock_.Now()
                      << " would have been slept through, yet it showed a change";
    if (afterIdle_)
        afterIdle_();
}

void HeadlessGame::Press(int x, int y) {
    app_.Frame()->OnLeftButtonDown(x, y);
    app_.InputArrived();
    Tick();
    app_.Frame()->OnLeftButtonUp(x, y);
    app_.InputArrived();
    Tick();
}

void HeadlessGame::MovePointer(int x, int y) {
    app_.Frame()->OnMouseMove(x, y);
    app_.InputArrived();
}

void HeadlessGame::ClickButton(const ButtonLayout& button) {
    Press(button.x + button.width / 2, button.y + button.height / 2);
    for (int tick = 0; tick < kTicksPerButtonClick; ++tick) Tick();
}

void HeadlessGame::MakeMove(const Move& move) {
    // Cell c's middle is at (2c + 1) half pitches, the corner after it at 2c + 2.
    auto at = [](int halves) {
        return PlayScreen::kBoardOrigin + GameMode::kCellPitch * halves / 2;
    };
    if (Mode()->Variant() == RotationalVariant)
        return Press(at(2 * move.x1 + 2), at(2 * move.y1 + 2));
    Press(at(2 * move.x2 + 1), at(2 * move.y2 + 1));
    Press(at(2 * move.x1 + 1), at(2 * move.y1 + 1));
}

int HeadlessGame::Shown(const std::string& caption) const {
    return static_cast<int>(std::count_if(boxes_.All().begin(), boxes_.All().end(),
                                          [&](const auto& box) { return box.caption == caption; }));
}

GameMode* HeadlessGame::Mode() {
    PlayScreen* play = Current<PlayScreen>();
    return play ? play->Mode() : nullptr;
}

bool HeadlessGame::AtRest() {
    GameMode* mode = Mode();
    return mode && !mode->MoveRunning() && !mode->NoMovesShown() && mode->FindLines(4).Empty();
}

bool HeadlessGame::PickMove(Move& move) {
    GameMode* mode = Mode();
    if (!mode)
        return false;
    MoveList found =
        mode->Variant() == RotationalVariant ? mode->FindRotationMoves() : mode->FindSwapMoves();
    if (found.Empty())
        return false;
    random_ = random_ * 1103515245u + 12345u;
    move = found[static_cast<int>((random_ >> 8) % static_cast<unsigned>(found.Count()))];
    return true;
}

bool HeadlessGame::PlayMoves(int moves) {
    for (int played = 0; played < moves; ++played) {
        Move move;
        bool found = false;
        // Wait for a board at rest that offers a move.
        for (int wait = 0; wait < 1000 && !found; ++wait) {
            found = AtRest() && PickMove(move);
            if (!found)
                Tick();
        }
        if (!found)
            return false;
        MakeMove(move);
        while (Mode() && Mode()->MoveRunning()) Tick();
    }
    return true;
}
