#include "app/GameApp.h"

int main() {
    GameApp app;
    return app.Run();
}
