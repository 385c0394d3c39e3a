// The game's process entry: no command line, environment or configuration is read.

#include "app/FormMain.h"
#include "app/ProcessEntry.h"
#include "platform/Platform.h"

int main() {
    PlatformSession platform(FormMain::kClassName);
    if (!platform.Started())
        return 0;   // no display: start-up failed
    return RunGame();
}
