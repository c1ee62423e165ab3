/* Starts a program and prints how many milliseconds pass until the screen
 * shows the table it settles on: the dealt cards in their places, a deal
 * animation ended. The screen is read through shared memory about every
 * millisecond; every change is kept (a thumbnail of every sixth pixel), and
 * once the screen has rested for a while the figure is the first moment from
 * which it differed from the resting screen by less than a third of a card.
 * A clock ticking in a corner changes too little to count. Ends the program
 * afterwards.
 * usage: settled_table_probe PROGRAM [ARGUMENTS...]   (prints ms, or "timeout") */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { kPollMicroseconds = 1000, kTimeoutMs = 30000, kRestMs = 2500, kStride = 6, kMaxFrames = 4000 };
/* Differences below a third of a small card's area are not the table changing. */
static const double kTolerance = 0.002;

typedef struct {
  double at;
  unsigned* pixels;
} TFrame;

static double fnNowMs(void) {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

static void fnSleepMicroseconds(long microseconds) {
  const struct timespec pause = {microseconds / 1000000, (microseconds % 1000000) * 1000};
  nanosleep(&pause, NULL);
}

static int fnThumbnail(Display* display, Window root, XImage* image, unsigned* into) {
  if (!XShmGetImage(display, root, image, 0, 0, AllPlanes)) return 0;
  long n = 0;
  for (int y = 0; y < image->height; y += kStride) {
    const unsigned* row = (const unsigned*)(image->data + (long)y * image->bytes_per_line);
    for (int x = 0; x < image->width; x += kStride) into[n++] = row[x] & 0xffffff;
  }
  return 1;
}

/* The share of thumbnail pixels that differ clearly. */
static double fnDifference(const unsigned* a, const unsigned* b, long size) {
  long differ = 0;
  for (long i = 0; i < size; ++i) {
    if (a[i] == b[i]) continue;
    const int dr = (int)((a[i] >> 16) & 0xff) - (int)((b[i] >> 16) & 0xff);
    const int dg = (int)((a[i] >> 8) & 0xff) - (int)((b[i] >> 8) & 0xff);
    const int db = (int)(a[i] & 0xff) - (int)(b[i] & 0xff);
    differ += abs(dr) + abs(dg) + abs(db) > 48;
  }
  return (double)differ / (double)size;
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
  const long size = (long)((image->width + kStride - 1) / kStride) * ((image->height + kStride - 1) / kStride);

  TFrame* frames = calloc(kMaxFrames, sizeof(TFrame));
  int count = 0;
  unsigned* now = malloc((size_t)size * sizeof(unsigned));
  const double start = fnNowMs();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  double changedAt = start;
  int rested = 0;
  while (fnNowMs() - start < kTimeoutMs && count < kMaxFrames) {
    if (fnThumbnail(display, root, image, now)) {
      const double at = fnNowMs() - start;
      const unsigned* last = count > 0 ? frames[count - 1].pixels : NULL;
      if (!last || memcmp(last, now, (size_t)size * sizeof(unsigned)) != 0) {
        if (!last || fnDifference(last, now, size) > kTolerance) changedAt = at;
        frames[count].at = at;
        frames[count].pixels = malloc((size_t)size * sizeof(unsigned));
        memcpy(frames[count].pixels, now, (size_t)size * sizeof(unsigned));
        ++count;
      }
      if (count > 1 && at - changedAt >= kRestMs) {
        rested = 1;
        break;
      }
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
  if (!rested) {
    puts("timeout");
    return 1;
  }
  /* The first frame from which every later one stays near the resting screen. */
  const unsigned* resting = frames[count - 1].pixels;
  int first = count - 1;
  while (first > 0 && fnDifference(frames[first - 1].pixels, resting, size) <= kTolerance) --first;
  printf("%.0f\n", frames[first].at);
  return 0;
}
