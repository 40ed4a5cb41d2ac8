#include "app/GameApp.h"
#include "platform/FileIo.h"

int main() {
    // Only one game runs in a folder, so any half-written save here is from
    // a run that was killed; the file it was replacing is still whole.
    RemoveStaleTemporaries("Data");
    GameApp app;
    return app.Run();
}
