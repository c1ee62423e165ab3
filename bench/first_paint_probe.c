/* Starts a program and prints how many milliseconds pass until dealt cards
 * show on the X display: near-white pixels covering over 3% of the root
 * window. The screen is read through shared memory about every millisecond,
 * so the figure is far finer than a screenshot tool's. Ends the program
 * afterwards.
 * usage: first_paint_probe PROGRAM [ARGUMENTS...]   (prints ms, or "timeout") */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <signal.h>
#include <stdio.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { kPollMicroseconds = 1000, kTimeoutMs = 20000, kStride = 3 };

static double fnNowMs(void) {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

static void fnSleepMicroseconds(long microseconds) {
  const struct timespec pause = {microseconds / 1000000, (microseconds % 1000000) * 1000};
  nanosleep(&pause, NULL);
}

static double fnWhiteShare(Display* display, Window root, XImage* image) {
  if (!XShmGetImage(display, root, image, 0, 0, AllPlanes)) return 0;
  long white = 0, seen = 0;
  for (int y = 0; y < image->height; y += kStride) {
    const unsigned* row = (const unsigned*)(image->data + (long)y * image->bytes_per_line);
    for (int x = 0; x < image->width; x += kStride) {
      const unsigned r = (row[x] >> 16) & 0xff, g = (row[x] >> 8) & 0xff, b = row[x] & 0xff;
      white += r > 225 && g > 225 && b > 225;
      ++seen;
    }
  }
  return (double)white / (double)seen;
}

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: %s PROGRAM [ARGUMENTS...]\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(NULL);
  if (!display || !XShmQueryExtension(display)) {
    fprintf(stderr, "no X display with shared memory\n");
    return 2;
  }
  const int screen = DefaultScreen(display);
  if (DefaultDepth(display, screen) != 24) {
    fprintf(stderr, "the display must have 24-bit colour\n");
    return 2;
  }
  const Window root = DefaultRootWindow(display);
  XShmSegmentInfo segment;
  XImage* image = XShmCreateImage(display, DefaultVisual(display, screen), 24, ZPixmap, NULL, &segment,
                                  (unsigned)DisplayWidth(display, screen), (unsigned)DisplayHeight(display, screen));
  segment.shmid = shmget(IPC_PRIVATE, (size_t)image->bytes_per_line * (size_t)image->height, IPC_CREAT | 0600);
  segment.shmaddr = image->data = shmat(segment.shmid, NULL, 0);
  segment.readOnly = False;
  XShmAttach(display, &segment);
  XSync(display, False);
  shmctl(segment.shmid, IPC_RMID, NULL);

  const double start = fnNowMs();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  double shownAt = -1;
  while (fnNowMs() - start < kTimeoutMs) {
    if (fnWhiteShare(display, root, image) > 0.03) {
      shownAt = fnNowMs() - start;
      break;
    }
    if (waitpid(child, NULL, WNOHANG) == child) break;
    fnSleepMicroseconds(kPollMicroseconds);
  }
  kill(child, SIGTERM);
  fnSleepMicroseconds(300000);
  kill(child, SIGKILL);
  waitpid(child, NULL, 0);
  XShmDetach(display, &segment);
  shmdt(segment.shmaddr);
  if (shownAt < 0) {
    puts("timeout");
    return 1;
  }
  printf("%.0f\n", shownAt);
  return 0;
}
