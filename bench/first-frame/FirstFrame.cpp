// quiz-first-frame: how long a program takes from its start until its first
// frame is on the screen. It remembers the screen, starts the program, waits
// for the X server to map a window of that process (_NET_WM_PID) and then
// reads the window's part of the screen every millisecond until at least a
// tenth of its pixels (on nine lines across it) differ from what was there
// before: the first frame.
// Prints "MAP_MS FRAME_MS" and ends the program again.
//   quiz-first-frame PROGRAM [ARGUMENTS...]
// The program runs in the current directory, with the current environment.
#include <chrono>
#include <cstdio>
#include <thread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double millis(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

long windowPid(Display* d, Window w) {
    static const Atom pidAtom = XInternAtom(d, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(d, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) == Success &&
        data && format == 32 && count == 1)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data) XFree(data);
    return pid;
}

// The share of pixels of the rectangle that differ from the remembered
// screen, read on nine lines across it: reading the whole rectangle every
// millisecond would keep the X server busy and slow down the program watched.
double changedShare(Display* d, Window root, XImage* before, int x, int y, int w, int h) {
    long changed = 0, read = 0;
    for (int line = 1; line <= 9; ++line) {
        const int j = h * line / 10;
        XImage* now = XGetImage(d, root, x, y + j, static_cast<unsigned>(w), 1, AllPlanes, ZPixmap);
        if (!now) continue;
        for (int i = 0; i < w; ++i)
            if (XGetPixel(now, i, 0) != XGetPixel(before, x + i, y + j)) ++changed;
        read += w;
        XDestroyImage(now);
    }
    return read ? static_cast<double>(changed) / static_cast<double>(read) : 0.0;
}

void end(pid_t child) {
    kill(child, SIGTERM);
    for (int i = 0; i < 300; ++i) {
        if (waitpid(child, nullptr, WNOHANG) == child) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: quiz-first-frame PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(d);
    const int screenW = DisplayWidth(d, DefaultScreen(d));
    const int screenH = DisplayHeight(d, DefaultScreen(d));
    XImage* before =
        XGetImage(d, root, 0, 0, static_cast<unsigned>(screenW), static_cast<unsigned>(screenH), AllPlanes, ZPixmap);
    XSelectInput(d, root, SubstructureNotifyMask);
    XSync(d, False);

    const Clock::time_point t0 = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(ConnectionNumber(d));
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    if (child < 0) return 2;

    // Wait for the map of a window of the child.
    Window shown = 0;
    Clock::time_point mapped;
    while (!shown) {
        if (millis(t0, Clock::now()) > 30000 || waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "no window of %s was mapped\n", argv[1]);
            end(child);
            return 1;
        }
        pollfd fd{ConnectionNumber(d), POLLIN, 0};
        if (!XPending(d)) poll(&fd, 1, 20);
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && !e.xmap.override_redirect && windowPid(d, e.xmap.window) == child) {
                shown = e.xmap.window;
                mapped = Clock::now();
            }
        }
    }

    // Then watch its part of the screen.
    for (;;) {
        XWindowAttributes a;
        if (XGetWindowAttributes(d, shown, &a) && a.width > 0 && a.height > 0) {
            const int x = a.x < 0 ? 0 : a.x, y = a.y < 0 ? 0 : a.y;
            const int w = (x + a.width > screenW ? screenW - x : a.width);
            const int h = (y + a.height > screenH ? screenH - y : a.height);
            if (w > 0 && h > 0 && changedShare(d, root, before, x, y, w, h) >= 0.1) break;
        }
        if (millis(t0, Clock::now()) > 30000) {
            std::fprintf(stderr, "the window of %s never showed a frame\n", argv[1]);
            end(child);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const Clock::time_point framed = Clock::now();
    std::printf("%.1f %.1f\n", millis(t0, mapped), millis(t0, framed));
    end(child);
    XDestroyImage(before);
    XCloseDisplay(d);
    return 0;
}
