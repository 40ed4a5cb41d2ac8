#pragma once

// Makes the files written so far outlast the program. On the web the game's
// Data folder is a copy in memory of the browser's storage (IndexedDB), which
// this writes back to; on a desktop a file on disk lasts already.
void KeepWrittenFiles();
