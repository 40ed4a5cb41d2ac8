#include <optional>
#include <string>

#include "app/GameApp.h"
#include "platform/DiagnosticLog.h"
#include "platform/FileIo.h"
#include "platform/FolderLock.h"
#include "platform/GameFolders.h"
#include "platform/HostPath.h"
#include "platform/MessageBox.h"

int main() {
    std::string noPlace;
    UseGameFolders(GameFolders::ForThisProcess(noPlace));
    // The folders still find the box's font in what the game ships.
    MainFrame::UseMessageBoxFont();
    if (!noPlace.empty()) {
        ShowMessageBoxBeforeStart("Cannot start...", noPlace);
        return 1;
    }
    // One copy per game folder, on purpose, although the window system would
    // run two: a second one would delete the first one's half-written saves
    // and write over its scores. It says why and leaves without touching a
    // file.
    FolderLock dataLock(HostPath("Data"));
    if (dataLock.Status() == FolderLock::State::HeldByAnother) {
        ShowMessageBoxBeforeStart("Already running...",
                                  "Another copy of the game is using this folder.  Only one copy "
                                  "can play here at a time.");
        return 1;
    }
    // With the lock held, any half-written save here is from a run that was
    // killed; the file it was replacing is still whole.
    if (dataLock.Status() == FolderLock::State::Held)
        RemoveStaleTemporaries(HostPath("Data"));
    // From here on reports are kept in the player's folder too; the copy
    // turned away above writes nothing there, not even its reason.
    DiagnosticLog log(HostPath(DiagnosticLog::kGamePath));
    GameApp app;
    return app.Run();
}
