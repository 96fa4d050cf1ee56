// Terminal side: for each poll the terminal is switched to single-key input
// and put back at once, so an interrupted program never leaves it changed.
#include <sys/select.h>
#include <termios.h>
#include <unistd.h>

#include "bmp/console_keys.h"

namespace {

int gPendingKey = -1;

int PollTerminal() {
  struct termios saved;
  if (!isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &saved) != 0) return -1;
  struct termios keys = saved;
  keys.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
  keys.c_cc[VMIN] = 0;
  keys.c_cc[VTIME] = 0;
  if (tcsetattr(STDIN_FILENO, TCSANOW, &keys) != 0) return -1;
  fd_set input;
  FD_ZERO(&input);
  FD_SET(STDIN_FILENO, &input);
  struct timeval now = {0, 0};
  unsigned char key = 0;
  int result = -1;
  if (select(STDIN_FILENO + 1, &input, nullptr, nullptr, &now) > 0 &&
      read(STDIN_FILENO, &key, 1) == 1)
    result = key;
  tcsetattr(STDIN_FILENO, TCSANOW, &saved);
  return result;
}

}  // namespace

bool ConsoleKeyWaiting() {
  if (gPendingKey < 0) gPendingKey = PollTerminal();
  return gPendingKey >= 0;
}

int ConsoleReadKey() {
  int key = gPendingKey;
  gPendingKey = -1;
  return key;
}
