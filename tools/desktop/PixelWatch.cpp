// quiz-pixel-watch WINDOW X Y WIDTH HEIGHT SECONDS
// Watches a rectangle of a window passively and prints one line per change
// of its pixels: the wall-clock time (CLOCK_REALTIME, seconds with
// nanoseconds) and a hash of the pixels. It listens for the X server's damage
// reports on the window and reads the rectangle back with XGetImage after
// each, so the watched program gets no message of any kind: its event loop
// is not woken, as a query over AT-SPI would wake it. The first line is the
// rectangle as it was at the start.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>

namespace {

double wallClock() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// FNV-1a over the pixel values, row by row.
std::uint64_t hashOf(XImage* image) {
    std::uint64_t h = 1469598103934665603ULL;
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x) {
            h ^= static_cast<std::uint64_t>(XGetPixel(image, x, y));
            h *= 1099511628211ULL;
        }
    return h;
}

bool readHash(Display* display, Window window, int x, int y, int w, int h, std::uint64_t& out) {
    XImage* image =
        XGetImage(display, window, x, y, static_cast<unsigned>(w), static_cast<unsigned>(h), AllPlanes, ZPixmap);
    if (!image) return false;
    out = hashOf(image);
    XDestroyImage(image);
    return true;
}

int ignoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr, "usage: quiz-pixel-watch WINDOW X Y WIDTH HEIGHT SECONDS\n");
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]), w = std::atoi(argv[4]), h = std::atoi(argv[5]);
    const double seconds = std::atof(argv[6]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "quiz-pixel-watch: no X display\n");
        return 1;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "quiz-pixel-watch: the X server has no DAMAGE extension\n");
        return 1;
    }
    // A window that goes away ends the watch quietly instead of aborting it.
    XSetErrorHandler(ignoreErrors);
    const Damage damage = XDamageCreate(display, window, XDamageReportRawRectangles);
    std::uint64_t last = 0;
    if (!readHash(display, window, x, y, w, h, last)) {
        std::fprintf(stderr, "quiz-pixel-watch: cannot read the window\n");
        return 1;
    }
    std::printf("%.6f %016llx\n", wallClock(), static_cast<unsigned long long>(last));
    std::fflush(stdout);
    const double end = wallClock() + seconds;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    while (wallClock() < end) {
        if (XPending(display) == 0) {
            const int ms = static_cast<int>((end - wallClock()) * 1000) + 1;
            if (poll(&fd, 1, ms > 0 ? ms : 0) <= 0) continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != damageEvent + XDamageNotify) continue;
        const double at = wallClock();
        const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(event);
        const bool touches =
            d.area.x < x + w && d.area.x + d.area.width > x && d.area.y < y + h && d.area.y + d.area.height > y;
        if (!touches) continue;
        std::uint64_t now = 0;
        if (!readHash(display, window, x, y, w, h, now)) break;
        if (now == last) continue;
        last = now;
        std::printf("%.6f %016llx\n", at, static_cast<unsigned long long>(now));
        std::fflush(stdout);
    }
    XDamageDestroy(display, damage);
    XCloseDisplay(display);
    return 0;
}
