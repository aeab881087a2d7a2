// Prints the X server's current cursor: width, height, hot spot and how many of its pixels are opaque.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>

int main()
{
    Display* x = XOpenDisplay(nullptr);
    if (!x) {
        std::fprintf(stderr, "cursor_probe: no X display\n");
        return 2;
    }
    XFixesCursorImage* cursor = XFixesGetCursorImage(x);
    if (!cursor) return 3;
    int opaque = 0;
    for (int i = 0; i < cursor->width * cursor->height; ++i) opaque += ((cursor->pixels[i] & 0xffffffffUL) >> 24) == 0xff;  // pixels come sign-extended in longs
    std::printf("%d %d %d %d %d\n", cursor->width, cursor->height, cursor->xhot, cursor->yhot, opaque);
    XFree(cursor);
    XCloseDisplay(x);
    return 0;
}
