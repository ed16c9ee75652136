/*
 * Starts a program and reports how long it took until one of its top-level
 * windows with a given title was mapped, and its resident memory soon after.
 *
 *   bench_wait_mapped [-n TITLE] [-s SETTLE_MS] [-t TIMEOUT_MS] [-l LOG] -- PROGRAM [ARG...]
 *
 * Prints one line "map_ms=<ms> rss_kb=<kB>" on success, then ends the program.
 * The clock starts just before fork(); it stops when the MapNotify event is
 * read, which the root-window subscription delivers without polling.  VmRSS is
 * read SETTLE_MS (default 200) after the map so that the first paint, which
 * follows the map, is counted.
 *
 * Exit codes: 0 success, 1 usage, 2 no X display, 3 program failed to start
 * or died, 4 timed out, 5 VmRSS unreadable.
 */
#define _POSIX_C_SOURCE 200809L

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { MaxWatched = 64 };

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (double)ts.tv_sec * 1000.0 + (double)ts.tv_nsec / 1.0e6;
}

static void sleep_ms(long ms)
{
    struct timespec ts = { ms / 1000, (ms % 1000) * 1000000L };
    while (nanosleep(&ts, &ts) == -1 && errno == EINTR) {
    }
}

/* Returns a malloc'd copy of a text property, or NULL if the window has none. */
static char* text_property(Display* dpy, Window w, Atom property, Atom type)
{
    Atom actual_type;
    int actual_format;
    unsigned long count, after;
    unsigned char* data = NULL;
    if (XGetWindowProperty(dpy, w, property, 0, 1024, False, type, &actual_type, &actual_format, &count, &after, &data) != Success)
        return NULL;
    char* text = NULL;
    if (data != NULL && actual_format == 8) {
        text = malloc(count + 1);
        if (text != NULL) {
            memcpy(text, data, count);
            text[count] = '\0';
        }
    }
    if (data != NULL)
        XFree(data);
    return text;
}

static int title_matches(Display* dpy, Window w, const char* title)
{
    if (title == NULL)
        return 1;
    Atom net_wm_name = XInternAtom(dpy, "_NET_WM_NAME", False);
    Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
    char* name = text_property(dpy, w, net_wm_name, utf8);
    if (name == NULL)
        name = text_property(dpy, w, XA_WM_NAME, AnyPropertyType);
    int same = name != NULL && strcmp(name, title) == 0;
    free(name);
    return same;
}

/* A window that says which process owns it must be the child's; one that
 * does not say is judged by its title alone. */
/* A window can be gone before its properties are read (Wine maps and
 * destroys helper windows at once): such a window is simply not ours. */
static int ignore_x_error(Display* dpy, XErrorEvent* error)
{
    (void)dpy;
    (void)error;
    return 0;
}

static int owned_by(Display* dpy, Window w, pid_t pid)
{
    Atom net_wm_pid = XInternAtom(dpy, "_NET_WM_PID", False);
    Atom actual_type;
    int actual_format;
    unsigned long count, after;
    unsigned char* data = NULL;
    int owned = 1;
    if (XGetWindowProperty(dpy, w, net_wm_pid, 0, 1, False, XA_CARDINAL, &actual_type, &actual_format, &count, &after, &data) == Success
        && data != NULL && actual_format == 32 && count == 1)
        owned = (pid_t)((unsigned long*)(void*)data)[0] == pid;
    if (data != NULL)
        XFree(data);
    return owned;
}

static long vm_rss_kb(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%ld/status", (long)pid);
    FILE* f = fopen(path, "r");
    if (f == NULL)
        return -1;
    char line[256];
    long kb = -1;
    while (fgets(line, sizeof line, f) != NULL) {
        if (strncmp(line, "VmRSS:", 6) == 0) {
            kb = strtol(line + 6, NULL, 10);
            break;
        }
    }
    fclose(f);
    return kb;
}

static void end_child(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, NULL, WNOHANG) == pid)
            return;
        sleep_ms(10);
    }
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
}

static void usage(void)
{
    fprintf(stderr, "usage: bench_wait_mapped [-n TITLE] [-s SETTLE_MS] [-t TIMEOUT_MS] [-l LOG] -- PROGRAM [ARG...]\n");
}

int main(int argc, char* argv[])
{
    const char* title = NULL;
    const char* log = NULL;
    long settle = 200;
    long timeout = 30000;
    int opt;
    while ((opt = getopt(argc, argv, "n:s:t:l:")) != -1) {
        switch (opt) {
        case 'n':
            title = optarg;
            break;
        case 's':
            settle = strtol(optarg, NULL, 10);
            break;
        case 't':
            timeout = strtol(optarg, NULL, 10);
            break;
        case 'l':
            log = optarg;
            break;
        default:
            usage();
            return 1;
        }
    }
    if (optind >= argc || settle < 0 || timeout <= 0) {
        usage();
        return 1;
    }

    Display* dpy = XOpenDisplay(NULL);
    if (dpy == NULL) {
        fprintf(stderr, "bench_wait_mapped: cannot open display %s\n", getenv("DISPLAY") ? getenv("DISPLAY") : "(unset)");
        return 2;
    }
    XSetErrorHandler(ignore_x_error);
    int xfd = ConnectionNumber(dpy);
    fcntl(xfd, F_SETFD, FD_CLOEXEC);
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    /* The subscription must be in force before the child can map anything. */
    XSync(dpy, False);

    int status_pipe[2];
    if (pipe(status_pipe) == -1) {
        perror("bench_wait_mapped: pipe");
        return 3;
    }
    fcntl(status_pipe[1], F_SETFD, FD_CLOEXEC);

    double start = now_ms();
    pid_t pid = fork();
    if (pid == -1) {
        perror("bench_wait_mapped: fork");
        return 3;
    }
    if (pid == 0) {
        close(status_pipe[0]);
        if (log != NULL) {
            int fd = open(log, O_WRONLY | O_CREAT | O_APPEND, 0644);
            if (fd != -1) {
                dup2(fd, STDOUT_FILENO);
                dup2(fd, STDERR_FILENO);
                close(fd);
            }
        }
        execvp(argv[optind], &argv[optind]);
        int err = errno;
        ssize_t written = write(status_pipe[1], &err, sizeof err);
        (void)written;
        _exit(127);
    }
    close(status_pipe[1]);
    int exec_errno = 0;
    if (read(status_pipe[0], &exec_errno, sizeof exec_errno) == (ssize_t)sizeof exec_errno) {
        fprintf(stderr, "bench_wait_mapped: cannot run %s: %s\n", argv[optind], strerror(exec_errno));
        waitpid(pid, NULL, 0);
        return 3;
    }
    close(status_pipe[0]);

    Window watched[MaxWatched];
    int watched_count = 0;
    double mapped = -1.0;
    while (mapped < 0.0) {
        while (mapped < 0.0 && XPending(dpy) > 0) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == MapNotify) {
                Window w = ev.xmap.window;
                if (!owned_by(dpy, w, pid))
                    continue;
                if (title_matches(dpy, w, title)) {
                    mapped = now_ms();
                } else if (watched_count < MaxWatched) {
                    /* Mapped before its title was set: watch for the title. */
                    XSelectInput(dpy, w, PropertyChangeMask);
                    watched[watched_count++] = w;
                    if (title_matches(dpy, w, title))
                        mapped = now_ms();
                }
            } else if (ev.type == PropertyNotify) {
                for (int i = 0; i < watched_count; ++i) {
                    if (watched[i] == ev.xproperty.window && title_matches(dpy, ev.xproperty.window, title)) {
                        mapped = now_ms();
                        break;
                    }
                }
            }
        }
        if (mapped >= 0.0)
            break;

        int child_status;
        if (waitpid(pid, &child_status, WNOHANG) == pid) {
            fprintf(stderr, "bench_wait_mapped: %s ended before its window was mapped (status %d)\n", argv[optind], child_status);
            return 3;
        }
        double left = timeout - (now_ms() - start);
        if (left <= 0.0) {
            fprintf(stderr, "bench_wait_mapped: no window%s%s%s mapped within %ld ms\n",
                title ? " titled \"" : "", title ? title : "", title ? "\"" : "", timeout);
            end_child(pid);
            return 4;
        }
        /* Short waits so that a child that dies is noticed soon. */
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(xfd, &fds);
        struct timeval tv = { 0, left < 20.0 ? (long)(left * 1000.0) : 20000L };
        select(xfd + 1, &fds, NULL, NULL, &tv);
    }

    sleep_ms(settle);
    long rss = vm_rss_kb(pid);
    end_child(pid);
    XCloseDisplay(dpy);
    if (rss < 0) {
        fprintf(stderr, "bench_wait_mapped: cannot read VmRSS of %ld\n", (long)pid);
        return 5;
    }
    printf("map_ms=%.1f rss_kb=%ld\n", mapped - start, rss);
    return 0;
}
