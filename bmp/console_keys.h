// Polling the console keyboard without waiting.
#ifndef QLC_BMP_CONSOLE_KEYS_H
#define QLC_BMP_CONSOLE_KEYS_H

enum { kKeyEscape = 27 };

// Whether a key press is waiting; never true when standard input is not a
// terminal.
bool ConsoleKeyWaiting();
// Reads the waiting key (call only after ConsoleKeyWaiting said so).
int ConsoleReadKey();

#endif
