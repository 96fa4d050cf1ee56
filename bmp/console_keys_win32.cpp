// Console side: the C runtime's keyboard polling.
#include <conio.h>
#include <io.h>
#include <stdio.h>

#include "bmp/console_keys.h"

bool ConsoleKeyWaiting() {
  return _isatty(_fileno(stdin)) && _kbhit() != 0;
}

int ConsoleReadKey() {
  return _getch();
}
