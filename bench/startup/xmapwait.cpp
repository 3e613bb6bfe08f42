// Starts a program and waits for its first window to be mapped on the X display, then prints
// "<milliseconds from exec to map> <pid>" and exits, leaving the program running. Listening on
// the root window's substructure catches every top-level map, override-redirect ones (a splash)
// included, as it happens: no polling.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>
#include <xcb/xcb.h>

static double nowMs(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: xmapwait program [arguments]\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "xmapwait: cannot open the display\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t cookie =
        xcb_change_window_attributes_checked(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_generic_error_t* error = xcb_request_check(c, cookie);
    if (error) {
        fprintf(stderr, "xmapwait: cannot listen on the root window\n");
        return 2;
    }
    const double start = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        // The program must not hold our standard output: the caller reads it to its end.
        if (const int null = open("/dev/null", O_WRONLY); null >= 0) {
            dup2(null, STDOUT_FILENO);
            close(null);
        }
        execvp(argv[1], argv + 1);
        perror("xmapwait: exec");
        _exit(127);
    }
    xcb_generic_event_t* event;
    while ((event = xcb_wait_for_event(c))) {
        const int type = event->response_type & ~0x80;
        free(event);
        if (type == XCB_MAP_NOTIFY) {
            printf("%.1f %d\n", nowMs() - start, static_cast<int>(pid));
            return 0;
        }
    }
    fprintf(stderr, "xmapwait: the display went away\n");
    return 1;
}
