#include "app/PuzzleApp.h"

int main(int argc, char** argv) {
    CPuzzleApp app(argc, argv);
    app.InitInstance();
    return app.Run();
}
