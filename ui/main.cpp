#include "GameApp.h"

int main(int argc, char** argv) {
    GameApp app;
    return app.run(argc, argv);
}
